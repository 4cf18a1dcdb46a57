// The width of a formula: the typesetter lays it out without drawing (nothing reaches the
// window or the log, whatever its size) and the cursor's travel is the width.
#include "platform/platform.h"
#include "state.h"
#include "typeset.h"

void MEASUREFORM() {
  // Kept here, not in globals: a fraction inside A$ measures its parts with calls nested in this one.
  const float keptX = X, keptY = Y;
  const std::string keptA = A_S;
  X = 0;
  Y = 1800;
  AA_S = A_S;
  {
    MeasuringRun measuring;
    DRAWFORMULA();
  }
  LLT = X;
  X = keptX;
  Y = keptY;
  A_S = keptA;
}
