// The size of an angle at a vertex as text, and the right-angle corner mark.
#include <cmath>

#include "figures.h"
#include "platform/platform.h"
#include "prompts.h"
#include "runtime.h"
#include "state.h"
#include "strings.h"

void ANGLEDEGREES() {
  RAYANGLES();
  if (HH3 > HH4) HH4 = HH4 + 2 * PI;
  HH5 = HH4 - HH3;
  HH = HH5 * 180 / PI;
  // One decimal: tenths of a degree made whole.
  KAKUDO_S = PfSTR244(static_cast<float>(ROUNDED(10 * HH)) / 10);
  A_S = KAKUDO_S;
  STRIPBLANKS();
  KAKUDO_S = A_S;
}

void RIGHTANGLE() {
  RAYANGLES();
  const float n = NAGASA;
  ZX3 = ZX0 + n * std::cos(HH3);
  ZY3 = ZY0 - n * std::sin(HH3);
  ZX4 = ZX0 + n * std::cos(HH4);
  ZY4 = ZY0 - n * std::sin(HH4);
  ZX5 = ZX3 + n * std::cos(HH4);
  ZY5 = ZY3 - n * std::sin(HH4);
  PsCONNECT({{ZX3, ZY3}, {ZX5, ZY5}, {ZX4, ZY4}}, ROUNDED(CCC2));
}
