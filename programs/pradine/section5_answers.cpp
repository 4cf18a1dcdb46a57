#include "answer_pages.h"
#include "engine/engine.h"
#include "programs/common/page.h"
#include "section5.h"
#include "task_kit.h"

namespace pradine {
namespace {

using namespace common::page_rows;

// (1) and (2) with the substitution statement on the label's line, one line per step, the lines
// in M in colour 3; the answer of (2) starts in the label column.
constexpr PageRow PROBLEM7_LEFT_ROWS[] = {
    CLEARWIDE,
    text(40, 30, 0, "問7解答 "),
    after(7, "(1)"),
    after(3, "a+b=M とすると"),
    WAIT,
    text(94, 80, 0, " (a+b-1)(a+b+3)"),
    WAIT,
    text(94, 130, 3, "=(M-1)(M+3)"),
    WAIT,
    text(94, 180, 3, "=M^2+2M-3"),
    WAIT,
    text(94, 230, 0, "=(a+b)^2+2(a+b)-3"),
    WAIT,
    text(94, 280, 5, "=a^2+2ab+b^2+2a+2b-3"),
    WAIT,
    text(40, 340, 7, "(2)"),
    text(94, 340, 3, " x+y=M とすると"),
    WAIT,
    text(94, 390, 0, " (x+y-2)^2"),
    WAIT,
    text(94, 440, 3, "=(M-2)^2"),
    WAIT,
    text(94, 490, 3, "=M^2-4M+4"),
    WAIT,
    text(94, 540, 0, "=(x+y)^2-4(x+y)+4"),
    WAIT,
    text(40, 590, 5, "=x^2+2xy+y^2-4x-4y+4"),
    WAIT,
};

// The other way for (2), with y-2 = M, in the right column; its last line in three pieces, the
// term -4x in colour 7.
constexpr PageRow PROBLEM7_RIGHT_ROWS[] = {
    text(594, 30, 7, "(2)"),
    after(3, " y-2=M とすると"),
    WAIT,
    text(660, 80, 0, " (x+y-2)^2"),
    WAIT,
    text(660, 130, 3, "=(x+M)^2"),
    WAIT,
    text(660, 180, 3, "=x^2+2xM+M^2"),
    WAIT,
    text(660, 230, 0, "=x^2+2x(y-2)+(y-2)^2"),
    WAIT,
    text(660, 280, 3, "=x^2+2xy"),
    after(7, "-4x"),
    after(3, "+y^2-4y+4"),
};

}  // namespace

const PageRows PROBLEM7_LEFT{PROBLEM7_LEFT_ROWS};
const PageRows PROBLEM7_RIGHT{PROBLEM7_RIGHT_ROWS};

void ANSWERS7() {
  TEXTCOLUMN(40);
  common::drawPage(PROBLEM7_LEFT);
  XI1 = 660;
  YI1 = 30;
  common::drawPage(PROBLEM7_RIGHT);
}

}  // namespace pradine
