#include <cmath>

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/random_int.h"
#include "section1.h"
#include "sign_coef.h"

namespace pradine {

void TASKNUMBERS() {
  float a = 0;
  float b = 0;
  do {
    a = common::randomInt(8, 1);
    b = common::randomInt(8, 1);
    F_A(1) = common::randomInt(2, 1) == 1 ? -1 : 1;
    F_A(2) = common::randomInt(2, 1) == 1 ? -1 : 1;
    a *= F_A(1);
    b *= F_A(2);
  } while (a == b || a + b == 0 || std::fabs(a + b) == 1);
  T_A(1) = a;
  T_A(2) = b;
  T_A(3) = a + b;
  T_A(4) = a * b;
  NUMSTRINGS();
  SIGNCOEF({1, 2, 3, 4});
}

void EXAMPLENUMBERS() {
  float a = 0;
  float b = 0;
  do {
    a = common::randomInt(8, 1);
    b = common::randomInt(8, 1);
    P = common::randomInt(2, 1);
    if (P == 1) a = -a;
    P = common::randomInt(2, 1);
    if (P == 2) b = -b;
  } while (a == b || a + b == 0 || a == FMAESU);
  T_A(1) = a;
  T_A(2) = b;
  T_A(3) = a + b;
  T_A(4) = a * b;
  T_A(5) = a;
  FMAESU = a;
  KOUSIKI = 1;
  NUMSTRINGS();
  const std::string bDigits = T_S_A(2);
  UNITCOEF(3);
  SIGNCOEF({1, 2, 3, 4});
  T_S_A(6) = b < 0 ? "(" + bDigits + ")" : bDigits;
  PICKLETTER();
}

void PICKLETTER() {
  P = common::randomInt(4, 1);
  static const char* const LETTERS[] = {"x", "y", "a", "b"};
  X_S = LETTERS[ROUNDED(P) - 1];
}

}  // namespace pradine
