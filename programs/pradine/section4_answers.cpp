#include "answer_pages.h"
#include "programs/common/page.h"
#include "section4.h"
#include "task_kit.h"

namespace pradine {
namespace {

using namespace common::page_rows;

// Label column 40, text column 94, one line per step; the brackets of the expansions in colour 5.
constexpr PageRow PROBLEM6_PAGE_ROWS[] = {
    CLEARWIDE,
    text(94, 30, 3, "問6 解答"),
    text(40, 80, 3, "(1)"),
    after(0, "(x-3)^2+(x-1)(x+7)"),
    WAIT,
    text(94, 130, 0, "=x^2-6x+9+"),
    after(5, "("),
    after(0, "x^2+6x-7"),
    after(5, ")"),
    WAIT,
    text(94, 180, 0, "=x^2-6x+9+x^2+6x-7"),
    WAIT,
    text(94, 230, 0, "=x^2+x^2-6x+6x+9-7"),
    WAIT,
    text(94, 280, 5, "=2x^2+2"),
    WAIT,
    text(40, 350, 3, "(2)"),
    after(0, "(x+2)(x+9)-x(x+10)"),
    WAIT,
    text(94, 400, 0, "="),
    after(5, "("),
    after(0, "x^2+11x+18"),
    after(5, ")"),
    after(0, "-"),
    after(5, "("),
    after(0, "x^2+10x"),
    after(5, ")"),
    WAIT,
    text(94, 450, 0, "=x^2+11x+18-x^2-10x"),
    WAIT,
    text(94, 500, 0, "=x^2-x^2+11x-10x+18"),
    WAIT,
    text(94, 550, 5, "=x+18"),
};

}  // namespace

const PageRows PROBLEM6_PAGE{PROBLEM6_PAGE_ROWS};

void ANSWERS6() {
  TEXTCOLUMN(40);
  common::drawPage(PROBLEM6_PAGE);
}

}  // namespace pradine
