// The problems of section 2, a polynomial divided by a monomial: the random generators of the
// review drill and of example 3's two drills, the texts each pass draws, and review 2's fixed
// table of reciprocals. The generators leave their numbers and texts in the shared arrays; the
// line builders turn those into the lines a pass shows, so that tests can check the mathematics
// a pupil sees without drawing it.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace corvale {

// Review 1, (ax + by) / d: |d| in F(1) (2, 3 or 5), d in T(1), a/|d| and b/|d| in T(12) and
// T(13) (1 to 5 of either sign), a = T(2), b = T(3), the quotient's coefficients T(4) = a/d and
// T(5) = b/d. Texts: T$(1) = d (in brackets when negative), T$(3) with its sign, T$(4), T$(5)
// as signed terms (SIGNCOEF), RAB$(1) = 1/d (a negative one bracketed, the minus before the
// fraction).
void GENDIVINT();
// Example 3, drill (1), (a x²y + b xy²) / (d L): the numbers of GENDIVINT, then the letter L in
// A1$ (x or y) and the quotient's letter parts X$(3), X$(4). Texts: T$(1) = d, T$(3) with its
// sign, T$(4), T$(5) as signed terms, A2$ = "x^2y", A3$ = "xy^2", the divisor X$(1) and its
// reciprocal X$(2), bracketed when d < 0.
void GENDIVMONO();
// Example 3, drill (2), (m a²b + n ab²) / ((q/p) L): q in F(1) (±2, ±3, ±5), p in T(1) (2, 3, 5
// or 7, never |q|), m/|q| and n/|q| in T(12), T(13), m = T(2), n = T(3), the quotient's
// coefficients T(4) = mp/q, T(5) = np/q, the letter part L in A1$ (a, b or ab). Texts: T$(1) = p,
// F$(1) = q, F$(11) = |q|, RAB$(1) = q/p, A2$ = "a^2b", A3$ = "ab^2", the divisor X$(1), its
// reciprocal X$(2) (both bracketed when q < 0) and the quotient's letter parts X$(3), X$(4).
void GENDIVFRAC();

// The texts one pass of a division draws, each line in the pieces it is drawn in.
struct DivisionLines {
  std::vector<std::string> problem;  // the division
  std::vector<std::string> product;  // the dividend times the reciprocal
  std::vector<std::string> split;    // each term times the reciprocal, or over the divisor
  std::string answer;                // the quotient
};

// Review 1 (after GENDIVINT): the split line multiplies each term by the reciprocal. Strips the
// signs of T$(2), T$(3), T$(12), T$(13) for the strokes and the "+" of T$(4).
DivisionLines divIntLines();
// Drill (1) (after GENDIVMONO): the split line is the two terms over the divisor. Strips the "+"
// of T$(3) and of T$(4) and the signs of T$(12), T$(13).
DivisionLines divMonoLines();
// Drill (2) (after GENDIVFRAC): the split line is each term times p over q L. Strips as
// divMonoLines does.
DivisionLines divFracLines();

// A row of review 2's table: a term, the same term as one fraction, and its reciprocal.
struct ReciprocalRow {
  const char* term;
  const char* fraction;  // begins with "="
  const char* reciprocal;
};
inline constexpr std::array<ReciprocalRow, 9> RECIPROCALS{{
    {"2x", "=ﾀ2x/1ﾀ", "ﾀ1/2xﾀ"},
    {"-3a", "=-ﾀ3a/1ﾀ", "-ﾀ1/3aﾀ"},
    {"ﾀ3/2ﾀx", "=ﾀ3x/2ﾀ", "ﾀ2/3xﾀ"},
    {"ﾀ1/2ﾀx", "=ﾀx/2ﾀ", "ﾀ2/xﾀ"},
    {"-ﾀ1/3ﾀy", "=-ﾀy/3ﾀ", "-ﾀ3/yﾀ"},
    {"-ﾀ3/5ﾀy", "=-ﾀ3y/5ﾀ", "-ﾀ5/3yﾀ"},
    {"ﾀ2/3ﾀa^2", "=ﾀ2a^2/3ﾀ", "ﾀ3/2a^2ﾀ"},
    {"-ﾀ2/3ﾀb^2", "=-ﾀ2b^2/3ﾀ", "-ﾀ3/2b^2ﾀ"},
    {"ﾀ2/3ﾀab", "=ﾀ2ab/3ﾀ", "ﾀ3/2abﾀ"},
}};
// Writes the table into T$(): row k's term in element k, its fraction in 10 + k, its reciprocal
// in 20 + k.
void RECIPROCALTABLE();

}  // namespace corvale
