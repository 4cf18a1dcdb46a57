// Points, function graphs and vertical lines on the coordinate plane that AXES laid out.
#include "loops.h"
#include "plane.h"
#include "platform/platform.h"
#include "runtime.h"
#include "state.h"
#include "typeset.h"

namespace {

void scalesNotZero() {
  if (BAIX == 0) BAIX = 1;
  if (BAIY == 0) BAIY = 1;
}

// The graph's y at x: AA/x, AA x^2, or the line AA x + BB (kind 3 and any other kind).
float graphValue(float x) {
  if (IROIRO == 1) return AA / x;
  if (IROIRO == 2) return AA * x * x;
  return AA * x + BB;
}

void drawLabel() {
  CCC1 = CCC3;
  AA_S = AAA_S;
  DRAWFORMULA();
}

}  // namespace

void PLOTPOINT() {
  scalesNotZero();
  GX = GX0 + SIZE * XG / BAIX;
  GY = GY0 - SIZE * YG / BAIY;
  PsCIRCLE(GX, GY, R, ROUNDED(CCC3));
  X = GX - 20 + KASANARIX;
  Y = GY - 40 + KASANARIY;
  drawLabel();
  KASANARIX = 0;
  KASANARIY = 0;
}

void PLOTGRAPH() {
  // The label's drawing keeps the pen in DR itself.
  const float pen = FE_GETDRAWWIDTH();
  scalesNotZero();
  if (IROIRO == 4 && BB == 0) {
    CC = DIV(CC, AA);  // AA = BB = 0 is no line at all
    VERTLINE();
  } else {
    if (IROIRO == 4) {
      AA = -AA / BB;
      BB = CC / BB;
      IROIRO = 3;
    }
    GRAPHSAMPLES();
  }
  X = X + KASANARIX;
  Y = Y + KASANARIY;
  drawLabel();
  KASANARIX = 0;
  KASANARIY = 0;
  BAIX = 1;
  BAIY = 1;
  FE_SETDRAWWIDTH(pen);
}

void GRAPHSAMPLES() {
  // Every kind but the straight line steps over x = 0, where AA/x has no value.
  const bool avoidZero = IROIRO != 3;
  X1 = AA1;
  HABA = 5000;
  if (avoidZero && X1 == 0) X1 = 0.002f;
  Y1 = graphValue(X1);
  GX5 = X1;
  GY5 = Y1;
  P1 = (AA2 - AA1) / 5000;
  const int colour = ROUNDED(CCC3);
  FOR(II, 0, 5000, [avoidZero, colour] {
    GX = GX0 + SIZE * GX5 / BAIX;
    GY = GY0 - SIZE * GY5 / BAIY;
    if (GY1 <= GY && GY <= GY2) {
      X = GX;
      Y = GY;
      PsCIRCLE(GX, GY, 1, colour);
    }
    GX5 = GX5 + P1;
    if (avoidZero && GX5 == 0) GX5 = GX5 + P1;
    GY5 = graphValue(GX5);
  });
}

void VERTLINE() {
  FE_SETDRAWWIDTH(5);
  const float x = GX0 + SIZE * CC;
  const float top = GY0 - SIZE * DIV(BB2, BAIY);
  PsLINE(x, GY0 - SIZE * DIV(BB1, BAIY), x, top, ROUNDED(CCC3));
  X = x + 10;
  Y = top;
}
