// Item 6 of section 1: the answers to textbook problem 1, in three columns of two items. Each item
// is its polynomial, the factorised form, and one line per term: the term as the common factor
// times the remaining factor, which stands out in colour 3.
#include "engine/engine.h"
#include "globals.h"
#include "programs/common/page.h"
#include "section1.h"

namespace fenwist {
namespace {

using namespace common::page_rows;

constexpr PageRow PAGE[] = {
    CLEAR,
    text(40, 30, 3, "問1 解答"),
    WAIT,
    text(40, 90, 0, "(1)ab-ac"),
    text(94, 140, 5, "=a(b-c)"),
    text(94, 190, 0, "ab=a*"), after(3, "b"),
    text(94, 240, 0, "ac=a*"), after(3, "c"),
    WAIT,
    text(40, 310, 0, "(2)4ax-2a"),
    text(94, 360, 5, "=2a(2x-1)"),
    text(94, 410, 0, "4ax=2a*"), after(3, "2x"),
    text(94, 460, 0, "2a=2a*"), after(3, "1"),
    WAIT,
    text(400, 30, 0, "(3)2ax+3ay"),
    text(454, 80, 5, "=a(2x+3y)"),
    text(454, 130, 0, "2ax=a*"), after(3, "2x"),
    text(454, 180, 0, "3ay=a*"), after(3, "3y"),
    text(400, 250, 0, "(4)8a^2b-4b^2"),
    text(454, 300, 5, "=4b(2a^2-b)"),
    text(454, 350, 0, "8a^2b=4b*"), after(3, "2a^2"),
    text(454, 400, 0, "4b^2=4b*"), after(3, "b"),
    WAIT,
    text(800, 30, 0, "(5)a^2b-ab^2"),
    text(854, 80, 5, "=ab(a-b)"),
    text(854, 130, 0, "a^2b=ab*"), after(3, "a"),
    text(854, 180, 0, "ab^2=ab*"), after(3, "b"),
    text(800, 250, 0, "(6)ax+bx+cx"),
    text(854, 300, 5, "=x(a+b+c)"),
    text(854, 350, 0, "ax=x*"), after(3, "a"),
    text(854, 400, 0, "bx=x*"), after(3, "b"),
    text(854, 450, 0, "cx=x*"), after(3, "c"),
};

}  // namespace

void PROBLEM1ANSWERS() {
  common::drawPage(PAGE);
  // The page ends in its third column, and the layout cursor stays there.
  XI0 = 800;
  XI1 = XI0 + 54;
}

}  // namespace fenwist
