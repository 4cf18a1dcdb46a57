// Scenes 3 and 5 of section 3: the answers of textbook problems 3 and 4, in two columns. Labels
// at x 40 and 640, formulas 54 px right of them.
#include <span>

#include "answers_polymul.h"
#include "engine/engine.h"
#include "globals.h"
#include "polymul.h"
#include "programs/common/scene.h"

namespace corvale {

using namespace common::page_rows;

// A wait after every formula line but the last.
const std::array<PageRow, 15> PROB3_LEFT{{
    text(94, 30, 3, "問3 解答 "),
    text(40, 90, 3, "(1)"),
    text(94, 90, 0, " (a+b)(c-d)"),
    WAIT,
    text(94, 140, 0, "=a(c-d)+b(c-d)"),
    WAIT,
    text(94, 190, 5, "=ac-ad+bc-bd"),
    WAIT,
    text(40, 250, 3, "(2)"),
    text(94, 250, 0, " (a-b)(c-d)"),
    WAIT,
    text(94, 300, 0, "=a(c-d)-b(c-d)"),
    WAIT,
    text(94, 350, 5, "=ac-ad-bc+bd"),
    WAIT,
}};
const std::array<PageRow, 13> PROB3_RIGHT{{
    text(640, 90, 3, "(3)"),
    text(694, 90, 0, " (x+2)(y+3)"),
    WAIT,
    text(694, 140, 0, "=x(y+3)+2(y+3)"),
    WAIT,
    text(694, 190, 5, "=xy+3x+2y+6"),
    WAIT,
    text(640, 250, 3, "(4)"),
    text(694, 250, 0, " (x-1)(y+4)"),
    WAIT,
    text(694, 300, 0, "=x(y+4)-(y+4)"),
    WAIT,
    text(694, 350, 5, "=xy+4x-y-4"),
}};

// Each item multiplied out before its like terms are combined; a wait after every item but the
// last.
const std::array<PageRow, 13> PROB4_LEFT{{
    text(94, 30, 3, "問4 解答 "),
    text(40, 90, 3, "(1)"),
    text(94, 90, 0, " (x-2)(x-6)"),
    text(94, 140, 0, "=x(x-6)-2(x-6)"),
    text(94, 190, 0, "=x^2-6x-2x+12"),
    text(94, 240, 5, "=x^2-8x+12"),
    WAIT,
    text(40, 300, 3, "(2)"),
    text(94, 300, 0, " (x-4)(x+5)"),
    text(94, 350, 0, "=x(x+5)-4(x+5)"),
    text(94, 400, 0, "=x^2+5x-4x-20"),
    text(94, 450, 5, "=x^2+x-20"),
    WAIT,
}};
const std::array<PageRow, 11> PROB4_RIGHT{{
    text(640, 90, 3, "(3)"),
    text(694, 90, 0, " (a+1)(a-3)"),
    text(694, 140, 0, "=a(a-3)+(a-3)"),
    text(694, 190, 0, "=a^2-3a+a-3"),
    text(694, 240, 5, "=a^2-2a-3"),
    WAIT,
    text(640, 300, 3, "(4)"),
    text(694, 300, 0, " (a+8)(a+7)"),
    text(694, 350, 0, "=a(a+7)+8(a+7)"),
    text(694, 400, 0, "=a^2+7a+8a+56"),
    text(694, 450, 5, "=a^2+15a+56"),
}};

namespace {

// The page's frame: the clear, the left column from x 40, the right one from x 640.
void answerColumns(std::span<const PageRow> left, std::span<const PageRow> right) {
  common::clearScene();
  XI0 = 40;
  XI1 = XI0 + 54;
  common::drawPage(left);
  XI0 = 640;
  XI1 = XI0 + 54;
  common::drawPage(right);
}

}  // namespace

void ANSWERSPROB3() { answerColumns(PROB3_LEFT, PROB3_RIGHT); }

void ANSWERSPROB4() { answerColumns(PROB4_LEFT, PROB4_RIGHT); }

}  // namespace corvale
