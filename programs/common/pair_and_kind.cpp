#include "pair_and_kind.h"

#include "engine/engine.h"
#include "random_int.h"

namespace common {

float drawPairAndKind(float largest, float kinds) {
  float kind = 0;
  do {
    T_A(1) = randomInt(largest, 1);
    T_A(2) = randomInt(largest, 1);
    P = randomInt(2, 1);
    if (P == 1) T_A(1) = -T_A(1);
    P = randomInt(2, 1);
    if (P == 2) T_A(2) = -T_A(2);
    T_A(3) = T_A(1) + T_A(2);
    T_A(4) = T_A(1) * T_A(2);
    do {
      kind = randomInt(kinds, 1);
    } while (kind == FMAESU);
    FMAESU = kind;
  } while (kind == 1 && (T_A(1) == T_A(2) || T_A(3) == 0));
  return kind;
}

}  // namespace common
