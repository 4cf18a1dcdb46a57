// Section 2 of Corvale through scripted keys: the aim, the sub-menu's choices, and each scene
// walked to its end, checked at the texts, places, colours, pens, arcs and step waits that
// matter. Pictures for a look land in the test-output folder.
#include <gtest/gtest.h>

#include <ostream>

#include "common/op_walk.h"
#include "common/prompt_marks.h"
#include "corvale_checks.h"
#include "engine/engine.h"
#include "programs/corvale/corvale.h"
#include "programs/corvale/globals.h"
#include "programs/corvale/monodiv_drills.h"
#include "support/line_chain.h"
#include "support/test_names.h"

using namespace corvale;
using walk::OpWalk;

namespace {

std::size_t subMenuLines(const HeadlessResult& run) { return walk::subMenuLines(run.ops).size(); }

// The rising strokes in colour, as (x1, y1, x2, y2) in drawing order.
std::vector<std::array<float, 4>> strokes(const HeadlessResult& run, int colour) {
  std::vector<std::array<float, 4>> found;
  for (const Op& op : run.ops)
    if (op.kind == OpKind::Line && op.colour == colour && op.y1 > op.y2 && op.x2 > op.x1)
      found.push_back({op.x1, op.y1, op.x2, op.y2});
  return found;
}

bool drewSmall(const HeadlessResult& run, const std::string& text, float x, float y) {
  for (const Op& op : glyphsAt(run, text, x, y))
    if (op.colour == 3 && op.size == 15 && op.bold) return true;
  return false;
}

}  // namespace

TEST(CorvaleSection2, AimAboveTheSubMenuLine) {
  const HeadlessResult run = runScript(PROGRAM, "2\\n", "00:00:00", "corvale-s2-aim.png");
  EXPECT_TRUE(drewGlyph(run, "<", 44, 240, 5));
  EXPECT_TRUE(drewGlyph(run, "め", 71, 240, 5));
  EXPECT_TRUE(drewGlyph(run, "多", 76, 305, 0));
  EXPECT_TRUE(drewGlyph(run, "÷", 174, 305, 0));  // three kanji, 34 px each; the sign 27
  EXPECT_TRUE(drewGlyph(run, "単", 205, 305, 0));
  EXPECT_TRUE(drewGlyph(run, "①", 16, 666, 0));
  EXPECT_TRUE(drewGlyph(run, "復", 32, 666, 0));
  EXPECT_EQ(subMenuLines(run), 1u);
  EXPECT_EQ(stepBoxes(run), 0u);  // the sub-menu follows the aim at once
}

namespace {

enum class Outcome { AskAgain, MainMenu, Review, Example, Answers };

struct EntryCase {
  const char* entry;
  Outcome outcome;
};

void PrintTo(const EntryCase& c, std::ostream* out) { *out << '"' << c.entry << '"'; }

std::string entryName(const testing::TestParamInfo<EntryCase>& info) { return typedName(info.param.entry); }

class CorvaleSection2Entry : public testing::TestWithParam<EntryCase> {};

}  // namespace

TEST_P(CorvaleSection2Entry, LeadsWhereTheChoiceSays) {
  const HeadlessResult run = runScript(PROGRAM, "2\\n" + std::string(GetParam().entry) + "\\n");
  ASSERT_FALSE(run.error.has_value());
  const bool mainMenu = textsEqual(run, "＜").size() == 2;
  const bool review = drewGlyph(run, "復", 40, 30, 0);
  const bool example = drewGlyph(run, "例", 40, 30, 3);
  const bool answers = drewGlyph(run, "問", 121, 30, 7);
  const int reached = mainMenu + review + example + answers;
  switch (GetParam().outcome) {
    case Outcome::AskAgain:
      // The line is written again over the aim, which stays: nothing clears the window.
      EXPECT_EQ(reached, 0);
      EXPECT_EQ(subMenuLines(run), 2u);
      EXPECT_EQ(filledBoxes(run, 0, 0, 1760, 1800).size(), 2u);
      EXPECT_EQ(glyphsAt(run, "め", 71, 240).size(), 1u);
      break;
    case Outcome::MainMenu: EXPECT_TRUE(mainMenu && reached == 1); break;
    case Outcome::Review: EXPECT_TRUE(review && reached == 1); break;
    case Outcome::Example: EXPECT_TRUE(example && reached == 1); break;
    case Outcome::Answers: EXPECT_TRUE(answers && reached == 1); break;
  }
}

