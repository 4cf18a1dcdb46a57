// Items 2, 3 and 5 of section 1: the two summaries and the explanation of common factors.
#include <initializer_list>

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/page.h"
#include "programs/common/scene.h"
#include "rect_figures.h"
#include "section1.h"

namespace fenwist {
namespace {

using namespace common::page_rows;

// --- First summary ------------------------------------------------------------------------------

constexpr PageRow SUMMARY1_HEAD[] = {
    text(88, 22, 3, "<まとめ>"),
    text(44, 97, 0, "1 "),
    after(5, "因数分解"),
    after(0, "…多項式をいくつかの因数の積で表すこと"),
    text(440, 157, 5, "因数分解 "),
    text(132, 217, 0, "x^2+5x+6 "),
};

// Under the arrows: the labels, and "面積" and "式" under the two expressions.
constexpr PageRow SUMMARY1_LABELS[] = {
    text(440, 277, 5, "　展開"),
    text(264, 277, 9, "面積"),
    after(9, "式", 418),
};

constexpr PageRow SUMMARY1_FOOT[] = {
    text(44, 352, 0, "2 "),
    after(5, "因数"),
    after(0, "…かけ算で表したとき、かけられている数・文字式"),
    text(132, 422, 3, "x^2+5x+6の因数は、 x+2 と x+3 "),
    text(132, 492, 0, "2abの因数は、2,a,b,2aなど"),
    text(132, 562, 9, "面積と縦・横の長さ"),
};

// A horizontal arrow from x 440 to 616 on the line y, colour 11: muki -1 puts its head at the
// left end, 1 at the right end.
void arrow(float y, float muki) {
  ZX0 = 440;
  ZY0 = y;
  ZX = 616;
  ZY = y;
  MUKI = muki;
  NAGASA = 16;
  CCC2 = 11;
  ARROW();
}

// --- Common factors -----------------------------------------------------------------------------

// Page 1: 2a(2x+3) = 4ax+6a on two rectangles, and what a common factor is.
constexpr PageRow EXPAND_TASK[] = {
    CLEAR,
    text(22, 30, 0, "問 次の式を展開しなさい。"),
    text(88, 90, 0, "2a(2x+3)="),
    WAIT,
};

constexpr PageRow COMMON_DEFINITION[] = {
    after(0, "4ax+6a"),
    WAIT,
    text(88, 150, 3, "2aは4axの因数"),
    WAIT,
    after(0, " (4ax=2a*2x だから)"),
    WAIT,
    text(88, 210, 9, "2aは6aの因数"),
    WAIT,
    after(0, " (6a=2a*3 だから)"),
    WAIT,
    text(22, 270, 3, "3 共通因数"),
    WAIT,
    text(88, 330, 0, "2aは、4axの因数であり、6aの因数でもある。"),
    text(88, 390, 0, "2aのように、各項に共通な因数を"),
    after(5, "共通因数"),
    after(0, "という。"),
    WAIT,
    text(528, 480, 3, "共通因数がわかれば、因数分解できる。"),
    WAIT,
};

// Page 2: finding the common factor of 3ax-6ay.
constexpr PageRow FIND_TASK[] = {
    CLEAR,
    text(44, 30, 3, "共通因数"),
    after(0, "…各項に共通な因数"),
    WAIT,
    text(22, 100, 0, "問 共通因数をいいなさい。"),
    text(110, 160, 0, "3ax-6ay"),
    WAIT,
    after(5, "3a", 132),
    WAIT,
    text(66, 220, 3, "<共通因数のさがし方>"),
    WAIT,
    text(110, 280, 7, "① 各項を約数と文字の積で表す。"),
};

// A row of texts in colour 0 from (x, y), each continuing the one before. Every second text (the
// second, the fourth, ...) is a character that a later step highlights: their left x go to X()
// from element `first` on.
void pieces(float x, float y, std::initializer_list<const char*> texts, float first) {
  XI2 = x;
  YI1 = y;
  bool remembered = false;
  float element = first;
  for (const char* text : texts) {
    if (remembered) X_A(element++) = XI2;
    common::textAfter(0, text);
    remembered = !remembered;
  }
}

// Draws the character again over itself at its remembered place, in colour 5.
void highlight(float x, float y, const char* text) { common::textAt(x, y, 5, text); }

// --- Second summary -----------------------------------------------------------------------------

constexpr PageRow SUMMARY2_HEAD[] = {
    CLEAR,
    text(88, 22, 5, "<共通因数をくくりだす因数分解>"),
    text(132, 97, 0, "12x^2-18x="),
};

}  // namespace

void SUMMARY1() {
  common::eraseBox(0, 0, 1320, 1500);
  common::drawPage(SUMMARY1_HEAD);
  // Factorising goes from the sum to the product, expanding comes back: the upper arrow, under
  // "因数分解", points right to (x+2)(x+3), the lower one, above "展開", left to x^2+5x+6.
  FE_SETDRAWWIDTH(15);
  arrow(225, 1);
  arrow(253, -1);
  FE_SETDRAWWIDTH(5);
  common::drawPage(SUMMARY1_LABELS);
  common::textLine(XI2 - 132, 217, 0, "(x+2)(x+3)");
  common::drawPage(SUMMARY1_FOOT);
}

void COMMONFACTORS() {
  XI1 = 88;
  common::drawPage(EXPAND_TASK);
  common::eraseBox(0, 155, 1320, 1300);
  XI3 = 220;
  YI3 = 500;
  F_S_A(1) = "2a";
  F_S_A(2) = "2x";
  F_S_A(3) = "4ax";
  F_S_A(4) = "2a";
  F_S_A(5) = "3";
  F_S_A(6) = "6a";
  RECT2FIG();
  STEPWAIT();
  common::drawPage(COMMON_DEFINITION);

  XI1 = 110;
  common::drawPage(FIND_TASK);
  Y1 = 340;
  pieces(198, Y1, {"3ax=", "3", "*", "a", "*x"}, 1);
  Y2 = 400;
  pieces(198, Y2, {"6ay=2*", "3", "*", "a", "*y"}, 3);
  STEPWAIT();
  common::textLine(110, 460, 7, "② 共通な数と文字を取りだす。");
  STEPWAIT();
  highlight(X_A(1), Y1, "3");
  highlight(X_A(2), Y1, "a");
  highlight(X_A(3), Y2, "3");
  highlight(X_A(4), Y2, "a");
  STEPWAIT();
  common::textLine(198, 520, 3, "3*a=3a");
}

void SUMMARY2() {
  XI1 = 44;
  common::drawPage(SUMMARY2_HEAD);
  X1 = XI2;
  Y1 = YI1;
  common::textLine(44, 172, 3, "①　共通因数をみつける");
  X4 = XI2 + 88;
  Y4 = YI1;
  STEPWAIT();
  Y2 = 232;
  pieces(132, Y2, {"12x^2=", "2", "*2*", "3", "*", "x", "*x"}, 1);
  Y3 = 292;
  pieces(132, Y3, {"18x=", "2", "*", "3", "*3*", "x"}, 4);
  STEPWAIT();
  highlight(X_A(1), Y2, "2");
  highlight(X_A(2), Y2, "3");
  highlight(X_A(3), Y2, "x");
  highlight(X_A(4), Y3, "2");
  highlight(X_A(5), Y3, "3");
  highlight(X_A(6), Y3, "x");
  STEPWAIT();
  common::textLine(X4, Y4, 3, "2*3*x=");
  common::textAfter(5, "6x");
  STEPWAIT();
  common::textLine(X1, Y1, 5, "6x(");
  X1 = XI2;
  STEPWAIT();
  common::textLine(44, 367, 5, "②　( )の中をみつける");
  X5 = XI2 + 132;
  Y5 = YI1;
  common::textLine(132, 427, 0, "各項を共通因数でわる");
  STEPWAIT();
  common::textLine(X5, Y5, 0, "12x^2/6x=");
  common::textAfter(5, "2x");
  STEPWAIT();
  common::textLine(X5, Y5 + 60, 0, "-18x/6x=");
  common::textAfter(5, "-3");
  STEPWAIT();
  common::textLine(X1, Y1, 5, "2x-3)");
  STEPWAIT();
  common::textLine(44, 570, 3, "教科書 問1　をしなさい。");
}

}  // namespace fenwist
