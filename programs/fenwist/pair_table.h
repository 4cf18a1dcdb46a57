// The factor-pair table: how to find the two numbers of x^2+px+q. A header names the product q
// and the sum p; each row holds one pair of factors of q, and a second column marks with "○" the
// pair whose sum is p and with "×" every other pair.
#pragma once

namespace fenwist {

// Draws the table in three steps: the header, a step wait, the pairs, a step wait, the marks;
// it returns without a wait after the marks. Its parameters, set by the caller:
//   XI, YI        the top-left corner (kept in X(31), Y(31) while it draws)
//   X$(1), X$(2)  the header texts: "積が" and the constant, "和が" and the coefficient
//   KOSUU         the number of rows, 1 to 20
//   F(n), F(20+n) the two members of row n, and their texts in F$() (NUMSTRINGS)
//   X(1)          the sum looked for; WA the weight of the second member (always 1)
// Each cell is a BOXFORMULA box 50 high, the pair column 264 wide and the mark column 220.
// Leaves II, X, Y, A$, HABA, TATE and CCC1 to CCC3 changed.
void PAIRTABLE();

}  // namespace fenwist
