#include "programs/ombrel/exprvalue_drills.h"

#include "engine/engine.h"
#include "programs/common/random_int.h"

namespace ombrel {
namespace {

// A drawn magnitude, then its sign draw P from 0 to signs - 1: negative when P is below
// negatives.
float signedDraw(float n, float m, float signs, float negatives) {
  const float magnitude = common::randomInt(n, m);
  P = common::randomInt(signs, 0);
  return P < negatives ? -magnitude : magnitude;
}

}  // namespace

void GENREVIEWA() {
  T_A(1) = common::randomInt(10, -5);
  T_A(2) = -5 * T_A(1);
  NUMSTRINGS();
  T_S_A(3) = T_A(1) < 0 ? "(" + T_S_A(1) + ")" : T_S_A(1);
}

void GENREVIEWXY() {
  F_A(1) = signedDraw(5, 1, 2, 1);
  if (F_A(1) == 1) F_A(1) = -1;  // c1 is never +1
  T_A(2) = signedDraw(7, 1, 2, 1);
  T_A(3) = signedDraw(5, 2, 2, 1);
  F_A(4) = signedDraw(5, 1, 3, 2);
  T_A(5) = signedDraw(7, 1, 2, 1);
  T_A(6) = signedDraw(5, 2, 2, 1);
  T_A(7) = F_A(1) * T_A(2);
  T_A(8) = F_A(1) * T_A(3);
  T_A(9) = F_A(4) * T_A(5);
  T_A(10) = F_A(4) * T_A(6);
  T_A(11) = T_A(7) + T_A(9);
  T_A(12) = T_A(8) + T_A(10);
  F_A(5) = signedDraw(5, 1, 2, 1);
  F_A(6) = signedDraw(5, 1, 2, 1);
  if (F_A(6) == F_A(5)) F_A(6) = F_A(5) + 1;
  F_A(7) = T_A(11) * F_A(5);
  F_A(8) = T_A(12) * F_A(6);
  F_A(9) = F_A(7) + F_A(8);
}

void TEXTSREVIEWXY() {
  NUMSTRINGS();
  if (F_A(1) == -1) F_S_A(1) = "-";
  if (F_A(4) == 1)
    F_S_A(4) = "+";
  else if (F_A(4) == -1)
    F_S_A(4) = "-";
  else if (F_A(4) > 0)
    F_S_A(4) = "+" + F_S_A(4);
  // The second product follows the first on its line, so it always begins with its sign.
  if (F_A(8) >= 0) F_S_A(8) = "+" + F_S_A(8);
  // A coefficient of 0 gets no text: the lines that show it leave its term out.
  FOR(II, 1, 12, [] {
    if (T_A(II) == 1 || T_A(II) == 0)
      T_S_A(II) = "";
    else if (T_A(II) == -1)
      T_S_A(II) = "-";
    if (T_A(II) > 0) T_S_A(II) = "+" + T_S_A(II);
  });
}

void GENPRODUCTDIFF() {
  do {
    T_A(11) = -common::randomInt(3, 1);
    T_A(12) = common::randomInt(5, 1);
    T_A(2) = common::randomInt(3, 2);
    T_A(3) = T_A(2) * T_A(2);
  } while (T_A(2) == FMAESU);
  FMAESU = T_A(2);
  T_A(4) = T_A(3) - 1;
  T_A(5) = T_A(4) * T_A(11) * T_A(12);
}

void GENHUNDREDPAIR() {
  do {
    X = common::randomInt(28, 11);
    if (X == 20 || X == 30) X = 45;
    T_A(1) = 100 * common::randomInt(3, 1);
    T_A(2) = T_A(1) + X;
    T_A(3) = T_A(1) - X;
  } while (X == FMAESU);
  FMAESU = X;
  T_A(4) = T_A(2) + T_A(3);
  T_A(5) = T_A(2) - T_A(3);
  T_A(6) = T_A(4) * T_A(5);
}

}  // namespace ombrel