INSTANTIATE_TEST_SUITE_P(Entries, CorvaleSection2Entry,
                         testing::Values(EntryCase{"", Outcome::AskAgain}, EntryCase{"0", Outcome::AskAgain},
                                         EntryCase{"5", Outcome::AskAgain}, EntryCase{"-1", Outcome::AskAgain},
                                         EntryCase{"4.6", Outcome::AskAgain}, EntryCase{"3/", Outcome::AskAgain},
                                         EntryCase{"4", Outcome::MainMenu}, EntryCase{"8/2", Outcome::MainMenu},
                                         EntryCase{"3.5", Outcome::MainMenu}, EntryCase{"1", Outcome::Review},
                                         EntryCase{"1.4", Outcome::Review}, EntryCase{"2", Outcome::Example},
                                         EntryCase{"6/3", Outcome::Example}, EntryCase{"3", Outcome::Answers}),
                         entryName);

TEST(CorvaleSection2, ReviewOneProblemStepByStep) {
  // (-8x+6y)÷(-2): a negative divisor and a negative first coefficient.
  const HeadlessResult run = runScript(PROGRAM, "2\\n1\\n" + steps(7), "00:00:07", "corvale-s2-review1.png");
  ASSERT_FALSE(run.error.has_value());
  ASSERT_EQ(T_A(1), -2);
  ASSERT_EQ(T_A(2), -8);
  ASSERT_EQ(T_A(3), 6);
  OpWalk w(run);
  w.reads(40, 30, 0, "復習1　次の計算をしなさい。", 4);
  w.fill(-40, 80, 1320, 1500, 15, 15);
  w.reads(40, 140, 3, "①");
  // The product and the distributed product after the waits of the product and of the two arcs.
  EXPECT_TRUE(
      reading::sameChain({w.reads(80, 140, 0, "(-8x+6y)÷(-2)"), w.reads(40, 240, 0, "=(-8x+6y)*(-ﾀ1/2ﾀ)", 1),
                          w.reads(40, 330, 0, "=-8x*(-ﾀ1/2ﾀ)+6y*(-ﾀ1/2ﾀ)", 3), w.reads(40, 430, 5, "=4x-3y", 3)}));
  EXPECT_EQ(w.keysLeft(), 0);  // the keys ran out at the next-step prompt
  EXPECT_EQ(nextStepBoxes(run), 1u);
  EXPECT_EQ(stepBoxes(run), 7u);

  // Arc 1 from 27 px into the reciprocal's fraction (its bar starts at 369), 20 px above the
  // line, to the right edge of the 8 (its cell at 126), 32 px high; arc 2 to the right edge of
  // the 6 (at 207), 16 px high.
  expectDistributiveArc(arcDots(run.ops, 9), 396, 220, 153, 240, 32);
  expectDistributiveArc(arcDots(run.ops, 7), 396, 220, 234, 240, 16);

  // The coefficients struck 27 px per digit from y 370 up to 330, past the minus; the divisor
  // from 386 up to 358 in each denominator; the values above at y 300 and "1" under at 386.
  using S = std::array<float, 4>;
  EXPECT_EQ(strokes(run, 3), (std::vector<S>{{99, 370, 126, 330}, {234, 386, 261, 358}, {320, 370, 347, 330},
                                             {455, 386, 482, 358}}));
  EXPECT_TRUE(drewSmall(run, "4", 99, 300));
  EXPECT_TRUE(drewSmall(run, "1", 234, 386));
  EXPECT_TRUE(drewSmall(run, "3", 320, 300));
  EXPECT_TRUE(drewSmall(run, "1", 455, 386));
  for (const Op& op : run.ops)
    if (op.kind == OpKind::Line && op.colour == 3) {
      EXPECT_EQ(op.pen, 5);
    }
  EXPECT_EQ(XI1, 40);
  EXPECT_EQ(YI1, 430);
}

