// Section 2: factorising a difference of two squares, a^2-b^2 = (a+b)(a-b), with four random
// drills, one for each shape of problem.
#include "engine/engine.h"
#include "fenwist.h"
#include "globals.h"
#include "programs/common/aim_screen.h"
#include "programs/common/page.h"
#include "programs/common/scene.h"
#include "programs/common/section_menu.h"
#include "section2.h"

namespace fenwist {
namespace {

using namespace common::page_rows;

constexpr PageRow PANEL[] = {
    text(880, 30, 3, "和と差の積"),
    text(880, 110, 5, " a^2-b^2"),
    text(880, 180, 5, "=(a+b)(a-b)"),
};

// A numbered answer box with its top-left corner at (x, y), holding text.
void diffSquaresBox(float x, float y, float haba, const std::string& text) {
  common::formulaBox(x, y, {haba, 50, 13, 7, 6}, text);
}

// The next piece of the answer line, 10 px right of the one before: a text or a box (whose
// top-left corner goes to X(k), Y(k)).
void nextText(const std::string& text) { common::textLine(XI2 + 10, YI1, 0, text); }
void nextBox(float k, float haba, const std::string& text) {
  X_A(k) = XI2 + 10;
  Y_A(k) = YI1;
  diffSquaresBox(X_A(k), Y_A(k), haba, text);
  XI2 = X;
}

// One problem of the drill: the problem line, its answer line with two numbered boxes, the hint
// after a key, the boxes filled after another.
void showProblem(int drill) {
  DIFFSQNUMBERS(drill);
  const DiffSquaresTexts texts = diffSquaresTexts(drill);
  YI1 = V_A(31);
  const float top = drill == 1 ? V_A(31) : V_A(31) - 10;
  PsLINE(U_A(31), top, U_A(32), V_A(32), 15, LineMode::FilledBox, 15);
  common::textLine(XI0, YI1, 0, texts.problem);
  X_A(3) = XI2;
  Y_A(3) = YI1;
  common::textLine(XI1, YI1 + 55, 0, texts.pieces[0]);
  nextBox(1, texts.haba, "①");
  nextText(texts.pieces[1]);
  nextBox(2, texts.haba, "②");
  nextText(texts.pieces[2]);
  STEPWAIT();
  common::textAt(X_A(3), Y_A(3), 3, texts.hint);
  STEPWAIT();
  diffSquaresBox(X_A(1), Y_A(1), texts.haba, texts.box1);
  diffSquaresBox(X_A(2), Y_A(2), texts.haba, texts.box2);
}

// Drill 1 to 4 in its band: the first starts 60 px below the heading, the others 80 px below
// the answer line of the drill before.
void runDrill(int drill) {
  AINP = 3;
  NO = 0;
  V_A(31) = YI1 + (drill == 1 ? 60 : 80);
  V_A(32) = V_A(31) + 120;
  while (AINP != 1) {
    showProblem(drill);
    NEXTSTEP();
  }
}

}  // namespace

void AIMDIFFSQUARES() { common::SHOWAIM(3, {"公式(和と差の積)を逆に使って、因数分解しよう。"}); }

void DIFFSQEXAMPLE() {
  common::clearWindow();
  XI1 = 880;
  common::drawPage(PANEL);
  XI0 = 40;
  XI1 = XI0 + 54;
  YI1 = 20;
  common::textLine(XI0, YI1, 7, "例2　次の式を因数分解しなさい。");
  U_A(31) = XI0;
  U_A(32) = 836;
  for (const int drill : {1, 2, 3, 4}) runDrill(drill);
  STEPWAIT();
  common::textLine(616, 570, 7, "教科書 問2　をしなさい。");
}

void SECDIFFSQUARES() {
  static constexpr common::Routine SCENES[] = {DIFFSQEXAMPLE, PROBLEM2ANSWERS};
  AIMDIFFSQUARES();
  common::SECTIONMENU("①和と差の積　②問2　③終了", SCENES, common::MenuEntry::SetTo10);
}

}  // namespace fenwist
