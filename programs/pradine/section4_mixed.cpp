#include <cmath>

#include "drill_kit.h"
#include "engine/engine.h"
#include "globals.h"
#include "programs/common/pair_and_kind.h"
#include "programs/common/scene.h"
#include "section1.h"
#include "section4.h"
#include "sign_coef.h"

namespace pradine {

void MIXEDNUMBERS() {
  KOUSIKI = common::drawPairAndKind(8, 4);
  T_A(5) = T_A(1);
  const float a = std::fabs(T_A(1));
  switch (ROUNDED(KOUSIKI)) {
    case 2:
      T_A(1) = a;
      T_A(3) = 2 * a;
      T_A(4) = a * a;
      T_A(5) = a;
      break;
    case 3:
      T_A(1) = -a;
      T_A(3) = -2 * a;
      T_A(4) = a * a;
      T_A(5) = a;
      break;
    case 4:
      T_A(1) = a;
      T_A(2) = -a;
      T_A(3) = 0;
      T_A(4) = -a * a;
      T_A(5) = a;
      break;
    default: break;
  }
  T_A(12) = T_A(2);
  NUMSTRINGS();
  UNITCOEF(3);
  SIGNCOEF({1, 2, 3, 4});
  T_S_A(6) = T_A(2) < 0 ? "(" + T_S_A(2) + ")" : T_S_A(12);
  PICKLETTER();
}

void MIXEDDRILL() {
  AINP = 3;
  NO = 0;
  while (AINP != 1) {
    MIXEDNUMBERS();
    XI1 = 44;
    YI1 = 18;
    common::clearScene();
    common::textLine(XI1, YI1, 3, "問　次の式を展開しなさい。");
    DRILLPROBLEM();
    STEPWAIT();
    DRILLSOLUTION();
    NEXTSTEP();
  }
}

}  // namespace pradine
