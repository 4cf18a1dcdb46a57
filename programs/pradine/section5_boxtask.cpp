#include <string>

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/scene.h"
#include "section5.h"

namespace pradine {
namespace {

// The task's box on the text line Y from X, 160 x 60, its text in colour 13; X comes back as its
// right edge.
void taskBox(const std::string& text) {
  HABA = 160;
  TATE = 60;
  CCC1 = 13;
  CCC2 = 5;
  CCC3 = 4;
  A_S = text;
  BOXFORMULAMID();
}

// The empty box "①" 10 px after the line's end, kept in X(1), Y(1); the line goes on after it.
void emptyBox() {
  X = XI2 + 10;
  Y = YI1;
  X_A(1) = X;
  Y_A(1) = Y;
  taskBox("①");
  XI2 = X;
  YI1 = Y;
}

// The box's content drawn over it: the same box again at the same place.
void fillBox(const std::string& content) {
  X = X_A(1);
  Y = Y_A(1);
  taskBox(content);
}

// Loop (1): (P+n)(P-n) = ① - n^2 for a letter P; ① is P^2.
void oneLetterCycle() {
  XI1 = 44;
  YI1 = 18;
  common::clearScene();
  SUBSTPROBLEM();
  common::textLine(XI1, YI1, 0, "問　①を求めなさい。");
  common::textLine(XI1, YI1 + 80, 0, "(1) (" + X_S + T_S_A(1) + ")(" + X_S + T_S_A(2) + ")");
  common::textLine(XI1 + 88, YI1 + 80, 0, "=");
  emptyBox();
  common::textLine(XI2 + 10, YI1, 0, "-" + T_S_A(3) + "^2");
  STEPWAIT();
  fillBox(X_S + "^2");
  NEXTSTEP();
}

// Loop (2): (P+n)(P-n) = (①)^2 - n^2 for a two-letter polynomial P; ① is P. Only the part
// below the first loop's problem is cleared.
void twoLetterCycle() {
  SUBSTPROBLEM();
  XI1 = 44;
  YI1 = 240;
  common::eraseBox(0, 240, 1320, 1300);
  const std::string u = X_S_A(1) + X_S_A(2);
  common::textLine(XI1, YI1 + 80, 0, "(2) (" + u + T_S_A(1) + ")(" + u + T_S_A(2) + ")");
  common::textLine(XI1 + 88, YI1 + 80, 0, "=(");
  XI2 = XI2 + 10;
  emptyBox();
  common::textLine(XI2 + 10, YI1, 0, ")^2-" + T_S_A(3) + "^2");
  STEPWAIT();
  fillBox(u);
  NEXTSTEP();
}

}  // namespace

void BOXTASK() {
  for (void (*cycle)() : {oneLetterCycle, twoLetterCycle}) {
    AINP = 3;
    NO = 0;
    while (AINP != 1) cycle();
  }
  STEPWAIT();
  common::textLine(176, 510, 7, "多項式を１つの文字とみれば、公式が使えそうだ！");
}

}  // namespace pradine
