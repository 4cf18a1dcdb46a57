// Directions of segments and rays, in radians counter-clockwise as seen on the screen from the
// right-pointing direction, with the engine's PI of 3.14159.
#include <cmath>
#include <utility>

#include "figures.h"
#include "state.h"

namespace {

// The direction from a point to another that lies dx, dy away on the screen (y downwards), in
// [0, 2 PI). The quadrant offsets use the engine's PI; equal points give PI.
float directionOf(float dx, float dy) {
  if (dy < 0) return PI / 2 + std::atan(dx / dy);
  if (dy > 0) return 3 * PI / 2 + std::atan(dx / dy);
  return dx > 0 ? 0.0f : PI;
}

}  // namespace

void SEGDIRECTION() {
  PI = 3.14159f;
  HHP = directionOf(ZX1 - ZX0, ZY1 - ZY0);
  HH = HHP * 180 / PI;
}

void RAYANGLES() {
  PI = 3.14159f;
  HH3 = directionOf(ZX1 - ZX0, ZY1 - ZY0);
  HH1 = 1 - HH3 / (2 * PI);
  HH4 = directionOf(ZX2 - ZX0, ZY2 - ZY0);
  HH2 = 1 - HH4 / (2 * PI);
  HHP = HH4;
  if (ITI == -1) {
    std::swap(HH1, HH2);
    std::swap(HH3, HH4);
  }
  // The bisector of the opening swept counter-clockwise from ray 1 to ray 2; not brought back
  // below 2 PI.
  HH5 = (HH3 + HH4) / 2;
  if (HH3 > HH4) HH5 = HH5 + PI;
}
