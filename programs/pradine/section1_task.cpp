#include "engine/engine.h"
#include "globals.h"
#include "programs/common/area_diagram.h"
#include "programs/common/scene.h"
#include "section1.h"
#include "task_kit.h"

namespace pradine {
namespace {

// One pass of the practice loop: a product with the boxes for its coefficients, then their values.
void taskPass() {
  TASKNUMBERS();
  TASKPROBLEM(44, " (x" + T_S_A(1) + ")(x" + T_S_A(2) + ")", 8, T_S_A(3));
}

// Why ① is the sum and ② the product: the area diagrams and the derivation, under the last problem.
void explanation() {
  common::textLine(XI1, YI1 + 80, 3, "①は和、②は積。なぜ？");
  STEPWAIT();
  common::textLine(XI1 + 44, YI1 + 80, 5, "(x+2)(x+3)");
  Y11 = YI1;
  STEPWAIT();
  XI3 = 660;
  YI3 = 100;
  DIAGRAMLABELS({"x", "2", "3"});
  common::PRODUCTAREA();
  STEPWAIT();
  DIAGRAMLABELS({"x", "2", "3", "x^2", "2x", "3x", "6"});
  common::PRODUCTAREA();
  STEPWAIT();
  common::textLine(XI1, Y11 + 80, 5, "=x^2+5x+6");
  STEPWAIT();
  common::eraseBox(XI1, Y11, 660, 1300);
  common::textLine(XI1 + 44, Y11, 5, "(x+a)(x+b)");
  STEPWAIT();
  common::eraseBox(XI3 - 44, 20, 1320, 900);
  DIAGRAMLABELS({"x", "a", "b"});
  common::PRODUCTAREA();
  STEPWAIT();
  DIAGRAMLABELS({"x", "a", "b", "x^2", "ax", "bx", "ab", "(a+b)x"});
  common::PRODUCTAREA();
  STEPWAIT();
  common::PRODUCTMERGE();
  STEPWAIT();
  // The result first, at the foot; the two middle lines then fill the gap above it.
  common::textLine(XI1, Y11 + 180, 0, "=");
  common::textAfter(5, "x^2+(a+b)x+ab");
  STEPWAIT();
  common::textLine(44, Y11 + 60, 0, "=x(x+b)+a(x+b)");
  STEPWAIT();
  common::textLine(44, YI1 + 60, 0, "=x^2+bx+ax+ab");
  STEPWAIT();
  common::textLine(44, YI1 + 120, 3, "公式　(x+a)(x+b)=x^2+(a+b)x+ab");
}

}  // namespace

void PRODUCTTASK() {
  AINP = 3;
  NO = 0;
  while (AINP != 1) taskPass();
  explanation();
}

}  // namespace pradine
