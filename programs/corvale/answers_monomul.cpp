// Scene 4 of section 1: the answers of textbook problem 1 on two pages.
#include "answers_monomul.h"

#include "engine/engine.h"
#include "globals.h"
#include "monomul.h"
#include "programs/common/scene.h"

namespace corvale {

using namespace common::page_rows;

namespace {
constexpr const char* HEADING = "問１ 解答";
}  // namespace

// Labels at x 40 and 640, texts 81 px right of them; an item's lines 50 px apart, the next item
// 60 px under the last answer; item (1) 50 px under the heading and item (4) on its line.
const std::array<PageRow, 31> ANSWERS_PAGE_ONE{{
    text(121, 30, 3, HEADING),
    WAIT,
    text(40, 80, 3, "(1)"),
    text(121, 80, 0, " (2x+y)*7x"),
    text(121, 130, 0, "=2x*7x+y*7x"),
    text(121, 180, 5, "=14x^2+7xy"),
    text(40, 240, 3, "(2)"),
    text(121, 240, 0, " (3a-b)*4a"),
    text(121, 290, 0, "=3a*4a-b*4a"),
    text(121, 340, 5, "=12a^2-4ab"),
    text(40, 400, 3, "(3)"),
    text(121, 400, 0, " (5a-6b)*(-2b)"),
    text(121, 450, 0, "=5a*(-2b)-6b*(-2b)"),
    text(121, 500, 5, "=-10ab+12b^2"),
    text(640, 30, 3, "(4)"),
    text(721, 30, 0, " 4x(2x-1)"),
    text(721, 80, 0, "=4x*2x+4x*(-1)"),
    text(721, 130, 5, "=8x^2-4x"),
    text(640, 190, 3, "(5)"),
    text(721, 190, 0, " 2x(x+3y)"),
    text(721, 240, 0, "=2x*x+2x*3y"),
    text(721, 290, 5, "=2x^2+6xy"),
    text(640, 350, 3, "(6)"),
    text(721, 350, 0, " -3a(8a+7b)"),
    text(721, 400, 0, "=-3a*8a-3a*7b"),
    text(721, 450, 5, "=-24a^2-21ab"),
    text(640, 510, 3, "(7)"),
    text(721, 510, 0, " -2x(-3x+2y)"),
    text(721, 560, 0, "=-2x*(-3x)-2x*2y"),
    text(721, 610, 5, "=6x^2-4xy"),
    WAIT,
}};

// Item (8) 60 px under the heading.
const std::array<PageRow, 14> ANSWERS_PAGE_TWO{{
    CLEAR,
    text(121, 30, 3, HEADING),
    text(40, 90, 3, "(8)"),
    text(121, 90, 0, " (x-3y-2)*4x"),
    text(121, 140, 0, "=x*4x-3y*4x-2*4x"),
    text(121, 190, 5, "=4x^2-12xy-8x"),
    text(40, 250, 3, "(9)"),
    text(121, 250, 0, " -3x(4x-3y+2)"),
    text(121, 300, 0, "=-3x*4x-3x*(-3y)-3x*2"),
    text(121, 350, 5, "=-12x^2+9xy-6x"),
    text(40, 410, 3, "(10)"),
    text(121, 410, 0, " 3a(-a+2b-1)"),
    text(121, 460, 0, "=3a*(-a)+3a*2b+3a*(-1)"),
    text(121, 510, 5, "=-3a^2+6ab-3a"),
}};

void ANSWERSMONOMUL() {
  common::clearScene();
  XI0 = 40;
  XI1 = XI0 + 81;
  FE_SETDRAWWIDTH(5);
  common::drawPage(ANSWERS_PAGE_ONE);
  common::drawPage(ANSWERS_PAGE_TWO);
}

}  // namespace corvale
