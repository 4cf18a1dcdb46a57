// Section 4, factorising x^2+(a+b)x+ab: its scenes, the trinomial drills' random problems and the
// formula-choice drill's problems and texts.
#pragma once

#include <string>

namespace fenwist {

// The aim screen; leaves XI1 = 44, YI1 = 370 and XI2 at the end of the second aim line.
void AIMTRINOMIAL();
// Item 1, example 5: x^2+7x+12 on the product diagram, the search and the factor-pair table.
void TRINOMIALEXAMPLE5();
// Item 2: the practice drill, both numbers positive, then both negative.
void TRINOMIALPRACTICE();
// Item 5, example 7: one number positive, the other negative.
void TRINOMIALEXAMPLE7();
// Item 7: the formula practice, each number of either sign.
void FORMULAPRACTICE();
// Items 3, 4, 6 and 8: the answer pages of textbook problems 6 to 9.
void PROBLEM6ANSWERS();
void PROBLEM7ANSWERS();
void PROBLEM8ANSWERS();
void PROBLEM9ANSWERS();
// Item 9: the formula-choice drill, each problem with the reason for its formula.
void FORMULACHOICE();

// --- The trinomial drills ---------------------------------------------------------------------

// The four practice loops of the family; they differ in the signs of the numbers a and b.
enum class TrinomialDrill {
  BothPositive,  // practice, part (1)
  BothNegative,  // practice, part (2)
  OneNegative,   // example 7: P = 1 makes a negative, else b
  AnySigns,      // formula practice: a and b each negative when its own draw P is 1
};

// The numbers of one problem: a and b drawn from 1 to 7 (equal draws make b one larger), signed
// by the drill's rule; T(1) = a, T(2) = b, T(3) = a+b, T(4) = ab. Example 7 copies T(3) into T(5),
// formula practice T(3) into T(5) and T(4) into T(6). P holds the last sign draw.
void GENTRINOMIAL(TrinomialDrill drill);
// The rows of the factor-pair table for the constant T(4), from DIVISORPAIRS: the K pairs of its
// absolute value, smaller first, with the second member negated when T(4) is negative, then the
// same K pairs with both signs changed; rows in F(1 .. 2K) and F(21 .. 20+2K). KOSUU stays K.
void SIGNEDPAIRS();

// --- The formula-choice drill -------------------------------------------------------------------

// The numbers of one problem. KOUSIKI is drawn from 1 to 5 again while it equals FMAESU and then
// stored there; kind 1 with equal or opposite numbers is drawn again from the start. Kinds: 1
// (x+a)(x+b), 2 (x+a)^2, 3 (x-a)^2, 4 (x+a)(x-a), 5 a trap from GENTRAP, shown as kind 1.
// Results: T() 1 and 2 the numbers of the factorised form, 3 the middle coefficient, 4 the
// constant, 5 to 7 the absolute values of 1, 3 and 4; T$() as SIGNCOEF leaves them over 1 to 4;
// KOUSIKI 1 to 4; X$ the letter.
void GENCHOICE();
// A trap: the constant a square 4, 16, 36 or 64, its factor pair the one just below the equal
// pair ((1,4), (2,8), (4,9), (4,16)), both members negative when P is 1. T(1) to T(4), KOUSIKI = 1;
// DY, X(), Y(), P, KOSUU and II changed.
void GENTRAP();
// The letter of the problem: X$ = "x", "y", "a" or "b" by a draw P from 1 to 4. Section 5's
// example 1 draws the letter of its part (2) with it too.
void PICKLETTER();

// The three lines of a formula-choice problem of kind KOUSIKI (1 to 4) from X$, T() and T$():
// the trinomial, the reason for its formula and its factorised form. The reason of kind 1 tests
// T(7) with ROOTSIMPLIFY.
std::string selProblemText();
std::string selReasonText();
std::string selAnswerText();
// The three lines drawn: the trinomial at (XI1 + 88, YI1 + 80) in colour 0, the reason at
// (XI2, YI1) in colour 3, the answer at (XI1 + 44, YI1 + 80) in colour 5. The trinomial and the
// answer move the layout cursor to their line; the reason leaves it.
void SELPROBLEM();
void SELREASON();
void SELANSWER();

}  // namespace fenwist
