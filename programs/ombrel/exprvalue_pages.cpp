// Section 4, scene ③: the answers to the textbook's problem 5, each value found after changing
// the expression: (1) by factorising, (2) by expanding and collecting.
#include "programs/common/page.h"
#include "programs/ombrel/exprvalue.h"

namespace ombrel {

using namespace common::page_rows;

namespace {

// Two columns, labels at x 30 and 560, texts 54 px right of them; both start at the top.
constexpr PageRow ANSWER5_PAGE[] = {
    CLEAR,
    text(84, 30, 3, "問5 解答"),
    text(30, 90, 3, "(1)"), after(0, "x^2-9x-36"), WAIT,
    text(84, 160, 3, "因数分解すると"), WAIT,
    text(84, 230, 0, "=(x-12)(x+3)"), WAIT,
    text(84, 300, 3, "x=22　を代入して"), WAIT,
    text(84, 370, 0, "=(22-12)*(22+3)"), WAIT,
    text(84, 440, 0, "=10*25"), WAIT,
    text(84, 510, 5, "=250"), WAIT,
    text(560, 90, 3, "(2)"), after(0, "(4-x)(4+x)+(x-6)(x+1)"), WAIT,
    text(614, 160, 3, "展開して、整理すると"), WAIT,
    text(614, 230, 0, "=16-x^2+x^2-5x-6"), WAIT,
    text(614, 300, 0, "=-5x+10"), WAIT,
    text(614, 370, 3, "x=22　を代入して"), WAIT,
    text(614, 440, 0, "=-5*22+10"), WAIT,
    text(614, 510, 0, "=-110+10"), WAIT,
    text(614, 580, 5, "=-100"),
};

}  // namespace

void ANSWEREXPRVALUE() { common::drawPage(ANSWER5_PAGE); }

}  // namespace ombrel
