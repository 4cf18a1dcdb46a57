#include "programs/ombrel/frame.h"

#include "engine/engine.h"
#include "programs/ombrel/globals.h"

namespace ombrel {

void PRACTICELOOP(float d, Routine produce, Routine drawProblem) {
  AINP = 3;
  U_A(31) = XI0;
  V_A(31) = YI1 + d;
  U_A(32) = U_A(31) + 640;
  V_A(32) = V_A(31) + 300;
  while (AINP != 1) {
    produce();
    NUMSTRINGS();
    YI1 = V_A(31) + 20;
    PsLINE(U_A(31), V_A(31), U_A(32), V_A(32), 15, LineMode::FilledBox, 15);
    drawProblem();
    NEXTSTEP();
  }
}

}  // namespace ombrel
