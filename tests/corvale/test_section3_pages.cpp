// Section 3's fixed pages walked in drawing order: example 5, the summary with its four numbered
// arcs, and the answers of problems 3 to 6 (problem 5 with the arcs of each product). Pictures:
// build/test-output/corvale-s3-*.png.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/prompt_marks.h"
#include "engine/engine.h"
#include "programs/corvale/corvale.h"
#include "section3_support.h"

using namespace corvale;
using namespace polymul_test;

namespace {

// A text of a page: where it starts, its colour, and the key presses just before it.
struct Row {
  float x, y;
  int colour;
  std::string text;
  int keysBefore = 0;
};

void expectRows(SceneWalk& w, const std::vector<Row>& rows) {
  for (const Row& row : rows) w.reads(row.x, row.y, row.colour, row.text, row.keysBefore);
}

}  // namespace

TEST(CorvaleSection3Pages, ExampleFiveALinePerKeyThenThePointer) {
  const HeadlessResult run = runScript(PROGRAM, toItem(2) + steps(6), "00:00:00", "corvale-s3-example5.png");
  ASSERT_FALSE(run.error.has_value());
  SceneWalk w(run);
  expectAimThenClear(w, 2);
  expectRows(w, {{88, 30, 0, "例5　次の式を展開しなさい。"},
                 {44, 100, 0, "① (x-3)(y+5)"},
                 {88, 170, 0, "=x(y+5)-3(y+5)", 1},
                 {88, 240, 5, "=xy+5x-3y-15", 1},
                 {660, 100, 0, "② (a+7)(b-2)", 1},
                 {704, 170, 0, "=a(b-2)+7(b-2)", 1},
                 {704, 240, 5, "=ab-2a+7b-14", 1},
                 {44, 570, 0, "教科書 問3　をやろう。", 1}});
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(subMenuLines(run), 2u);
}

TEST(CorvaleSection3Pages, ExampleFiveDrawsThePointerOnlyAfterTheSixthKey) {
  const HeadlessResult run = runScript(PROGRAM, toItem(2) + steps(5));
  ASSERT_FALSE(run.error.has_value());
  EXPECT_TRUE(textsEqual(run, "教").empty());
  EXPECT_EQ(subMenuLines(run), 1u);
}

namespace {

// The summary after the keys that lead to it, walked from its clear.
void expectSummary(SceneWalk& w, int pen, int keysBefore) {
  w.fill(0, 0, 1320, 1300, 15, 15, keysBefore);
  expectRows(w, {{88, 18, 3, "<式の展開>"}});
  w.follows(5, "…積の形を和の形に表すこと");
  expectRows(w, {{132, 88, 0, "(a+b)(c+d)＝ac+ad+bc+bd"},
                 {88, 163, 3, "<計算のしかた>"},
                 {44, 238, 5, "1 (c+d)をひとつのものとみて、分配法則を使う"},
                 {132, 308, 0, "(a+b)(c+d)=a(c+d)+b(c+d)"},
                 {44, 383, 5, "2 組み合わせの和をつくる"},
                 {572, 458, 0, " (a+b)(c+d)"}});
  // a, b, c and d begin at 626, 680, 761 and 815; ③ and ④ hang from 40 px under the line.
  w.arc({626, 458, 761, 458, 8, -1, 181, 9, pen, "   ①", 5});
  w.arc({626, 458, 815, 458, 60, -1, 181, 7, pen, "   ②", 5});
  w.arc({680, 498, 761, 498, 8, 1, 181, 9, pen, "  ③", 5});
  w.arc({680, 498, 815, 498, 60, 1, 181, 7, pen, "  ④", 5});
  EXPECT_EQ(w.keysLeft(), 0);
}

}  // namespace

TEST(CorvaleSection3Pages, SummaryAtOnceWithItsFourArcsInTheStartUpPen) {
  const HeadlessResult run = runScript(PROGRAM, toItem(8), "00:00:00", "corvale-s3-summary.png");
  ASSERT_FALSE(run.error.has_value());
  SceneWalk w(run);
  w.reads(44, 240, 5, "<めあて>", 2);
  expectSummary(w, 3, 2);
  EXPECT_EQ(walk::stepWaits(run.ops, 0, run.ops.size()), 0);
  EXPECT_EQ(subMenuLines(run), 2u);
  // The lowest point of the figure: the apex of ④ at y 558, its label from there down.
  float lowest = 0;
  for (const Op& op : run.ops)
    if (op.kind == OpKind::Circle && op.radius == 0.5f) lowest = std::max(lowest, op.cy);
  EXPECT_NEAR(lowest, 558, 0.01);
}

TEST(CorvaleSection3Pages, SummaryArcsTakeThePenTheLastSceneLeft) {
  // Example 5 sets no pen and leaves the start-up width; the flower bed leaves 5.
  const HeadlessResult run = runScript(PROGRAM, toItem(1) + steps(19) + "8\\n");
  ASSERT_FALSE(run.error.has_value());
  SceneWalk w(run);
  w.reads(44, 240, 5, "<めあて>", 2);
  w.fill(0, 0, 1320, 1300, 15, 15, 2);
  w.fill(0, 0, 1320, 1300, 15, 15, 12);
  expectSummary(w, 5, 9);
}

