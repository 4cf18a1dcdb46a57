// Section 3, the product of a sum and a difference (a+b)(a-b) = a^2-b^2: its scenes and the
// random numbers they draw.
#pragma once

#include <string>

namespace pradine {

// The aim screen of the section.
void AIMSUMDIFF();
// Item 1, the task: the boxes of random products (x+n)(x-n), then why the middle term goes and
// the constant is the product, on the sum-and-difference diagrams, and the formula.
void SUMDIFFTASK();
// Item 2, example 5: drills of (X+n)(X-n) and (pX+qY)(pX-qY) with the formula kept in view.
void EXAMPLE5DRILL();
// Item 3: the worked answers to textbook problem 4.
void PROBLEM4ANSWERS();
// Item 4: the answer to problem 5, the proof of the card trick.
void PROBLEM5PROOF();

// The task's number: n, 1 to 11, in T(1); -n, 0 and -n^2 in T() 2 to 4; T$() 1 to 4 with "+" on
// positive numbers.
void SUMDIFFTASKNUMBERS();
// Drill ①'s problem: n, 1 to 8, in T(1), T(5) and, negated, T(2); -n^2 in T(4); T$() 1, 2 and 4
// signed, T$(5) unsigned; the letter X$.
void SUMDIFFNUMBERS();
// Drill ②'s problem: the binomial of BINOMIALTERMS with its second coefficient's sign taken off
// T$(2), since the two factors write their signs themselves.
void SUMDIFFTERMS();

// The three lines of a problem of a drill: the product, the difference of two squares and the
// result.
struct SumDiffTexts {
  std::string problem;
  std::string squares;
  std::string result;
};
// Drill ① (from SUMDIFFNUMBERS) or drill ② (from SUMDIFFTERMS).
SumDiffTexts sumDiffTexts(int drill);

}  // namespace pradine
