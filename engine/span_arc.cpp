// The dotted dimension arc: a dotted half-ellipse over a chord, bulging to one side, with an
// optional label just outside its apex.
#include "arc_point.h"
#include "figures.h"
#include "loops.h"
#include "platform/platform.h"
#include "runtime.h"
#include "state.h"

void SPANARC() {
  // Heights between 0 and 16 count in units of 16 px; a negative height is its size in px.
  if (TAKASA > 0 && TAKASA < 16)
    TAKASA = TAKASA * 16;
  else if (TAKASA < 0)
    TAKASA = -TAKASA;

  layOutArc();
  if (!arcHasChord()) {
    // Start and end coincide: there is nothing to span. The label is used up all the same.
    ZX = ZX0;
    ZY = ZY0;
    ZX2 = ZX12;
    ZY2 = ZY12;
    ZX1 = ZX11;
    ZY1 = ZY11;
    ITI = 0;
    AAA_S.clear();
    AAAX = 0;
    AAAY = 0;
    NAGASA = 0;
    MU_DO = 0;
    return;
  }

  // Right-hand side of the chord (seen going from start to end): the half below the unturned
  // chord, run from the start; otherwise the half above it, run from the end.
  if (HOUKOU > 0) {
    D1 = 180;
    D2 = 360;
  } else {
    D1 = 0;
    D2 = 180;
  }
  const int colour = ROUNDED(CCC2);
  FOR(II, D1, D2, [colour] {
    arcPointAt(II);
    PsCIRCLE(ZX, ZY, 0.5f, colour, 0, 0, true);
    return II + HABA != II;  // a step that does not move the angle draws the first dot only
  }, HABA);

  arcPointAt((D1 + D2) / 2);  // the apex, in ZX, ZY

  ZX2 = ZX12;
  ZY2 = ZY12;
  ZX1 = ZX11;
  ZY1 = ZY11;
  ZX0 = ZX;
  ZY0 = ZY;
  NAGASA = 0;
  ITI = HOUKOU;
  PLACELABEL();
  AAA_S.clear();
}
