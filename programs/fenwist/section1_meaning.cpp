// Item 1 of section 1: expanding and factorising are inverse steps; factors are the sides of a
// rectangle whose area is the product.
#include "engine/engine.h"
#include "globals.h"
#include "programs/common/area_diagram.h"
#include "rect_figures.h"
#include "scene.h"
#include "section1.h"

namespace fenwist {
namespace {

// Every page starts on a cleared window with the cursor at the left margin 66, line 30.
void newPage() {
  clearScene();
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
  textAt(13, XI3 + 110, YI3 + 120, "x^2+5x+6");
}

// Page 1: (x+2)(x+3) expanded, x^2+5x+6 factorised, and what each means on the diagram.
void inverseSteps() {
  newPage();
  textLine(0, XI1 - 44, YI1, "① 次の式を");
  textAfter(5, "展開");
  textAfter(0, "しなさい。");
  X1 = XI2;
  Y1 = YI1;
  textLine(0, XI1 + 264, YI1 + 60, "(x+2)(x+3)=");
  STEPWAIT();
  textAfter(0, "x^2+5x+6");
  STEPWAIT();
  textLine(0, XI1 - 44, YI1 + 60, "② 次の式を");
  textAfter(5, "因数分解");
  textAfter(0, "しなさい。");
  X2 = XI2;
  Y2 = YI1;
  textLine(0, XI1 + 264, YI1 + 60, "x^2+5x+6=");
  STEPWAIT();
  textAfter(0, "(x+2)(x+3)");
  Y11 = YI1;
  STEPWAIT();
  textAt(3, X1 + 44, Y1, "積→和");
  textAt(3, X2 + 44, Y2, "和→積");
  STEPWAIT();
  emptyProductDiagram();
  STEPWAIT();
  textLine(3, XI1, Y11 + 60, "図では");
  STEPWAIT();
  textLine(5, XI1, YI1 + 60, "展開");
  textAfter(0, "………式から面積を求めること");
  textLine(5, XI1, YI1 + 60, "因数分解");
  textAfter(0, "…面積から式を求めること");
  STEPWAIT();
  textLine(3, XI1, YI1 + 70, "(縦と横の長さをみつけること）");
  STEPWAIT();
  STEPWAIT();
}

// Page 2: the factors of x^2+5x+6 are the sides of the rectangle.
void factorsAsSides() {
  newPage();
  textLine(0, XI1 + 132, YI1, "x^2+5x+6=(x+2)(x+3)");
  textLine(0, XI1 - 44, YI1 + 60, "③ x^2+5x+6の");
  textAfter(5, "因数");
  textAfter(0, "をいいなさい。");
  STEPWAIT();
  textLine(3, XI1, YI1 + 60, " x+2 と x+3 ");
  textAfter(7, " (かけられている数・文字式)");
  Y11 = YI1;
  STEPWAIT();
  emptyProductDiagram();
  STEPWAIT();
  textLine(3, XI1, Y11 + 90, "図では");
  STEPWAIT();
  textLine(5, XI1, YI1 + 60, "因数");
  textAfter(0, "…縦、横の長さのこと");
  STEPWAIT();
  STEPWAIT();
}

// Clears the lower part of the page from y (the rectangle and its product line go, the text
// lines above stay) unless it is the first rectangle, then draws the rectangle with the sides
// and area given and its product line beside it, leaving the cursor where it was.
void rectangle(float clearFrom, const char* height, const char* width, const char* area, const char* product) {
  if (clearFrom > 0) eraseBox(0, clearFrom, 1320, 1300);
  XI3 = 220;
  YI3 = 425;
  F_S_A(1) = height;
  F_S_A(2) = width;
  F_S_A(3) = area;
  RECTFIG();
  textAt(0, XI3 + 308, YI3 + 44, product);
  STEPWAIT();
}

// Page 3: the factors of 6 and of 2ab, read off rectangles of that area.
void factorsOfNumbers() {
  newPage();
  textLine(5, XI1, YI1, "因数");
  textAfter(0, "…かけられている数・文字式");
  textAfter(7, " (図では、縦、横の長さ)");
  STEPWAIT();
  textLine(0, XI1 - 44, YI1 + 60, "④ 6の因数をいいなさい。");
  STEPWAIT();
  rectangle(0, "1", "6", "6", "6=1*6");
  textLine(3, XI1 + 44, YI1 + 60, "1,6");
  STEPWAIT();
  rectangle(375, "2", "3", "6", "6=2*3");
  textAfter(3, ",2,3");
  STEPWAIT();
  textLine(7, XI2 + 88, YI1, "6の約数");
  STEPWAIT();
  textLine(0, XI1 - 44, YI1 + 60, "⑤ 2abの因数をいいなさい。");
  STEPWAIT();
  rectangle(370, "2", "ab", "2ab", "2ab=2*ab");
  textLine(3, XI1 + 44, YI1 + 60, "2,ab");
  STEPWAIT();
  rectangle(370, "a", "2b", "2ab", "2ab=a*2b");
  textAfter(3, ",a,2b");
  STEPWAIT();
  rectangle(370, "b", "2a", "2ab", "2ab=b*2a");
  textAfter(3, ",b,2a,…");
}

}  // namespace

void FACTORMEANING() {
  inverseSteps();
  factorsAsSides();
  factorsOfNumbers();
}

}  // namespace fenwist
