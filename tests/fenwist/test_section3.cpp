// Section 3, perfect squares: examples 3 and 4 beside the formula panel, read back from the
// screen and checked as mathematics, and the answer pages of problems 3, 4 and 5.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/op_walk.h"
#include "engine/engine.h"
#include "fenwist_support.h"
#include "programs/fenwist/globals.h"
#include "support/algebra.h"
#include "support/page_lines.h"
#include "support/test_names.h"

namespace {

using namespace fenwist_test;
using walk::OpWalk;

// The three rows left in a practice area from y top when the operation `to` of ops comes: the
// problem, its rewriting and its square, 60 px apart.
void expectSquareDrill(const std::vector<Op>& ops, std::size_t to, float top, bool labelled) {
  const auto rows = page::rowsIn(page::onScreen(ops, to), 40, top - 5, 836, top + 175);
  ASSERT_EQ(rows.size(), 3u) << "area at " << top << ":" << reading::describe(rows);
  for (std::size_t k = 0; k < rows.size(); ++k)
    EXPECT_TRUE(page::atPlace(rows[k].y, top + 60 * static_cast<float>(k))) << reading::describe(rows[k]);
  const std::string problem = labelled ? algebra::withoutLabel(rows[0].text) : rows[0].text;
  const std::string& step = rows[1].text;
  const std::string& answer = rows[2].text;
  EXPECT_TRUE(algebra::sameValue(step, problem));
  EXPECT_TRUE(algebra::sameValue(answer, problem));
  EXPECT_TRUE(algebra::completelyFactored(answer));
  // One bracket, squared with a small index.
  EXPECT_EQ(std::count(answer.begin(), answer.end(), '('), 1) << algebra::utf8(answer);
  EXPECT_NE(answer.find("\\2"), std::string::npos)
      << "the square of a bracket as a small index: " << algebra::utf8(answer);
}

void expectPanel(OpWalk& w) {
  w.reads(880, 30, 3, "<平方の公式>");
  w.reads(907, 110, 0, "2乗 2倍 2乗");
  w.reads(880, 160, 3, " a^2+2ab+b^2");
  w.reads(880, 210, 5, "=(a+b)^2");
  w.reads(880, 280, 3, " a^2-2ab+b^2");
  w.reads(880, 330, 5, "=(a-b)^2");
}

class FenwistExample3 : public testing::TestWithParam<const char*> {};

TEST_P(FenwistExample3, FirstNumberOneAndEveryProblemAPerfectSquare) {
  // Four problems, then the pointer to problem 3.
  const HeadlessResult run = runFenwist("3\n1\nkk\nkk\nkk5\nkk1\nk", GetParam(), "fenwist-s3-example3.png");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  OpWalk w(run);
  w.reads(44, 240, 3, "<めあて>", 2);
  w.reads(76, 305, 0, "平方の公式を逆に使って、因数分解しよう。");
  w.fill(0, 0, 1760, 1800, 15, 15, 2);
  expectPanel(w);
  w.reads(40, 20, 7, "例3　次の式を因数分解しなさい。");
  int problems = 0;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const Op& op = ops[i];
    if (isNextStep(op)) {
      expectSquareDrill(ops, i, 80, false);
      ++problems;
    }
    // The problem line starts at (121, 80) with the bare squared letter.
    if (op.kind == OpKind::FilledBox && op.x1 == 40 && op.y1 == 80 && op.x2 == 836 && op.y2 == 260) {
      const Op& first = ops[i + 1];
      EXPECT_TRUE(first.kind == OpKind::Text && first.italic && first.x1 >= 121 && first.x1 < 130 &&
                  (first.text == "x" || first.text == "a"))
          << describe(first);
    }
  }
  EXPECT_EQ(problems, 4);
  w.reads(616, 570, 7, "教科書 問3　をしなさい。", 15);
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(fenwist::REN, 1);
}

INSTANTIATE_TEST_SUITE_P(Clocks, FenwistExample3, testing::Values("00:00:00", "07:07:07", "14:30:00", "21:48:13"),
                         textParamName);

class FenwistExample4 : public testing::TestWithParam<const char*> {};

TEST_P(FenwistExample4, OneLetterThenTwoLettersUnderIt) {
  const HeadlessResult run = runFenwist("3\n3\nkk\nkk1\nkk\nkk1\nk", GetParam(), "fenwist-s3-example4.png");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  OpWalk w(run);
  w.reads(44, 240, 3, "<めあて>", 2);
  w.fill(0, 0, 1760, 1800, 15, 15, 2);
  expectPanel(w);
  w.reads(40, 20, 7, "例4　次の式を因数分解しなさい。");
  std::vector<float> areas;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const Op& op = ops[i];
    if (op.kind == OpKind::FilledBox && op.x1 == 40 && op.x2 == 836 && op.fill == 15 && op.y2 - op.y1 == 180) {
      areas.push_back(op.y1);
      // Each problem line starts at (40, top) with its label.
      EXPECT_EQ(glyphsAt({ops[i + 1]}, 40, op.y1, 0), std::vector<std::string>{"("});
    }
    if (isNextStep(op))
      expectSquareDrill(ops, i, areas.back(), true);
  }
  EXPECT_EQ(areas, (std::vector<float>{80, 80, 280, 280}));
  // The last problem of drill (1) stays above drill (2), and the second letter shows in (2) only.
  const auto rows = page::rowsIn(page::onScreen(w.lines(), run.ops, run.ops.size()), 40, 60, 836, 460);
  ASSERT_EQ(rows.size(), 6u) << reading::describe(rows);
  EXPECT_EQ(rows[0].text.substr(0, 3), "(1)") << reading::describe(rows[0]);
  EXPECT_TRUE(page::atPlace(rows[3].y, 280)) << reading::describe(rows[3]);
  EXPECT_EQ(rows[3].text.substr(0, 3), "(2)") << reading::describe(rows[3]);
  w.reads(120, 570, 7, "教科書 問4　をしなさい。", 15);
  EXPECT_EQ(fenwist::REN, 0);
}

