// Item 9 of section 4: choosing the formula. Each problem is a trinomial of one of the four
// formulas, or a trap whose constant is a square although the trinomial is not; the scene shows
// it, then the reason that tells which formula fits, then the factorised form.
#include <cmath>

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/pair_and_kind.h"
#include "programs/common/random_int.h"
#include "programs/common/scene.h"
#include "section4.h"
#include "sign_coef.h"

namespace fenwist {

void GENTRAP() {
  T_A(1) = 2 * common::randomInt(4, 1);
  T_A(4) = T_A(1) * T_A(1);
  DY = T_A(4);
  DIVISORPAIRS();
  // The pair just below the equal one: the square's divisor count is odd, and KOSUU takes its
  // half rounded up, so the pair numbered KOSUU - 1 is at least the first.
  T_A(1) = X_A(KOSUU - 1);
  T_A(2) = Y_A(KOSUU - 1);
  P = common::randomInt(2, 1);
  if (P == 1) {
    T_A(1) = -T_A(1);
    T_A(2) = -T_A(2);
  }
  T_A(3) = T_A(1) + T_A(2);
  KOUSIKI = 1;
}

void PICKLETTER() {
  static constexpr const char* LETTERS[] = {"x", "y", "a", "b"};
  P = common::randomInt(4, 1);
  X_S = LETTERS[ROUNDED(P) - 1];
}

void GENCHOICE() {
  KOUSIKI = common::drawPairAndKind(9, 5);
  if (KOUSIKI == 2 || KOUSIKI == 3) {
    T_A(1) = KOUSIKI == 2 ? std::fabs(T_A(1)) : -std::fabs(T_A(1));
    T_A(3) = 2 * T_A(1);
    T_A(4) = T_A(1) * T_A(1);
  } else if (KOUSIKI == 4) {
    T_A(1) = std::fabs(T_A(1));
    T_A(2) = -T_A(1);
    T_A(3) = 0;
    T_A(4) = T_A(1) * T_A(2);
  } else if (KOUSIKI == 5) {
    GENTRAP();
  }
  T_A(5) = std::fabs(T_A(1));
  T_A(6) = std::fabs(T_A(3));
  T_A(7) = std::fabs(T_A(4));
  NUMSTRINGS();
  SIGNCOEF(1, 4);
  PICKLETTER();
}

void FORMULACHOICE() {
  common::clearScene();
  AINP = 3;
  while (AINP != 1) {
    GENCHOICE();
    XI1 = 44;
    YI1 = 18;
    common::clearScene();
    common::textLine(XI1, YI1, 0, "問　次の式を因数分解しなさい。");
    SELPROBLEM();
    STEPWAIT();
    XI2 = XI1 + 132;
    YI1 = YI1 + 80;
    SELREASON();
    STEPWAIT();
    SELANSWER();
    NEXTSTEP();
  }
}

}  // namespace fenwist
