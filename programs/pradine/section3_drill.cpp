#include "engine/engine.h"
#include "globals.h"
#include "programs/common/page.h"
#include "programs/common/scene.h"
#include "section3.h"

namespace pradine {
namespace {

using namespace common::page_rows;

// The formula, kept in view right of the drill area, with the marks under its result.
constexpr PageRow FORMULA_PANEL[] = {
    text(748, 30, 3, "和と差の積"),
    text(748, 110, 5, " (a+b)(a-b)"),
    text(748, 180, 5, "=a^2-b^2"),
    text(778, 230, 3, "2乗-2乗"),
};

// One drill: its practice area from (XI0, YI1 + gap) down, cleared for each problem; its label
// at XI0 and its three lines at XI0 + 54, 60 px apart, until 1 is typed.
void drill(int number, float gap) {
  AINP = 3;
  NO = 0;
  U_A(31) = XI0;
  V_A(31) = YI1 + gap;
  while (AINP != 1) {
    if (number == 1) {
      SUMDIFFNUMBERS();
    } else {
      SUMDIFFTERMS();
    }
    const SumDiffTexts texts = sumDiffTexts(number);
    XI1 = U_A(31) + 54;
    YI1 = V_A(31);
    common::eraseBox(U_A(31), V_A(31), 704, 1300);
    common::textLine(XI0, YI1, 3, number == 1 ? "①" : "②");
    common::textLine(XI1, YI1, 0, texts.problem);
    STEPWAIT();
    common::textLine(XI1, YI1 + 60, 0, texts.squares);
    STEPWAIT();
    common::textLine(XI1, YI1 + 60, 5, texts.result);
    NEXTSTEP();
  }
}

}  // namespace

// Its heading numbers the example 4 while its menu item says 5: both as the lesson has them.
void EXAMPLE5DRILL() {
  common::clearScene();
  XI1 = 748;
  YI1 = 30;
  common::drawPage(FORMULA_PANEL);
  XI0 = 40;
  XI1 = 94;
  YI1 = 30;
  common::textLine(XI0, YI1, 3, "例4　次の式を展開しなさい。");
  drill(1, 60);
  drill(2, 80);
  STEPWAIT();
  common::textLine(44, 570, 0, "教科書 問4　をしなさい。");
}

}  // namespace pradine
