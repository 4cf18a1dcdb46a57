// Section 5, expansion by substitution: its scenes and the random problems of its drills.
#pragma once

#include <string>

namespace pradine {

// The aim screen of the section.
void AIMSUBST();
// Item 1: what the letter of a sum-and-difference diagram stands for, in one letter, then in a
// two-letter polynomial.
void SUBSTFIGUREDRILL();
// Item 2: products (P+n)(P-n) rewritten as a box (squared) minus n^2, the box filled after a key.
void BOXTASK();
// Item 3, example 2: (a+b-2)(a+b+2) with a+b = M beside its diagram, then the substitution drills.
void SUBSTEXAMPLE();
// The drills that end example 2: random products, then squares, of a binomial worked through M.
void SUBSTPRODUCTDRILL();
void SUBSTSQUAREDRILL();
// Item 4: the worked answers to textbook problem 7.
void ANSWERS7();

// A random product of a sum and a difference: the number n in T(3) and T$(3), the signed constants
// of the two factors in T$(1) and T$(2), the letter X$, the two-letter polynomial X$(1) + X$(2)
// (the coefficient F(1) of its second letter, 1 to 5 of either sign) and the substitution letter
// X$(3) of its diagram.
void SUBSTPROBLEM();
// The product of SUBSTPROBLEM's factors on a base, the letter X$ or the polynomial X$(1) + X$(2):
// "(" base T$(1) ")(" base T$(2) ")".
std::string substProduct(const std::string& base);

// Which of the two substitution drills a problem is for.
enum class SubstDrill { Product, Square };

// The numbers of a substitution drill's problem: p (1 to 5 of either sign) in T(1); q in T(2),
// 1 to 5 and never |p| for a product, p for a square; p+q, pq and 2(p+q) in T() 3 to 5, -(p+q) in
// F(3).
void GENSUBSTPAIR(SubstDrill drill);
// A whole problem: GENSUBSTPAIR, the texts of its numbers, the substitution table in X$() 1 to 15
// and a random row of it in Y$() 1 to 3 (the binomial, its square, p+q times it).
void SUBSTDRILLPROBLEM(SubstDrill drill);

// The lines a substitution drill shows for the problem of SUBSTDRILLPROBLEM.
struct SubstTexts {
  std::string problem;   // the product or square of the binomial plus a number
  std::string boxed;     // the binomial that M stands for
  std::string inM;       // the problem written in M
  std::string expanded;  // its expansion in M
  std::string putBack;   // the binomial put back for M
  std::string answer;    // the expansion in the letters
};
SubstTexts substTexts(SubstDrill drill);

}  // namespace pradine
