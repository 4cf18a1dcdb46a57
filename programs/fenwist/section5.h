// Section 5, a common factor taken out before a formula: its aim screen, its scenes, the
// generators of its example and the displays that reveal a problem's solution.
#pragma once

namespace fenwist {

// The aim screen; leaves CCC1 = 0, XI1 = 44, YI1 = 330 and XI2 at the end of the aim line.
void AIMCOMBINED();
// Item 1, example 1: three practice parts on one screen, the common factor alone, then with a
// formula, then with a letter in the factor.
void COMBINEDEXAMPLE1();
// Item 2: the answers to textbook problem 10.
void PROBLEM10ANSWERS();

// Part (1)'s problem: a two-term expression with a numeric common factor. Results: F(1) the
// greatest common divisor of the two coefficients T(3) and T(4) (T(4) with the sign of the second
// term), T(1) and T(2) what stays in the bracket, their texts in T$() and F$() written as the
// lines show them (T$(1) empty for 1, T$(2) "+", "-" or signed digits, T$(4) signed); X$ the
// first term's letter with its square ("x^2" or "a^2"), Y$ the second's ("y" or "b").
void GENCFTERMS();

// Parts (2) and (3)'s problem: a common factor F(1) (-5 to -2 or 2 to 5) times a trinomial that
// factorises by a formula of kind KOUSIKI: 1 (x+a)(x+b), 2 (x+a)^2, 3 (x+a)(x-a). Not the kind
// that FMAESU holds, except after a start-again of a dropped kind-1 draw; stores the kind in
// FMAESU. Results: T(1) a; T(2) b (kind 3: -a); T(3), T(4) the bracket's middle coefficient and
// constant; T(5), T(6) the problem's; their texts signed by SIGNCOEF over 1 to 6 and F$(1) the
// factor's plain text.
void GENCOMMON();

// The displays of one problem of parts (2) and (3), from GENCOMMON's texts and the scene's NO$,
// X$, X$(1) to X$(3), XI0, XI1 and YI1 (the top of the practice area). Each answer box shows its
// circled number first and its answer one step wait later.
// The problem line, the common factor taken out into box ①, and the factorised line up to box ②;
// two step waits. Leaves XI2 at the right edge of box ② and YI1 on its line.
void CFSHOWHEAD();
// After CFSHOWHEAD: the product form, box ③, then ② and ③ filled; two step waits.
void CFSHOWPROD();
// After CFSHOWHEAD: the square form ")^2", then ② filled; one step wait.
void CFSHOWSQUARE();
// The whole solution of a difference of squares; four step waits.
void CFSHOWDIFF();

}  // namespace fenwist
