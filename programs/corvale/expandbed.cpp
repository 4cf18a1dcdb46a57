// Scene 1 of section 3: a flower bed a m by c m lengthened by b m down and d m to the right.
// Its four cells give (a+b)(c+d) = ac+ad+bc+bd; merged row by row they give a(c+d)+b(c+d), and
// arcs join a and b to the factor (c+d). A second page derives the same by putting c+d = M and
// names the operation: expanding.
#include <array>
#include <string>

#include "engine/engine.h"
#include "globals.h"
#include "polymul.h"
#include "programs/common/page.h"
#include "programs/common/scene.h"
#include "term_arcs.h"

namespace corvale {

namespace {

using namespace common::page_rows;

// A cell or merged row of the bed, with its text once the area is written in.
struct BedBox {
  float x, y, width, height, fill;
  const char* text;
};

// The bed's proportions: a = 132 and b = 88 high, c = 220 and d = 132 wide, from (132, 270).
constexpr BedBox CELL_AC{132, 270, 220, 132, 3, "ac"};
constexpr BedBox CELL_AD{352, 270, 132, 132, 4, "ad"};
constexpr BedBox CELL_BC{132, 402, 220, 88, 6, "bc"};
constexpr BedBox CELL_BD{352, 402, 132, 88, 8, "bd"};
constexpr BedBox ROW_A{132, 270, 352, 132, 10, "a(c+d)"};
constexpr BedBox ROW_B{132, 402, 352, 88, 12, "b(c+d)"};

// The box drawn empty (text colour 5) or with its text in colour 13.
void drawBox(const BedBox& box, bool withText) {
  common::formulaBox(box.x, box.y, {box.width, box.height, withText ? 13.0f : 5.0f, 0, box.fill},
                     withText ? box.text : "");
}

// An empty cell that the layout cursor then follows to its right edge and top.
void firstCell(const BedBox& box) {
  drawBox(box, false);
  XI2 = X;
  YI1 = Y;
}

// The factor (c+d) in a box over the second factor of a product line.
void factorBox(float x, float y) {
  common::formulaBox(x, y, {176, 44, 13, 0, 10}, "(c+d)");
  XI2 = X;
  YI1 = Y;
}

// Page 2's right column: the product again, the substitution c+d = M and back, and then the
// name of what was done, under the left column.
constexpr std::array<PageRow, 22> SUBSTITUTION{{
    text(704, 90, 0, "(a+b)(c+d)"),
    WAIT,
    text(660, 160, 3, "  c+d=M とおくと、"),
    WAIT,
    text(660, 230, 0, "=(a+b)"),
    after(3, "M"),
    WAIT,
    text(660, 300, 0, "=a"),
    after(3, "M"),
    after(0, "+b"),
    after(3, "M"),
    WAIT,
    text(660, 370, 3, "  Mをc+d　にもどすと、"),
    WAIT,
    text(660, 440, 0, "=a(c+d)+b(c+d)"),
    WAIT,
    text(660, 510, 5, "=ac+ad+bc+bd "),
    WAIT,
    text(44, 340, 3, "このように、積の形を和の形"),
    text(44, 400, 3, "に表すことを、もとの式を"),
    text(44, 460, 5, "展開"),
    after(3, "するという。"),
}};

void areaPage() {
  common::clearScene();
  XI1 = 44;
  YI1 = 30;
  XI3 = XI1;
  FE_SETDRAWWIDTH(5);
  common::textLine(XI1, YI1, 0, "縦am,横cmの長方形の花壇があります。");
  common::textLine(XI1, YI1 + 60, 0, "縦をbm,横をdmのばしたとき");
  common::textLine(XI1, YI1 + 60, 0, "花壇の面積を求めなさい。");
  YI2 = YI1;
  YI3 = YI2 + 120;

  firstCell(CELL_AC);
  common::spanArc(XI1 + 88, YI3, XI1 + 88, YI3 + 132, {1, 2, 1, 9}, common::ArcLabel{"a"});
  common::spanArc(XI1 + 88, YI3, XI1 + 88 + 220, YI3, {-1, 1, 1, 9}, common::ArcLabel{"c"});
  STEPWAIT();

  firstCell(CELL_AD);
  common::spanArc(XI1 + 308, YI3, XI1 + 308 + 132, YI3, {-1, 1, 1, 9}, common::ArcLabel{"d"});
  firstCell(CELL_BC);
  common::spanArc(XI1 + 88, YI3 + 132, XI1 + 88, YI3 + 132 + 88, {1, 2, 1, 9}, common::ArcLabel{"b"});
  firstCell(CELL_BD);
  STEPWAIT();

  common::textLine(XI1 + 484, YI2 + 60, 5, "<式>");
  STEPWAIT();
  common::textLine(XI1 + 528, YI1 + 60, 0, "(a+b)(c+d)");
  YI2 = YI1;
  STEPWAIT();

  for (const BedBox& cell : {CELL_AC, CELL_AD, CELL_BC, CELL_BD}) drawBox(cell, true);
  STEPWAIT();
  // The sum of the cells goes below; the line that leads to it is filled in above it later.
  common::textLine(XI1 + 484, YI1 + 140, 5, "=ac+ad+bc+bd (m^2)");
  STEPWAIT();

  drawBox(ROW_A, false);
  drawBox(ROW_B, false);
  STEPWAIT();
  drawBox(ROW_A, true);
  drawBox(ROW_B, true);
  STEPWAIT();
  common::textLine(XI1 + 484, YI2 + 70, 0, "=a(c+d)+b(c+d)");
  STEPWAIT();

  factorBox(XI1 + 640 + 28, YI2);
  STEPWAIT();
  // From over a and over b of the product to over the boxed factor; the arc from a is higher.
  common::spanArc(XI1 + 572, YI2, XI1 + 572 + 220, YI2, {-1, 1, 2, 9});
  STEPWAIT();
  common::spanArc(XI1 + 630, YI2, XI1 + 630 + 132, YI2, {-1, 1, 1, 7});
  STEPWAIT();
}

void substitutionPage() {
  common::clearScene();
  XI1 = 44;
  YI1 = 30;
  // The left column: the product with (c+d) boxed, the arcs from a and b to it, and the two
  // expansions under it.
  common::textLine(XI1 + 44, YI1 + 60, 0, "(");
  YI2 = YI1;
  static const std::array<std::string, 2> TERMS{"a+", "b)"};
  anchoredPieces(TERMS);
  X_A(3) = XI2 + 20;
  common::textLine(XI1, YI1 + 140, 5, "=ac+ad+bc+bd ");
  common::textLine(XI1, YI2 + 70, 0, "=a(c+d)+b(c+d)");
  factorBox(X_A(3), YI2);
  common::spanArc(X_A(1), Y_A(1), X_A(3) + 60, Y_A(1), {-1, 1, 2, 9});
  common::spanArc(X_A(2), Y_A(2), X_A(3) + 60, Y_A(2), {-1, 1, 1, 7});
  common::drawPage(SUBSTITUTION);
}

}  // namespace

void EXPANDBED() {
  areaPage();
  substitutionPage();
}

}  // namespace corvale
