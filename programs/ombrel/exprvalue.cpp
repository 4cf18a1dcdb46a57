// Section 4, values of expressions: entry, aim screen, sub-menu and the drills' practice loop.
#include "programs/ombrel/exprvalue.h"

#include <array>

#include "engine/engine.h"
#include "programs/common/aim_screen.h"
#include "programs/common/scene.h"
#include "programs/ombrel/globals.h"
#include "programs/ombrel/sections.h"

namespace ombrel {

void AIMEXPRVALUE() { common::SHOWAIM(5, {"式の値を求めよう。"}); }

void SECEXPRVALUE() {
  static constexpr std::array<Routine, 3> SCENES = {EXPRREVIEW, TASKEXPRVALUE, ANSWEREXPRVALUE};
  AIMEXPRVALUE();
  common::SECTIONMENU("①復習　②課題　③問5　④終了", SCENES, common::MenuEntry::Kept);
}

void AREAPRACTICE(float k, Routine produce, Routine drawProblem) {
  AINP = 3;
  while (AINP != 1) {
    produce();
    common::eraseBox(U_A(k), V_A(k), 1320, 1300);
    drawProblem();
    NEXTSTEP();
  }
}

void practiceInColumn(float column, Routine produce, Routine drawProblem) {
  XI0 = column;
  U_A(31) = XI0;
  V_A(31) = 30;
  AREAPRACTICE(31, produce, drawProblem);
}

void xyProblemHeading(const char* label, const std::string& x, const std::string& y) {
  XI1 = U_A(31);
  YI1 = V_A(31);
  common::textLine(XI0, YI1, 3, label);
  common::textAfter(0, " x=" + x + ",y=" + y + "のとき、");
  common::textLine(XI1 + 40, YI1 + 50, 0, "次の式の値を求めなさい。");
}

void xySubstitutionNote(const std::string& x, const std::string& y) {
  common::textLine(XI1 + 40, YI1 + 50, 3, "x=" + x + ",y=" + y + " を代入して");
}

}  // namespace ombrel