TEST(CorvaleSection2, ReviewTwoCyclesThroughTheTableAndClosesWithTheNote) {
  // One review-1 problem, then eleven rows of review 2 (the tenth is row 1 again), then out.
  std::string keys = "2\\n1\\n" + steps(7) + "1\\n" + steps(1);
  for (int row = 1; row <= 10; ++row) keys += steps(2) + "2\\n";
  keys += steps(2) + "1\\n" + steps(1);
  const HeadlessResult run = runScript(PROGRAM, keys, "00:00:07", "corvale-s2-review2.png");
  ASSERT_FALSE(run.error.has_value());
  EXPECT_EQ(NO, 2);
  for (int k = 1; k <= 9; ++k) {
    EXPECT_EQ(T_S_A(k), RECIPROCALS[k - 1].term);
    EXPECT_EQ(T_S_A(10 + k), RECIPROCALS[k - 1].fraction);
    EXPECT_EQ(T_S_A(20 + k), RECIPROCALS[k - 1].reciprocal);
  }
  OpWalk w(run);
  w.reads(40, 430, 5, "=4x-3y", 11);
  w.reads(40, 550, 3, "※　わる数の逆数をかける", 2);  // after the next-step entry "1"
  // Row 1: its term after the heading, its fraction after a key, its reciprocal after another.
  w.fill(640, 0, 1320, 1300, 15, 15, 1);
  w.reads(640, 30, 3, "復習2　逆数をいいなさい。");
  w.reads(728, 170, 0, "2x");
  w.reads(684, 290, 0, "逆数は、", 2);
  EXPECT_TRUE(drewGlyph(run, "=", 786, 170, 0));  // the fraction form right after "2x"
  EXPECT_TRUE(drewGlyph(run, "1", 836, 280, 5));  // the reciprocal's "1" over "2x", after "逆数は、"
  EXPECT_TRUE(drewGlyph(run, "2", 820, 318, 5));
  // Every pass clears the right part from the top and draws the heading again.
  EXPECT_EQ(filledBoxes(run, 640, 0, 1960, 1300).size(), 11u);
  EXPECT_EQ(glyphsAt(run, "復", 640, 30).size(), 11u);
  EXPECT_EQ(glyphsAt(run, "逆", 684, 290).size(), 11u);
  // The closing note after one more key, then the sub-menu at once.
  const std::size_t lastNextStep = [&] {
    std::size_t at = 0;
    for (std::size_t i = 0; i < run.ops.size(); ++i)
      if (run.ops[i].kind == OpKind::FilledBox && run.ops[i].y1 == 639 && run.ops[i].fill == 12) at = i;
    return at;
  }();
  const int note = findOp(run, lastNextStep, [](const Op& op) {
    return op.kind == OpKind::Text && op.x1 == 684 && op.y1 == 410 && op.colour == 3 && op.text == toUtf8("※");
  });
  ASSERT_GT(note, 0);
  EXPECT_EQ(walk::stepWaits(run.ops, lastNextStep, note), 1);
  EXPECT_TRUE(drewGlyph(run, "分", 745, 470, 3));  // after a half-width and a full-width blank
  EXPECT_EQ(walk::stepWaits(run.ops, note, run.ops.size()), 0);
  EXPECT_EQ(subMenuLines(run), 2u);
  // Review 1's last problem and the rule stay: nothing clears left of x 640 after them.
  for (const Op& op : filledBoxes(run, 640, 0, 1960, 1300)) EXPECT_EQ(op.x1, 640);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
}

TEST(CorvaleSection2, ReviewTwoStartsAtRowOneOnEveryVisit) {
  // Rows 1 and 2, out to the sub-menu; then the review again, whose table starts again at row 1.
  const std::string visit = "1\\n" + steps(7) + "1\\n" + steps(1);
  const HeadlessResult run =
      runScript(PROGRAM, "2\\n" + visit + steps(2) + "2\\n" + steps(2) + "1\\n" + steps(1) + visit + steps(2));
  ASSERT_FALSE(run.error.has_value());
  EXPECT_EQ(NO, 1);
  // Row 1's "2x" on the first and on the second visit, row 2's "-3a" (its minus a stroke) between.
  EXPECT_EQ(glyphsAt(run, "2", 728, 170).size(), 2u);
  EXPECT_EQ(glyphsAt(run, "3", 755, 170).size(), 1u);
  EXPECT_EQ(filledBoxes(run, 640, 0, 1960, 1300).size(), 3u);
}

