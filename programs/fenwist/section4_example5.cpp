// Item 1 of section 4, example 5: x^2+7x+12 on the product diagram. The unknown numbers ○ and △
// are the sides of the two strips: their product is the corner 12, their sum the merged strip 7x.
// Then the search for them in the factor-pair table, and the formula.
#include <array>

#include "engine/engine.h"
#include "globals.h"
#include "pair_table.h"
#include "programs/common/area_diagram.h"
#include "programs/common/scene.h"
#include "section4.h"

namespace fenwist {
namespace {

using Labels = std::array<const char*, 8>;

// The diagram with the unknown sides, and the diagram of (x+3)(x+4).
constexpr Labels UNKNOWN_SIDES = {"x", "○", "△", "x^2", "", "", "12", "7x"};
constexpr Labels FOUND_SIDES = {"x", "3", "4", "x^2", "3x", "4x", "12", "7x"};

// The product diagram at (792, 100) with its labels in F$(1) to F$(8).
void productDiagram(const Labels& labels) {
  XI3 = 792;
  YI3 = 100;
  float n = 1;
  for (const char* label : labels) F_S_A(n++) = label;
  common::PRODUCTAREA();
}

// Erases the diagram: the window right of x = 704.
void eraseDiagram() { common::eraseBox(XI3 - 88, 0, 1320, 1300); }

// The table of the pairs of 12, each marked by whether its sum is 7.
void pairsOf12() {
  T_A(1) = 12;
  T_A(2) = 7;
  XI = XI1;
  YI = YI1 + 60;
  DY = 12;
  DIVISORPAIRS();
  FOR(II, 1, 20, [] {
    F_A(II) = X_A(II);
    F_A(20 + II) = Y_A(II);
  });
  NUMSTRINGS();
  X_S_A(1) = "積が" + T_S_A(1);
  X_S_A(2) = "和が" + T_S_A(2);
  X_A(1) = T_A(2);
  WA = 1;
  PAIRTABLE();
}

}  // namespace

void TRINOMIALEXAMPLE5() {
  common::clearScene();
  XI1 = 66;
  YI1 = 30;
  common::textLine(XI1 - 44, YI1, 0, "例5 次の式を因数分解しなさい。");
  common::textAt(XI1 + 44, YI1 + 80, 0, "x^2+7x+12");
  Y11 = YI1 + 80;
  STEPWAIT();
  productDiagram(UNKNOWN_SIDES);
  STEPWAIT();
  // The "=" of the unknown product; the answer's "=" will stand 12 px left of it.
  common::textLine(XI1, Y11 + 60, 0, "=");
  X11 = XI2 - 44;
  Y11 = YI1;
  common::textAfter(3, "(x+○)(x+△)");
  STEPWAIT();
  common::PRODUCTMERGE();
  STEPWAIT();
  eraseDiagram();
  productDiagram(FOUND_SIDES);
  STEPWAIT();
  common::eraseBox(0, Y11, 440, 60);
  common::textLine(X11, Y11, 0, "=");
  common::textAfter(5, "(x+3)(x+4)");
  STEPWAIT();
  eraseDiagram();
  productDiagram(UNKNOWN_SIDES);
  common::PRODUCTMERGE();
  common::textLine(XI1, Y11 + 60, 3, "<さがし方>");
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 0, "積が12、和が7となる数をさがす");
  STEPWAIT();
  pairsOf12();
  STEPWAIT();
  common::textLine(XI1, YI1 + 300, 5, "公式 x^2+(a+b)x+ab=(x+a)(x+b)");
}

}  // namespace fenwist
