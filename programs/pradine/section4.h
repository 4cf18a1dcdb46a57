// Section 4, calculation with the formulas: its scenes and the random problems of its drills.
#pragma once

#include <string>

namespace pradine {

// The aim screen of the section.
void AIMPRACTICE();
// Item 1: random expansions of the four formulas, the formula kind never the one before.
void MIXEDDRILL();
// Item 2, example 1: 2(x+5)^2-(x+3)(x-3) worked step by step, then the combined-expression drill.
void COMBINEDEXAMPLE();
// The drill that ends example 1: random (x+p)(x+q)+k(x+r)^2 worked line by line, until 1 is typed.
void COMBINEDDRILL();
// Item 3: the worked answers to textbook problem 6.
void ANSWERS6();

// The mixed drill's problem: a formula kind KOUSIKI other than FMAESU (which then holds it), its
// numbers in T() and the texts T$() 1 to 6 as the drill kit reads them, and the letter X$. A kind-1
// draw of two numbers of one size is drawn again, numbers and kind.
void MIXEDNUMBERS();

// The combined drill's problem (x+p)(x+q)+k(x+r)^2: p in T(1), q in T(2) (-p when NO is odd), r
// in T(3) and k in F(11), then COMBINEDTERMS.
void COMBINEDNUMBERS();
// From p, q, r and k: the coefficients of the working in T() 4 to 9 and F() 1 to 4, and the texts
// of the shown terms in T$() and F$().
void COMBINEDTERMS();

// The lines the combined drill shows for the problem of COMBINEDNUMBERS.
struct CombinedTexts {
  std::string problem;   // (x+p)(x+q)+k(x+r)^2
  std::string products;  // both products expanded, the square's in brackets
  std::string opened;    // the brackets removed
  std::string gathered;  // like terms side by side
  std::string answer;    // the simplified answer
};
CombinedTexts combinedTexts();

}  // namespace pradine
