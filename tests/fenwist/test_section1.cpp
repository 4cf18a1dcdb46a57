// Section 1, the meaning of factorising and common factors: its aim screen and menu, and every
// scene walked from its menu choice to the menu drawn again, with the key presses between its
// steps, the texts, positions and colours it draws, its figures and the pen width they use.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/op_walk.h"
#include "common/product_diagram_expect.h"
#include "engine/engine.h"
#include "fenwist_support.h"
#include "programs/fenwist/rect_figures.h"
#include "support/page_lines.h"

namespace {

using namespace fenwist_test;
using walk::OpWalk;

// Section 1 chosen in the main menu (two keys) and an item of its menu (two keys).
std::string item(int n) { return "1\n" + std::to_string(n) + "\n"; }

TEST(FenwistSection1, AimScreenAndAMenuThatAsksAgainOutsideItsItems) {
  const HeadlessResult run = runFenwist("1\n0\n8\n\n");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.reads(44, 240, 3, "<めあて>", 2);
  w.reads(76, 305, 0, "1 因数、因数分解の意味を理解しよう。");
  w.reads(76, 370, 0, "2 共通因数をくくり出して、因数分解しよう。");
  const std::vector<Op> ops = drawn(run);
  const auto menus = subMenuLines(ops);
  ASSERT_EQ(menus.size(), 4u);
  EXPECT_EQ(glyphsAt(ops, 16, 666, 0).size(), 4u) << "the menu line, written again after each refused choice";
  // Asking again touches only the bottom of the window: the aim screen stays.
  for (std::size_t i = menus[0]; i < ops.size(); ++i) {
    const Op& op = ops[i];
    if (op.kind == OpKind::Text || op.kind == OpKind::FilledBox) {
      EXPECT_GE(op.y1, 630) << describe(op);
    }
  }
}

// --- Rectangle figures ----------------------------------------------------------------------------

TEST(FenwistRectangleFigures, SidesOnArcsOutsideAndTheAreaInside) {
  static float xi1, xi2, yi1;
  const HeadlessResult run = runRoutine(
      [] {
        XI1 = 66;
        XI2 = 500;
        YI1 = 270;
        XI3 = 220;
        YI3 = 425;
        F_S_A(1) = "2";
        F_S_A(2) = "ab";
        F_S_A(3) = "2ab";
        fenwist::RECTFIG();
        YI3 = 500;
        F_S_A(1) = "2a";
        F_S_A(2) = "2x";
        F_S_A(3) = "4ax";
        F_S_A(5) = "3";
        F_S_A(6) = "6a";
        fenwist::RECT2FIG();
        xi1 = XI1;
        xi2 = XI2;
        yi1 = YI1;
      },
      "", "fenwist-rectangle-figures.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.cell(220, 425, 220, 132, 3, "2ab");
  w.arc(220, 425, 220, 557, 1, 91, "2");
  w.arc(220, 425, 440, 425, -1, 181, "ab");
  w.cell(220, 500, 176, 110, 3, "4ax");
  w.arc(220, 500, 220, 610, 1, 91, "2a");
  w.arc(220, 500, 396, 500, -1, 181, "2x");
  w.cell(396, 500, 88, 110, 4, "6a");
  w.arc(396, 500, 484, 500, -1, 181, "3");
  // Only one arc at the left side, and the caller's cursor untouched.
  EXPECT_EQ(xi1, 66);
  EXPECT_EQ(xi2, 500);
  EXPECT_EQ(yi1, 270);
}

// --- Item 1: the meaning of factorising ----------------------------------------------------------

const walk::Labels SIDES = {"x", "2", "3", "", "", "", "", ""};

// A rectangle of page 3 with its product line, after the clear from clearFrom (none for the first).
// A later rectangle clears from y 360, the top of the earlier width label, so that no stroke of
// the old label stays above the new one.
void rectangle(OpWalk& w, float clearFrom, const char* height, const char* width, const char* area,
               const char* product) {
  if (clearFrom > 0) w.fill(0, clearFrom, 1320, 1300, 15, 15, 1);
  w.cell(220, 425, 220, 132, 3, area, 13, clearFrom > 0 ? 0 : 1);
  w.arc(220, 425, 220, 557, 1, 91, height);
  w.arc(220, 425, 440, 425, -1, 181, width);
  w.reads(528, 469, 0, product);
}

TEST(FenwistSection1, MeaningOfFactorisingInThreePages) {
  const HeadlessResult run = runFenwist(item(1) + steps(29), "00:00:00", "fenwist-s1-meaning.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  // Page 1: inverse steps, ten key presses.
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.reads(22, 30, 0, "① 次の式を");
  w.follows(5, "展開");
  const reading::Line task1 = w.follows(0, "しなさい。");
  w.reads(330, 90, 0, "(x+2)(x+3)=");
  w.follows(0, "x^2+5x+6", 1);
  w.reads(22, 150, 0, "② 次の式を", 1);
  w.follows(5, "因数分解");
  const reading::Line task2 = w.follows(0, "しなさい。");
  w.reads(330, 210, 0, "x^2+5x+6=");
  w.follows(0, "(x+2)(x+3)", 1);
  // The labels 44 px after the ends of the two tasks.
  w.reads(task1.right + 44, 30, 3, "積→和", 1);
  w.reads(task2.right + 44, 150, 3, "和→積");
  walk::expectProductArea(w, 792, 325, SIDES, 1);
  // Written in yellow, not in the red of the big cell it stands on.
  w.reads(902, 445, 13, "x^2+5x+6");
  w.reads(66, 270, 3, "図では", 1);
  w.reads(66, 330, 5, "展開", 1);
  w.follows(0, "………式から面積を求めること");
  w.reads(66, 390, 5, "因数分解");
  w.follows(0, "…面積から式を求めること");
  w.reads(66, 460, 3, "(縦と横の長さをみつけること）", 1);
  // Page 2: the factors are the sides, six key presses.
  w.fill(0, 0, 1320, 1300, 15, 15, 2);
  w.reads(198, 30, 0, "x^2+5x+6=(x+2)(x+3)");
  w.reads(22, 90, 0, "③ x^2+5x+6の");
  w.follows(5, "因数");
  w.follows(0, "をいいなさい。");
  w.reads(66, 150, 3, " x+2 と x+3 ", 1);
  w.follows(7, " (かけられている数・文字式)");
  walk::expectProductArea(w, 792, 325, SIDES, 1);
  w.reads(902, 445, 13, "x^2+5x+6");
  w.reads(66, 240, 3, "図では", 1);
  w.reads(66, 300, 5, "因数", 1);
  w.follows(0, "…縦、横の長さのこと");
  // Page 3: factors of 6 and of 2ab on rectangles, thirteen key presses. Each answer continues
  // the answer line before it, across the rectangles drawn between them.
  w.fill(0, 0, 1320, 1300, 15, 15, 2);
  w.reads(66, 30, 5, "因数");
  w.follows(0, "…かけられている数・文字式");
  w.follows(7, " (図では、縦、横の長さ)");
  w.reads(22, 90, 0, "④ 6の因数をいいなさい。", 1);
  rectangle(w, 0, "1", "6", "6", "6=1*6");
  const reading::Line six = w.reads(110, 150, 3, "1,6", 1);
  rectangle(w, 360, "2", "3", "6", "6=2*3");
  const reading::Line sixMore = w.reads(six.right, 150, 3, ",2,3", 1);
  w.reads(sixMore.right + 88, 150, 7, "6の約数", 1);
  w.reads(22, 210, 0, "⑤ 2abの因数をいいなさい。", 1);
  rectangle(w, 360, "2", "ab", "2ab", "2ab=2*ab");
  const reading::Line twoAb = w.reads(110, 270, 3, "2,ab", 1);
  rectangle(w, 360, "a", "2b", "2ab", "2ab=a*2b");
  const reading::Line twoAbMore = w.reads(twoAb.right, 270, 3, ",a,2b", 1);
  rectangle(w, 360, "b", "2a", "2ab", "2ab=b*2a");
  w.reads(twoAbMore.right, 270, 3, ",b,2a,…", 1);
  // The menu follows the last text without a wait.
  const std::vector<Op> ops = drawn(run);
  const auto menus = subMenuLines(ops);
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(stepWaits(ops, menus[0], menus[1]), 29);
  EXPECT_EQ(w.keysLeft(), 0);
}

// --- Item 2: the first summary --------------------------------------------------------------------

// The three strokes of an arrow of colour 11 with its tip at (tipX, y), pointing along dx.
void expectArrow(const std::vector<Op>& ops, float tipX, float y, float dx) {
  int shaft = 0, strokes = 0;
  for (const Op& op : ops) {
    if (op.kind != OpKind::Line || op.colour != 11) continue;
    EXPECT_EQ(op.pen, 15) << describe(op);
    if (op.x2 == tipX && op.y2 == y) {
      if (op.y1 == y && op.x1 == tipX - 176 * dx) ++shaft;
      if (op.x1 == tipX - 16 * dx && std::abs(op.y1 - y) == 8) ++strokes;
    }
  }
  EXPECT_EQ(shaft, 1) << "shaft to (" << tipX << "," << y << ")";
  EXPECT_EQ(strokes, 2) << "head at (" << tipX << "," << y << ")";
}

TEST(FenwistSection1, FirstSummaryAtOnceWithArrowsForBothDirections) {
  const HeadlessResult run = runFenwist(item(2), "00:00:00", "fenwist-s1-summary1.png");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  const auto menus = subMenuLines(ops);
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(stepWaits(ops, menus[0], menus[1]), 0) << "drawn at once";
  OpWalk w(run);
  w.fill(0, 0, 1320, 1500, 15, 15, 4);
  w.reads(88, 22, 3, "<まとめ>");
  w.reads(44, 97, 0, "1 ");
  w.follows(5, "因数分解");
  w.follows(0, "…多項式をいくつかの因数の積で表すこと");
  w.reads(440, 157, 5, "因数分解 ");
  w.reads(132, 217, 0, "x^2+5x+6 ");
  w.reads(440, 277, 5, "　展開");
  w.reads(264, 277, 9, "面積");
  // "式" 418 px after the end of "面積" (two full-width glyphs of 34 px), and the product 132 px
  // before the end of "式", so each expression has its label under it.
  w.reads(750, 277, 9, "式");
  w.reads(652, 217, 0, "(x+2)(x+3)");
  w.reads(44, 352, 0, "2 ");
  w.follows(5, "因数");
  w.follows(0, "…かけ算で表したとき、かけられている数・文字式");
  w.reads(132, 422, 3, "x^2+5x+6の因数は、 x+2 と x+3 ");
  w.reads(132, 492, 0, "2abの因数は、2,a,b,2aなど");
  w.reads(132, 562, 9, "面積と縦・横の長さ");
  EXPECT_EQ(glyphsAt(ops, 750, 277, 9), std::vector<std::string>{toUtf8("式")});
  // The texts after the arrows are drawn with pen 5, which the scene leaves set.
  const auto arrows = std::find_if(ops.begin(), ops.end(), [](const Op& op) { return op.colour == 11; });
  ASSERT_LT(arrows - ops.begin(), static_cast<long>(menus[1])) << "no arrow before the sub-menu line";
  for (auto it = arrows; it != ops.begin() + static_cast<long>(menus[1]); ++it) {
    if (it->kind == OpKind::Text) {
      EXPECT_EQ(it->pen, 5) << describe(*it);
    }
  }
}

// Factorising leads from x^2+5x+6 to (x+2)(x+3) and expanding back: the arrow under "因数分解"
// points right, to the product, and the arrow over "展開" points left, to the sum. Both 176 px
// long, colour 11, pen 15.
TEST(FenwistSection1, FirstSummaryArrowsPointTheWayEachStepGoes) {
  const HeadlessResult run = runFenwist(item(2));
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  expectArrow(ops, 616, 225, 1);
  expectArrow(ops, 440, 253, -1);
}

// The pen width the figures are drawn with: 3 from start-up, 5 for the rest of the run once the
// first summary has been shown, also in other sections and after the main menu.
int figurePen(const HeadlessResult& run) {
  for (const Op& op : run.ops)
    if (op.kind == OpKind::FilledBox && op.colour == 0 && op.fill == 3) return op.pen;
  return -1;
}

TEST(FenwistSection1, FiguresUseThePenTheFirstSummaryLeaves) {
  EXPECT_EQ(figurePen(runFenwist(item(3) + steps(2))), 3);
}

TEST(FenwistSection1, FiguresAfterTheFirstSummaryUsePenFive) {
  EXPECT_EQ(figurePen(runFenwist(item(2) + "3\n" + steps(2))), 5);
}

TEST(FenwistSection1, PenWidthCarriesOverThroughTheMainMenu) {
  EXPECT_EQ(figurePen(runFenwist(item(2) + "7\n" + item(1) + steps(12))), 5);
}

// --- Item 3: common factors -----------------------------------------------------------------------

TEST(FenwistSection1, CommonFactorsInTwoPagesWithTheSharedFactorsHighlighted) {
  const HeadlessResult run = runFenwist(item(3) + steps(17), "00:00:00", "fenwist-s1-common-factors.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.reads(22, 30, 0, "問 次の式を展開しなさい。");
  const reading::Line expand = w.reads(88, 90, 0, "2a(2x+3)=");
  w.fill(0, 155, 1320, 1300, 15, 15, 1);
  w.cell(220, 500, 176, 110, 3, "4ax");
  w.arc(220, 500, 220, 610, 1, 91, "2a");
  w.arc(220, 500, 396, 500, -1, 181, "2x");
  w.cell(396, 500, 88, 110, 4, "6a");
  w.arc(396, 500, 484, 500, -1, 181, "3");
  w.reads(expand.right, 90, 0, "4ax+6a", 1);  // after the figure, where the line above ends
  w.reads(88, 150, 3, "2aは4axの因数", 1);
  w.follows(0, " (4ax=2a*2x だから)", 1);
  w.reads(88, 210, 9, "2aは6aの因数", 1);
  w.follows(0, " (6a=2a*3 だから)", 1);
  w.reads(22, 270, 3, "3 共通因数", 1);
  w.reads(88, 330, 0, "2aは、4axの因数であり、6aの因数でもある。", 1);
  w.reads(88, 390, 0, "2aのように、各項に共通な因数を");
  w.follows(5, "共通因数");
  w.follows(0, "という。");
  w.reads(528, 480, 3, "共通因数がわかれば、因数分解できる。", 1);
  w.fill(0, 0, 1320, 1300, 15, 15, 1);
  w.reads(44, 30, 3, "共通因数");
  w.follows(0, "…各項に共通な因数");
  w.reads(22, 100, 0, "問 共通因数をいいなさい。", 1);
  const reading::Line problem = w.reads(110, 160, 0, "3ax-6ay");
  w.reads(problem.right + 132, 160, 5, "3a", 1);
  w.reads(66, 220, 3, "<共通因数のさがし方>", 1);
  w.reads(110, 280, 7, "① 各項を約数と文字の積で表す。", 1);
  w.reads(198, 340, 0, "3ax=3*a*x");
  w.reads(198, 400, 0, "6ay=2*3*a*y");
  w.reads(110, 460, 7, "② 共通な数と文字を取りだす。", 1);
  w.reads(198, 520, 3, "3*a=3a", 2);
  EXPECT_EQ(w.keysLeft(), 0);
  // Each highlight redraws a character of colour 0 over itself in colour 5: the "3" and the "a" of
  // both rows, and nothing else.
  const std::vector<Op> ops = drawn(run);
  int highlights = 0;
  for (const Op& op : ops) {
    if (op.kind != OpKind::Text || op.colour != 5 || (op.y1 + (op.italic ? 22 : 0) != 340 && op.y1 + (op.italic ? 22 : 0) != 400))
      continue;
    ++highlights;
    EXPECT_TRUE(op.text == "3" || op.text == "a") << op.text;
    EXPECT_EQ(glyphsAt(ops, op.x1, op.y1, 0), std::vector<std::string>{op.text}) << "under " << describe(op);
  }
  EXPECT_EQ(highlights, 4);
}

// --- Item 4: the common-factor drill --------------------------------------------------------------

// The answer box of a part, centred on the line y at x: 8 px above it to 52 below.
void expectBox(OpWalk& w, float x, float y, float width, int frame, int fill, const std::string& text,
               int keysBefore = 0) {
  w.fill(x, y - 8, width, 60, frame, fill, keysBefore);
  if (!text.empty()) w.readsCentred(x, width, y, 13, text);
}

TEST(FenwistSection1, CommonFactorDrillRunsFourPartsOverItsTables) {
  // Part 1 twice (entries 1 and 2), the other parts once each.
  const HeadlessResult run = runFenwist(item(4) + "k\nk1\nk1\nk1\nk1\n", "00:00:00", "fenwist-s1-drill.png");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  OpWalk w(run);
  // Part 1: problem 1 (1), in colours 7 and 6.
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.fill(0, 0, 1320, 1300, 15, 15);
  w.reads(44, 18, 0, "問1　次の式の共通因数をいいなさい。");
  // The label 88 px after the problem, the box right after the label.
  reading::Line problem = w.reads(44, 98, 0, "(1) ab-ac");
  reading::Line label = w.reads(problem.right + 88, 98, 3, "共通因数は、");
  expectBox(w, label.right, 98, 108, 7, 6, "");
  expectBox(w, label.right, 98, 108, 7, 6, "a", 1);
  w.fill(0, 0, 1320, 1300, 15, 15, 1);  // an empty entry: the next entry of the table
  problem = w.reads(44, 98, 0, "(1) bx+cx");
  label = w.reads(problem.right + 88, 98, 3, "共通因数は、");
  expectBox(w, label.right, 98, 108, 7, 6, "");
  expectBox(w, label.right, 98, 108, 7, 6, "x", 1);
  // Part 2: problem 1 (2), in colours 5 and 4, from its own line down.
  w.fill(0, 170, 1320, 1300, 15, 15, 2);
  problem = w.reads(44, 180, 0, "(2) 4ax-2a");
  label = w.reads(problem.right + 88, 180, 3, "共通因数は、");
  expectBox(w, label.right, 180, 108, 5, 4, "");
  expectBox(w, label.right, 180, 108, 5, 4, "2a", 1);
  // Part 3: problem 2 (1): box ① 20 px after the line, ")" 20 px after the box; the brackets'
  // contents revealed in the box.
  w.fill(0, 290, 1320, 1300, 15, 15, 2);
  w.reads(44, 300, 0, "問2　①をいいなさい。");
  problem = w.reads(44, 380, 0, "(1) ab-ac=a(");
  w.readsCentred(problem.right + 20, 135, 380, 13, "①");
  w.reads(problem.right + 20 + 135 + 20, 380, 0, ")");
  w.readsCentred(problem.right + 20, 135, 380, 13, "b-c", 1);
  // Part 4: problem 2 (2), box 216 wide.
  w.fill(0, 470, 1320, 1300, 15, 15, 2);
  problem = w.reads(44, 480, 0, "(2) 4ax-2a=2a(");
  w.readsCentred(problem.right + 20, 216, 480, 13, "①");
  w.reads(problem.right + 20 + 216 + 20, 480, 0, ")");
  w.readsCentred(problem.right + 20, 216, 480, 13, "2x-1", 1);
  EXPECT_EQ(w.keysLeft(), 2);
  // The revealed boxes cover the numbered ones exactly.
  int parts3and4 = 0;
  for (const Op& op : ops) {
    if (op.kind != OpKind::FilledBox || op.colour == 15 || op.y1 < 300 || op.y1 > 600) continue;
    ++parts3and4;
    EXPECT_EQ(op.x2 - op.x1, op.y1 < 470 ? 135 : 216) << describe(op);
    EXPECT_EQ(op.y2 - op.y1, 60);
  }
  EXPECT_EQ(parts3and4, 4);
  EXPECT_EQ(subMenuLines(ops).size(), 2u);
}

TEST(FenwistSection1, CommonFactorDrillStartsItsTableAgainAfterTheLastEntry) {
  // Nine passes of part 1: entries 1 to 8, then entry 1 again.
  std::string keys = item(4);
  for (int pass = 1; pass <= 8; ++pass) keys += "k\n";
  keys += "k1\n";
  const HeadlessResult run = runFenwist(keys);
  ASSERT_FALSE(run.error);
  const char* shown[] = {"ab-ac", "bx+cx", "2ax-3ay", "3ax+5bx", "a^2b-ab^2", "ax^2-a^2x", "ax+bx+cx", "ay-by-cy",
                         "ab-ac"};
  OpWalk w(run);
  int keysBefore = 4;  // the two menus; then a step key and an Enter per pass
  for (const char* polynomial : shown) {
    w.reads(44, 98, 0, std::string("(1) ") + polynomial, keysBefore);
    keysBefore = 2;
  }
}

// --- Item 5: the second summary -------------------------------------------------------------------

TEST(FenwistSection1, SecondSummaryCompletesTheAnswerLinePieceByPiece) {
  const HeadlessResult run = runFenwist(item(5) + steps(9), "00:00:00", "fenwist-s1-summary2.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.reads(88, 22, 5, "<共通因数をくくりだす因数分解>");
  const reading::Line problem = w.reads(132, 97, 0, "12x^2-18x=");
  const reading::Line first = w.reads(44, 172, 3, "①　共通因数をみつける");
  w.reads(132, 232, 0, "12x^2=2*2*3*x*x", 1);
  w.reads(132, 292, 0, "18x=2*3*3*x");
  w.reads(first.right + 88, 172, 3, "2*3*x=", 2);
  w.follows(5, "6x");
  const reading::Line factor = w.reads(problem.right, 97, 5, "6x(", 1);
  const reading::Line second = w.reads(44, 367, 5, "②　( )の中をみつける", 1);
  w.reads(132, 427, 0, "各項を共通因数でわる");
  w.reads(second.right + 132, 367, 0, "12x^2÷6x=", 1);
  w.follows(5, "2x");
  w.reads(second.right + 132, 427, 0, "-18x÷6x=", 1);
  w.follows(5, "-3");
  w.reads(factor.right, 97, 5, "2x-3)", 1);
  w.reads(44, 570, 3, "教科書 問1　をしなさい。", 1);
  EXPECT_EQ(w.keysLeft(), 0);
  // The answer line reads 12x^2-18x=6x(2x-3) on the screen at its place, and the six highlights
  // are the "2", "3" and "x" of each row, each over its colour-0 self.
  const auto answer = page::rowsIn(page::onScreen(w.lines(), run.ops, run.ops.size()), 100, 90, 1300, 110);
  ASSERT_EQ(answer.size(), 1u) << reading::describe(answer);
  EXPECT_TRUE(page::standsAt(answer[0], 132, 97, "")) << reading::describe(answer[0]);
  EXPECT_TRUE(page::reads(answer[0], "12x^2-18x=6x(2x-3)"));
  const std::vector<Op> ops = drawn(run);
  std::string highlighted;
  for (const Op& op : ops) {
    const float line = op.y1 + (op.italic ? 22 : 0);
    if (op.kind != OpKind::Text || op.colour != 5 || (line != 232 && line != 292)) continue;
    highlighted += op.text;
    EXPECT_EQ(glyphsAt(ops, op.x1, op.y1, 0), std::vector<std::string>{op.text}) << "under " << describe(op);
  }
  EXPECT_EQ(highlighted, "23x23x");
}

// --- Item 6: the answers to problem 1 -------------------------------------------------------------

TEST(FenwistSection1, AnswersToProblem1InThreeColumns) {
  const HeadlessResult run = runFenwist(item(6) + steps(4), "00:00:00", "fenwist-s1-answers.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.reads(40, 30, 3, "問1 解答");
  w.reads(40, 90, 0, "(1)ab-ac", 1);
  w.reads(94, 140, 5, "=a(b-c)");
  w.reads(94, 190, 0, "ab=a*");
  w.follows(3, "b");
  w.reads(94, 240, 0, "ac=a*");
  w.follows(3, "c");
  w.reads(40, 310, 0, "(2)4ax-2a", 1);
  w.reads(94, 360, 5, "=2a(2x-1)");
  w.reads(94, 410, 0, "4ax=2a*");
  w.follows(3, "2x");
  w.reads(94, 460, 0, "2a=2a*");
  w.follows(3, "1");
  w.reads(400, 30, 0, "(3)2ax+3ay", 1);
  w.reads(454, 80, 5, "=a(2x+3y)");
  w.reads(400, 250, 0, "(4)8a^2b-4b^2");
  w.reads(454, 300, 5, "=4b(2a^2-b)");
  w.reads(454, 350, 0, "8a^2b=4b*");
  w.follows(3, "2a^2");
  w.reads(454, 400, 0, "4b^2=4b*");
  w.follows(3, "b");
  w.reads(800, 30, 0, "(5)a^2b-ab^2", 1);
  w.reads(800, 250, 0, "(6)ax+bx+cx");
  w.reads(854, 450, 0, "cx=x*");
  w.follows(3, "c");
  EXPECT_EQ(w.keysLeft(), 0);
}

}  // namespace
