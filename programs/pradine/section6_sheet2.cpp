#include "answer_pages.h"
#include "engine/engine.h"
#include "programs/common/page.h"
#include "section6.h"

namespace pradine {
namespace {

using namespace common::page_rows;

// Each exercise: the label and the problem, the two expansions in brackets, the brackets
// removed, like terms side by side, the answer.
constexpr PageRow SHEET2_PAGE1_ROWS[] = {
    text(40, 90, 3, "(1)"),
    after(0, "(x-7)(x+7)-(x-6)^2"),
    text(94, 140, 0, "=(x^2-49)-(x^2-12x+36)"),
    text(94, 190, 0, "=x^2-49-x^2+12x-36"),
    text(94, 240, 0, "=x^2-x^2+12x-49-36"),
    text(94, 290, 5, "=12x-85"),
    text(40, 360, 3, "(2)"),
    after(0, "(a+b)^2-(a-b)^2"),
    text(94, 410, 0, "=(a^2+2ab+b^2)-(a^2-2ab+b^2)"),
    text(94, 460, 0, "=a^2+2ab+b^2-a^2+2ab-b^2"),
    text(94, 510, 0, "=a^2-a^2+2ab+2ab+b^2-b^2"),
    text(94, 560, 5, "=4ab"),
};

constexpr PageRow SHEET2_PAGE2_ROWS[] = {
    text(40, 90, 3, "(3)"),
    after(0, "(2x+y)^2-(x-3y)(x+3y)"),
    text(94, 140, 0, "=(4x^2+4xy+y^2)-(x^2-9y^2)"),
    text(94, 190, 0, "=4x^2+4xy+y^2-x^2+9y^2"),
    text(94, 240, 0, "=4x^2-x^2+4xy+y^2+9y^2"),
    text(94, 290, 5, "=3x^2+4xy+10y^2"),
    text(40, 350, 3, "(4)"),
    after(0, "(x+1)(x+5)+(x-2)(x-4)"),
    text(94, 400, 0, "=(x^2+6x+5)+(x^2-6x+8)"),
    text(94, 450, 0, "=x^2+6x+5+x^2-6x+8"),
    text(94, 500, 0, "=x^2+x^2+6x-6x+5+8"),
    text(94, 550, 5, "=2x^2+13"),
};

}  // namespace

const PageRows SHEET2_PAGE1{SHEET2_PAGE1_ROWS};
const PageRows SHEET2_PAGE2{SHEET2_PAGE2_ROWS};

// Two pages, each on a frame of its own.
void ANSWERSHEET2() {
  SHEETFRAME("2");
  common::drawPage(SHEET2_PAGE1);
  STEPWAIT();
  SHEETFRAME("2");
  common::drawPage(SHEET2_PAGE2);
}

}  // namespace pradine
