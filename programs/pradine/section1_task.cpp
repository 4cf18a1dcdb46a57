#include <string>

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/area_diagram.h"
#include "scene.h"
#include "section1.h"

namespace pradine {
namespace {

// An answer box of the task's line: 120 x 50, its text in colour 13.
void answerBox(float x, float y, float frame, float fill, const std::string& text) {
  X = x;
  Y = y;
  HABA = 120;
  TATE = 50;
  CCC1 = 13;
  CCC2 = frame;
  CCC3 = fill;
  A_S = text;
  BOXFORMULA();
}

// The diagram's labels: elements 1 to 8 of F$(), the missing ones empty.
void diagramLabels(std::initializer_list<const char*> labels) {
  float n = 1;
  for (const char* label : labels) F_S_A(n++) = label;
  for (; n <= 8; ++n) F_S_A(n) = "";
}

// One pass of the practice loop: a product with the boxes for its coefficients, then their values.
void taskPass() {
  TASKNUMBERS();
  XI1 = 44;
  YI1 = 18;
  clearScene();
  textLine(0, 44, 18, "問　①,②を求めなさい。");
  textLine(0, XI1 + 44, YI1 + 80, " (x" + T_S_A(1) + ")(x" + T_S_A(2) + ")");
  textLine(0, 88, 178, "=x^2");
  X_A(1) = XI2 + 20;
  Y_A(1) = 178;
  answerBox(X_A(1), Y_A(1), 5, 4, "①");
  XI2 = X;
  textLine(0, XI2 + 8, 178, "x");
  X_A(2) = XI2 + 20;
  Y_A(2) = 178;
  answerBox(X_A(2), Y_A(2), 7, 6, "②");
  STEPWAIT();
  answerBox(X_A(1), Y_A(1), 5, 4, T_S_A(3));
  answerBox(X_A(2), Y_A(2), 7, 6, T_S_A(4));
  NEXTSTEP();
}

// Why ① is the sum and ② the product: the area diagrams and the derivation, under the last problem.
void explanation() {
  textLine(3, XI1, YI1 + 80, "①は和、②は積。なぜ？");
  STEPWAIT();
  textLine(5, XI1 + 44, YI1 + 80, "(x+2)(x+3)");
  Y11 = YI1;
  STEPWAIT();
  XI3 = 660;
  YI3 = 100;
  diagramLabels({"x", "2", "3"});
  common::PRODUCTAREA();
  STEPWAIT();
  diagramLabels({"x", "2", "3", "x^2", "2x", "3x", "6"});
  common::PRODUCTAREA();
  STEPWAIT();
  textLine(5, XI1, Y11 + 80, "=x^2+5x+6");
  STEPWAIT();
  eraseBox(XI1, Y11, 660, 1300);
  textLine(5, XI1 + 44, Y11, "(x+a)(x+b)");
  STEPWAIT();
  eraseBox(XI3 - 44, 20, 1320, 900);
  diagramLabels({"x", "a", "b"});
  common::PRODUCTAREA();
  STEPWAIT();
  diagramLabels({"x", "a", "b", "x^2", "ax", "bx", "ab", "(a+b)x"});
  common::PRODUCTAREA();
  STEPWAIT();
  common::PRODUCTMERGE();
  STEPWAIT();
  // The result first, at the foot; the two middle lines then fill the gap above it.
  textLine(0, XI1, Y11 + 180, "=");
  textLine(5, XI2, YI1, "x^2+(a+b)x+ab");
  STEPWAIT();
  textLine(0, 44, Y11 + 60, "=x(x+b)+a(x+b)");
  STEPWAIT();
  textLine(0, 44, YI1 + 60, "=x^2+bx+ax+ab");
  STEPWAIT();
  textLine(3, 44, YI1 + 120, "公式　(x+a)(x+b)=x^2+(a+b)x+ab");
}

}  // namespace

void PRODUCTTASK() {
  AINP = 3;
  NO = 0;
  while (AINP != 1) taskPass();
  explanation();
}

}  // namespace pradine
