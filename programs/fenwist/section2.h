// Section 2, the difference of two squares: its scenes and the random problems of its drills.
#pragma once

#include <string>

namespace fenwist {

// The aim screen.
void AIMDIFFSQUARES();
// Item 1, example 2: the formula panel and the four drills, one band each.
void DIFFSQEXAMPLE();
// Item 2: the answers to textbook problem 2.
void PROBLEM2ANSWERS();

// The numbers of one problem of drill 1 to 4 (x^2-b^2, a^2x^2-b^2, x^2-b^2y^2, a^2x^2-b^2y^2):
// REN = 0 and GENPAIR. In drills 3 and 4 a second number 1 is shown as 3 and 9: T$(2) and T$(5)
// become "3" and "9", or "9" and "81" (T() keeps 1). Drill 4 draws again rather than show 9
// with a first number 3 or 6, which would leave a common factor in its answer.
void DIFFSQNUMBERS(int drill);

// The texts of drill 1 to 4 from the numbers of DIFFSQNUMBERS.
struct DiffSquaresTexts {
  std::string problem;
  std::string pieces[3];  // the answer line's texts, around box 1 and box 2
  float haba;             // the width of the two boxes
  std::string hint;       // the problem written as a difference of two squares
  std::string box1;       // what boxes 1 and 2 reveal
  std::string box2;
};
DiffSquaresTexts diffSquaresTexts(int drill);

}  // namespace fenwist