TEST(CorvaleSection2, ExampleThreeBothDrillsAndTheSummary) {
  // Drill (1) twice, drill (2) twice, the summary and the pointer to the textbook.
  const std::string keys = "2\\n2\\n" + steps(5) + "\\n" + steps(5) + "1\\n" + steps(1) + steps(5) + "0\\n" + steps(5) +
                           "1\\n" + steps(1);
  const HeadlessResult run = runScript(PROGRAM, keys, "00:00:07", "corvale-s2-example3.png");
  ASSERT_FALSE(run.error.has_value());
  OpWalk w(run);
  w.reads(40, 30, 3, "例3　次の計算をしなさい。", 4);
  // Each pass: the division, the product with the reciprocal, the two fractions after "=", and
  // the quotient after the waits of the fractions and of each fraction's strokes: one chain.
  struct Pass {
    const char *problem, *product, *fractions, *answer;
  };
  const Pass drillOne[] = {
      {"(-8x^2y+6xy^2)÷(-2y)", "=(-8x^2y+6xy^2)*(-ﾀ1/2yﾀ)", "=ﾀ-8x^2y/-2yﾀ+ﾀ6xy^2/-2yﾀ", "=4x^2-3xy"},
      {"(6x^2y+6xy^2)÷3x", "=(6x^2y+6xy^2)*ﾀ1/3xﾀ", "=ﾀ6x^2y/3xﾀ+ﾀ6xy^2/3xﾀ", "=2xy+2y^2"}};
  const Pass drillTwo[] = {
      {"(-2a^2b+6ab^2)÷(-ﾀ2/5ﾀab)", "=(-2a^2b+6ab^2)*(-ﾀ5/2abﾀ)", "=ﾀ-2a^2b*5/-2abﾀ+ﾀ6ab^2*5/-2abﾀ", "=5a-15b"},
      {"(-10a^2b-20ab^2)÷(-ﾀ5/2ﾀab)", "=(-10a^2b-20ab^2)*(-ﾀ2/5abﾀ)", "=ﾀ-10a^2b*2/-5abﾀ+ﾀ-20ab^2*2/-5abﾀ", "=4a+8b"}};
  for (const Pass& pass : drillOne) {
    w.fill(-40, 80, 1320, 1500, 15, 15, &pass == drillOne ? 0 : 1);  // after an empty entry
    w.reads(40, 140, 3, "①");
    EXPECT_TRUE(reading::sameChain({w.reads(80, 140, 0, pass.problem), w.reads(40, 210, 0, pass.product, 1),
                                    w.reads(40, 300, 0, pass.fractions, 1), w.reads(40, 400, 5, pass.answer, 3)}));
  }
  w.reads(40, 520, 3, "※　わる数の逆数をかける", 2);
  for (const Pass& pass : drillTwo) {
    w.fill(640, 0, 1320, 1500, 15, 15, &pass == drillTwo ? 1 : 2);
    w.reads(640, 50, 3, "②");
    EXPECT_TRUE(reading::sameChain({w.reads(680, 50, 0, pass.problem), w.reads(640, 120, 0, pass.product, 1),
                                    w.reads(640, 210, 0, pass.fractions, 1), w.reads(640, 310, 5, pass.answer, 3)}));
  }
  w.reads(640, 380, 3, "<多項式と単項式の除法>", 2);
  w.reads(640, 430, 5, "逆数にして、分配法則を使う");
  EXPECT_TRUE(drewGlyph(run, "①", 640, 500, 0));
  EXPECT_TRUE(drewGlyph(run, "②", 640, 570, 0));
  w.reads(44, 570, 0, "教科書 問2をやろう。", 1);
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(subMenuLines(run), 2u);
  EXPECT_EQ(stepBoxes(run), 4u * 5 + 2);
  EXPECT_EQ(nextStepBoxes(run), 4u);
  // Drill (2) clears only right of x 640: drill (1)'s last problem and rule on the left stay.
  const int rule = findOp(run, 0, [](const Op& op) { return op.kind == OpKind::Text && op.x1 == 40 && op.y1 == 520; });
  ASSERT_GT(rule, 0);
  for (std::size_t i = rule; i < run.ops.size(); ++i) {
    const Op& op = run.ops[i];
    if (op.kind == OpKind::FilledBox) {
      EXPECT_TRUE(op.x1 >= 640 || op.y1 >= 639) << describe(op);
    }
  }
  // Every stroke is drawn with the scene's pen 5, numbers in colour 3 and letters in colour 7.
  EXPECT_FALSE(strokes(run, 3).empty());
  EXPECT_FALSE(strokes(run, 7).empty());
  for (const Op& op : run.ops)
    if (op.kind == OpKind::Line && (op.colour == 3 || op.colour == 7) && op.y1 > op.y2) {
      EXPECT_EQ(op.pen, 5);
    }
  EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
}

