#include "engine/engine.h"
#include "globals.h"
#include "programs/common/scene.h"
#include "programs/common/square_diagram.h"
#include "section2.h"
#include "task_kit.h"

namespace pradine {
namespace {

// One pass of the practice loop: a square with the boxes ① and ② of its expansion, then their
// values, twice the number and its square.
void taskPass() {
  SQUARETASKNUMBERS();
  TASKPROBLEM(40, " (x" + T_S_A(1) + ")^2", 20, T_S_A(3));
}

// Why ① is twice the number and ② its square: (x+2)^2 on the square diagram, then (a+b)^2 on the
// diagram and its merge, (a-b)^2 by multiplying out, and the two formulas. The diagram moves the
// layout cursor, so the lines beside it are placed from Y11.
void explanation() {
  common::textLine(XI1, YI1 + 80, 3, "①は２倍、②は2乗。なぜ？");
  STEPWAIT();
  common::textAt(XI1 + 44, YI1 + 80, 5, "(x+2)^2");
  Y11 = YI1 + 80;
  STEPWAIT();
  XI3 = 748;
  YI3 = 90;
  DIAGRAMLABELS({"x", "2", "2"});
  common::SQUAREAREA();
  STEPWAIT();
  DIAGRAMLABELS({"x", "2", "2", "x^2", "2x", "2x", "4"});
  common::SQUAREAREA();
  STEPWAIT();
  common::textAt(XI1, Y11 + 80, 5, "=x^2+4x+4");
  STEPWAIT();

  common::eraseBox(0, 0, 660, 1300);
  common::textAt(XI1 + 44, 30, 5, "(a+b)^2");
  Y11 = 30;
  XI3 = 748;
  YI3 = 90;
  common::eraseBox(XI3 - 44, 20, 1320, 900);
  DIAGRAMLABELS({"a", "b", "b"});
  common::SQUAREAREA();
  STEPWAIT();
  DIAGRAMLABELS({"a", "b", "b", "a^2", "ab", "ab", "b^2", "2ab"});
  common::SQUAREAREA();
  STEPWAIT();
  common::SQUAREMERGE();
  STEPWAIT();
  // Each result first, three lines under its square; the two lines between are filled in after.
  common::textLine(XI1, Y11 + 180, 0, "=");
  common::textAfter(5, "a^2+2ab+b^2");
  V_A(1) = YI1;
  STEPWAIT();
  common::textLine(XI1, Y11 + 60, 0, "=(a+b)(a+b)");
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 0, "=a^2+ab+ab+b^2");
  STEPWAIT();
  common::textAt(XI1 + 44, V_A(1) + 60, 5, "(a-b)^2");
  Y11 = V_A(1) + 60;
  STEPWAIT();
  common::textLine(XI1, Y11 + 60, 0, "=(a-b)(a-b)");
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 0, "=a^2-ab-ab+b^2");
  STEPWAIT();
  common::textLine(XI1, Y11 + 180, 0, "=");
  common::textAfter(5, "a^2-2ab+b^2");
  STEPWAIT();

  XI1 = 160;
  common::textLine(XI1, YI1 + 50, 3, "平方の公式");
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 3, "　(a+b)^2=");
  U_A(1) = XI2;
  V_A(1) = YI1;
  common::textAfter(3, "a^2+2ab+b^2");
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 3, "　(a-b)^2=a^2-2ab+b^2");
  STEPWAIT();
  common::textAt(U_A(1), V_A(1) - 50, 5, "2乗 2倍 2乗");
}

}  // namespace

void SQUARETASK() {
  AINP = 3;
  NO = 0;
  while (AINP != 1) taskPass();
  explanation();
}

}  // namespace pradine
