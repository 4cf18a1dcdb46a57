#include <cmath>

#include "drill_kit.h"
#include "engine/engine.h"
#include "globals.h"
#include "programs/common/random_int.h"
#include "programs/common/scene.h"
#include "section1.h"
#include "section4.h"
#include "sign_coef.h"

namespace pradine {

void MIXEDNUMBERS() {
  for (;;) {
    T_A(1) = common::randomInt(8, 1);
    T_A(2) = common::randomInt(8, 1);
    P = common::randomInt(2, 1);
    if (P == 1) T_A(1) = -T_A(1);
    P = common::randomInt(2, 1);
    if (P == 2) T_A(2) = -T_A(2);
    T_A(3) = T_A(1) + T_A(2);
    T_A(4) = T_A(1) * T_A(2);
    do {
      KOUSIKI = common::randomInt(4, 1);
    } while (KOUSIKI == FMAESU);
    FMAESU = KOUSIKI;
    // (x+a)(x+b) with b = a is a square and with b = -a a sum times a difference: draw again.
    // FMAESU now holds 1, so the next draw is of another kind and never rejected.
    if (KOUSIKI != 1 || (T_A(1) != T_A(2) && T_A(3) != 0)) break;
  }
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
