// Section 2, the square formulas (a+b)^2 = a^2+2ab+b^2 and (a-b)^2 = a^2-2ab+b^2: its scenes and
// the random numbers they draw.
#pragma once

#include <string>

namespace pradine {

// The aim screen of the section.
void AIMSQUARE();
// Item 1, the task: the boxes of random squares (x+-n)^2, then why they are twice the number and
// its square, on the square diagram and its merge, and the two square formulas.
void SQUARETASK();
// Item 2, example 2: the drill alternating (X+n)^2 and (X-n)^2 with the formulas kept in view.
void EXAMPLE2DRILL();
// Item 3: the worked answers to textbook problem 2.
void PROBLEM2ANSWERS();
// Item 4, example 3: (2x+3y)^2 by the formula and on the wide square diagram.
void EXAMPLE3SQUARE();
// Item 5: the three-part practice filling the boxes of expanded squares.
void BOXPRACTICE();
// Item 6: the worked answers to textbook problem 3.
void PROBLEM3ANSWERS();

// The task's number: m = +-n, n 1 to 8, in T(1) and its sign in F(1); 2m in T(3) and m^2 in T(4);
// T$() 1, 3 and 4 with "+" on positive numbers.
void SQUARETASKNUMBERS();
// Example 2's problem: KOUSIKI 2 ((X+n)^2) when NO is even, 3 ((X-n)^2) when odd, n 1 to 8;
// T() and T$() 1, 3, 4 and 5 as the drill lines of those kinds read them, and the letter X$.
void SQUAREDRILLNUMBERS();
// The practice's first part: a, nonzero, -8 to 8, in T(1); 2a and a^2 in T(3) and T(4) and a^2
// again in T(14); T$() 1 to 4 with "+" on positive numbers, T$(14) unsigned; the letter X$.
void BOXSQUARENUMBERS();

// What one problem of the box practice shows: its square, and the expansion as the texts before,
// between and after the boxes with the boxes' contents. An empty `between` and `box2` mark the
// third part, whose one box holds the middle term.
struct BoxSquareTexts {
  std::string problem;
  std::string before;   // from "=" up to box 1
  std::string box1;
  std::string between;  // between box 1 and box 2, or after box 1 in the third part
  std::string box2;
};
// The texts of part 1 (from BOXSQUARENUMBERS), or of part 2 or 3 (from BINOMIALTERMS).
BoxSquareTexts boxSquareTexts(int part);

}  // namespace pradine
