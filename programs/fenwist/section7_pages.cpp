// The answer pages of the exercises on page 27. Every page is drawn on one frame: the cleared
// window, the heading box "練習問題(P27)" and the exercise's number in a small box; then its
// items, label in colour 3, problem in colour 0, working lines in colour 0, substitution notes in
// colour 3 and the answer in colour 5, in two columns.
#include <span>

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/page.h"
#include "programs/common/scene.h"
#include "section7.h"

namespace fenwist {
namespace {

using namespace common::page_rows;

// The window cleared and the heading box at (94,30), in the left column.
void frame() {
  common::clearScene();
  XI0 = 40;
  XI1 = XI0 + 54;
  YI1 = 30;
  common::formulaBoxLine(XI1, YI1, {360, 46, 0, 3, 13}, "練習問題(P27)");
}

// The exercise's number in its box at (x, y).
void numberBox(float x, float y, const char* digit) { common::formulaBoxLine(x, y, {40, 44, 13, 4, 3}, digit); }

// Moves the layout cursor's columns to the page's right-hand column, where every page ends.
void rightColumn(float labelX) {
  XI0 = labelX;
  XI1 = XI0 + 54;
}

constexpr PageRow EXERCISE1[] = {
    text(40, 140, 3, "(1)"), after(0, "mx-my"), after(5, "=m(x-y)"),
    text(40, 200, 3, "(2)"), after(0, "2ab-4b^2"), text(94, 250, 5, "=2b(a-2b)"),
    text(40, 310, 3, "(3)"), after(0, "axy+ay+a"), text(94, 360, 5, "=a(xy+y+1)"),
    text(40, 420, 3, "(4)"), after(0, "-14a^2-21ab+7a"), text(94, 470, 5, "=-7a(2a+3b-1)"),
    text(40, 530, 3, "(5)"), after(0, "18a^2b-12ab"), text(94, 580, 5, "=6ab(3a-2)"),
    text(494, 30, 3, "(6)"), after(0, "4abc+16ab-8bc"), text(548, 80, 5, "=4b(ac+4a-2c)"),
};

// Items (4) and (5) rewrite the problem as a difference of two squares on its own line.
constexpr PageRow EXERCISE2[] = {
    after(3, "(1)"), after(0, "x^2+10x+25"), after(5, "=(x+5)^2"),
    text(494, 190, 3, "(2)"), after(0, "a^2-14a+49"), after(5, "=(a-7)^2"),
    text(494, 250, 3, "(3)"), after(0, "x^2-64"), after(5, "=(x+8)(x-8)"),
    text(494, 310, 3, "(4)"), after(0, "25a^2-16b^2=(5a)^2-(4b)^2"), text(548, 360, 5, "=(5a+4b)(5a-4b)"),
    text(494, 420, 3, "(5)"), after(0, "4a^2-1=(2a)^2-1^2"), text(548, 470, 5, "=(2a+1)(2a-1)"),
    text(494, 530, 3, "(6)"), after(0, "y^2+12y+36"), text(548, 580, 5, "=(y+6)^2"),
};

constexpr PageRow EXERCISE3[] = {
    text(40, 100, 3, "(1)"), after(0, "x^2+4x+3"), text(94, 150, 5, "=(x+1)(x+3)"),
    text(40, 210, 3, "(2)"), after(0, "x^2+x-2"), text(94, 260, 5, "=(x-1)(x+2)"),
    text(40, 320, 3, "(3)"), after(0, "x^2-x-6"), text(94, 370, 5, "=(x+2)(x-3)"),
    text(40, 430, 3, "(4)"), after(0, "x^2-3x-18"), text(94, 480, 5, "=(x+3)(x-6)"),
    text(494, 90, 3, "(5)"), after(0, "x^2+5x-14"), text(548, 140, 5, "=(x+7)(x-2)"),
    text(494, 200, 3, "(6)"), after(0, "x^2-6x-16"), text(548, 250, 5, "=(x+2)(x-8)"),
};

// Item (3) goes through the square formula; (5) and (6) are first put in descending powers.
constexpr PageRow EXERCISE4[] = {
    text(40, 100, 3, "(1)"), after(0, "x^2-8x+12"), text(94, 150, 5, "=(x-2)(x-6)"),
    text(40, 210, 3, "(2)"), after(0, "a^2+2a-3"), text(94, 260, 5, "=(a+3)(a-1)"),
    text(40, 320, 3, "(3)"), after(0, "36y^2+84y+49"), text(94, 370, 0, "=(6y)^2+2*7*6y+7^2"),
    text(94, 420, 5, "=(6y+7)^2"),
    text(600, 90, 3, "(4)"), after(0, "100-20y+y^2"), text(654, 140, 5, "=(10-y)^2"),
    text(600, 200, 3, "(5)"), after(0, "28-16a+a^2"), text(654, 250, 0, "=a^2-16a+28"),
    text(654, 300, 5, "=(a-2)(a-14)"),
    text(600, 370, 3, "(6)"), after(0, "-2x-3+x^2"), text(654, 420, 0, "=x^2-2x-3"),
    text(654, 470, 5, "=(x+1)(x-3)"),
};

// Items (1) to (3) take out the common factor and then use a formula; (4) to (6) put M for the
// repeated binomial. Item (4) is split: its problem closes the left column, its solution opens the
// right one, level with the heading.
constexpr PageRow EXERCISE5[] = {
    text(40, 100, 3, "(1)"), after(0, "4x^2-12x-40"), text(94, 150, 0, "=4(x^2-3x-10)"),
    text(94, 200, 5, "=4(x+2)(x-5)"),
    text(40, 260, 3, "(2)"), after(0, "-3ax^2+6ax-3a"), text(94, 310, 0, "=-3a(x^2-2x+1)"),
    text(94, 360, 5, "=-3a(x-1)^2"),
    text(40, 420, 3, "(3)"), after(0, "x^2y-y"), text(94, 470, 0, "=y(x^2-1)"),
    text(94, 520, 5, "=y(x+1)(x-1)"),
    text(40, 580, 3, "(4)"), after(0, "a(x+y)-3(x+y)"),
    text(774, 30, 3, "x+y=M とおくと"), text(654, 80, 0, "=aM-3M"), after(0, "=M(a-3)"),
    text(654, 130, 5, "=(x+y)(a-3)"),
    text(600, 190, 3, "(5)"), after(0, "(a+b)^2-4(a+b)+4"), text(774, 240, 3, "a+b=M とおくと"),
    text(654, 290, 0, "=M^2-4M+4"), after(0, "=(M-2)^2"), text(654, 340, 5, "=(a+b-2)^2"),
    text(600, 410, 3, "(6)"), after(0, "(a-b)^2-c^2"), text(774, 460, 3, "a-b=M とおくと"),
    text(654, 510, 0, "=M^2-c^2"), after(0, "=(M+c)(M-c)"), text(654, 560, 5, "=(a-b+c)(a-b-c)"),
};

// A page of one exercise: its number box on the heading's line, 20 px right of the heading box.
void exercisePage(const char* digit, std::span<const PageRow> items, float rightLabelX) {
  frame();
  numberBox(XI2 + 20, YI1, digit);
  common::drawPage(items);
  rightColumn(rightLabelX);
}

}  // namespace

void EXERCISE12ANSWERS() {
  frame();
  numberBox(XI0, YI1 + 60, "1");
  common::drawPage(EXERCISE1);
  rightColumn(XI1 + 400);
  STEPWAIT();
  numberBox(XI0, YI1 + 50, "2");
  common::drawPage(EXERCISE2);
}

void EXERCISE3ANSWERS() { exercisePage("3", EXERCISE3, 494); }

void EXERCISE4ANSWERS() { exercisePage("4", EXERCISE4, 600); }

void EXERCISE5ANSWERS() { exercisePage("5", EXERCISE5, 600); }

}  // namespace fenwist
