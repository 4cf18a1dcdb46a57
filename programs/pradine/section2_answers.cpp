#include "answer_pages.h"
#include "section2.h"
#include "task_kit.h"

namespace pradine {
namespace {

using namespace common::page_rows;

// Problem 2: label column 40, text column 94, one part per step.
constexpr PageRow PROBLEM2_PAGE_ROWS[] = {
    CLEAR,
    text(94, 30, 3, "問2 解答 "),
    text(40, 90, 3, "(1)"),
    text(94, 90, 0, " (a+3)^2"),
    text(94, 140, 0, "=a^2+2*a*3+3^2"),
    text(94, 190, 5, "=a^2+6a+9"),
    WAIT,
    text(40, 250, 3, "(2)"),
    text(94, 250, 0, " (x-7)^2"),
    text(94, 300, 0, "=x^2-2*x*7+7^2"),
    text(94, 350, 5, "=x^2-14x+49"),
    WAIT,
    text(40, 410, 3, "(3)"),
    text(94, 410, 0, " (y+4)^2"),
    text(94, 460, 0, "=y^2+2*y*4+4^2"),
    text(94, 510, 5, "=y^2+8y+16"),
};

// Problem 3, left column: labels at 40, texts at 94, one item per step.
constexpr PageRow PROBLEM3_LEFT_ROWS[] = {
    CLEAR,
    text(94, 30, 3, "問3 解答 "),
    text(40, 90, 3, "(1)"),
    text(94, 90, 0, "  (x-5y)^2"),
    text(94, 140, 0, "=x^2-2*x*5y+(5y)^2"),
    text(94, 190, 5, "=x^2-10xy+25y^2"),
    WAIT,
    text(40, 250, 3, "(2)"),
    text(94, 250, 0, " (a+4b)^2"),
    text(94, 300, 0, "=a^2+2*a*4b+(4b)^2"),
    text(94, 350, 5, "=a^2+8ab+16b^2"),
    WAIT,
    text(40, 410, 3, "(3)"),
    text(94, 410, 0, " (4x-y)^2"),
    text(94, 460, 0, "=(4x)^2-2*4x*y+y^2"),
    text(94, 510, 5, "=16x^2-8xy+y^2"),
    WAIT,
};

// Problem 3, right column: labels at 560, texts at 614, from the heading's line; item (5) with
// its stacked fractions takes 70 px a line. No wait after the last item.
constexpr PageRow PROBLEM3_RIGHT_ROWS[] = {
    text(560, 30, 3, "(4)"),
    text(614, 30, 0, " (2x+3y)^2"),
    text(614, 80, 0, "=(2x)^2+2*2x*3y+(3y)^2"),
    text(614, 130, 5, "=4x^2+12xy+9y^2"),
    WAIT,
    text(560, 190, 3, "(5)"),
    text(614, 190, 0, " (a+ﾀ1/2ﾀb)^2"),
    text(614, 260, 0, "=a^2+2*a*ﾀ1/2ﾀb+(ﾀ1/2ﾀb)^2"),
    text(614, 330, 5, "=a^2+ab+ﾀ1/4ﾀb^2"),
    WAIT,
    text(560, 400, 3, "(6)"),
    text(614, 400, 0, " (-x+2y)^2"),
    text(614, 450, 0, "=(-x)^2+2*(-x)*2y+(2y)^2"),
    text(614, 500, 5, "=x^2-4xy+4y^2"),
};

}  // namespace

const PageRows PROBLEM2_PAGE{PROBLEM2_PAGE_ROWS};
const PageRows PROBLEM3_LEFT{PROBLEM3_LEFT_ROWS};
const PageRows PROBLEM3_RIGHT{PROBLEM3_RIGHT_ROWS};

void PROBLEM2ANSWERS() {
  TEXTCOLUMN(40);
  common::drawPage(PROBLEM2_PAGE);
}

// The label and text columns stay in XI0 and XI1 as the page's right column set them.
void PROBLEM3ANSWERS() {
  TEXTCOLUMN(40);
  common::drawPage(PROBLEM3_LEFT);
  TEXTCOLUMN(560);
  common::drawPage(PROBLEM3_RIGHT);
}

}  // namespace pradine
