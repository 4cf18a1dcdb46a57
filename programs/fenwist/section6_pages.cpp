// Items 2 and 3 of section 6: the answers to textbook problem 11 and the discussion problems.
// Each answer puts the repeated expression equal to M, factorises in M and puts the expression
// back: the label and problem, the substitution indented under it, then the steps one line each.
#include <span>

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/page.h"
#include "section6.h"

namespace fenwist {
namespace {

using namespace common::page_rows;

constexpr PageRow PROBLEM11[] = {
    CLEAR,
    text(40, 30, 7, "問11の解答"),
    WAIT,
    text(40, 80, 3, "(1)"),
    after(0, "(a+b)x+(a+b)y"),
    text(184, 130, 3, "a+b=Mとすると"),
    WAIT,
    text(94, 180, 0, "=Mx+My"),
    text(94, 230, 0, "=M(x+y)"),
    text(94, 280, 5, "=(a+b)(x+y)"),
    WAIT,
    text(40, 340, 3, "(2)"),
    after(0, "(x-a)y-b(x-a)"),
    text(184, 390, 3, "x-a=Mとすると"),
    WAIT,
    text(94, 440, 0, "=My-bM"),
    text(94, 490, 0, "=M(y-b)"),
    text(94, 540, 5, "=(x-a)(y-b)"),
    WAIT,
    text(560, 30, 3, "(3)"),
    after(0, "(x+3)^2-7(x+3)+10"),
    text(704, 80, 3, "x+3=Mとすると"),
    WAIT,
    text(614, 130, 0, "=M^2-7M+10"),
    text(614, 180, 0, "=(M-2)(M-5)"),
    text(614, 230, 0, "=(x+3-2)(x+3-5)"),
    text(614, 280, 5, "=(x+1)(x-2)"),
    WAIT,
    text(560, 340, 3, "(4)"),
    after(0, "(a+b)^2+5(a+b)+6"),
    text(704, 390, 3, "a+b=Mとすると"),
    WAIT,
    text(614, 440, 0, "=M^2+5M+6"),
    text(614, 490, 0, "=(M+2)(M+3)"),
    text(614, 540, 5, "=(a+b+2)(a+b+3)"),
};

// Both problems side by side first; the hint; then each solution one line per step wait.
constexpr PageRow DISCUSSION[] = {
    CLEAR,
    text(40, 30, 3, "次の式は、どうすれば因数分解できる?"),
    text(40, 180, 3, "(1)"),
    after(0, "2a(b-4)-4+b"),
    text(560, 180, 3, "(2)"),
    after(0, "xy+x+y+1"),
    WAIT,
    text(40, 110, 7, "式の中の共通な部分をさがす。"),
    WAIT,
    text(94, 230, 0, "=2a(b-4)+(b-4)"),
    WAIT,
    text(184, 280, 3, "b-4=Mとすると"),
    WAIT,
    text(94, 330, 0, "=2aM+M"),
    WAIT,
    text(94, 380, 0, "=M(2a+1)"),
    WAIT,
    text(94, 430, 5, "=(b-4)(2a+1)"),
    WAIT,
    text(614, 230, 0, "=x(y+1)+y+1"),
    WAIT,
    text(704, 280, 3, "y+1=Mとすると"),
    WAIT,
    text(614, 330, 0, "=xM+M"),
    WAIT,
    text(614, 380, 0, "=M(x+1)"),
    WAIT,
    text(614, 430, 5, "=(y+1)(x+1)"),
};

// Both pages end in their right column, and the layout cursor stays there.
void drawInTwoColumns(std::span<const PageRow> rows) {
  common::drawPage(rows);
  XI0 = 560;
  XI1 = XI0 + 54;
}

}  // namespace

void REPLACEANSWERS() { drawInTwoColumns(PROBLEM11); }

void REPLACEDISCUSS() { drawInTwoColumns(DISCUSSION); }

}  // namespace fenwist