TEST(CorvaleSection2, ExampleThreeNegativeDivisorStrokesSkipTheMinus) {
  // Drill (2)'s second problem, (-10a²b-20ab²)÷(-5/2 ab).
  const HeadlessResult run =
      runScript(PROGRAM, "2\\n2\\n" + steps(5) + "\\n" + steps(5) + "1\\n" + steps(1) + steps(5) + "0\\n" + steps(5),
                "00:00:07", "corvale-s2-example3-negative.png");
  ASSERT_FALSE(run.error.has_value());
  ASSERT_EQ(F_A(1), -5);
  ASSERT_EQ(T_A(1), 2);
  ASSERT_EQ(A1_S, "ab");
  // Second drill: the fractions' numerators at y 200, denominators "-5b" at y 238. A negative q
  // moves the denominators' strokes and "1" one digit (32 px) right of the recorded corner.
  ASSERT_EQ(V_A(1), 200);
  ASSERT_EQ(V_A(2), 238);
  // The first denominator "-5ab": its digit, a and b struck one cell each from U(2), which the
  // strokes moved past the minus; "1" under the digit.
  const auto numbers = strokes(run, 3), letters = strokes(run, 7);
  ASSERT_GE(numbers.size(), 4u);
  ASSERT_GE(letters.size(), 8u);
  EXPECT_EQ(numbers[numbers.size() - 3], (std::array<float, 4>{U_A(2), 266, U_A(2) + 32, 238}));
  EXPECT_EQ(letters[letters.size() - 6], (std::array<float, 4>{U_A(2) + 32, 266, U_A(2) + 64, 238}));
  EXPECT_EQ(letters[letters.size() - 5], (std::array<float, 4>{U_A(2) + 64, 266, U_A(2) + 96, 238}));
  EXPECT_TRUE(drewSmall(run, "1", U_A(2), 266));
  EXPECT_TRUE(drewGlyph(run, "5", U_A(2), 238, 0));  // the struck digit, after the minus
  // The numerators' minus signs stay too: "-10" is struck from its 1, "-20" from its 2.
  EXPECT_TRUE(drewGlyph(run, "1", U_A(1), 200, 0));
  EXPECT_TRUE(drewGlyph(run, "2", U_A(3), 200, 0));
  EXPECT_EQ(numbers[numbers.size() - 4], (std::array<float, 4>{U_A(1), 228, U_A(1) + 64, 200}));
  EXPECT_EQ(numbers[numbers.size() - 2], (std::array<float, 4>{U_A(3), 228, U_A(3) + 64, 200}));
}

// An answer of problem 2: its label column and y, the division beside the label, its working
// lines 70 apart, and the quotient 60 under the last.
struct AnswerItem {
  float x, y;
  const char* label;
  std::vector<const char*> lines;  // the division and the working lines, colour 0
  const char* quotient;
};

