// Section 3's practices walked in drawing order: examples 6, 7 and 8, a few problems each, with
// the problems the seeded generator makes, every line at its place and colour, every arc with
// its anchors, bulge, dots and pen, and the key presses between. Pictures:
// build/test-output/corvale-s3-example*.png.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "programs/corvale/binomprod.h"
#include "programs/corvale/corvale.h"
#include "section3_support.h"

using namespace corvale;
using namespace polymul_test;

namespace {

// The clock of the runs, and the seed it gives.
const std::string TIME = "10:20:30";
constexpr float SEED = 10 + 20 + 30;

// The width of a formula text by the typesetter's advances: 27 px a character, 32 for "=",
// 24 for an exponent, nothing for the "^" that raises it.
float widthOf(const std::string& markup) {
  float width = 0;
  for (std::size_t i = 0; i < markup.size(); ++i) {
    if (markup[i] == '^') {
      width += 24;
      ++i;
    } else {
      width += markup[i] == '=' ? 32 : 27;
    }
  }
  return width;
}

// Where the pieces of a product line begin when the first begins at x, each anchor 27 px in when
// its piece begins with a sign.
std::vector<float> anchorsOf(const std::vector<std::string>& pieces, float x) {
  std::vector<float> anchors{0};
  for (const std::string& piece : pieces) {
    anchors.push_back(piece[0] == '+' || piece[0] == '-' ? x + 27 : x);
    x += widthOf(piece);
  }
  return anchors;
}

// The problems the program made after the given clock, with the memory it started from,
// remade with the same draws.
template <typename Lines>
std::vector<Lines> remade(float memory, BinomVariant variant, int problems, Lines (*lines)()) {
  PaRandomize(SEED);
  FMAESU = memory;
  std::vector<Lines> made;
  for (int i = 0; i < problems; ++i) {
    GENBINOMPROD(variant);
    made.push_back(lines());
  }
  return made;
}

}  // namespace

TEST(CorvaleSection3Practice, ExampleSixThreeLinesPerProblemThenTheReminder) {
  // Two problems (Enter and then 1 at the next-step prompt), then the reminder and the pointer.
  const float memory = FMAESU;
  const HeadlessResult run =
      runScript(PROGRAM, toItem(4) + steps(3) + "\\n" + steps(3) + "1\\n" + steps(1), TIME, "corvale-s3-example6.png");
  ASSERT_FALSE(run.error.has_value());
  const std::vector<std::vector<std::string>> problems = remade(memory, BinomVariant::Example6, 2, example6Lines);
  SceneWalk w(run);
  expectAimThenClear(w, 4);
  int keys = 0;
  for (const std::vector<std::string>& lines : problems) {
    w.fill(0, 0, 1320, 1300, 15, 15, keys);
    w.reads(132, 18, 0, "例6 次の式を展開しなさい。");
    w.reads(220, 98, 3, lines[0]);
    w.reads(176, 168, 0, lines[1], 1);
    w.reads(176, 238, 0, lines[2], 1);
    w.reads(176, 308, 5, lines[3], 1);
    keys = 1;
  }
  w.reads(176, 378, 3, "※同類項はまとめる", 2);
  w.reads(44, 570, 0, "教科書 問4　をしなさい。", 1);
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(nextStepBoxes(run), 2u);
  EXPECT_EQ(subMenuLines(run), 2u);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
}

namespace {

// The arcs of example 7's practice over a product line whose top is y.
void expectPracticeArc(SceneWalk& w, int k, const std::vector<float>& x, float y) {
  switch (k) {
    case 1: w.arc({x[1] + 10, y, x[3] + 10, y, 10, -1, 181, 3, 5}, 1); break;
    case 2: w.arc({x[1], y, x[4], y, 20, -1, 181, 7, 5}, 1); break;
    case 3: w.arc({x[2] + 10, y + 50, x[3], y + 50, 10, 1, 181, 3, 5}, 1); break;
    case 4: w.arc({x[2], y + 50, x[4], y + 50, 20, 1, 181, 7, 5}, 1); break;
  }
}

}  // namespace

TEST(CorvaleSection3Practice, ExampleSevenWorkedByNumberedArcsThenPractice) {
  const float memory = FMAESU;
  const HeadlessResult run = runScript(PROGRAM, toItem(6) + steps(9) + steps(9) + "\\n" + steps(9) + "1\\n", TIME,
                                       "corvale-s3-example7.png");
  ASSERT_FALSE(run.error.has_value());
  SceneWalk w(run);
  expectAimThenClear(w, 6);
  w.reads(94, 30, 3, "例7　次の式を展開しなさい。");
  w.reads(94, 90, 0, " (3a+2b)(2a-b)");
  w.reads(94, 140, 0, "=3a(2a-b)+2b(2a-b)", 1);
  w.reads(94, 190, 0, "=6a^2-3ab+4ab-2b^2", 1);
  w.reads(94, 240, 5, "=6a^2+ab-2b^2", 1);
  w.reads(88, 320, 3, "次のように計算してもよい。", 1);
  // 3a, 2b, 2a and b begin at 142, 223, 331 and 412; the product line ends at 466.
  w.reads(88, 460, 0, " (3a+2b)(2a-b)");
  w.arc({152, 460, 341, 460, 15, -1, 181, 9, 8, "①", 3, 20}, 1);
  w.follows(0, "=6a^2");
  w.arc({142, 460, 412, 460, 40, -1, 181, 7, 8, "   ②", 3, 20}, 1);
  w.follows(0, "-3ab");
  w.arc({223, 500, 331, 500, 15, 1, 181, 9, 8, "  ③", 5, -20}, 1);
  w.follows(0, "+4ab");
  w.arc({223, 500, 412, 500, 40, 1, 181, 7, 8, "  ④", 5, -20}, 1);
  w.follows(0, "-2b^2");

  int keys = 1;
  for (const ArcProductLines& lines : remade(memory, BinomVariant::Example7, 2, example7Lines)) {
    w.fill(0, 0, 1320, 1300, 15, 15, keys);
    w.reads(30, 20, 0, "例7 次の式を展開しなさい。");
    w.reads(120, 120, 0, lines.opener + joined(lines.pieces));
    const std::vector<float> x = anchorsOf(lines.pieces, 147);
    for (int k = 1; k <= 4; ++k) {
      expectPracticeArc(w, k, x, 120);
      if (k == 1) {
        w.reads(93, 200, 0, lines.products[0], 1);
      } else {
        w.follows(0, lines.products[k - 1], 1);
      }
    }
    w.reads(93, 270, 5, lines.lines[0], 1);
    keys = 1;
  }
  w.reads(44, 570, 3, "教科書 問5　をしなさい。", 2);
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(nextStepBoxes(run), 2u);
  EXPECT_EQ(subMenuLines(run), 2u);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
}

