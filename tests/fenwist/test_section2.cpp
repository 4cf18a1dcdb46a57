// Section 2, the difference of two squares: the example with its four drills in their bands, read
// back from the screen and checked as mathematics, and the answer page of problem 2.
#include <gtest/gtest.h>

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

// What stays on the screen of a band when the operation `to` of ops comes: its problem line with
// the hint after it, from its label at (40, top), and its answer line at (94, top + 55).
struct Band {
  std::string problem;  // without its label
  std::string hint;
  std::string answer;
};

Band readBand(const std::vector<Op>& ops, std::size_t to, float top) {
  const auto rows = page::rowsIn(page::onScreen(ops, to), 40, top - 5, 836, top + 60);
  EXPECT_EQ(rows.size(), 2u) << "band at " << top << ":" << reading::describe(rows);
  if (rows.size() != 2) return {};
  EXPECT_TRUE(page::standsAt(rows[0], 40, top, "")) << reading::describe(rows[0]);
  EXPECT_TRUE(page::standsAt(rows[1], 94, top + 55, "")) << reading::describe(rows[1]);
  const std::string first = algebra::withoutLabel(rows[0].text);
  const std::size_t equals = first.find('=');
  EXPECT_NE(equals, std::string::npos) << reading::describe(rows[0]);
  return {first.substr(0, equals), first.substr(equals), rows[1].text};
}

void expectFactorised(const Band& band) {
  EXPECT_TRUE(algebra::sameValue(band.hint, band.problem));
  EXPECT_TRUE(algebra::sameValue(band.answer, band.problem));
  EXPECT_TRUE(algebra::completelyFactored(band.answer));
}

// One problem in each drill, then the textbook pointer.
const std::string ONE_EACH = "2\n1\nkk1\nkk1\nkk1\nkk1\nk";

class FenwistExample2 : public testing::TestWithParam<const char*> {};

TEST_P(FenwistExample2, FourDrillsInTheirBandsShowCompleteFactorisations) {
  const HeadlessResult run = runFenwist(ONE_EACH, GetParam(), "fenwist-s2-example2.png");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  OpWalk w(run);
  w.reads(44, 240, 3, "<めあて>", 2);
  w.fill(0, 0, 1760, 1800, 15, 15, 2);
  w.reads(880, 30, 3, "和と差の積");
  w.reads(880, 110, 5, " a^2-b^2");
  w.reads(880, 180, 5, "=(a+b)(a-b)");
  w.reads(40, 20, 7, "例2　次の式を因数分解しなさい。");
  const float tops[] = {80, 215, 350, 485};
  const float clearTops[] = {80, 205, 340, 475};
  const float widths[] = {88, 88, 88, 150};
  for (int d = 0; d < 4; ++d) {
    const float top = tops[d];
    w.fill(40, clearTops[d], 796, top + 120 - clearTops[d], 15, 15, d == 0 ? 0 : 4);
    EXPECT_EQ(glyphsAt(ops, 67, top, 0), std::vector<std::string>{std::to_string(d + 1)}) << "problem line label";
    // Boxes ① and ② with their top on the answer line, 50 px high, frame 7 and fill 6, each 10 px
    // after the text before it, with its number centred on the line 3 px under its top.
    for (const char* label : {"①", "②"}) {
      const float left = w.fillAfter(10, top + 55, widths[d], 50, 7, 6);
      w.readsCentred(left, widths[d], top + 58, 13, label);
    }
  }
  w.reads(616, 570, 7, "教科書 問2　をしなさい。", 5);
  EXPECT_EQ(w.keysLeft(), 0);
  for (const float top : tops) expectFactorised(readBand(run.ops, run.ops.size(), top));
  EXPECT_EQ(fenwist::REN, 0);
}

INSTANTIATE_TEST_SUITE_P(Clocks, FenwistExample2,
                         testing::Values("00:00:00", "08:45:10", "10:20:30", "12:00:59", "13:37:42", "23:59:59"),
                         textParamName);

// Each problem: two key presses (the hint, then the answers in the boxes) and an entry; any entry
// but 1 shows a new problem in the same band, so the bands never move.
TEST(FenwistExample2Bands, StayWhereTheyAreHoweverManyProblemsEachDrillShows) {
  const HeadlessResult run = runFenwist("2\n1\nkk\nkk5\nkk1\nkk\nkk1\nkk1\nkk\nkk\nkk1\nk", "09:30:15");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  // The hint follows the first key of a problem, the filled boxes the second.
  const float tops[] = {80, 80, 80, 215, 215, 350, 485, 485, 485};
  std::vector<float> problemLines;
  for (const Op& op : ops)
    if (op.kind == OpKind::Text && op.x1 == 40 && op.colour == 0 && op.text == "(") problemLines.push_back(op.y1);
  EXPECT_EQ(problemLines, std::vector<float>(std::begin(tops), std::end(tops)));
  for (const float top : {80.0f, 215.0f, 350.0f, 485.0f}) expectFactorised(readBand(run.ops, run.ops.size(), top));
  EXPECT_EQ(stepWaits(ops, 0, ops.size()), 19);
}

// After every problem the picture is a complete factorisation: also the problems that a later
// problem of the same drill replaces.
TEST(FenwistExample2Bands, EveryProblemShownIsFactorisedCompletely) {
  std::string keys = "2\n1\n";
  for (int pass = 0; pass < 12; ++pass) keys += "kk\n";
  keys += "kk1\n";
  const HeadlessResult run = runFenwist(keys, "17:05:33");
  ASSERT_FALSE(run.error);
  // Read the band just before each band clear that follows a problem.
  int checked = 0;
  for (std::size_t i = 1; i < run.ops.size(); ++i) {
    if (!isNextStep(run.ops[i])) continue;
    expectFactorised(readBand(run.ops, i, 80));
    ++checked;
  }
  EXPECT_EQ(checked, 13);
}

TEST(FenwistSection2, AnswersToProblem2InTwoColumns) {
  const HeadlessResult run = runFenwist("2\n2\n" + steps(4), "00:00:00", "fenwist-s2-answers.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.reads(40, 30, 3, "問2 解答");
  w.reads(40, 90, 0, "(1)x^2-y^2", 1);
  w.reads(94, 140, 5, "=(x+y)(x-y)");
  w.reads(40, 210, 0, "(2)x^2-16", 1);
  w.reads(94, 260, 0, "=x^2-4^2");
  w.reads(94, 310, 5, "=(x+4)(x-4)");
  w.reads(600, 30, 0, "(3)9x^2-1", 1);
  w.reads(654, 80, 0, "=(3x)^2-1^2");
  w.reads(654, 130, 5, "=(3x+1)(3x-1)");
  w.reads(600, 200, 0, "(4)49x^2-36y^2", 1);
  w.reads(654, 250, 0, "=(7x)^2-(6y)^2");
  w.reads(654, 300, 5, "=(7x+6y)(7x-6y)");
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(subMenuLines(drawn(run)).size(), 2u);
}

TEST(FenwistSection2, MenuAsksAgainOutsideItsItemsAndItsLastItemLeaves) {
  const HeadlessResult run = runFenwist("2\n4\n0\n3\n");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(subMenuLines(ops).size(), 3u);
  EXPECT_EQ(mainMenus(ops).size(), 2u);
  walk::OpWalk w(run);
  w.reads(44, 240, 3, "<めあて>", 2);
  w.reads(76, 305, 0, "公式(和と差の積)を逆に使って、因数分解しよう。");
}

}  // namespace
