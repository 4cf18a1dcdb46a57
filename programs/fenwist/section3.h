// Section 3, perfect squares: its scenes and the random problems of its drills.
#pragma once

#include <string>

namespace fenwist {

// The aim screen.
void AIMPERFECTSQ();
// Item 1, example 3: x^2 +- 2bx + b^2, one letter, first number 1.
void SQUAREEXAMPLE3();
// Item 3, example 4: a^2x^2 +- 2abx + b^2 with one letter, then with two.
void SQUAREEXAMPLE4();
// Items 2, 4 and 5: the answer pages of textbook problems 3, 4 and 5.
void PROBLEM3ANSWERS();
void PROBLEM4ANSWERS();
void PROBLEM5ANSWERS();

// The drills of the section.
enum class SquareDrill {
  Example3,    // x^2+2bx+b^2: first number 1
  OneLetter,   // example 4 (1): a^2x^2+2abx+b^2
  TwoLetters,  // example 4 (2): a^2x^2+2abxy+b^2y^2
};

// The numbers of one problem of the drill: REN = 1 (example 3) or 0, then GENPAIR.
void SQUARENUMBERS(SquareDrill drill);

// The three lines of a problem of the drill, from the numbers of SQUARENUMBERS: the trinomial,
// its rewriting in the pattern a^2+2ab+b^2 and its factorised form.
struct SquareTexts {
  std::string problem;
  std::string step;
  std::string answer;
};
SquareTexts squareTexts(SquareDrill drill);

}  // namespace fenwist
