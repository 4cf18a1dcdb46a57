#include "answer_pages.h"
#include "globals.h"
#include "programs/common/card_legend.h"
#include "section3.h"
#include "task_kit.h"

namespace pradine {
namespace {

using namespace common::page_rows;

// Problem 4, left column: labels at 40, texts at 94, one item per step.
constexpr PageRow PROBLEM4_LEFT_ROWS[] = {
    CLEAR,
    text(94, 30, 3, "問4 解答 "),
    text(40, 90, 3, "(1)"),
    text(94, 90, 0, "  (x+8)(x-8)"),
    text(94, 140, 0, "=x^2-8^2"),
    text(94, 190, 5, "=x^2-64"),
    WAIT,
    text(40, 250, 3, "(2)"),
    text(94, 250, 0, " (3-a)(3+a)"),
    text(94, 300, 0, "=3^2-a^2"),
    text(94, 350, 5, "=9-a^2"),
    WAIT,
    text(40, 410, 3, "(3)"),
    text(94, 410, 0, " (5x+1)(5x-1)"),
    text(94, 460, 0, "=(5x)^2-1^2"),
    text(94, 510, 5, "=25x^2-1"),
    WAIT,
};

// Problem 4, right column: labels at 560, texts at 614, from the heading's line; item (5) with
// its stacked fractions takes 70 px a line. No wait after the last item.
constexpr PageRow PROBLEM4_RIGHT_ROWS[] = {
    text(560, 30, 3, "(4)"),
    text(614, 30, 0, " (3x+2y)(3x-2y)"),
    text(614, 80, 0, "=(3x)^2-(2y)^2"),
    text(614, 130, 5, "=9x^2-4y^2"),
    WAIT,
    text(560, 190, 3, "(5)"),
    text(614, 190, 0, " (x-ﾀ1/3ﾀ)(x+ﾀ1/3ﾀ)"),
    text(614, 260, 0, "=x^2-(ﾀ1/3ﾀ)^2"),
    text(614, 330, 5, "=x^2-ﾀ1/9ﾀ"),
    WAIT,
    text(560, 400, 3, "(6)"),
    text(614, 400, 0, " (a-6b)(a+6b)"),
    text(614, 450, 0, "=a^2-(6b)^2"),
    text(614, 500, 5, "=a^2-36b^2"),
};

// Problem 5: the heading, then the card trick's legend on the line 90.
constexpr PageRow PROOF_HEADING_ROWS[] = {
    CLEAR,
    text(94, 30, 0, "問5 解答 "),
};

// The proof with the smaller number 5, then with a letter for it: A, B and C on one line, D
// growing to the right one step at a time.
constexpr PageRow PROOF_ROWS[] = {
    text(40, 140, 0, "大きい数をx,小さい数を5 とすると、"),
    text(94, 200, 7, "A"),
    after(3, "x+5"),
    after(7, "B", 30),
    after(3, "x-5"),
    after(7, "C", 30),
    after(3, "5^2"),
    text(94, 250, 7, "D"),
    after(0, "=(x+5)*(x-5)+5^2"),
    WAIT,
    after(0, "=x^2-5^2+5^2"),
    WAIT,
    after(3, "=x^2"),
    WAIT,
    text(40, 320, 0, "大きい数をx,小さい数をy とすると、"),
    text(94, 380, 7, "A"),
    after(3, "x+y"),
    after(7, "B", 30),
    after(3, "x-y"),
    after(7, "C", 30),
    after(3, "y^2"),
    text(94, 430, 7, "D"),
    after(0, "=(x+y)*(x-y)+y^2"),
    WAIT,
    after(0, "=x^2-y^2+y^2"),
    WAIT,
    after(3, "=x^2"),
};

}  // namespace

const PageRows PROBLEM4_LEFT{PROBLEM4_LEFT_ROWS};
const PageRows PROBLEM4_RIGHT{PROBLEM4_RIGHT_ROWS};
const PageRows PROOF_HEADING{PROOF_HEADING_ROWS};
const PageRows PROOF{PROOF_ROWS};

// The label and text columns stay in XI0 and XI1 as the page's right column set them.
void PROBLEM4ANSWERS() {
  TEXTCOLUMN(40);
  common::drawPage(PROBLEM4_LEFT);
  TEXTCOLUMN(560);
  common::drawPage(PROBLEM4_RIGHT);
}

void PROBLEM5PROOF() {
  TEXTCOLUMN(40);
  common::drawPage(PROOF_HEADING);
  common::CARDLEGEND(XI0);
  common::drawPage(PROOF);
}

}  // namespace pradine
