#include "drill_kit.h"
#include "engine/engine.h"
#include "globals.h"
#include "programs/common/page.h"
#include "programs/common/scene.h"
#include "section2.h"

namespace pradine {
namespace {

using namespace common::page_rows;

// The square formulas, kept in view right of the drill area, with the marks under the formula.
constexpr PageRow FORMULA_PANEL[] = {
    text(748, 30, 3, "平方の公式"),
    text(748, 110, 5, " (a±b)^2"),
    text(748, 180, 5, "=a^2±2ab+b^2"),
    text(775, 230, 3, "2乗 2倍 2乗"),
};

}  // namespace

// Its heading numbers the example 3 while its menu item says 2: both as the lesson has them.
void EXAMPLE2DRILL() {
  common::clearScene();
  XI1 = 748;
  YI1 = 30;
  common::drawPage(FORMULA_PANEL);
  AINP = 3;
  NO = 0;
  while (AINP != 1) {
    SQUAREDRILLNUMBERS();
    XI1 = 44;
    YI1 = 18;
    common::eraseBox(0, 0, 704, 1300);
    common::textLine(XI1, YI1, 0, "例3　次の式を展開しなさい。");
    DRILLPROBLEM();
    STEPWAIT();
    DRILLSOLUTION();
    NEXTSTEP();
    NO = NO + 1;
  }
  common::textLine(44, 570, 0, "教科書 問2 をしなさい。");
}

}  // namespace pradine
