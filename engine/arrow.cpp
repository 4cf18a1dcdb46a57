// A straight arrow with an open head on one end, or on both.
#include <cmath>
#include <utility>

#include "figures.h"
#include "platform/platform.h"
#include "runtime.h"
#include "state.h"

namespace {

// The shaft from the tail (ZX, ZY) to the tip (ZX0, ZY0) and the two strokes of the head, which
// end NAGASA px back along the shaft and NAGASA/2 px to either side of it.
void shaftAndHead() {
  const int colour = ROUNDED(CCC2);
  PsLINE(ZX, ZY, ZX0, ZY0, colour);
  CX = ZX0 - ZX;
  CY = ZY0 - ZY;
  D = std::sqrt(CX * CX + CY * CY);
  // Equal ends give the head no direction: its strokes shrink to the tip.
  DX = D > 0 ? CX / D : 0.0f;
  DY = D > 0 ? CY / D : 0.0f;
  EX = ZX0 - NAGASA * DX;
  EY = ZY0 - NAGASA * DY;
  ZX1 = EX - (NAGASA / 2) * DY;
  ZY1 = EY + (NAGASA / 2) * DX;
  ZX2 = EX + (NAGASA / 2) * DY;
  ZY2 = EY - (NAGASA / 2) * DX;
  PsLINE(ZX1, ZY1, ZX0, ZY0, colour);
  PsLINE(ZX2, ZY2, ZX0, ZY0, colour);
}

void swapEnds() {
  std::swap(ZX0, ZX);
  std::swap(ZY0, ZY);
}

}  // namespace

void ARROW() {
  // The head goes on (ZX0, ZY0) after this: the caller's first point for MUKI -1, else the second.
  swapEnds();
  if (MUKI == -1) swapEnds();
  shaftAndHead();
  if (YA == 2) {
    YA = 0;
    swapEnds();
    shaftAndHead();
  }
  MUKI = 0;
}