TEST(CorvaleSection3Pages, ProblemThreeALinePerKey) {
  const HeadlessResult run = runScript(PROGRAM, toItem(3) + steps(11), "00:00:00", "corvale-s3-problem3.png");
  ASSERT_FALSE(run.error.has_value());
  SceneWalk w(run);
  expectAimThenClear(w, 3);
  expectRows(w, {{94, 30, 3, "問3 解答 "},
                 {40, 90, 3, "(1)"},
                 {94, 90, 0, " (a+b)(c-d)"},
                 {94, 140, 0, "=a(c-d)+b(c-d)", 1},
                 {94, 190, 5, "=ac-ad+bc-bd", 1},
                 {40, 250, 3, "(2)", 1},
                 {94, 250, 0, " (a-b)(c-d)"},
                 {94, 300, 0, "=a(c-d)-b(c-d)", 1},
                 {94, 350, 5, "=ac-ad-bc+bd", 1},
                 {640, 90, 3, "(3)", 1},
                 {694, 90, 0, " (x+2)(y+3)"},
                 {694, 140, 0, "=x(y+3)+2(y+3)", 1},
                 {694, 190, 5, "=xy+3x+2y+6", 1},
                 {640, 250, 3, "(4)", 1},
                 {694, 250, 0, " (x-1)(y+4)"},
                 {694, 300, 0, "=x(y+4)-(y+4)", 1},
                 {694, 350, 5, "=xy+4x-y-4", 1}});
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(subMenuLines(run), 2u);
  // Each product begins with a blank: its bracket one advance right of the formula column.
  EXPECT_TRUE(drewGlyph(run, "(", 121, 90, 0));
  EXPECT_TRUE(drewGlyph(run, "(", 721, 250, 0));
}

TEST(CorvaleSection3Pages, ProblemFourAnItemPerKey) {
  const HeadlessResult run = runScript(PROGRAM, toItem(5) + steps(3), "00:00:00", "corvale-s3-problem4.png");
  ASSERT_FALSE(run.error.has_value());
  SceneWalk w(run);
  expectAimThenClear(w, 5);
  expectRows(w, {{94, 30, 3, "問4 解答 "},
                 {40, 90, 3, "(1)"},
                 {94, 90, 0, " (x-2)(x-6)"},
                 {94, 140, 0, "=x(x-6)-2(x-6)"},
                 {94, 190, 0, "=x^2-6x-2x+12"},
                 {94, 240, 5, "=x^2-8x+12"},
                 {40, 300, 3, "(2)", 1},
                 {94, 300, 0, " (x-4)(x+5)"},
                 {94, 350, 0, "=x(x+5)-4(x+5)"},
                 {94, 400, 0, "=x^2+5x-4x-20"},
                 {94, 450, 5, "=x^2+x-20"},
                 {640, 90, 3, "(3)", 1},
                 {694, 90, 0, " (a+1)(a-3)"},
                 {694, 140, 0, "=a(a-3)+(a-3)"},
                 {694, 190, 0, "=a^2-3a+a-3"},
                 {694, 240, 5, "=a^2-2a-3"},
                 {640, 300, 3, "(4)", 1},
                 {694, 300, 0, " (a+8)(a+7)"},
                 {694, 350, 0, "=a(a+7)+8(a+7)"},
                 {694, 400, 0, "=a^2+7a+8a+56"},
                 {694, 450, 5, "=a^2+15a+56"}});
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(subMenuLines(run), 2u);
}

namespace {

// An item of problem 5 with its label line at y: the product from x in five pieces, its four
// numbered arcs between the starts of the term pieces (every character 27 px), the partial
// products 100 px under it and the result 50 px further.
void expectArcItem(SceneWalk& w, float labelX, float x, float y, const char* label, const std::vector<std::string>& terms,
                   const char* expansion, const char* result, int keysBefore, int pen) {
  w.reads(labelX, y, 3, label, keysBefore);
  std::string product = " (";
  float anchor[5];
  float at = x + 54;
  for (std::size_t k = 0; k < terms.size(); ++k) {
    anchor[k + 1] = at;
    at += 27 * static_cast<float>(terms[k].size());
    product += terms[k];
  }
  w.reads(x, y, 0, product);
  w.arc({anchor[1] + 10, y, anchor[3] + 10, y, 15, -1, 181, 9, pen, "①", 3, 20});
  w.arc({anchor[1], y, anchor[4], y, 40, -1, 181, 7, pen, "   ②", 3, 20});
  w.arc({anchor[2], y + 40, anchor[3], y + 40, 15, 1, 181, 9, pen, "  ③", 5, -20});
  w.arc({anchor[2], y + 40, anchor[4], y + 40, 40, 1, 181, 7, pen, "  ④", 5, -20});
  w.reads(x, y + 100, 0, expansion);
  w.reads(x, y + 150, 5, result);
}

}  // namespace

