// Item 1 of section 1: expanding and factorising are inverse steps; factors are the sides of a
// rectangle whose area is the product.
#include "engine/engine.h"
#include "globals.h"
#include "programs/common/area_diagram.h"
#include "programs/common/scene.h"
#include "rect_figures.h"
#include "section1.h"

namespace fenwist {
namespace {

// Every page starts on a cleared window with the cursor at the left margin 66, line 30.
void newPage() {
  common::clearScene();
  XI1 = 66;
  YI1 = 30;
}

// The product diagram of (x+2)(x+3) with its cells empty and the trinomial written across it,
// in yellow: the big cell is painted in colour 3, so red text there could not be seen.
void emptyProductDiagram() {
  XI3 = 792;
  YI3 = 325;
  F_S_A(1) = "x";
  F_S_A(2) = "2";
  F_S_A(3) = "3";
  for (const float n : {4.0f, 5.0f, 6.0f, 7.0f, 8.0f}) F_S_A(n) = "";
  common::PRODUCTAREA();
  common::textAt(XI3 + 110, YI3 + 120, 13, "x^2+5x+6");
}

// Page 1: (x+2)(x+3) expanded, x^2+5x+6 factorised, and what each means on the diagram.
void inverseSteps() {
  newPage();
  common::textLine(XI1 - 44, YI1, 0, "① 次の式を");
  common::textAfter(5, "展開");
  common::textAfter(0, "しなさい。");
  X1 = XI2;
  Y1 = YI1;
  common::textLine(XI1 + 264, YI1 + 60, 0, "(x+2)(x+3)=");
  STEPWAIT();
  common::textAfter(0, "x^2+5x+6");
  STEPWAIT();
  common::textLine(XI1 - 44, YI1 + 60, 0, "② 次の式を");
  common::textAfter(5, "因数分解");
  common::textAfter(0, "しなさい。");
  X2 = XI2;
  Y2 = YI1;
  common::textLine(XI1 + 264, YI1 + 60, 0, "x^2+5x+6=");
  STEPWAIT();
  common::textAfter(0, "(x+2)(x+3)");
  Y11 = YI1;
  STEPWAIT();
  common::textAt(X1 + 44, Y1, 3, "積→和");
  common::textAt(X2 + 44, Y2, 3, "和→積");
  STEPWAIT();
  emptyProductDiagram();
  STEPWAIT();
  common::textLine(XI1, Y11 + 60, 3, "図では");
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 5, "展開");
  common::textAfter(0, "………式から面積を求めること");
  common::textLine(XI1, YI1 + 60, 5, "因数分解");
  common::textAfter(0, "…面積から式を求めること");
  STEPWAIT();
  common::textLine(XI1, YI1 + 70, 3, "(縦と横の長さをみつけること）");
  STEPWAIT();
  STEPWAIT();
}

// Page 2: the factors of x^2+5x+6 are the sides of the rectangle.
void factorsAsSides() {
  newPage();
  common::textLine(XI1 + 132, YI1, 0, "x^2+5x+6=(x+2)(x+3)");
  common::textLine(XI1 - 44, YI1 + 60, 0, "③ x^2+5x+6の");
  common::textAfter(5, "因数");
  common::textAfter(0, "をいいなさい。");
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 3, " x+2 と x+3 ");
  common::textAfter(7, " (かけられている数・文字式)");
  Y11 = YI1;
  STEPWAIT();
  emptyProductDiagram();
  STEPWAIT();
  common::textLine(XI1, Y11 + 90, 3, "図では");
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 5, "因数");
  common::textAfter(0, "…縦、横の長さのこと");
  STEPWAIT();
  STEPWAIT();
}

// Where a later rectangle clears the page from: the top of the earlier rectangle's width label
// (its glyphs start at y 365), so no stroke of the old label is left above the new one. The text
// lines above end well before it.
constexpr float RECTANGLE_CLEAR_Y = 360;

// Clears the lower part of the page (the rectangle and its product line go, the text lines above
// stay) unless it is the first rectangle, then draws the rectangle with the sides and area given
// and its product line beside it, leaving the cursor where it was.
void rectangle(bool first, const char* height, const char* width, const char* area, const char* product) {
  if (!first) common::eraseBox(0, RECTANGLE_CLEAR_Y, 1320, 1300);
  XI3 = 220;
  YI3 = 425;
  F_S_A(1) = height;
  F_S_A(2) = width;
  F_S_A(3) = area;
  RECTFIG();
  common::textAt(XI3 + 308, YI3 + 44, 0, product);
  STEPWAIT();
}

// Page 3: the factors of 6 and of 2ab, read off rectangles of that area.
void factorsOfNumbers() {
  newPage();
  common::textLine(XI1, YI1, 5, "因数");
  common::textAfter(0, "…かけられている数・文字式");
  common::textAfter(7, " (図では、縦、横の長さ)");
  STEPWAIT();
  common::textLine(XI1 - 44, YI1 + 60, 0, "④ 6の因数をいいなさい。");
  STEPWAIT();
  rectangle(true, "1", "6", "6", "6=1*6");
  common::textLine(XI1 + 44, YI1 + 60, 3, "1,6");
  STEPWAIT();
  rectangle(false, "2", "3", "6", "6=2*3");
  common::textAfter(3, ",2,3");
  STEPWAIT();
  common::textLine(XI2 + 88, YI1, 7, "6の約数");
  STEPWAIT();
  common::textLine(XI1 - 44, YI1 + 60, 0, "⑤ 2abの因数をいいなさい。");
  STEPWAIT();
  rectangle(false, "2", "ab", "2ab", "2ab=2*ab");
  common::textLine(XI1 + 44, YI1 + 60, 3, "2,ab");
  STEPWAIT();
  rectangle(false, "a", "2b", "2ab", "2ab=a*2b");
  common::textAfter(3, ",a,2b");
  STEPWAIT();
  rectangle(false, "b", "2a", "2ab", "2ab=b*2a");
  common::textAfter(3, ",b,2a,…");
}

}  // namespace

void FACTORMEANING() {
  inverseSteps();
  factorsAsSides();
  factorsOfNumbers();
}

}  // namespace fenwist
