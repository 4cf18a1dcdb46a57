// Items 2, 4 and 5 of section 3: the answer pages of textbook problems 3, 4 and 5, revealed item
// by item in two columns.
#include <span>

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/page.h"
#include "section3.h"

namespace fenwist {
namespace {

using namespace common::page_rows;

// Problem 3: each item is its trinomial, its rewriting and its square, drawn together.
constexpr PageRow PROBLEM3[] = {
    CLEAR,
    text(40, 30, 3, "問3 解答"),
    WAIT,
    text(40, 90, 0, "(1)x^2+2x+1"),
    text(94, 140, 0, "=x^2+2*x*1+1^2"),
    text(94, 190, 5, "=(x+1)^2"),
    WAIT,
    text(40, 260, 0, "(2)x^2-4x+4"),
    text(94, 310, 0, "=x^2-2*x*2+2^2"),
    text(94, 360, 5, "=(x-2)^2"),
    WAIT,
    text(600, 30, 0, "(3)x^2+14x+49"),
    text(654, 80, 0, "=x^2+2*x*7+7^2"),
    text(654, 130, 5, "=(x+7)^2"),
    WAIT,
    text(600, 200, 0, "(4)x^2-12x+36"),
    text(654, 250, 0, "=x^2-2*x*6+6^2"),
    text(654, 300, 5, "=(x-6)^2"),
};

// Problem 4, drawn like problem 3, ends with the pointer to problem 5.
constexpr PageRow PROBLEM4[] = {
    CLEAR,
    text(40, 30, 3, "問4 解答"),
    WAIT,
    text(40, 90, 0, "(1)4x^2-12x+9"),
    text(94, 140, 0, "=(2x)^2-2*2x*3+3^2"),
    text(94, 190, 5, "=(2x-3)^2"),
    WAIT,
    text(40, 260, 0, "(2)16y^2+40y+25"),
    text(94, 310, 0, "=(4y)^2+2*4y*5+5^2"),
    text(94, 360, 5, "=(4y+5)^2"),
    WAIT,
    text(600, 30, 0, "(3)9a^2-6ab+b^2"),
    text(654, 80, 0, "=(3a)^2-2*3a*b+b^2"),
    text(654, 130, 5, "=(3a-b)^2"),
    WAIT,
    text(600, 200, 0, "(4)4t^2-20t+25"),
    text(654, 250, 0, "=(2t)^2-2*2t*5+5^2"),
    text(654, 300, 5, "=(2t-5)^2"),
    WAIT,
    text(120, 570, 7, "教科書 問5　をしなさい。"),
};

// Problem 5: the two missing numbers of each identity, found one relation at a time. The
// blanks ① and ② stand out in colour 3; the values follow their relations in colour 5.
constexpr PageRow PROBLEM5[] = {
    CLEAR,
    text(40, 30, 3, "問5 解答"),
    WAIT,
    text(40, 90, 0, "(1)x^2－"), after(3, "①"), after(0, "x+9=(x-"), after(3, "②"), after(0, ")^2"),
    WAIT,
    text(94, 140, 0, "②^2=9 "),
    WAIT,
    after(5, "②=3"),
    WAIT,
    text(94, 190, 0, "①=2*②  "),
    WAIT,
    after(5, "①=6"),
    WAIT,
    text(40, 260, 0, "(2)4x^2+"), after(3, "①"), after(0, "x+1=("), after(3, "②"), after(0, "x+1)^2"),
    WAIT,
    text(94, 310, 0, "②^2=4 "),
    WAIT,
    after(5, "②=2"),
    WAIT,
    text(94, 360, 0, "①=2*②  "),
    WAIT,
    after(5, "①=4"),
    WAIT,
    text(600, 30, 0, "(3)x^2-16x+"), after(3, "①"), after(0, "=(x-"), after(3, "②"), after(0, ")^2"),
    WAIT,
    text(654, 80, 0, "2*②*x=16x "),
    WAIT,
    after(5, "②=8"),
    WAIT,
    text(654, 130, 0, "①=②^2  "),
    WAIT,
    after(5, "①=64"),
};

// Every page ends in its right column, and the layout cursor stays there.
void drawAnswerPage(std::span<const PageRow> rows) {
  common::drawPage(rows);
  XI0 = 600;
  XI1 = XI0 + 54;
}

}  // namespace

void PROBLEM3ANSWERS() { drawAnswerPage(PROBLEM3); }
void PROBLEM4ANSWERS() { drawAnswerPage(PROBLEM4); }
void PROBLEM5ANSWERS() { drawAnswerPage(PROBLEM5); }

}  // namespace fenwist
