// Scene 3 of section 2: the answers of textbook problem 2 on two pages.
#include "answers_monodiv.h"

#include "engine/engine.h"
#include "globals.h"
#include "monodiv.h"
#include "programs/common/scene.h"

namespace corvale {

using namespace common::page_rows;

// Labels at x 40 and 560, texts 81 px right of them; an item's working lines 70 px apart and its
// quotient 60 px under the last one; the second item of a column 70 px under the first quotient.
const std::array<PageRow, 15> ANSWERS2_PAGE_ONE_LEFT{{
    text(121, 30, 7, "問2の解答"),
    WAIT,
    text(40, 80, 3, "(1)"),
    text(121, 80, 0, " (5x^2-10x)/5x"),
    text(121, 150, 0, "=(5x^2-10x)*ﾀ1/5xﾀ"),
    text(121, 220, 0, "=ﾀ5x^2/5xﾀ-ﾀ10x/5xﾀ"),
    text(121, 280, 5, "=x-2"),
    WAIT,
    text(40, 350, 3, "(2)"),
    text(121, 350, 0, " (8a^2-2a)/2a"),
    text(121, 420, 0, "=(8a^2-2a)*ﾀ1/2aﾀ"),
    text(121, 490, 0, "=ﾀ8a^2/2aﾀ-ﾀ2a/2aﾀ"),
    text(121, 550, 5, "=4a-1"),
    WAIT,
}};

const std::array<PageRow, 11> ANSWERS2_PAGE_ONE_RIGHT{{
    text(560, 30, 3, "(3)"),
    text(641, 30, 0, " (6ax+3ay)/(-3a)"),
    text(641, 100, 0, "=(6ax+3ay)*ﾀ1/-3aﾀ"),
    text(641, 170, 0, "=ﾀ6ax/-3aﾀ+ﾀ3ay/-3aﾀ"),
    text(641, 230, 5, "=-2x-y"),
    WAIT,
    text(560, 300, 3, "(4)"),
    text(641, 300, 0, " (-12a^2b+4ab^2)/(-4ab)"),
    text(641, 370, 0, "=ﾀ-12a^2b/-4abﾀ+ﾀ4ab^2/-4abﾀ"),
    text(641, 430, 5, "=3a-b"),
    WAIT,
}};

const std::array<PageRow, 14> ANSWERS2_PAGE_TWO_LEFT{{
    CLEAR,
    text(121, 30, 3, "問2 解答"),
    text(40, 90, 3, "(5)"),
    text(121, 90, 0, " (6xy-4xy^2)/ﾀ2/5ﾀy"),
    text(121, 160, 0, "=(6xy-4xy^2)*ﾀ5/2yﾀ"),
    text(121, 230, 0, "=6xy*ﾀ5/2yﾀ-4xy^2*ﾀ5/2yﾀ"),
    text(121, 290, 5, "=15x-10xy"),
    WAIT,
    text(40, 360, 3, "(6)"),
    text(121, 360, 0, " (-10x^2+x)/ﾀx/2ﾀ"),
    text(121, 430, 0, "=(-10x^2+x)*ﾀ2/xﾀ"),
    text(121, 500, 0, "=-10x^2*ﾀ2/xﾀ+x*ﾀ2/xﾀ"),
    text(121, 560, 5, "=-20x+2"),
    WAIT,
}};

const std::array<PageRow, 11> ANSWERS2_PAGE_TWO_RIGHT{{
    text(560, 90, 3, "(7)"),
    text(641, 90, 0, " (3x^2+6xy)/(-ﾀ3/4ﾀx)"),
    text(641, 160, 0, "=(3x^2+6xy)*(-ﾀ4/3xﾀ)"),
    text(641, 230, 0, "=3x^2*(-ﾀ4/3xﾀ)+6xy*(-ﾀ4/3xﾀ)"),
    text(641, 290, 5, "=-4x-8y"),
    WAIT,
    text(560, 360, 3, "(8)"),
    text(641, 360, 0, " (15x^2y-9xy^2)/ﾀ3/2ﾀxy"),
    text(641, 430, 0, "=(15x^2y-9xy^2)*ﾀ2/3xyﾀ"),
    text(641, 500, 0, "=15x^2y*ﾀ2/3xyﾀ-9xy^2*ﾀ2/3xyﾀ"),
    text(641, 560, 5, "=10x-6y"),
}};

namespace {

// The layout cursor of a column: labels at x, texts 81 px right of them, from the top line 30.
void column(float x) {
  XI0 = x;
  XI1 = XI0 + 81;
  YI1 = 30;
}

}  // namespace

void ANSWERSMONODIV() {
  common::clearScene();
  column(40);
  FE_SETDRAWWIDTH(5);
  common::drawPage(ANSWERS2_PAGE_ONE_LEFT);
  column(560);
  common::drawPage(ANSWERS2_PAGE_ONE_RIGHT);
  column(40);
  common::drawPage(ANSWERS2_PAGE_TWO_LEFT);
  column(560);
  common::drawPage(ANSWERS2_PAGE_TWO_RIGHT);
}

}  // namespace corvale
