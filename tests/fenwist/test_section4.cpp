// Section 4, x^2+(a+b)x+ab: its aim screen and sub-menu, and example 5 walked step by step on
// the product diagram to the factor-pair table and the formula.
#include <gtest/gtest.h>

#include <string>

#include "common/op_walk.h"
#include "common/product_diagram_expect.h"
#include "engine/strings.h"
#include "fenwist_support.h"
#include "support/page_lines.h"

namespace {

using namespace fenwist_test;
using walk::OpWalk;

// The sub-menu line as it shows: the half-width 8 of 問8 through the glyph tables.
const char* const MENU_LINE =
    "①例５　②練習　③問６　④問７　⑤例７　⑥問８　⑦公式練習　⑧問９　⑨公式使い分け　⑩終了";

// The glyphs of the sub-menu line that starts at ops[at], in UTF-8.
std::string menuLineAt(const std::vector<Op>& ops, std::size_t at) {
  std::string line;
  for (std::size_t i = at; i < ops.size() && ops[i].kind == OpKind::Text && ops[i].y1 == 666; ++i) line += ops[i].text;
  return line;
}

void expectAim(OpWalk& w, int keysBefore) {
  w.reads(44, 240, 3, "<めあて>", keysBefore);
  w.reads(76, 305, 0, "1 x^2+(a+b)x+abの公式を使って、因数分解しよう。");
  w.reads(76, 370, 0, "2 公式の使い分けができるようになろう。");
}

TEST(FenwistSection4, AimScreenAndTenItemsAskingAgainOutsideThem) {
  // Refused: nothing, 0, 11, 1/2 (0.5), -1 and 10.5; then 10 leaves.
  const HeadlessResult run = runFenwist("4\n\n0\n11\n1/2\n-1\n10.5\n10\n", "00:00:00", "fenwist-s4-aim.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  expectAim(w, 2);
  const std::vector<Op> ops = drawn(run);
  const auto menus = subMenuLines(ops);
  ASSERT_EQ(menus.size(), 7u);
  for (std::size_t at : menus) EXPECT_EQ(menuLineAt(ops, at), toUtf8(MENU_LINE));
  // Asking again touches only the bottom of the window, until the main menu clears it.
  const std::size_t back = mainMenus(ops).at(1);
  for (std::size_t i = menus[0]; i < back - 3; ++i) {
    const Op& op = ops[i];
    if (op.kind == OpKind::Text || op.kind == OpKind::FilledBox) {
      EXPECT_GE(op.y1, 630) << describe(op);
    }
  }
}

TEST(FenwistSection4, TheLastItemLeavesAndTheNextVisitShowsTheAimAgain) {
  const HeadlessResult run = runFenwist("4\n10\n4\n");
  ASSERT_FALSE(run.error);
  EXPECT_EQ(mainMenus(drawn(run)).size(), 2u);
  OpWalk w(run);
  expectAim(w, 2);
  w.reads(264, 30, 15, "＜Ｆｅｎｗｉｓｔ　メニュー＞", 3);
  expectAim(w, 2);
}

// An entry is tested by its value and rounded for the jump: 2.4 is item 2, 9.6 is item 10.
TEST(FenwistSection4, EntriesBetweenItemsRoundToTheNearest) {
  const HeadlessResult run = runFenwist("4\n2.4\n");
  OpWalk w(run);
  w.reads(88, 18, 0, "練習　次の式を因数分解しなさい。", 2 + 4);
  const HeadlessResult out = runFenwist("4\n9.6\n");
  EXPECT_EQ(mainMenus(drawn(out)).size(), 2u);
}

// --- Example 5 ----------------------------------------------------------------------------------

const walk::Labels UNKNOWN_SIDES = {"x", "○", "△", "x^2", "", "", "12", "7x"};
const walk::Labels FOUND_SIDES = {"x", "3", "4", "x^2", "3x", "4x", "12", "7x"};

TEST(FenwistSection4, Example5FromTheUnknownSidesToTheFormula) {
  const HeadlessResult run = runFenwist("4\n1\n" + steps(15), "00:00:00", "fenwist-s4-example5.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 2 + 2);
  w.reads(22, 30, 0, "例5 次の式を因数分解しなさい。");
  w.reads(110, 110, 0, "x^2+7x+12");
  // The trinomial as a square with a strip of width △ and one of height ○, the corner 12.
  walk::expectProductArea(w, 792, 100, UNKNOWN_SIDES, 1);
  w.reads(66, 170, 0, "=", 1);
  w.reads(98, 170, 3, "(x+○)(x+△)");
  // The strips move together into 7x.
  walk::expectProductMerge(w, 792, 100, UNKNOWN_SIDES, 1);
  // The diagram of (x+3)(x+4) in place of the first.
  w.fill(704, 0, 1320, 1300, 15, 15, 1);
  walk::expectProductArea(w, 792, 100, FOUND_SIDES);
  // The equation line replaced by the answer, its "=" 12 px further left.
  w.fill(0, 170, 440, 60, 15, 15, 1);
  w.reads(54, 170, 0, "=");
  w.reads(86, 170, 5, "(x+3)(x+4)");
  // The unknown sides again, merged at once; the search.
  w.fill(704, 0, 1320, 1300, 15, 15, 1);
  walk::expectProductArea(w, 792, 100, UNKNOWN_SIDES);
  walk::expectProductMerge(w, 792, 100, UNKNOWN_SIDES);
  w.reads(66, 230, 3, "<さがし方>");
  w.reads(66, 290, 0, "積が12、和が7となる数をさがす", 1);
  // The table for 12 and 7: the pairs of 12, only 3と4 marked.
  w.cell(66, 350, 264, 50, 11, "積が12", 0, 1);
  w.cell(330, 350, 220, 50, 11, "和が7", 0);
  w.cell(66, 400, 264, 50, 13, "1と12", 5, 1);
  w.cell(66, 450, 264, 50, 13, "2と6", 5);
  w.cell(66, 500, 264, 50, 13, "3と4", 5);
  w.cell(330, 400, 220, 50, 13, "×", 5, 1);
  w.cell(330, 450, 220, 50, 13, "×", 5);
  w.cell(330, 500, 220, 50, 13, "○", 5);
  w.reads(66, 590, 5, "公式 x^2+(a+b)x+ab=(x+a)(x+b)", 1);
  EXPECT_EQ(w.keysLeft(), 0);
  // The sub-menu follows at once under the finished picture.
  const std::vector<Op> ops = drawn(run);
  const auto menus = subMenuLines(ops);
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(stepWaits(ops, menus[0], menus[1]), 15);
  // What stays on the left: the problem, the answer line in place of the unknowns, the table.
  const auto rows = page::rowsIn(page::onScreen(ops, menus[1]), 0, 90, 703, 640);
  ASSERT_GE(rows.size(), 3u) << reading::describe(rows);
  EXPECT_TRUE(page::standsAt(rows[0], 110, 110, "")) << reading::describe(rows[0]);
  EXPECT_TRUE(page::reads(rows[0], "x^2+7x+12"));
  EXPECT_TRUE(page::standsAt(rows[1], 54, 170, "")) << reading::describe(rows[1]);
  EXPECT_TRUE(page::reads(rows[1], "=(x+3)(x+4)"));
}

}  // namespace
