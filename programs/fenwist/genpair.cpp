#include "genpair.h"

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/random_int.h"

namespace fenwist {
void GENPAIR() {
  // b/a reduces exactly when a and b share a factor: FRACTEXT then leaves a smaller denominator.
  do {
    T_A(1) = common::randomInt(5, 2);
    T_A(2) = common::randomInt(9, 1);
    DB = T_A(1);
    DS = T_A(2);
    FRACTEXT();
  } while (DB != T_A(1));
  if (REN == 1) T_A(1) = 1;
  T_A(3) = T_A(1) * T_A(1);
  T_A(4) = 2 * T_A(1) * T_A(2);
  T_A(5) = T_A(2) * T_A(2);
  NUMSTRINGS();
  P = common::randomInt(2, 1);
  if (P == 1) {
    X_S = "x";
    Y_S = "y";
  } else {
    X_S = "a";
    Y_S = "b";
  }
  P = common::randomInt(2, 1);
  T_S = P == 2 ? "-" : "+";
  X_S_A(1) = X_S + "^2";
  X_S_A(2) = Y_S + "^2";
}

}  // namespace fenwist
