// Marks of an angle at a vertex: concentric arcs or a filled sector, and a label on the bisector.
#include "figures.h"
#include "loops.h"
#include "marks.h"
#include "platform/platform.h"
#include "runtime.h"
#include "state.h"

void ANGLEARCS() {
  RAYANGLES();
  if (HONSU > 6) HONSU = 1;
  // Arc ends run clockwise on the screen, so the arc from the second ray's end to the first
  // ray's end covers the opening swept counter-clockwise from the first ray to the second.
  if (HONSU > 0) {
    NAGASA1 = NAGASA;
    FOR(II, 1, HONSU, [] {
      NAGASA1 -= 8;
      PsCIRCLE(ZX0, ZY0, NAGASA1, ROUNDED(CCC3), HH2, HH1);
    });
  } else {
    PsCIRCLE(ZX0, ZY0, NAGASA, ROUNDED(CCC2), HH2, HH1, true, ROUNDED(CCC3));
  }
  PLACELABEL();
  ITI = 0;
  AAA_S = "";
}