// Walks one item, after keysBefore key presses, and checks its lines as one chain.
void expectAnswer(OpWalk& w, const AnswerItem& item, int keysBefore) {
  w.reads(item.x, item.y, 3, item.label, keysBefore);
  std::vector<reading::Line> chain;
  float y = item.y;
  for (const char* line : item.lines) {
    chain.push_back(w.reads(item.x + 81, y, 0, line));
    y += 70;
  }
  chain.push_back(w.reads(item.x + 81, y - 10, 5, item.quotient));
  EXPECT_TRUE(reading::sameChain(chain)) << item.label;
}

TEST(CorvaleSection2, AnswerPagesToTheirEnd) {
  const HeadlessResult run = runScript(PROGRAM, "2\n3\n" + steps(8), "00:00:00", "corvale-s2-answers.png");
  ASSERT_FALSE(run.error.has_value());
  OpWalk w(run);
  // Page 1: the heading alone, then one item per key; the right column from the heading's line.
  w.reads(121, 30, 7, "問2の解答", 4);
  expectAnswer(w, {40, 80, "(1)", {" (5x^2-10x)/5x", "=(5x^2-10x)*ﾀ1/5xﾀ", "=ﾀ5x^2/5xﾀ-ﾀ10x/5xﾀ"}, "=x-2"}, 1);
  expectAnswer(w, {40, 350, "(2)", {" (8a^2-2a)/2a", "=(8a^2-2a)*ﾀ1/2aﾀ", "=ﾀ8a^2/2aﾀ-ﾀ2a/2aﾀ"}, "=4a-1"}, 1);
  expectAnswer(w, {560, 30, "(3)", {" (6ax+3ay)/(-3a)", "=(6ax+3ay)*ﾀ1/-3aﾀ", "=ﾀ6ax/-3aﾀ+ﾀ3ay/-3aﾀ"}, "=-2x-y"}, 1);
  expectAnswer(w, {560, 300, "(4)", {" (-12a^2b+4ab^2)/(-4ab)", "=ﾀ-12a^2b/-4abﾀ+ﾀ4ab^2/-4abﾀ"}, "=3a-b"}, 1);
  // Page 2 on a cleared window: the heading and item (5) come with the same key.
  w.fill(0, 0, 1320, 1300, 15, 15, 1);
  w.reads(121, 30, 3, "問2 解答");
  expectAnswer(
      w, {40, 90, "(5)", {" (6xy-4xy^2)/ﾀ2/5ﾀy", "=(6xy-4xy^2)*ﾀ5/2yﾀ", "=6xy*ﾀ5/2yﾀ-4xy^2*ﾀ5/2yﾀ"}, "=15x-10xy"}, 0);
  expectAnswer(w, {40, 360, "(6)", {" (-10x^2+x)/ﾀx/2ﾀ", "=(-10x^2+x)*ﾀ2/xﾀ", "=-10x^2*ﾀ2/xﾀ+x*ﾀ2/xﾀ"}, "=-20x+2"}, 1);
  expectAnswer(
      w,
      {560, 90, "(7)", {" (3x^2+6xy)/(-ﾀ3/4ﾀx)", "=(3x^2+6xy)*(-ﾀ4/3xﾀ)", "=3x^2*(-ﾀ4/3xﾀ)+6xy*(-ﾀ4/3xﾀ)"}, "=-4x-8y"},
      1);
  expectAnswer(w,
               {560,
                360,
                "(8)",
                {" (15x^2y-9xy^2)/ﾀ3/2ﾀxy", "=(15x^2y-9xy^2)*ﾀ2/3xyﾀ", "=15x^2y*ﾀ2/3xyﾀ-9xy^2*ﾀ2/3xyﾀ"},
                "=10x-6y"},
               1);
  EXPECT_EQ(w.keysLeft(), 0);
  // No wait after item (8): the sub-menu line follows at once.
  EXPECT_EQ(stepBoxes(run), 8u);
  EXPECT_EQ(subMenuLines(run), 2u);
  EXPECT_EQ(filledBoxes(run, 0, 0, 1320, 1300).size(), 2u);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
  EXPECT_EQ(XI0, 560);
  EXPECT_EQ(XI1, 641);
  EXPECT_EQ(YI1, 560);
}
