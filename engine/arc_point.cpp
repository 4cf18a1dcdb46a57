// The point of a dimension arc at a given parameter angle, and the construction the dotted arc
// shares with it.
#include "arc_point.h"

#include <cmath>

#include "figures.h"
#include "state.h"

void layOutArc() {
  ZX11 = ZX0;
  ZY11 = ZY0;
  ZX12 = ZX1;
  ZY12 = ZY1;
  CX = ZX1 - ZX0;
  CY = ZY1 - ZY0;
  RR = std::sqrt(CX * CX + CY * CY) / 2;
  ZX2 = ZX0 + RR;
  ZY2 = ZY0;
  SEGDIRECTION();
  H = HHP;
}

bool arcHasChord() { return RR > 0 && std::isfinite(TAKASA / RR); }

void arcPointAt(float degrees) {
  HH = degrees * PI / 180;
  ZX3 = ZX2 + RR * std::cos(HH);
  ZY3 = ZY2 - (TAKASA / RR) * RR * std::sin(HH);
  // Turn the point about the start by the chord's direction.
  ZX1 = ZX3;
  ZY1 = ZY3;
  SEGDIRECTION();
  R = std::sqrt((ZX3 - ZX0) * (ZX3 - ZX0) + (ZY3 - ZY0) * (ZY3 - ZY0));
  ZX = ZX0 + R * std::cos(H + HHP);
  ZY = ZY0 - R * std::sin(H + HHP);
}

void ARCPOINT() {
  layOutArc();
  if (!arcHasChord()) {
    // Equal start and end: the arc shrinks to its start point.
    ZX = ZX0;
    ZY = ZY0;
    return;
  }
  arcPointAt(KAKUDO);
}
