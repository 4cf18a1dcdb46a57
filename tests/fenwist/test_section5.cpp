// Section 5, a common factor taken out before a formula: the sub-menu, the displays of one problem
// for each formula kind, the three practice parts of example 1 in their areas, and the answer page
// of problem 10.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "answer_boxes.h"
#include "common/op_walk.h"
#include "engine/engine.h"
#include "fenwist_support.h"
#include "programs/fenwist/globals.h"
#include "programs/fenwist/section5.h"
#include "worked_items.h"
#include "support/test_names.h"

namespace {

using namespace fenwist_test;
using walk::OpWalk;

const char* const AIM = " 共通因数と公式を使って因数分解しよう。";

// --- Sub-menu -----------------------------------------------------------------------------------

TEST(FenwistSection5, AimThenMenuWhichAsksAgainOutsideItsItemsAndLeavesWithItsLast) {
  const HeadlessResult run = runFenwist("5\n0\n4\n-1\n\n3\n", "00:00:00", "fenwist-s5-aim.png");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  OpWalk w(run);
  w.reads(264, 30, 15, "＜Ｆｅｎｗｉｓｔ　メニュー＞");
  w.fill(0, 0, 1760, 1800, 15, 15, 2);
  w.reads(44, 240, 3, "<めあて>");
  w.reads(44, 330, 0, AIM);
  EXPECT_EQ(glyphsAt(ops, 44, 330, 0).size(), 0u) << "the aim line starts one blank to the right";
  // The menu line, drawn again after each rejected entry, then the main menu after 3.
  w.reads(16, 666, 0, "①例題１　②問１０　③終了");
  for (const int keys : {2, 2, 3, 1}) w.reads(16, 666, 0, "①例題１　②問１０　③終了", keys);
  w.reads(264, 30, 15, "＜Ｆｅｎｗｉｓｔ　メニュー＞", 2);
  EXPECT_EQ(textsEqual(run, "<").size(), 1u) << "the aim screen is drawn once";
}

TEST(FenwistSection5, ASceneEndsUnderTheMenuLineAndTheAimIsNotDrawnAgain) {
  const HeadlessResult run = runFenwist("5\n2\nkkk3\n");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  const std::vector<std::size_t> pageClears = clearsOf(ops, 0, 0, 1320, 1300);
  const std::vector<std::size_t> workClears = clearsOf(ops, 0, 54, 1440, 846);
  ASSERT_EQ(pageClears.size(), 1u);
  ASSERT_EQ(workClears.size(), 2u);
  // From the page to the main menu only the prompt zones at the bottom are erased.
  for (std::size_t i = pageClears[0] + 1; i < workClears[1]; ++i)
    if (ops[i].kind == OpKind::FilledBox && ops[i].fill == 15) {
      EXPECT_GE(ops[i].y1, 639) << "erase at " << i;
    }
  EXPECT_EQ(subMenuLines(ops).size(), 2u);
  EXPECT_EQ(textsEqual(run, "<").size(), 1u);
}

// --- The displays of one problem -----------------------------------------------------------------

// A problem as GENCOMMON and the scene leave it for the displays.
struct Problem {
  const char* name;
  float kind;
  const char* texts[7];  // F$(1), then T$(1) to T$(6)
  const char* label;     // NO$
  const char* letters[4];  // X$, X$(1) to X$(3)
  float xi0;
  float top;               // YI1 on entry: the practice area's top
  // What the pupil sees.
  const char* problem;
  const char* bracket;
  const char* factor;      // box ①
  const char* factorised;  // the start of the factorised line
  const char* middle;      // after box ②: ")(x" or ")^2"
  const char* box2;
  const char* box3;        // empty for a square
};

class FenwistCombinedDisplay : public testing::TestWithParam<Problem> {};

TEST_P(FenwistCombinedDisplay, RevealsTheCommonFactorThenTheFormulasFactorsBoxByBox) {
  static Problem p;
  p = GetParam();
  const bool square = *p.box3 == '\0';
  const int waits = square ? 3 : 4;
  const HeadlessResult run = runRoutine(
      [] {
        F_S_A(1) = p.texts[0];
        for (int i = 1; i <= 6; ++i) T_S_A(static_cast<float>(i)) = p.texts[i];
        fenwist::KOUSIKI = p.kind;
        fenwist::NO_S = p.label;
        X_S = p.letters[0];
        for (int i = 1; i <= 3; ++i) X_S_A(static_cast<float>(i)) = p.letters[i];
        fenwist::XI0 = p.xi0;
        XI1 = p.xi0 + 54;
        YI1 = p.top;
        if (p.kind == 1) {
          fenwist::CFSHOWHEAD();
          fenwist::CFSHOWPROD();
        } else if (p.kind == 2) {
          fenwist::CFSHOWHEAD();
          fenwist::CFSHOWSQUARE();
        } else {
          fenwist::CFSHOWDIFF();
        }
        // What the scene's next-step prompt finds.
        EXPECT_EQ(CCC1, 5);
        EXPECT_EQ(HABA, 90);
        EXPECT_EQ(TATE, 50);
        EXPECT_EQ(AA_S, "");
      },
      steps(waits), std::string("fenwist-s5-display-") + p.name + ".png");
  ASSERT_FALSE(run.error);
  const float x1 = p.xi0 + 54;
  OpWalk w(run);
  w.reads(p.xi0, p.top + 20, 0, std::string(p.label) + " " + p.problem);
  w.reads(x1, p.top + 80, 0, "=");
  // "=" is 32 px wide: box ① starts 10 px after it.
  // Every item that continues a line 10 px after the one before it.
  const float box1 = answerBox(w, x1 + 42, p.top + 80, 90, "①");
  w.reads(box1 + 100, p.top + 80, 0, p.bracket);
  answerBox(w, box1, p.top + 80, 90, p.factor, 1);
  const reading::Line factorised = w.reads(x1, p.top + 140, 0, p.factorised, 1);
  const float box2 = answerBox(w, factorised.right + 10, p.top + 140, 90, "②");
  const reading::Line middle = w.reads(box2 + 100, p.top + 140, 0, p.middle);
  float box3 = 0;
  if (!square) {
    box3 = answerBox(w, middle.right + 10, p.top + 140, 90, "③");
    w.reads(box3 + 100, p.top + 140, 0, ")");
  }
  answerBox(w, box2, p.top + 140, 90, p.box2, 1);
  if (!square) answerBox(w, box3, p.top + 140, 90, p.box3, 1);
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(stepWaits(drawn(run), 0, drawn(run).size()), waits);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FenwistCombinedDisplay,
    testing::Values(
        // The product form in part (3) with the letter a: -2 times (x+3)(x-5).
        Problem{"Product", 1, {"-2", "+3", "-5", "-2", "-15", "+4", "+30"}, "(3)", {"x", "ax^2", "ax", "a"}, 600, 30,
                "-2ax^2+4ax+30a", "(x^2-2x-15)", "-2a", "=-2a(x", ")(x", "+3", "-5"},
        // A square with a = -1 in part (2): the bracket's middle coefficient is -2, its constant +1.
        Problem{"Square", 2, {"3", "-1", "+4", "-2", "+1", "-6", "+3"}, "(2)", {"b", "b^2", "b", ""}, 40, 230,
                "3b^2-6b+3", "(b^2-2b+1)", "3", "=3(b", ")^2", "-1", ""},
        // A difference of squares with y in the common factor: no middle term anywhere.
        Problem{"Difference", 3, {"-5", "+4", "-4", "0", "-16", "0", "+80"}, "(3)", {"x", "x^2y", "xy", "y"}, 600, 30,
                "-5x^2y+80y", "(x^2-16)", "-5y", "=-5y(x", ")(x", "+4", "-4"},
        // A middle coefficient of 1 is a bare sign in the bracket.
        Problem{"BareSign", 1, {"4", "+3", "-2", "+", "-6", "+4", "-24"}, "(2)", {"a", "a^2", "a", ""}, 40, 230,
                "4a^2+4a-24", "(a^2+a-6)", "4", "=4(a", ")(a", "+3", "-2"}),
    [](const testing::TestParamInfo<Problem>& info) { return std::string(info.param.name); });

// --- Example 1 ----------------------------------------------------------------------------------

// Whether the problem whose ops start at from shows box ③ before its next-step prompt.
bool hasThirdBox(const std::vector<Op>& ops, std::size_t from) {
  for (std::size_t i = from; i < ops.size(); ++i) {
    if (isNextStep(ops[i])) return false;
    if (ops[i].kind == OpKind::Text && ops[i].text == toUtf8("③")) return true;
  }
  return false;
}

// One problem of parts (2) and (3) in the area with top-left corner (x0, top): its area cleared,
// the problem and the boxes where the displays put them, each box filled at its corner one key
// later. keys is what came before the clear. Returns the keys a kind-2 problem leaves unread at its
// next-step prompt (the scripts give every problem four keys).
int combinedProblem(OpWalk& w, const std::vector<Op>& ops, float x0, float top, int keys) {
  w.fill(x0, top, 600, 240, 15, 15, keys);
  const bool product = hasThirdBox(ops, w.position());
  const float box1 = answerBox(w, x0 + 54 + 42, top + 80, 90, "①");
  w.fill(box1, top + 80, 90, 50, 0, 13, 1);
  const float box2 = w.fillAfter(10, top + 140, 90, 50, 0, 13, 1);
  w.readsCentred(box2, 90, top + 143, 5, "②");
  if (product) {
    const float box3 = w.fillAfter(10, top + 140, 90, 50, 0, 13);
    w.readsCentred(box3, 90, top + 143, 5, "③");
    w.fill(box2, top + 140, 90, 50, 0, 13, 1);
    w.fill(box3, top + 140, 90, 50, 0, 13, 1);
    return 0;
  }
  w.fill(box2, top + 140, 90, 50, 0, 13, 1);
  return 1;
}

class FenwistExample1 : public testing::TestWithParam<const char*> {};

// Part (1) twice, part (2) twice (an empty entry gives a new problem), part (3) once.
TEST_P(FenwistExample1, ThreePartsInTheirAreasEachBoxFilledWhereItWasDrawn) {
  const HeadlessResult run =
      runFenwist("5\n1\nk5\nk1\nkkkk\nkkkk1\nkkkk1\nk", GetParam(), "fenwist-s5-example1.png");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = run.ops;
  OpWalk w(run);
  w.reads(44, 330, 0, AIM, 2);
  w.fill(0, 0, 1760, 1800, 15, 15, 2);
  w.reads(40, 30, 3, "例題1 次の式を因数分解しなさい。");
  // Part (1): the problem, "=" at (94,160) and box ① 60 x 50 right after it, the bracket; one key
  // and box ① holds the common factor.
  for (int problem = 0; problem < 2; ++problem) {
    w.fill(40, 80, 600, 240, 15, 15, problem == 0 ? 0 : 2);
    w.reads(94, 160, 0, "=");
    w.fill(136, 160, 60, 50, 0, 13);
    w.readsCentred(136, 60, 163, 5, "①");
    w.fill(136, 160, 60, 50, 0, 13, 1);
  }
  EXPECT_EQ(glyphsAt(drawn(run), 40, 100, 0).size(), 2u) << "each problem of part (1) at (40,100)";
  // Part (2) under part (1), part (3) in the right column beside the heading.
  int unread = combinedProblem(w, ops, 40, 230, 2);
  unread = combinedProblem(w, ops, 40, 230, unread + 1);
  unread = combinedProblem(w, ops, 600, 30, unread + 2);
  // One more key, then the pointer to problem 10.
  w.reads(88, 570, 0, "教科書 問10　をしなさい。", unread + 2 + 1);
  EXPECT_EQ(w.keysLeft(), 0);
  // Part (2)'s and part (3)'s labels.
  const std::vector<Op> shown = drawn(run);
  EXPECT_EQ(glyphsAt(shown, 40, 250, 0).size(), 2u);
  EXPECT_EQ(glyphsAt(shown, 600, 50, 0).size(), 1u);
  EXPECT_EQ(subMenuLines(shown).size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Clocks, FenwistExample1,
                         testing::Values("00:00:00", "07:07:07", "10:20:30", "12:34:56", "19:00:01", "23:59:59"),
                         textParamName);

TEST(FenwistExample1Parts, OneProblemEachWhenOneIsTypedAtOnceAndTwoOverTwoMeansOne) {
  const HeadlessResult run = runFenwist("5\n1\nk2/2\nkkkk1\nkkkk01\nk", "09:09:09");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(clearsOf(ops, 40, 80, 600, 240).size(), 1u);
  EXPECT_EQ(clearsOf(ops, 40, 230, 600, 240).size(), 1u);
  EXPECT_EQ(clearsOf(ops, 600, 30, 600, 240).size(), 1u);
  EXPECT_EQ(nextSteps(ops).size(), 3u);
  EXPECT_EQ(textsEqual(run, "教").size(), 1u);
}

// --- Answer page of problem 10 -------------------------------------------------------------------

TEST(FenwistSection5, AnswersToProblem10InTwoColumnsInFourSteps) {
  const HeadlessResult run = runFenwist("5\n2\n" + steps(3), "00:00:00", "fenwist-s5-problem10.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.reads(40, 30, 3, "問10の解答");
  w.reads(40, 105, 0, "(1)5x^2-45");
  w.reads(94, 180, 0, "=5(x^2-9)");
  w.reads(94, 255, 5, "=5(x+3)(x-3)");
  w.reads(40, 330, 0, "(2)3ax^2+12ax+12a", 1);
  w.reads(94, 405, 0, "=3a(x^2+4x+4)");
  w.reads(94, 480, 5, "=3a(x+2)^2");
  w.reads(600, 105, 0, "(3)2bx^2-4bx-16b", 1);
  w.reads(654, 180, 0, "=2b(x^2-2x-8)");
  w.reads(654, 255, 5, "=2b(x+2)(x-4)");
  w.reads(600, 330, 0, "(4)4a^2b-bx^2", 1);
  w.reads(654, 405, 0, "=b(4a^2-x^2)");
  w.reads(654, 480, 5, "=b(2a+x)(2a-x)");
  // No wait after the last answer: the menu line at once.
  w.reads(16, 666, 0, "①例題１　②問１０　③終了");
  EXPECT_EQ(w.keysLeft(), 0);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(expectWorkedItems(columnLines(ops, ops.size(), {{0, 590}, {595, 1366}})), 4);
}

}  // namespace
