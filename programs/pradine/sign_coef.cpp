#include "sign_coef.h"

#include "engine/engine.h"

namespace pradine {

void UNITCOEF(int element) {
  const float n = static_cast<float>(element);
  if (T_A(n) == 1) T_S_A(n) = "";
  if (T_A(n) == -1) T_S_A(n) = "-";
}

void SIGNCOEF(std::initializer_list<int> elements) {
  for (const int element : elements) {
    const float n = static_cast<float>(element);
    if (T_A(n) > 0) T_S_A(n) = "+" + T_S_A(n);
  }
}

void LETTERCOEF(int element) {
  const float n = static_cast<float>(element);
  if (F_A(n) == 1) F_S_A(n) = "";
  if (F_A(n) == -1) F_S_A(n) = "-";
  if (F_A(n) > 0) F_S_A(n) = "+" + F_S_A(n);
}

}  // namespace pradine
