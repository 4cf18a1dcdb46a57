#include "sign_coef.h"

#include "engine/engine.h"

namespace fenwist {

void SIGNCOEF(float first, float last) {
  if (T_A(3) == 1) {
    T_S_A(3) = "";
  } else if (T_A(3) == -1) {
    T_S_A(3) = "-";
  }
  plusSigns(first, last);
}

void plusSigns(float first, float last) {
  FOR(II, first, last, [] {
    if (T_A(II) > 0) T_S_A(II) = "+" + T_S_A(II);
  });
}

}  // namespace fenwist
