#include "drill_kit.h"
#include "engine/engine.h"
#include "programs/common/random_int.h"
#include "section1.h"
#include "section3.h"
#include "sign_coef.h"

namespace pradine {

void SUMDIFFTASKNUMBERS() {
  T_A(1) = common::randomInt(11, 1);
  T_A(2) = -T_A(1);
  T_A(3) = 0;
  T_A(4) = T_A(1) * T_A(2);
  NUMSTRINGS();
  SIGNCOEF({1, 2, 3, 4});
}

void SUMDIFFNUMBERS() {
  T_A(1) = common::randomInt(8, 1);
  T_A(2) = -T_A(1);
  T_A(4) = T_A(1) * T_A(2);
  T_A(5) = T_A(1);
  NUMSTRINGS();
  SIGNCOEF({1, 2, 3, 4});
  PICKLETTER();
}

void SUMDIFFTERMS() {
  BINOMIALTERMS();
  A_S = T_S_A(2);
  STRIPSIGN();
  T_S_A(2) = A_S;
}

SumDiffTexts sumDiffTexts(int drill) {
  auto t = [](float n) -> const std::string& { return T_S_A(n); };
  if (drill == 1) {
    return {" (" + X_S + t(1) + ")(" + X_S + t(2) + ")", "=" + X_S + "^2-" + t(5) + "^2", "=" + X_S + "^2" + t(4)};
  }
  auto x = [](float n) -> const std::string& { return X_S_A(n); };
  const std::string first = t(1) + x(1);
  const std::string second = t(2) + x(2);
  return {" (" + first + "+" + second + ")(" + first + "-" + second + ")", "=(" + first + ")^2-(" + second + ")^2",
          "=" + t(3) + x(3) + "-" + t(5) + x(5)};
}

}  // namespace pradine
