#include "programs/ombrel/drills.h"

#include "engine/engine.h"
#include "programs/common/random_int.h"

namespace ombrel {
namespace {

bool multipleOf10(float n) { return n - 10 * PnFInt(n / 10) == 0; }

}  // namespace

void GENSQDIFF() {
  do T_A(1) = common::randomInt(28, 51);
  while (multipleOf10(T_A(1)) || T_A(1) == FMAESU);
  FMAESU = T_A(1);
  T_A(2) = 100 - T_A(1);
  T_A(3) = T_A(1) + T_A(2);
  T_A(4) = T_A(1) - T_A(2);
  T_A(5) = T_A(3) * T_A(4);
}

void GENSUMDIFF() {
  do {
    T_A(1) = common::randomInt(8, 2);
    T_A(2) = 10 * common::randomInt(7, 3);
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
    T_A(1) = common::randomInt(3, 1);
    T_A(2) = 10 * common::randomInt(6, 2);
  } while (T_A(1) == FMAESU);
  FMAESU = T_A(1);
  T_A(3) = T_A(1) + T_A(2);
  T_A(4) = T_A(2) * T_A(2);
  T_A(5) = 2 * T_A(1) * T_A(2);
  T_A(6) = T_A(1) * T_A(1);
  T_A(7) = T_A(4) + T_A(5) + T_A(6);
}

}  // namespace ombrel
