#include "engine/engine.h"
#include "globals.h"
#include "programs/common/random_int.h"
#include "section1.h"
#include "section2.h"
#include "sign_coef.h"

namespace pradine {

void SQUARETASKNUMBERS() {
  const float n = common::randomInt(8, 1);
  F_A(1) = common::randomInt(2, 1) == 1 ? -1 : 1;
  T_A(1) = F_A(1) * n;
  T_A(3) = 2 * T_A(1);
  T_A(4) = T_A(1) * T_A(1);
  NUMSTRINGS();
  SIGNCOEF({1, 2, 3, 4});
}

void SQUAREDRILLNUMBERS() {
  const float n = common::randomInt(8, 1);
  const bool plus = ROUNDED(NO) % 2 == 0;
  KOUSIKI = plus ? 2 : 3;
  T_A(1) = plus ? n : -n;
  T_A(3) = 2 * T_A(1);
  T_A(4) = T_A(1) * T_A(1);
  T_A(5) = n;
  NUMSTRINGS();
  SIGNCOEF({1, 2, 3, 4});
  PICKLETTER();
}

void BOXSQUARENUMBERS() {
  T_A(1) = common::randomInt(8, 1);
  P = common::randomInt(2, 1);
  if (P == 1) T_A(1) = -T_A(1);
  T_A(3) = 2 * T_A(1);
  T_A(4) = T_A(1) * T_A(1);
  T_A(14) = T_A(4);
  NUMSTRINGS();
  SIGNCOEF({1, 2, 3, 4});
  PICKLETTER();
}

BoxSquareTexts boxSquareTexts(int part) {
  auto t = [](float n) -> const std::string& { return T_S_A(n); };
  auto x = [](float n) -> const std::string& { return X_S_A(n); };
  const std::string twoLetters = " (" + t(1) + x(1) + t(2) + x(2) + ")^2";
  switch (part) {
    case 1: return {" (" + X_S + t(1) + ")^2", "=", X_S + "^2", t(3) + X_S + "+", t(14)};
    case 2: return {twoLetters, "=", t(3) + x(3), t(4) + x(4) + "+", t(5) + x(5)};
    default: return {twoLetters, "=" + t(3) + x(3), t(4) + x(4), "+" + t(5) + x(5), ""};
  }
}

}  // namespace pradine
