// Scene 2 of section 2: worked example 3. Drill (1) divides random binomials in x and y by a
// whole number times x or y, on the left; drill (2) divides binomials in a and b by a fraction
// times a, b or ab, on the right of the same picture. Each pass writes the division as a product
// with the reciprocal, splits it into two fractions and cancels each with strokes: colour 3
// through numbers, colour 7 through letters and exponents. The summary closes the scene.
#include <array>

#include "engine/engine.h"
#include "example_marks.h"
#include "globals.h"
#include "monodiv.h"
#include "monodiv_drills.h"
#include "programs/common/page.h"
#include "programs/common/scene.h"

namespace corvale {

namespace {

using namespace common::page_rows;

// The summary under drill (2)'s last answer line (always at y 310), and after a key the pointer
// to the textbook on the left, level with its last line.
constexpr std::array<PageRow, 6> SUMMARY{{
    text(640, 380, 3, "<多項式と単項式の除法>"),
    text(640, 430, 5, "逆数にして、分配法則を使う"),
    text(640, 500, 0, "①(a+b)/c=(a+b)*ﾀ1/cﾀ"),
    text(640, 570, 0, "②(a+b)/ﾀd/cﾀ=(a+b)*ﾀc/dﾀ"),
    WAIT,
    text(44, 570, 0, "教科書 問2をやろう。"),
}};

// Inside a stacked fraction a digit, a minus and a letter are 32 px wide.
constexpr float CELL = 32;

// The stroke through the coefficient of numerator k, whose text is text and value value, from
// the top-left corner U(k), V(k): U(k) moves past a minus, and LEU counts the digits struck.
void strikeCoefficient(int k, float value, const std::string& text) {
  LEU = PfKLEN(text);
  if (value < 0) {
    U_A(k) = U_A(k) + CELL;
    LEU = LEU - 1;
  }
  STRIKEOUT(U_A(k), V_A(k), CELL, LEU, 28, 3);
}

// Strokes in colour 7 through an exponent (20 px high) and through a letter, 27 px wide.
void strikeExponent(float x, float y) { STRIKEOUT(x, y, 27, 1, 20, 7); }
void strikeLetter(float x, float y) { STRIKEOUT(x, y, 27, 1, 28, 7); }

// Where the exponent of the second numerator's last letter begins: after the LEU digits and the
// two letters, as the first numerator's exponent follows its digits and its letter. Counted in
// whole cells, so that behind a two-digit coefficient the stroke still crosses the exponent and
// stops short of the "×" that follows it in drill (2).
float squareExponent() { return U_A(3) + CELL * (LEU + 2); }

// The marks on denominator k, from its top-left corner U(k), V(k): U(k) moves past a minus; a
// stroke in colour 3 through its digits, one in colour 7 through its letter, one digit right of
// the digits' start, and through the second letter of ab; and "1" under it.
void strikeDenominator(int k, bool negative, float digits, bool twoLetters) {
  if (negative) U_A(k) = U_A(k) + CELL;
  STRIKEOUT(U_A(k), V_A(k), CELL, digits, 28, 3);
  STRIKEOUT(U_A(k) + CELL, V_A(k), CELL, 1, 28, 7);
  if (twoLetters) STRIKEOUT(U_A(k) + 2 * CELL, V_A(k), CELL, 1, 28, 7);
  REDUCEDVALUE(U_A(k), V_A(k) + 28, "1");
}

// The three steps of a drill that draw its lines: the division 40 px right of the label on its
// line, the product with the reciprocal 70 px below, then the two fractions 90 px below that,
// whose numerators and denominators are recorded in U(1..4), V(1..4).
void showLines(const DivisionLines& lines) {
  common::textLine(XI1 + 40, YI1, 0, lines.problem[0]);
  STEPWAIT();
  common::textLine(XI1, YI1 + 70, 0, lines.product[0]);
  STEPWAIT();
  common::textLine(XI1, YI1 + 90, 0, lines.split[0]);
  common::textAfter(0, lines.split[1]);
  U_A(1) = TBSIYAKX;
  V_A(1) = TBSIYAKY;
  U_A(2) = TBBOYAKX;
  V_A(2) = TBBOYAKY;
  common::textAfter(0, lines.split[2]);
  U_A(3) = TBSIYAKX;
  V_A(3) = TBSIYAKY;
  U_A(4) = TBBOYAKX;
  V_A(4) = TBBOYAKY;
  STEPWAIT();
}

}  // namespace

void EXAMPLEMONODIV() {
  OPENDIVISION(3, "例3　次の計算をしなさい。");
  while (AINP != 1) {
    GENDIVMONO();
    SHOWDIVMONO();
  }
  common::textLine(XI1, YI1 + 120, 3, "※　わる数の逆数をかける");
  STEPWAIT();

  // Drill (2) on the right; drill (1)'s last problem and the rule stay on the left.
  U_A(31) = 640;
  V_A(31) = 50;
  AINP = 3;
  while (AINP != 1) {
    GENDIVFRAC();
    SHOWDIVFRAC();
  }
  SUMMARYMONODIV();
}

void SHOWDIVMONO() {
  common::eraseBox(U_A(31) - 80, V_A(31), 1320, 1500);
  XI1 = U_A(31);
  YI1 = V_A(31);
  const DivisionLines lines = divMonoLines();
  common::textLine(XI1, YI1 + 60, 3, "①");
  showLines(lines);

  // The first fraction: the divisor's letter cancels the exponent of x² or the y of x²y.
  strikeCoefficient(1, T_A(2), T_S_A(2));
  if (A1_S == "x") {
    strikeExponent(U_A(1) + CELL * (LEU + 1), V_A(1));
  } else {
    strikeLetter(U_A(1) + CELL * (LEU + 1) + 27, V_A(1));
  }
  REDUCEDVALUE(U_A(1), V_A(1) - 30, T_S_A(12));
  LE = PfKLEN(F_S_A(1));
  strikeDenominator(2, T_A(1) < 0, LE, false);
  STEPWAIT();

  // The second fraction: the exponent of y² or the x of xy².
  strikeCoefficient(3, T_A(3), T_S_A(3));
  if (A1_S == "y") {
    strikeExponent(squareExponent(), V_A(3));
  } else {
    strikeLetter(U_A(3) + CELL * LEU, V_A(3));
  }
  REDUCEDVALUE(U_A(3), V_A(3) - 30, T_S_A(13));
  LE = PfKLEN(F_S_A(1));
  strikeDenominator(4, T_A(1) < 0, LE, false);
  STEPWAIT();

  common::textLine(XI1, YI1 + 100, 5, lines.answer);
  NEXTSTEP();
}

void SHOWDIVFRAC() {
  // Everything right of the origin's x, from the top edge.
  common::eraseBox(U_A(31), 0, 1320, 1500);
  XI1 = U_A(31);
  YI1 = V_A(31);
  const DivisionLines lines = divFracLines();
  common::textLine(XI1, YI1, 3, "②");
  showLines(lines);

  // The letter part a cancels the exponent of a², b the b of a²b, ab both.
  const bool twoLetters = A1_S == "ab";
  strikeCoefficient(1, T_A(2), T_S_A(2));
  if (A1_S != "b") strikeExponent(U_A(1) + CELL * (LEU + 1), V_A(1));
  if (A1_S != "a") strikeLetter(U_A(1) + CELL * (LEU + 1) + 27, V_A(1));
  REDUCEDVALUE(U_A(1), V_A(1) - 30, T_S_A(12));
  LES = PfKLEN(F_S_A(1));
  if (F_A(1) < 0) LES = LES - 1;
  strikeDenominator(2, F_A(1) < 0, LES, twoLetters);
  STEPWAIT();

  // In ab² the roles swap: b cancels the exponent of b², a the a.
  strikeCoefficient(3, T_A(3), T_S_A(3));
  if (A1_S != "a") strikeExponent(squareExponent(), V_A(3));
  if (A1_S != "b") strikeLetter(U_A(3) + CELL * LEU, V_A(3));
  REDUCEDVALUE(U_A(3), V_A(3) - 30, T_S_A(13));
  LES = PfKLEN(F_S_A(1));
  if (F_A(1) < 0) LES = LES - 1;
  strikeDenominator(4, F_A(1) < 0, LES, twoLetters);
  STEPWAIT();

  common::textLine(XI1, YI1 + 100, 5, lines.answer);
  NEXTSTEP();
}

void SUMMARYMONODIV() { common::drawPage(SUMMARY); }

}  // namespace corvale
