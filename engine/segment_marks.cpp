// Marks on one segment of a figure: arrowheads for parallel lines, ticks for equal lengths.
#include <cmath>

#include "loops.h"
#include "marks.h"
#include "platform/platform.h"
#include "runtime.h"
#include "state.h"

namespace {

// CX, CY = B - A, D = its length, (DX, DY) = the unit direction from A to B. False, with DX and
// DY untouched, when the ends coincide and there is no direction.
bool direction() {
  CX = BX - AX;
  CY = BY - AY;
  D = std::sqrt(CX * CX + CY * CY);
  if (D == 0) return false;
  DX = CX / D;
  DY = CY / D;
  return true;
}

void line(float x1, float y1, float x2, float y2) { PsLINE(x1, y1, x2, y2, ROUNDED(CCC2)); }

}  // namespace

void PARALLELMARKS() {
  if (!direction()) return;
  const float weights = A + B;
  if (weights == 0) return;
  // The ratio point; the tip of each mark steps 16 pixels on from it.
  BX1 = AX + CX * A / weights;
  BY1 = AY + CY * A / weights;
  EX = BX1 - NAGASA * DX;
  EY = BY1 - NAGASA * DY;
  AX1 = EX - NAGASA / 2 * DY;
  AY1 = EY + NAGASA / 2 * DX;
  AX2 = EX + NAGASA / 2 * DY;
  AY2 = EY - NAGASA / 2 * DX;
  if (HONSU <= 0 || HONSU > 6) HONSU = 1;
  FOR(II, 1, HONSU, [] {
    BX1 += 16 * DX;
    BY1 += 16 * DY;
    AX1 += 16 * DX;
    AY1 += 16 * DY;
    AX2 += 16 * DX;
    AY2 += 16 * DY;
    line(AX1, AY1, BX1, BY1);
    line(AX2, AY2, BX1, BY1);
  });
}

void TICKMARKS() {
  if (AIDA == 0 || AIDA > 30) AIDA = 8;
  if (!direction()) return;
  EX = (AX + BX) / 2 + ITI * DX;
  EY = (AY + BY) / 2 + ITI * DY;
  if (HONSU < 0 || HONSU > 6) HONSU = 1;
  AIDA1 = AIDA;
  FOR(II, 1, HONSU, [] {
    const float centreX = EX + AIDA * DX;
    const float centreY = EY + AIDA * DY;
    AX1 = centreX + NAGASA * DY;
    AY1 = centreY - NAGASA * DX;
    AX2 = centreX - NAGASA * DY;
    AY2 = centreY + NAGASA * DX;
    line(AX1, AY1, AX2, AY2);
    AIDA += AIDA1;
  });
}