TEST(CorvaleSection3Pages, ProblemFiveEachProductWithItsFourNumberedArcs) {
  const HeadlessResult run = runScript(PROGRAM, toItem(7) + steps(4), "00:00:00", "corvale-s3-problem5.png");
  ASSERT_FALSE(run.error.has_value());
  SceneWalk w(run);
  expectAimThenClear(w, 7);
  w.reads(94, 30, 7, "問5の解答");
  expectArcItem(w, 40, 94, 150, "(1)", {"3a+", "2b)(", "2a+", "3b)"}, "=6a^2+9ab+4ab+6b^2", "=6a^2+13ab+6b^2", 1, 3);
  expectArcItem(w, 40, 94, 420, "(2)", {"9a-", "2b)(", "5a+", "6b)"}, "=45a^2+54ab-10ab-12b^2", "=45a^2+44ab-12b^2", 1,
                3);
  // The right column starts higher, its formulas 81 px right of the labels.
  expectArcItem(w, 640, 721, 90, "(3)", {"7x+", "4y)(", "x-", "5y)"}, "=7x^2-35xy+4xy-20y^2", "=7x^2-31xy-20y^2", 1,
                3);
  expectArcItem(w, 640, 721, 360, "(4)", {"2x-", "3y)(", "8x-", "y)"}, "=16x^2-2xy-24xy+3y^2", "=16x^2-26xy+3y^2", 1,
                3);
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(subMenuLines(run), 2u);
}

TEST(CorvaleSection3Pages, ProblemFiveArcsTakeThePenOfExampleSeven) {
  // Example 7 leaves pen 5: its nine steps, one practice problem and 1 to leave.
  const HeadlessResult run = runScript(PROGRAM, toItem(6) + steps(18) + "1\\n7\\n" + steps(4));
  ASSERT_FALSE(run.error.has_value());
  // From the title of problem 5 on.
  const int start = findOp(run, 0, [](const Op& op) {
    return op.kind == OpKind::Text && op.text == toUtf8("問") && op.x1 == 94 && op.y1 == 30;
  });
  ASSERT_GE(start, 0);
  int dots = 0;
  for (std::size_t i = static_cast<std::size_t>(start); i < run.ops.size(); ++i) {
    const Op& op = run.ops[i];
    if (op.kind != OpKind::Circle || op.radius != 0.5f) continue;
    ++dots;
    ASSERT_EQ(op.pen, 5);
  }
  EXPECT_EQ(dots, 16 * 181);
}

TEST(CorvaleSection3Pages, ProblemSixTwoPagesAnItemPerKey) {
  const HeadlessResult run = runScript(PROGRAM, toItem(10) + steps(4), "00:00:00", "corvale-s3-problem6.png");
  ASSERT_FALSE(run.error.has_value());
  SceneWalk w(run);
  expectAimThenClear(w, 10);
  expectRows(w, {{94, 30, 7, "問6の解答"},
                 {40, 80, 3, "(1)", 1},
                 {94, 80, 0, " (a+1)(a+b-1)"},
                 {94, 130, 0, "=a(a+b-1)+(a+b-1)"},
                 {94, 180, 0, "=a^2+ab-a+a+b-1"},
                 {94, 230, 5, "=a^2+ab+b-1"},
                 {40, 300, 3, "(2)", 1},
                 {94, 300, 0, " (a+2b)(2a+b+1)"},
                 {94, 350, 0, "=a(2a+b+1)+2b(2a+b+1)"},
                 {94, 400, 0, "=2a^2+ab+a+4ab+2b^2+2b"},
                 {94, 450, 0, "=2a^2+ab+4ab+2b^2+a+2b"},
                 {94, 500, 5, "=2a^2+5ab+2b^2+a+2b"}});
  // The key after item (2) clears the page; the title comes again with item (3).
  w.fill(0, 0, 1320, 1300, 15, 15, 1);
  expectRows(w, {{94, 30, 7, "問6の解答"},
                 {40, 80, 3, "(3)"},
                 {94, 80, 0, " (x+2y-1)(2x-y)"},
                 {94, 130, 0, "=x(2x-y)+2y(2x-y)-(2x-y)"},
                 {94, 180, 0, "=2x^2-xy+4xy-2y^2-2x+y"},
                 {94, 230, 5, "=2x^2+3xy-2y^2-2x+y"},
                 {40, 300, 3, "(4)", 1},
                 {94, 300, 0, " (x-y+3)(3x-2y)"},
                 {94, 350, 0, "=x(3x-2y)-y(3x-2y)+3(3x-2y)"},
                 {94, 400, 0, "=3x^2-2xy-3xy+2y^2+9x-6y"},
                 {94, 450, 5, "=3x^2-5xy+2y^2+9x-6y"}});
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(subMenuLines(run), 2u);
}