INSTANTIATE_TEST_SUITE_P(Clocks, FenwistExample4, testing::Values("00:00:00", "05:55:55", "16:12:01", "22:22:22"),
                         textParamName);

// --- The answer pages -----------------------------------------------------------------------------

TEST(FenwistSection3, AnswersToProblem3) {
  const HeadlessResult run = runFenwist("3\n2\n" + steps(4), "00:00:00", "fenwist-s3-problem3.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.reads(40, 30, 3, "問3 解答");
  w.reads(40, 90, 0, "(1)x^2+2x+1", 1);
  w.reads(94, 140, 0, "=x^2+2*x*1+1^2");
  w.reads(94, 190, 5, "=(x+1)^2");
  w.reads(40, 260, 0, "(2)x^2-4x+4", 1);
  w.reads(94, 310, 0, "=x^2-2*x*2+2^2");
  w.reads(94, 360, 5, "=(x-2)^2");
  w.reads(600, 30, 0, "(3)x^2+14x+49", 1);
  w.reads(654, 80, 0, "=x^2+2*x*7+7^2");
  w.reads(654, 130, 5, "=(x+7)^2");
  w.reads(600, 200, 0, "(4)x^2-12x+36", 1);
  w.reads(654, 250, 0, "=x^2-2*x*6+6^2");
  w.reads(654, 300, 5, "=(x-6)^2");
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(subMenuLines(drawn(run)).size(), 2u);
}

TEST(FenwistSection3, AnswersToProblem4EndWithThePointerToProblem5) {
  const HeadlessResult run = runFenwist("3\n4\n" + steps(5), "00:00:00", "fenwist-s3-problem4.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.reads(40, 30, 3, "問4 解答");
  w.reads(40, 90, 0, "(1)4x^2-12x+9", 1);
  w.reads(94, 140, 0, "=(2x)^2-2*2x*3+3^2");
  w.reads(94, 190, 5, "=(2x-3)^2");
  w.reads(40, 260, 0, "(2)16y^2+40y+25", 1);
  w.reads(94, 310, 0, "=(4y)^2+2*4y*5+5^2");
  w.reads(94, 360, 5, "=(4y+5)^2");
  w.reads(600, 30, 0, "(3)9a^2-6ab+b^2", 1);
  w.reads(654, 80, 0, "=(3a)^2-2*3a*b+b^2");
  w.reads(654, 130, 5, "=(3a-b)^2");
  w.reads(600, 200, 0, "(4)4t^2-20t+25", 1);
  w.reads(654, 250, 0, "=(2t)^2-2*2t*5+5^2");
  w.reads(654, 300, 5, "=(2t-5)^2");
  w.reads(120, 570, 7, "教科書 問5　をしなさい。", 1);
  EXPECT_EQ(w.keysLeft(), 0);
}

TEST(FenwistSection3, AnswersToProblem5OneRelationAtATime) {
  const HeadlessResult run = runFenwist("3\n5\n" + steps(15), "00:00:00", "fenwist-s3-problem5.png");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.reads(40, 30, 3, "問5 解答");
  const struct {
    float x, y;
    const char* segments[5];
    float relationX, relationY[2];
    const char* relations[2];
    const char* values[2];
  } items[] = {
      {40, 90, {"(1)x^2－", "①", "x+9=(x-", "②", ")^2"}, 94, {140, 190}, {"②^2=9 ", "①=2*②  "}, {"②=3", "①=6"}},
      {40, 260, {"(2)4x^2+", "①", "x+1=(", "②", "x+1)^2"}, 94, {310, 360}, {"②^2=4 ", "①=2*②  "}, {"②=2", "①=4"}},
      {600, 30, {"(3)x^2-16x+", "①", "=(x-", "②", ")^2"}, 654, {80, 130}, {"2*②*x=16x ", "①=②^2  "}, {"②=8", "①=64"}},
  };
  for (const auto& item : items) {
    w.reads(item.x, item.y, 0, item.segments[0], 1);
    for (int s = 1; s < 5; ++s) w.follows(s % 2 == 1 ? 3 : 0, item.segments[s]);
    for (int r = 0; r < 2; ++r) {
      w.reads(item.relationX, item.relationY[r], 0, item.relations[r], 1);
      w.follows(5, item.values[r], 1);
    }
  }
  EXPECT_EQ(w.keysLeft(), 0);
  // The first minus of the page is the full-width character, drawn as a glyph.
  EXPECT_FALSE(textsEqual(run, "－").empty());
  const auto menus = subMenuLines(ops);
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(stepWaits(ops, menus[0], menus[1]), 15);
}

TEST(FenwistSection3, MenuAsksAgainOutsideItsItemsAndItsLastItemLeaves) {
  const HeadlessResult run = runFenwist("3\n7\n0\n6\n");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(subMenuLines(ops).size(), 3u);
  EXPECT_EQ(mainMenus(ops).size(), 2u);
}

}  // namespace
