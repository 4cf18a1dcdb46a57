// Section 3: factorising perfect squares by reading the two square formulas backwards, with the
// random drills of examples 3 and 4 beside the formula panel.
#include "engine/engine.h"
#include "fenwist.h"
#include "globals.h"
#include "programs/common/aim_screen.h"
#include "programs/common/page.h"
#include "programs/common/scene.h"
#include "programs/common/section_menu.h"
#include "section3.h"

namespace fenwist {
namespace {

using namespace common::page_rows;

constexpr PageRow PANEL[] = {
    text(880, 30, 3, "<平方の公式>"),
    text(907, 110, 0, "2乗 2倍 2乗"),
    text(880, 160, 3, " a^2+2ab+b^2"),
    text(880, 210, 5, "=(a+b)^2"),
    text(880, 280, 3, " a^2-2ab+b^2"),
    text(880, 330, 5, "=(a-b)^2"),
};

// The scene's start: the window cleared, the formula panel on the right and the heading.
void panelAndHeading(const char* heading) {
  common::clearWindow();
  XI1 = 880;
  YI1 = 30;
  common::drawPage(PANEL);
  XI0 = 40;
  XI1 = XI0 + 54;
  YI1 = 20;
  common::textLine(XI0, YI1, 7, heading);
}

// A practice loop in the area from (40, top) to (836, top + 180): each pass a new problem at
// problemX, its rewriting and then its factorised form under it, 60 px apart.
void runDrill(SquareDrill drill, float top, float problemX) {
  AINP = 3;
  NO = 0;
  U_A(31) = 40;
  U_A(32) = 836;
  V_A(31) = top;
  V_A(32) = V_A(31) + 180;
  while (AINP != 1) {
    SQUARENUMBERS(drill);
    const SquareTexts texts = squareTexts(drill);
    YI1 = V_A(31);
    PsLINE(U_A(31), V_A(31), U_A(32), V_A(32), 15, LineMode::FilledBox, 15);
    common::textLine(problemX, YI1, 0, texts.problem);
    STEPWAIT();
    common::textLine(XI1, YI1 + 60, 3, texts.step);
    STEPWAIT();
    common::textLine(XI1, YI1 + 60, 5, texts.answer);
    NEXTSTEP();
  }
}

}  // namespace

void AIMPERFECTSQ() { common::SHOWAIM(3, {"平方の公式を逆に使って、因数分解しよう。"}); }

void SQUAREEXAMPLE3() {
  panelAndHeading("例3　次の式を因数分解しなさい。");
  runDrill(SquareDrill::Example3, YI1 + 60, XI1 + 27);
  STEPWAIT();
  common::textLine(616, 570, 7, "教科書 問3　をしなさい。");
}

void SQUAREEXAMPLE4() {
  panelAndHeading("例4　次の式を因数分解しなさい。");
  runDrill(SquareDrill::OneLetter, YI1 + 60, XI0);
  runDrill(SquareDrill::TwoLetters, YI1 + 80, XI0);
  STEPWAIT();
  common::textLine(120, 570, 7, "教科書 問4　をしなさい。");
}

void SECPERFECTSQ() {
  static constexpr common::Routine SCENES[] = {SQUAREEXAMPLE3, PROBLEM3ANSWERS, SQUAREEXAMPLE4, PROBLEM4ANSWERS,
                                               PROBLEM5ANSWERS};
  AIMPERFECTSQ();
  common::SECTIONMENU("①例3　②問3　③例4　④問4　⑤問5　⑥終了", SCENES, common::MenuEntry::SetTo10);
}

}  // namespace fenwist
