// Section 6, factorising by substitution: an expression that occurs more than once is put equal
// to M, the expression in M is factorised and the expression is put back.
#pragma once

namespace fenwist {

// The aim screen; leaves CCC1 = 0, XI1 = 44, YI1 = 330 and XI2 at the end of the aim line.
void AIMREPLACE();
// Item 1, example 2: parts (1) to (3) on one screen, then part (4), REPLACESHIFTED.
void REPLACEEXAMPLE();
// Part (4) of example 2 and the scene's last step: the practice loop on a trinomial in x+f in the
// right-hand column, then the pointer to textbook problem 11.
void REPLACESHIFTED();
// Item 2: the answers to textbook problem 11.
void REPLACEANSWERS();
// Item 3: two expressions whose repeated part shows only once they are rewritten.
void REPLACEDISCUSS();

// The signed pair: P a random sign, T(1) = P times 1 to 5; T(2) 1 to 4, moved up by one when it
// equals |T(1)|, so never |T(1)| and T(1) + T(2) never 0; T(3) = T(1) + T(2), T(4) = T(1) T(2).
void GENSUBSTPAIR();

// Part (1)'s problem X(x+t) +- (x+t): T(1) = t (-5 to -1 or 1 to 5), T(2) = +1 or -1, their texts
// in T$() signed ("+3", "-1"), T$(12) the sign of T(2) alone, X$ the letter a, b or c, X$(1) to
// X$(3) the letters.
void GENREPLACELETTER();
// Part (3)'s problem (B)^2 + p(B) + q = (B+a)(B+b): GENSUBSTPAIR, its texts signed by SIGNCOEF
// over 1 to 6, X$ the binomial B, one of the five in X$(1) to X$(5).
void GENREPLACEBINOMIAL();
// Part (4)'s problem (x+f)^2 + p(x+f) + q: GENSUBSTPAIR, then F(1) = f (-5 to -1 or 1 to 5),
// T(5) = f + a and T(6) = f + b, all drawn again until neither is 0; texts signed by SIGNCOEF over
// 1 to 6, F$(1) signed, X$ = "x" + F$(1).
void GENREPLACESHIFTED();

}  // namespace fenwist
