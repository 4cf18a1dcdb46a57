// The random problems of section 5's example 1.
#include <cmath>

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/pair_and_kind.h"
#include "programs/common/random_int.h"
#include "section5.h"
#include "sign_coef.h"

namespace fenwist {

void GENCFTERMS() {
  F_A(1) = common::randomInt(4, 2);
  T_A(1) = common::randomInt(5, 1);
  T_A(2) = common::randomInt(6, 1);
  T_A(3) = F_A(1) * T_A(1);
  T_A(4) = F_A(1) * T_A(2);
  // The factor shown is the greatest common divisor of the two coefficients, which FRACTEXT
  // finds while it reduces T(4)/T(3); the bracket keeps the two coprime cofactors.
  DS = T_A(4);
  DB = T_A(3);
  FRACTEXT();
  F_A(1) = X3;
  T_A(1) = DB;
  T_A(2) = DS;
  P = common::randomInt(2, 1);
  if (P == 2) {
    T_A(2) = -T_A(2);
    T_A(4) = -T_A(4);
  }
  NUMSTRINGS();
  P = common::randomInt(2, 1);
  if (P == 1) {
    X_S = "x^2";
    Y_S = "y";
  } else {
    X_S = "a^2";
    Y_S = "b";
  }
  // A cofactor 1 is written without its digit.
  if (T_A(1) == 1) T_S_A(1) = "";
  if (T_A(2) == 1) {
    T_S_A(2) = "";
  } else if (T_A(2) == -1) {
    T_S_A(2) = "-";
  }
  if (T_A(2) > 0) {
    T_S_A(2) = "+" + T_S_A(2);
    T_S_A(4) = "+" + T_S_A(4);
  }
}

void GENCOMMON() {
  KOUSIKI = common::drawPairAndKind(9, 3);
  if (KOUSIKI == 2) {
    T_A(3) = 2 * T_A(1);
    T_A(4) = T_A(1) * T_A(1);
  }
  if (KOUSIKI == 3) {
    T_A(1) = std::fabs(T_A(1));
    T_A(2) = -T_A(1);
    T_A(3) = 0;
    T_A(4) = T_A(1) * T_A(2);
  }
  F_A(1) = common::randomInt(4, 2);
  P = common::randomInt(2, 1);
  if (P == 2) F_A(1) = -F_A(1);
  T_A(5) = F_A(1) * T_A(3);
  T_A(6) = F_A(1) * T_A(4);
  NUMSTRINGS();
  SIGNCOEF(1, 6);
}

}  // namespace fenwist
