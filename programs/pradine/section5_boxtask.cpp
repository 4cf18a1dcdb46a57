#include <string>

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/scene.h"
#include "section5.h"
#include "task_kit.h"

namespace pradine {
namespace {

// The task's box, 160 x 60 on its text line, framed 5 and filled 4, its text in colour 13.
constexpr common::BoxStyle TASK_BOX{160, 60, 13, 5, 4};

// The empty box "①" 10 px after the line's end, kept in X(1), Y(1); the line goes on after it.
void emptyBox() {
  X_A(1) = XI2 + 10;
  Y_A(1) = YI1;
  common::formulaBoxLine(X_A(1), Y_A(1), TASK_BOX, "①", common::BoxAt::TextLine);
}

// The box's content drawn over it: the same box again at the same place.
void fillBox(const std::string& content) {
  common::formulaBoxLine(X_A(1), Y_A(1), TASK_BOX, content, common::BoxAt::TextLine);
}

// Loop (1): (P+n)(P-n) = ① - n^2 for a letter P; ① is P^2.
void oneLetterCycle() {
  XI1 = 44;
  YI1 = 18;
  common::clearScene();
  SUBSTPROBLEM();
  common::textLine(XI1, YI1, 0, "問　①を求めなさい。");
  common::textLine(XI1, YI1 + 80, 0, "(1) " + substProduct(X_S));
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
  common::textLine(XI1, YI1 + 80, 0, "(2) " + substProduct(u));
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
