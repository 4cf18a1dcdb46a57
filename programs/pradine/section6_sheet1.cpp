#include "answer_pages.h"
#include "engine/engine.h"
#include "globals.h"
#include "programs/common/page.h"
#include "programs/common/scene.h"
#include "section6.h"
#include "task_kit.h"

namespace pradine {
namespace {

using namespace common::page_rows;

// Page 1: (1) to (3) in the left column, (4) to (6) in the right one (labels at 640, texts at 694).
// The working of (3) starts in the label column.
constexpr PageRow SHEET1_PAGE1_LEFT_ROWS[] = {
    text(40, 90, 3, "(1)"),
    after(0, "(x+7)(x+4)"),
    text(94, 140, 0, "=x^2+(7+4)x+7*4"),
    text(94, 190, 5, "=x^2+11x+28"),
    text(40, 250, 3, "(2)"),
    after(0, "(x-8)(x+1)"),
    text(94, 300, 0, "=x^2+(-8+1)x-8*1"),
    text(94, 350, 5, "=x^2-7x-8"),
    text(40, 410, 3, "(3)"),
    after(0, "(x-4y)(x-9y)"),
    text(40, 460, 0, "=x^2+(-4y-9y)x-4y*(-9y)"),
    text(94, 510, 5, "=x^2-13xy+36y^2"),
};

constexpr PageRow SHEET1_PAGE1_RIGHT_ROWS[] = {
    text(640, 90, 3, "(4)"),
    after(0, "(x+4)^2"),
    text(694, 140, 0, "=x^2+2*x*4+4^2"),
    text(694, 190, 5, "=x^2+8x+16"),
    text(640, 250, 3, "(5)"),
    after(0, "(3x-2)^2"),
    text(694, 300, 0, "=(3x)^2-2*3x*2+2^2"),
    text(694, 350, 5, "=9x^2-12x+4"),
    text(640, 410, 3, "(6)"),
    after(0, "(4x-3y)^2"),
    text(694, 460, 0, "=(4x)^2-2*4x*3y+(3y)^2"),
    text(694, 510, 5, "=16x^2-24xy+9y^2"),
};

// Page 2: (7) to (9) on the left, (10) to (12) on the right (labels at 560, texts at 614), the
// right column from the header's line. Lines with fractions stand 70 px apart.
constexpr PageRow SHEET1_PAGE2_LEFT_ROWS[] = {
    text(40, 90, 3, "(7)"),
    after(0, "(ﾀ1/2ﾀx+2)^2"),
    text(94, 160, 0, "=(ﾀ1/2ﾀx)^2+2*ﾀ1/2ﾀx*2+2^2"),
    text(94, 230, 5, "=ﾀ1/4ﾀx^2+2x+4"),
    text(40, 310, 3, "(8)"),
    after(0, "(5+a)(5-a)"),
    text(94, 360, 0, "=5^2-a^2"),
    text(94, 410, 5, "=25-a^2"),
    text(40, 470, 3, "(9)"),
    after(0, "(x-7y)(x+7y)"),
    text(94, 520, 0, "=x^2-(7y)^2"),
    text(94, 570, 5, "=x^2-49y^2"),
};

constexpr PageRow SHEET1_PAGE2_RIGHT_ROWS[] = {
    text(560, 30, 3, "(10)"),
    after(0, "(1-x)^2"),
    text(614, 80, 0, "=1^2-2*1*x+x^2"),
    text(614, 130, 5, "=1-2x+x^2"),
    text(560, 190, 3, "(11)"),
    after(0, "(-5x+1)(5x-1)"),
    text(614, 240, 0, "=-(5x-1)^2"),
    text(614, 290, 0, "=-(25x^2-10x+1)"),
    text(614, 340, 5, "=-25x^2+10x-1"),
    text(560, 400, 3, "(12)"),
    after(0, "(a-ﾀ1/2ﾀ)(a+ﾀ1/4ﾀ)"),
    text(614, 470, 0, "=a^2+(-ﾀ1/2ﾀ+ﾀ1/4ﾀ)*a+(-ﾀ1/2ﾀ)*ﾀ1/4ﾀ"),
    text(614, 540, 5, "=a^2-ﾀ1/4ﾀa-ﾀ1/8ﾀ"),
};

}  // namespace

const PageRows SHEET1_PAGE1_LEFT{SHEET1_PAGE1_LEFT_ROWS};
const PageRows SHEET1_PAGE1_RIGHT{SHEET1_PAGE1_RIGHT_ROWS};
const PageRows SHEET1_PAGE2_LEFT{SHEET1_PAGE2_LEFT_ROWS};
const PageRows SHEET1_PAGE2_RIGHT{SHEET1_PAGE2_RIGHT_ROWS};

void ANSWERSHEET1() {
  SHEETFRAME("1");
  U_A(31) = XI0;
  V_A(31) = YI1 + 50;
  common::drawPage(SHEET1_PAGE1_LEFT);
  TEXTCOLUMN(640);
  common::drawPage(SHEET1_PAGE1_RIGHT);
  STEPWAIT();
  // The answer area only: the header and the sheet's number stay.
  common::eraseBox(U_A(31), V_A(31), 1320, 1300);
  TEXTCOLUMN(40);
  common::drawPage(SHEET1_PAGE2_LEFT);
  TEXTCOLUMN(560);
  common::drawPage(SHEET1_PAGE2_RIGHT);
}

}  // namespace pradine
