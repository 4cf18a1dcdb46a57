#include "answer_pages.h"
#include "engine/engine.h"
#include "globals.h"
#include "programs/common/page.h"
#include "section6.h"

namespace pradine {
namespace {

using namespace common::page_rows;

// Each exercise: the label and the substitution on its line, the problem, the expression in the
// new letter, its expansion, the binomial put back, the answer. (1) and (2) on the left, one
// step each; (3) and (4) on the right from y 15, after the step between them.
constexpr PageRow SHEET3_LEFT_ROWS[] = {
    text(40, 90, 3, "(1)"),
    after(0, "a-2b=X とおくと"),
    text(94, 140, 0, " (a-2b+3)(a-2b-3)"),
    text(94, 190, 0, "=(X+3)(X-3)"),
    after(0, "=X^2-9"),
    text(94, 240, 0, "=(a-2b)^2-9"),
    text(94, 290, 5, "=a^2-4ab+4b^2-9"),
    WAIT,
    text(40, 350, 3, "(2)"),
    after(0, "x+y=A とおくと"),
    text(94, 400, 0, " (x+y-7)^2"),
    text(94, 450, 0, "=(A-7)^2"),
    text(94, 500, 0, "=A^2-14A+49"),
    text(94, 550, 0, "=(x+y)^2-14(x+y)+49"),
    text(94, 600, 5, "=x^2+2xy+y^2-14x-14y+49"),
};

constexpr PageRow SHEET3_RIGHT_ROWS[] = {
    WAIT,
    text(600, 15, 3, "(3)"),
    after(0, "x+y=A とおくと"),
    text(654, 65, 0, " (x+y)(x+y-5)"),
    text(654, 115, 0, "=A(A-5)"),
    text(654, 165, 0, "=A^2-5A"),
    text(654, 215, 0, "=(x+y)^2-5(x+y)"),
    text(654, 265, 5, "=x^2+2xy+y^2-5x-5y"),
    WAIT,
    text(600, 325, 3, "(4)"),
    after(0, "x+3y=A とおくと"),
    text(654, 375, 0, " (x+3y-2)(x+3y-9)"),
    text(654, 425, 0, "=(A-2)(A-9)"),
    text(654, 475, 0, "=A^2-11A+18"),
    text(654, 525, 0, "=(x+3y)^2-11(x+3y)+18"),
    text(654, 575, 5, "=x^2+6xy+9y^2-11x-33y+18"),
};

}  // namespace

const PageRows SHEET3_LEFT{SHEET3_LEFT_ROWS};
const PageRows SHEET3_RIGHT{SHEET3_RIGHT_ROWS};

void ANSWERSHEET3() {
  SHEETFRAME("3");
  common::drawPage(SHEET3_LEFT);
  // The right column, set before the step that shows it.
  XI0 = 600;
  XI1 = XI0 + 54;
  YI1 = 15;
  common::drawPage(SHEET3_RIGHT);
}

}  // namespace pradine
