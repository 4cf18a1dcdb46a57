#include "monomul_drills.h"

#include "engine/engine.h"
#include "programs/common/random_int.h"

namespace corvale {

float drawSign(float value) {
  P = common::randomInt(2, 0);
  return P == 0 ? -value : value;
}

void drawCofactors() {
  T_A(12) = drawSign(common::randomInt(5, 1));
  T_A(13) = drawSign(common::randomInt(5, 1));
}

std::string through(void (*helper)(), const std::string& text) {
  A_S = text;
  helper();
  return A_S;
}

void GENMONOTRI() {
  // The monomial's coefficient never repeats the last key value drawn; -3 after 3 is allowed.
  do {
    T_A(1) = common::randomInt(5, 1);
    T_A(1) = drawSign(T_A(1));
  } while (T_A(1) == FMAESU);
  FMAESU = T_A(1);
  T_A(2) = drawSign(common::randomInt(7, 1));
  T_A(3) = drawSign(common::randomInt(5, 2));
  T_A(4) = drawSign(common::randomInt(8, 1));
  T_A(5) = T_A(1) * T_A(2);
  T_A(6) = T_A(1) * T_A(3);
  T_A(7) = T_A(1) * T_A(4);
  T_A(14) = T_A(4);
  NUMSTRINGS();
  SIGNCOEF(1, 10);
  // The constant keeps its digit, also for 1 and -1: its text comes from the plain form.
  T_S_A(4) = T_A(4) > 0 ? "+" + T_S_A(14) : T_S_A(14);
}

void SIGNCOEF(float first, float last) {
  FOR(II, first, last, [] {
    if (T_A(II) == 1 || T_A(II) == 0) {
      T_S_A(II) = "";
    } else if (T_A(II) == -1) {
      T_S_A(II) = "-";
    }
    if (T_A(II) > 0) T_S_A(II) = "+" + T_S_A(II);
  });
}

void PICKDISTINCT(const PickPool& pool, int picks) {
  X_A(1) = pool[0];
  X_A(2) = pool[1];
  X_A(3) = pool[2];
  X_A(4) = pool[3];
  P = common::randomInt(3, 1);
  F_A(1) = X_A(P);
  if (picks < 2) return;
  // The drawn member leaves the list; the last one moves up behind the other two.
  FOR(II, P, 3, [] { X_A(II) = X_A(II + 1); });
  P = common::randomInt(3, 1);
  T_A(1) = X_A(P);
}

void GENFRACMONO() {
  PICKDISTINCT({2, 3, 5, 1}, 2);
  T_A(1) = drawSign(T_A(1));
  drawCofactors();
  T_A(2) = T_A(12) * F_A(1);
  T_A(3) = T_A(13) * F_A(1);
  T_A(4) = T_A(1) * T_A(12);
  T_A(5) = T_A(1) * T_A(13);
  DB = F_A(1);
  DS = T_A(1);
  FRACTEXT();
  RAB_S_A(1) = A2_S;
  NUMSTRINGS();
  if (T_A(3) > 0) T_S_A(3) = "+" + T_S_A(3);
  SIGNCOEF(4, 5);
}

PracticeLines monoTriLines() {
  PracticeLines lines;
  // The problem line: k x ( m x + n y + c ), the first term of each without "+".
  T_S_A(1) = through(STRIPPLUS, T_S_A(1));
  T_S_A(2) = through(STRIPPLUS, T_S_A(2));
  T_S_A(5) = through(STRIPPLUS, T_S_A(5));
  A1_S = T_S_A(1) + "x";
  A2_S = T_S_A(2) + "x";
  A3_S = T_S_A(3) + "y";
  lines.problem = {A1_S + "(", A2_S, A3_S, T_S_A(4) + ")"};
  // Among the products a negative term is bracketed and a positive one shows without "+".
  A2_S = through(T_A(2) < 0 ? PARENNEG : STRIPPLUS, A2_S);
  A3_S = through(T_A(3) < 0 ? PARENNEG : STRIPPLUS, A3_S);
  T_S_A(4) = T_A(4) < 0 ? through(PARENNEG, T_S_A(4)) : T_S_A(14);
  lines.products.push_back("=" + A1_S + "*" + A2_S);
  // The monomial carries the sign between the products.
  if (T_A(1) > 0) A1_S = "+" + A1_S;
  lines.products.push_back(A1_S + "*" + A3_S + A1_S + "*" + T_S_A(4));
  lines.answer = "=" + T_S_A(5) + "x^2" + T_S_A(6) + "xy" + T_S_A(7) + "x";
  return lines;
}

PracticeLines triMonoLines() {
  PracticeLines lines;
  T_S_A(2) = through(STRIPPLUS, T_S_A(2));
  T_S_A(5) = through(STRIPPLUS, T_S_A(5));
  A1_S = T_S_A(1) + "x";
  A2_S = T_S_A(2) + "x";
  A3_S = T_S_A(3) + "y";
  // The monomial stands after the bracket: bracketed when negative, without "+" when positive.
  A1_S = through(T_A(1) < 0 ? PARENNEG : STRIPPLUS, A1_S);
  lines.problem = {"(", A2_S, A3_S, T_S_A(4) + ")*", A1_S};
  // Each product is term times monomial; the term carries the sign between the products.
  lines.products = {"=" + A2_S + "*" + A1_S, A3_S + "*" + A1_S, T_S_A(4) + "*" + A1_S};
  lines.answer = "=" + T_S_A(5) + "x^2" + T_S_A(6) + "xy" + T_S_A(7) + "x";
  return lines;
}

PracticeLines fracMonoLines() {
  PracticeLines lines;
  lines.problem = {RAB_S_A(1) + "x(", T_S_A(2) + "x", T_S_A(3) + ")"};
  T_S_A(22) = T_S_A(2) + "x";
  if (T_A(2) < 0) T_S_A(22) = through(PARENNEG, T_S_A(22));
  lines.products = {"=", RAB_S_A(1) + "x*", T_S_A(22)};
  // A positive coefficient gets its "+" between the products; a negative one has its "-".
  if (T_A(1) > 0) RAB_S_A(1) = "+" + RAB_S_A(1);
  T_S_A(23) = through(T_A(3) > 0 ? STRIPPLUS : PARENNEG, T_S_A(3));
  lines.products.push_back(RAB_S_A(1) + "x*");
  lines.products.push_back(T_S_A(23));
  // The strokes write sizes: a, b, a' and b' lose their signs.
  T_S_A(12) = through(STRIPSIGN, T_S_A(12));
  T_S_A(13) = through(STRIPSIGN, T_S_A(13));
  T_S_A(2) = through(STRIPSIGN, T_S_A(2));
  T_S_A(3) = through(STRIPSIGN, T_S_A(3));
  T_S_A(4) = through(STRIPPLUS, T_S_A(4));
  lines.answer = "=" + T_S_A(4) + "x^2" + T_S_A(5) + "x";
  return lines;
}

std::vector<Cancellation> fracMonoCancellations() {
  return {{T_S_A(2), T_S_A(12)}, {T_S_A(3), T_S_A(13)}};
}

}  // namespace corvale
