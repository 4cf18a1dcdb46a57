#include "drill_kit.h"
#include "engine/engine.h"
#include "programs/common/random_int.h"
#include "sign_coef.h"

namespace pradine {

void BINOMIALTERMS() {
  const float p = common::randomInt(4, 2);
  float q = common::randomInt(4, 3);
  if (q == p) q -= 1;
  if (common::randomInt(2, 1) == 1) q = -q;
  T_A(1) = p;
  T_A(2) = q;
  T_A(3) = p * p;
  T_A(4) = 2 * p * q;
  T_A(5) = q * q;
  NUMSTRINGS();
  SIGNCOEF({2, 4});
  const bool xy = common::randomInt(2, 1) == 1;
  X_S_A(1) = xy ? "x" : "a";
  X_S_A(2) = xy ? "y" : "b";
  X_S_A(3) = X_S_A(1) + "^2";
  X_S_A(4) = X_S_A(1) + X_S_A(2);
  X_S_A(5) = X_S_A(2) + "^2";
}

}  // namespace pradine
