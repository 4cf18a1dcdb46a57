#include <cmath>

#include "engine/engine.h"
#include "programs/common/random_int.h"
#include "section1.h"
#include "section5.h"
#include "sign_coef.h"

namespace pradine {

void SUBSTPROBLEM() {
  T_A(1) = common::randomInt(8, 1);
  P = common::randomInt(2, 1);
  if (P == 1) T_A(1) = -T_A(1);
  T_A(2) = -T_A(1);
  T_A(3) = std::fabs(T_A(1));
  F_A(1) = common::randomInt(5, 1);
  P = common::randomInt(2, 1);
  if (P == 1) F_A(1) = -F_A(1);
  NUMSTRINGS();
  LETTERCOEF(1);  // the coefficient of the second letter
  SIGNCOEF({1, 2});
  PICKLETTER();
  P = common::randomInt(2, 1);
  const bool xy = P == 1;
  X_S_A(1) = xy ? "x" : "a";
  X_S_A(2) = F_S_A(1) + (xy ? "y" : "b");
  X_S_A(3) = xy ? "A" : "X";
}

std::string substProduct(const std::string& base) {
  return "(" + base + T_S_A(1) + ")(" + base + T_S_A(2) + ")";
}

}  // namespace pradine
