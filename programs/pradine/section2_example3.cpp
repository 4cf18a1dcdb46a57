#include "engine/engine.h"
#include "programs/common/scene.h"
#include "programs/common/square_diagram.h"
#include "section2.h"
#include "task_kit.h"

namespace pradine {

// The pen width 5 set here stays for the scenes that follow.
void EXAMPLE3SQUARE() {
  common::clearScene();
  FE_SETDRAWWIDTH(5);
  XI1 = 40;
  YI1 = 30;
  common::textLine(XI1, YI1, 0, "例3　次の式を展開しなさい。");
  common::textLine(XI1, YI1 + 70, 5, " (2x+3y)^2");
  STEPWAIT();
  common::textLine(XI1, YI1 + 80, 0, "=(2x)^2+2*2x*3y+(3y)^2");
  U_A(1) = XI2;
  V_A(1) = YI1;
  STEPWAIT();
  common::textAt(XI1, YI1 + 80, 3, "     なぜ？");
  STEPWAIT();
  // The diagram beside the expanded line: its sides first, then the area of each part.
  common::eraseBox(U_A(1) + 10, 20, 1320, 900);
  XI3 = 616;
  YI3 = 100;
  DIAGRAMLABELS({"2x", "3y", "3y"});
  common::WIDESQUAREAREA();
  STEPWAIT();
  DIAGRAMLABELS({"2x", "3y", "3y", "(2x)^2", "2x*3y", "2x*3y", "(3y)^2"});
  common::WIDESQUAREAREA();
  STEPWAIT();
  // The result replaces the question, on its line.
  common::eraseBox(0, V_A(1) + 60, U_A(1), 100);
  common::textLine(XI1, V_A(1) + 80, 0, "=");
  common::textAfter(5, "4x^2+12xy+9y^2");
}

}  // namespace pradine
