// Item 2 of section 2: the answers to textbook problem 2, four differences of two squares
// factorised step by step in two columns.
#include "engine/engine.h"
#include "globals.h"
#include "programs/common/page.h"
#include "section2.h"

namespace fenwist {
namespace {

using namespace common::page_rows;

constexpr PageRow PAGE[] = {
    CLEAR,
    text(40, 30, 3, "問2 解答"),
    WAIT,
    text(40, 90, 0, "(1)x^2-y^2"),
    text(94, 140, 5, "=(x+y)(x-y)"),
    WAIT,
    text(40, 210, 0, "(2)x^2-16"),
    text(94, 260, 0, "=x^2-4^2"),
    text(94, 310, 5, "=(x+4)(x-4)"),
    WAIT,
    text(600, 30, 0, "(3)9x^2-1"),
    text(654, 80, 0, "=(3x)^2-1^2"),
    text(654, 130, 5, "=(3x+1)(3x-1)"),
    WAIT,
    text(600, 200, 0, "(4)49x^2-36y^2"),
    text(654, 250, 0, "=(7x)^2-(6y)^2"),
    text(654, 300, 5, "=(7x+6y)(7x-6y)"),
};

}  // namespace

void PROBLEM2ANSWERS() {
  common::drawPage(PAGE);
  // The page ends in its right column, and the layout cursor stays there.
  XI0 = 600;
  XI1 = XI0 + 54;
}

}  // namespace fenwist
