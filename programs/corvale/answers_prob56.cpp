// Scenes 7 and 10 of section 3: the answers of textbook problems 5 and 6. In problem 5 four
// numbered arcs join the terms of each product that are multiplied together; problem 6
// multiplies the second factor by each term of the first.
#include <string>
#include <vector>

#include "answers_polymul.h"
#include "engine/engine.h"
#include "globals.h"
#include "polymul.h"
#include "programs/common/scene.h"
#include "term_arcs.h"

namespace corvale {

using namespace common::page_rows;

const std::array<ArcAnswer, 4> PROB5_ITEMS{{
    {"(1)", {"3a+", "2b)(", "2a+", "3b)"}, "=6a^2+9ab+4ab+6b^2", "=6a^2+13ab+6b^2"},
    {"(2)", {"9a-", "2b)(", "5a+", "6b)"}, "=45a^2+54ab-10ab-12b^2", "=45a^2+44ab-12b^2"},
    {"(3)", {"7x+", "4y)(", "x-", "5y)"}, "=7x^2-35xy+4xy-20y^2", "=7x^2-31xy-20y^2"},
    {"(4)", {"2x-", "3y)(", "8x-", "y)"}, "=16x^2-2xy-24xy+3y^2", "=16x^2-26xy+3y^2"},
}};

// Items (1) and (2) on page 1, (3) and (4) on page 2 under the title again; an item per key.
const std::array<PageRow, 29> PROB6_PAGES{{
    CLEAR,
    text(94, 30, 7, "問6の解答"),
    WAIT,
    text(40, 80, 3, "(1)"),
    text(94, 80, 0, " (a+1)(a+b-1)"),
    text(94, 130, 0, "=a(a+b-1)+(a+b-1)"),
    text(94, 180, 0, "=a^2+ab-a+a+b-1"),
    text(94, 230, 5, "=a^2+ab+b-1"),
    WAIT,
    text(40, 300, 3, "(2)"),
    text(94, 300, 0, " (a+2b)(2a+b+1)"),
    text(94, 350, 0, "=a(2a+b+1)+2b(2a+b+1)"),
    text(94, 400, 0, "=2a^2+ab+a+4ab+2b^2+2b"),
    text(94, 450, 0, "=2a^2+ab+4ab+2b^2+a+2b"),
    text(94, 500, 5, "=2a^2+5ab+2b^2+a+2b"),
    WAIT,
    CLEAR,
    text(94, 30, 7, "問6の解答"),
    text(40, 80, 3, "(3)"),
    text(94, 80, 0, " (x+2y-1)(2x-y)"),
    text(94, 130, 0, "=x(2x-y)+2y(2x-y)-(2x-y)"),
    text(94, 180, 0, "=2x^2-xy+4xy-2y^2-2x+y"),
    text(94, 230, 5, "=2x^2+3xy-2y^2-2x+y"),
    WAIT,
    text(40, 300, 3, "(4)"),
    text(94, 300, 0, " (x-y+3)(3x-2y)"),
    text(94, 350, 0, "=x(3x-2y)-y(3x-2y)+3(3x-2y)"),
    text(94, 400, 0, "=3x^2-2xy-3xy+2y^2+9x-6y"),
    text(94, 450, 5, "=3x^2-5xy+2y^2+9x-6y"),
}};

namespace {

// An item of problem 5 with its label line at y: the product with its arcs, the partial
// products 100 px under it and the result 50 px further.
void arcAnswer(const ArcAnswer& item, float y) {
  common::textLine(XI0, y, 3, item.label);
  common::textLine(XI1, y, 0, " (");
  anchoredPieces(std::vector<std::string>(item.pieces.begin(), item.pieces.end()));
  for (const TermArc& arc : NUMBERED_ARCS) drawTermArc(arc);
  common::textLine(XI1, y + 100, 0, item.expansion);
  common::textLine(XI1, y + 150, 5, item.result);
}

}  // namespace

void ANSWERSPROB5() {
  common::clearScene();
  XI0 = 40;
  XI1 = XI0 + 54;
  YI1 = 30;
  common::textLine(XI1, YI1, 7, "問5の解答");
  STEPWAIT();
  arcAnswer(PROB5_ITEMS[0], YI1 + 120);
  STEPWAIT();
  arcAnswer(PROB5_ITEMS[1], YI1 + 120);
  STEPWAIT();
  // The right column starts higher, and further right of its labels.
  XI0 = 640;
  XI1 = XI0 + 81;
  YI1 = 30;
  arcAnswer(PROB5_ITEMS[2], YI1 + 60);
  STEPWAIT();
  arcAnswer(PROB5_ITEMS[3], YI1 + 120);
}

void ANSWERSPROB6() {
  XI0 = 40;
  XI1 = XI0 + 54;
  common::drawPage(PROB6_PAGES);
}

}  // namespace corvale
