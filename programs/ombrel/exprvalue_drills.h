// The random problems of section 4's drills. Each leaves its numbers in T() and F() and, where
// it says so, their texts in T$() and F$().
#pragma once

namespace ombrel {

// The value of -5a: T(1) = a, a whole number from -5 to 4, each equally likely (0 included,
// repeats allowed); T(2) = -5a; the texts by NUMSTRINGS, and T$(3) = a as a factor: "(" + T$(1)
// + ")" when a is negative, else T$(1).
void GENREVIEWA();

// c1(px+qy)+c2(rx+sy) at (x, y): F(1) = c1 (-5 to -1, 2 to 5), T(2) = p, T(3) = q, F(4) = c2
// (-5 to 5 but 0), T(5) = r, T(6) = s (p, r: 1 to 7, q, s: 2 to 6, either sign); the expansion
// terms T(7) = c1p, T(8) = c1q, T(9) = c2r, T(10) = c2s; the collected coefficients
// T(11) = c1p + c2r, T(12) = c1q + c2s; F(5) = x (-5 to 5 but 0), F(6) = y (x + 1 when drawn
// equal to x); F(7) = T(11)x, F(8) = T(12)y, F(9) = F(7) + F(8). T(1) and T(4) are left alone.
void GENREVIEWXY();

// The texts of GENREVIEWXY's problem: NUMSTRINGS, then the sign forms. F$(1) is "-" for -1;
// F$(4) is "+" or "-" for 1 or -1 and carries its sign otherwise; T$(1) to T$(12) are signed
// coefficients ("+" for 1, "-" for -1, "+6", "-6"; "" for 0); F$(8) carries its sign, "+0" for
// a zero product.
void TEXTSREVIEWXY();

// Task 1, (x+ky)(x-ky)-(x-k^2y)(x+y) = (k^2-1)xy: T(11) = x (-1 to -3), T(12) = y (1 to 5),
// T(2) = k (2 to 4, never the FMAESU found, which then keeps k), T(3) = k^2, T(4) = k^2-1,
// T(5) = T(4)xy.
void GENPRODUCTDIFF();

// Task 2, x^2-y^2 = (x+y)(x-y) with x and y d either side of c: X = d (11 to 38 but 20 and 30,
// which become 45; never the FMAESU found, which then keeps d), T(1) = c (100, 200 or 300),
// T(2) = x = c+d, T(3) = y = c-d, T(4) = x+y, T(5) = x-y, T(6) = T(4)T(5).
void GENHUNDREDPAIR();

}  // namespace ombrel
