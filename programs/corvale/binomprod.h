// The random products of section 3's practices and the texts their lines are joined from.
// GENBINOMPROD leaves the numbers in T() and F() and their formatted texts in T$() and F$(); the
// line builders join those texts into the lines a scene draws, so that tests can check the
// mathematics a pupil sees without drawing it.
#pragma once

#include <string>
#include <vector>

namespace corvale {

// Which practice asks for a problem: the variants differ in the x coefficients of the first
// product and in the number they keep in FMAESU.
enum class BinomVariant {
  Example6,  // (x+a)(x-b): T(1) = T(2) = 1; the key is a = F(1)
  Example7,  // (px+a)(qx-b): p = T(1) from 2 to 4, q = T(2) from 2 to 5; the key is p
  Example8,  // as Example7, though the scene shows the second product (px-qy)(rx+sy-t)
};

// Draws the first product (T(1)x+F(1))(T(2)x+F(2)) again while its key equals FMAESU, keeps the
// key in FMAESU, and works out its partial products T(3) to T(6), F(3) and the combined x
// coefficient T(7). Then the second product (T(11)x+T(12)y)(T(13)x+T(14)y+F(11)) with its
// partial products T(15) to T(20) and the combined xy coefficient T(21). Every number becomes
// text; elements 1 to 21 take the coefficient form (1 a bare "+", -1 a bare "-", 0 nothing, and
// "+" before the digits of a positive value; a positive constant gets "+" before its digits), and
// the first coefficient of each factor and product loses its "+".
void GENBINOMPROD(BinomVariant variant);

// Example 6: the problem (x+a)(x-b), the distributed line, the multiplied-out line and the
// combined answer, each a whole line of markup.
std::vector<std::string> example6Lines();

// A product line drawn in pieces for the arcs that join its terms, and the lines under it.
struct ArcProductLines {
  std::string opener;                 // the text before the first term: "(" or " ("
  std::vector<std::string> pieces;    // the product after the opener, one piece per term
  std::vector<std::string> products;  // the partial products in the order of the arcs, the first with "="
  std::vector<std::string> lines;     // the lines of the working, top to bottom
};

// Example 7's practice: (px+a)(qx-b) in four pieces, its four partial products, and the
// answer as the one working line.
ArcProductLines example7Lines();
// Example 8: (px-qy)(rx+sy-t) in five pieces, its six partial products, and the working lines:
// the problem line, the distributed line, the partial products, the same with the like terms
// side by side, and the combined answer.
ArcProductLines example8Lines();

}  // namespace corvale
