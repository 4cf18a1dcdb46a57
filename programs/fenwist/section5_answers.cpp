// Item 2 of section 5: the answers to textbook problem 10, each polynomial with its common factor
// taken out and then factorised by a formula, in two columns.
#include "engine/engine.h"
#include "globals.h"
#include "programs/common/page.h"
#include "section5.h"

namespace fenwist {
namespace {

using namespace common::page_rows;

constexpr PageRow PAGE[] = {
    CLEAR,
    text(40, 30, 3, "問10の解答"),
    text(40, 105, 0, "(1)5x^2-45"),
    text(94, 180, 0, "=5(x^2-9)"),
    text(94, 255, 5, "=5(x+3)(x-3)"),
    WAIT,
    text(40, 330, 0, "(2)3ax^2+12ax+12a"),
    text(94, 405, 0, "=3a(x^2+4x+4)"),
    text(94, 480, 5, "=3a(x+2)^2"),
    WAIT,
    text(600, 105, 0, "(3)2bx^2-4bx-16b"),
    text(654, 180, 0, "=2b(x^2-2x-8)"),
    text(654, 255, 5, "=2b(x+2)(x-4)"),
    WAIT,
    text(600, 330, 0, "(4)4a^2b-bx^2"),
    text(654, 405, 0, "=b(4a^2-x^2)"),
    text(654, 480, 5, "=b(2a+x)(2a-x)"),
};

}  // namespace

void PROBLEM10ANSWERS() {
  common::drawPage(PAGE);
  // The page ends in its right column, and the layout cursor stays there.
  XI0 = 600;
  XI1 = XI0 + 54;
}

}  // namespace fenwist
