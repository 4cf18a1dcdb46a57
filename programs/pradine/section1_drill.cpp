#include "drill_kit.h"
#include "engine/engine.h"
#include "globals.h"
#include "programs/common/page.h"
#include "programs/common/scene.h"
#include "section1.h"

namespace pradine {
namespace {

using namespace common::page_rows;

// The formula, kept in view right of the drill area.
constexpr PageRow FORMULA_PANEL[] = {
    text(748, 30, 3, "公式"),
    text(748, 110, 5, " (x+a)(x+b)"),
    text(748, 180, 5, "=x^2+(a+b)x+ab"),
    text(924, 230, 3, "和    積"),
};

}  // namespace

void EXAMPLE1DRILL() {
  common::clearScene();
  XI1 = 748;
  common::drawPage(FORMULA_PANEL);
  AINP = 3;
  NO = 0;
  while (AINP != 1) {
    EXAMPLENUMBERS();
    XI1 = 44;
    YI1 = 18;
    common::eraseBox(0, 0, 704, 1300);
    common::textLine(44, 18, 0, "例1　次の式を展開しなさい。");
    DRILLPROBLEM();
    STEPWAIT();
    DRILLSOLUTION();
    NEXTSTEP();
  }
  common::textLine(132, 570, 0, "教科書 問1　をしなさい。");
}

}  // namespace pradine
