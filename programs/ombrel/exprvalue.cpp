// Section 4, values of expressions: entry, aim screen, sub-menu and the drills' practice loop.
#include "programs/ombrel/exprvalue.h"

#include <array>

#include "engine/engine.h"
#include "programs/common/aim_screen.h"
#include "programs/common/scene.h"
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

}  // namespace ombrel