TEST(CorvaleSection3Practice, ExampleSevenAgainStartsWithTheWorkedExample) {
  const std::string oneVisit = toItem(6).substr(3) + steps(18) + "1\\n";
  const HeadlessResult run = runScript(PROGRAM, "3\\n" + oneVisit + oneVisit);
  ASSERT_FALSE(run.error.has_value());
  EXPECT_EQ(glyphsAt(run, "例", 94, 30).size(), 2u);
  EXPECT_EQ(glyphsAt(run, "例", 30, 20).size(), 2u);
  EXPECT_EQ(subMenuLines(run), 3u);
}

namespace {

// The six arcs of example 8 from the anchors x of its six-arc line, whose top is y, each with
// its product drawn after the products before it on that line.
void expectSixArcs(SceneWalk& w, const std::vector<float>& x, float y, const ArcProductLines& lines) {
  const ArcExpect arcs[] = {
      {x[1] + 10, y, x[3] + 10, y, 15, -1, 181, 7, 8, "①", 3, 20},
      {x[1], y, x[4], y, 40, -1, 181, 7, 8, "   ②", 3, 20},
      {x[1], y, x[5], y, 60, -1, 181, 7, 8, "     ③", 3, 20},
      {x[2], y + 40, x[3], y + 40, 15, 1, 181, 9, 8, "  ④", 5, -20},
      {x[2], y + 40, x[4], y + 40, 40, 1, 181, 9, 8, "   ⑤", 5, -30},
      {x[2], y + 40, x[5], y + 40, 60, 1, 181, 9, 8, "    ⑥", 5, -20},
  };
  for (int k = 0; k < 6; ++k) {
    w.arc(arcs[k], 1);
    w.follows(0, lines.products[k]);
  }
}

}  // namespace

TEST(CorvaleSection3Practice, ExampleEightFourLinesPerProblemThenSixArcs) {
  const float memory = FMAESU;
  const HeadlessResult run = runScript(PROGRAM, toItem(9) + steps(4) + "\\n" + steps(4) + "1\\n" + steps(8), TIME,
                                       "corvale-s3-example8.png");
  ASSERT_FALSE(run.error.has_value());
  const std::vector<ArcProductLines> problems = remade(memory, BinomVariant::Example8, 2, example8Lines);
  SceneWalk w(run);
  expectAimThenClear(w, 9);
  int keys = 0;
  for (const ArcProductLines& lines : problems) {
    w.fill(0, 0, 1320, 1300, 15, 15, keys);
    w.reads(40, 30, 0, "例8 次の式を展開しなさい。");
    w.reads(67, 90, 3, lines.lines[0]);
    w.reads(67, 140, 0, lines.lines[1], 1);
    w.reads(67, 190, 0, lines.lines[2], 1);
    w.reads(67, 240, 0, lines.lines[3], 1);
    w.reads(67, 290, 5, lines.lines[4], 1);
    keys = 1;
  }
  // The note 50 px after the last problem's like-terms line; the six-arc line under the rest.
  const ArcProductLines& last = problems.back();
  const float note = 67 + widthOf(last.lines[3]) + 50;
  w.reads(note, 240, 3, "※同類項はまとめる", 2);
  w.reads(67, 370, 3, "次のように計算してもよい。", 1);
  w.reads(40, 510, 0, last.lines[0]);
  const std::vector<float> x = anchorsOf(last.pieces, 40 + 54);
  expectSixArcs(w, x, 510, last);
  w.reads(400, 600, 7, "教科書 問6 をしなさい。", 1);
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(nextStepBoxes(run), 2u);
  EXPECT_EQ(subMenuLines(run), 2u);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
}

TEST(CorvaleSection3Practice, EveryPracticeRulesOutTheKeyTheLastOneLeft) {
  // One problem of example 8, then example 6: its first a is never the p of example 8's hidden
  // product, which the memory holds.
  for (const float seconds : {0, 7, 31, 59}) {
    const std::string time = "00:00:" + std::string(seconds < 10 ? "0" : "") + std::to_string(static_cast<int>(seconds));
    const float memory = FMAESU;
    const HeadlessResult run = runScript(PROGRAM, toItem(9) + steps(4) + "1\\n" + steps(8) + "4\\n", time);
    ASSERT_FALSE(run.error.has_value());
    const float a = F_A(1);
    EXPECT_EQ(FMAESU, a) << time;
    PaRandomize(seconds);
    FMAESU = memory;
    GENBINOMPROD(BinomVariant::Example8);
    EXPECT_NE(a, FMAESU) << time;
  }
}
