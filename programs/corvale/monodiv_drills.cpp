#include "monodiv_drills.h"

#include <cmath>

#include "engine/engine.h"
#include "monomul_drills.h"
#include "programs/common/random_int.h"

namespace corvale {

namespace {

// The six draws of review 1 and drill (1), in order: |d| from 2, 3, 5, its sign, then a/|d| and
// b/|d| with their signs; and the numbers that follow from them.
void drawDivision() {
  PICKDISTINCT({2, 3, 5, 1}, 1);
  T_A(1) = drawSign(F_A(1));
  drawCofactors();
  T_A(2) = T_A(12) * F_A(1);
  T_A(3) = T_A(13) * F_A(1);
  T_A(4) = DIV(T_A(2), T_A(1));
  T_A(5) = DIV(T_A(3), T_A(1));
}

// The dividend's second coefficient with its sign, the quotient's as signed terms.
void signTexts() {
  if (T_A(3) > 0) T_S_A(3) = "+" + T_S_A(3);
  SIGNCOEF(4, 5);
}

// The lines of example 3's drills: each fraction of the split line is a term of the dividend,
// followed by times, over the divisor's coefficient (with its minus) and letters. The texts lose
// their signs as the strokes and the answer need them.
DivisionLines exampleLines(const std::string& times, const std::string& coefficient) {
  DivisionLines lines;
  const std::string dividend = "(" + T_S_A(2) + A2_S + T_S_A(3) + A3_S + ")";
  lines.problem = {dividend + "/" + X_S_A(1)};
  lines.product = {"=" + dividend + "*" + X_S_A(2)};
  T_S_A(3) = through(STRIPPLUS, T_S_A(3));
  const std::string denominator = "/" + coefficient + A1_S + "ﾀ";
  lines.split = {"=", "ﾀ" + T_S_A(2) + A2_S + times + denominator + "+",
                 "ﾀ" + T_S_A(3) + A3_S + times + denominator};
  T_S_A(12) = through(STRIPSIGN, T_S_A(12));
  T_S_A(13) = through(STRIPSIGN, T_S_A(13));
  T_S_A(4) = through(STRIPPLUS, T_S_A(4));
  lines.answer = "=" + T_S_A(4) + X_S_A(3) + T_S_A(5) + X_S_A(4);
  return lines;
}

}  // namespace

void GENDIVINT() {
  drawDivision();
  DS = 1;
  DB = T_A(1);
  FRACTEXT();
  RAB_S_A(1) = A2_S;
  NUMSTRINGS();
  signTexts();
  if (T_A(1) < 0) {
    T_S_A(1) = through(PARENNEG, T_S_A(1));
    RAB_S_A(1) = through(PARENNEG, RAB_S_A(1));
  }
}

void GENDIVMONO() {
  drawDivision();
  NUMSTRINGS();
  signTexts();
  A2_S = "x^2y";
  A3_S = "xy^2";
  P = common::randomInt(2, 1);
  A1_S = P == 1 ? "x" : "y";
  X_S_A(3) = P == 1 ? "xy" : "x^2";
  X_S_A(4) = P == 1 ? "y^2" : "xy";
  X_S_A(1) = T_S_A(1) + A1_S;
  if (T_A(1) < 0) X_S_A(1) = through(PARENNEG, X_S_A(1));
  X_S_A(2) = "ﾀ1/" + F_S_A(1) + A1_S + "ﾀ";
  if (T_A(1) < 0) X_S_A(2) = through(PARENNEG, "-" + X_S_A(2));
}

void GENDIVFRAC() {
  PICKDISTINCT({2, 3, 5, 7}, 2);
  F_A(1) = drawSign(F_A(1));
  drawCofactors();
  T_A(2) = T_A(12) * std::fabs(F_A(1));
  T_A(3) = T_A(13) * std::fabs(F_A(1));
  T_A(4) = DIV(T_A(1) * T_A(2), F_A(1));
  T_A(5) = DIV(T_A(1) * T_A(3), F_A(1));
  DS = F_A(1);
  DB = T_A(1);
  FRACTEXT();
  RAB_S_A(1) = A2_S;
  NUMSTRINGS();
  signTexts();
  A2_S = "a^2b";
  A3_S = "ab^2";
  P = common::randomInt(3, 1);
  static constexpr const char* LETTERS[][3] = {{"a", "ab", "b^2"}, {"b", "a^2", "ab"}, {"ab", "a", "b"}};
  const auto& letters = LETTERS[ROUNDED(P) - 1];
  A1_S = letters[0];
  X_S_A(3) = letters[1];
  X_S_A(4) = letters[2];
  X_S_A(1) = RAB_S_A(1) + A1_S;
  if (F_A(1) < 0) X_S_A(1) = through(PARENNEG, X_S_A(1));
  F_S_A(11) = through(STRIPSIGN, F_S_A(1));
  X_S_A(2) = "ﾀ" + T_S_A(1) + "/" + F_S_A(11) + A1_S + "ﾀ";
  if (F_A(1) < 0) X_S_A(2) = through(PARENNEG, "-" + X_S_A(2));
}

DivisionLines divIntLines() {
  DivisionLines lines;
  lines.problem = {"(" + T_S_A(2) + "x" + T_S_A(3) + "y)/" + T_S_A(1)};
  lines.product = {"=(", T_S_A(2) + "x", T_S_A(3) + "y)*", RAB_S_A(1)};
  lines.split = {"=", T_S_A(2) + "x*", RAB_S_A(1), T_S_A(3) + "y*", RAB_S_A(1)};
  for (int i : {12, 13, 2, 3}) T_S_A(i) = through(STRIPSIGN, T_S_A(i));
  T_S_A(4) = through(STRIPPLUS, T_S_A(4));
  lines.answer = "=" + T_S_A(4) + "x" + T_S_A(5) + "y";
  return lines;
}

DivisionLines divMonoLines() { return exampleLines("", T_S_A(1)); }

DivisionLines divFracLines() { return exampleLines("*" + T_S_A(1), F_S_A(1)); }

void RECIPROCALTABLE() {
  int k = 0;
  for (const ReciprocalRow& row : RECIPROCALS) {
    ++k;
    T_S_A(k) = row.term;
    T_S_A(10 + k) = row.fraction;
    T_S_A(20 + k) = row.reciprocal;
  }
}

}  // namespace corvale
