#include "programs/ombrel/drills.h"

#include "engine/engine.h"

namespace ombrel {
namespace {

// A whole number from first to last, each equally likely.
float draw(float first, float last) { return PnFInt(PaRnd() * (last - first + 1)) + first; }

bool multipleOf10(float n) { return n - 10 * PnFInt(n / 10) == 0; }

}  // namespace

void GENSQDIFF() {
  do T_A(1) = draw(51, 78);
  while (multipleOf10(T_A(1)) || T_A(1) == FMAESU);
  FMAESU = T_A(1);
  T_A(2) = 100 - T_A(1);
  T_A(3) = T_A(1) + T_A(2);
  T_A(4) = T_A(1) - T_A(2);
  T_A(5) = T_A(3) * T_A(4);
}

void GENSUMDIFF() {
  do {
    T_A(1) = draw(2, 9);
    T_A(2) = 10 * draw(3, 9);
  } while (T_A(1) == FMAESU);
  FMAESU = T_A(1);
  T_A(3) = T_A(1) + T_A(2);
  T_A(4) = T_A(2) - T_A(1);
  T_A(5) = T_A(2) * T_A(2);
  T_A(6) = T_A(1) * T_A(1);
  T_A(7) = T_A(5) - T_A(6);
}

void GENSQUARE() {
  do {
    T_A(1) = draw(1, 3);
    T_A(2) = 10 * draw(2, 7);
  } while (T_A(1) == FMAESU);
  FMAESU = T_A(1);
  T_A(3) = T_A(1) + T_A(2);
  T_A(4) = T_A(2) * T_A(2);
  T_A(5) = 2 * T_A(1) * T_A(2);
  T_A(6) = T_A(1) * T_A(1);
  T_A(7) = T_A(4) + T_A(5) + T_A(6);
}

}  // namespace ombrel
