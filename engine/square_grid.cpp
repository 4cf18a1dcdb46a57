// The graph-paper grid: its layout, and its lines when a line colour other than 15 is asked for.
#include "figures.h"
#include "loops.h"
#include "platform/platform.h"
#include "runtime.h"
#include "state.h"

namespace {

// Every fifth line counted from the origin is heavy, in colour CCC3; the others thin, in CCC2.
void gridLine(float index, float x1, float y1, float x2, float y2) {
  const bool heavy = ROUNDED(index) % 5 == 0;
  FE_SETDRAWWIDTH(heavy ? 3.0f : 1.0f);
  PsLINE(x1, y1, x2, y2, ROUNDED(heavy ? CCC3 : CCC2));
}

}  // namespace

void SQUAREGRID() {
  DR = FE_GETDRAWWIDTH();
  GX1 = GGX;
  GY1 = GGY;
  GX2 = GX1 + SIZE * YOKO;
  GY2 = GY1 + SIZE * TATE;
  GX0 = GX1;
  GY0 = GY2;
  if (CCC2 == 15) {
    FE_SETDRAWWIDTH(DR);
    return;
  }
  CCC3 = 14;
  float i = 0;
  FOR(i, 0, YOKO, [&] { gridLine(i, GX1 + SIZE * i, GY1, GX1 + SIZE * i, GY2); });
  float j = 0;
  FOR(j, 0, TATE, [&] { gridLine(j, GX1, GY2 - SIZE * j, GX2, GY2 - SIZE * j); });
  FE_SETDRAWWIDTH(DR);
}
