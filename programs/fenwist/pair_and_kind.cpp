#include "pair_and_kind.h"

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/random_int.h"

namespace fenwist {

void drawPairAndKind(float kinds) {
  do {
    T_A(1) = common::randomInt(9, 1);
    T_A(2) = common::randomInt(9, 1);
    P = common::randomInt(2, 1);
    if (P == 1) T_A(1) = -T_A(1);
    P = common::randomInt(2, 1);
    if (P == 2) T_A(2) = -T_A(2);
    T_A(3) = T_A(1) + T_A(2);
    T_A(4) = T_A(1) * T_A(2);
    do {
      KOUSIKI = common::randomInt(kinds, 1);
    } while (KOUSIKI == FMAESU);
    FMAESU = KOUSIKI;
  } while (KOUSIKI == 1 && (T_A(1) == T_A(2) || T_A(3) == 0));
}

}  // namespace fenwist
