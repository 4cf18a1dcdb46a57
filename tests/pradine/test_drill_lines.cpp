// The drill lines on the screen: 80 px apart at XI1 + 44, their colours, the step wait between
// expansion and result, what they leave behind, and nothing at all for an unknown kind.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "programs/pradine/drill_kit.h"
#include "programs/pradine/globals.h"
#include "scene_support.h"

namespace {

using walk::OpWalk;

struct Left {
  float ccc1, x, xi2, yi1, kousiki;
  std::string letter, aa;
};
Left left() { return {CCC1, X, XI2, YI1, pradine::KOUSIKI, X_S, AA_S}; }

TEST(DrillLines, ProblemThenSolutionWithAStepBetween) {
  static Left afterProblem, afterSolution, afterSecond;
  const HeadlessResult run = runRoutine([] {
    // (a+4)(a-3) as example 1 fills it.
    pradine::KOUSIKI = 1;
    X_S = "a";
    const char* texts[] = {"", "+4", "-3", "+", "-12", "4", "(-3)"};
    for (int n = 1; n <= 6; ++n) T_S_A(static_cast<float>(n)) = texts[n];
    XI1 = 44;
    YI1 = 18;
    pradine::DRILLPROBLEM();
    afterProblem = left();
    pradine::DRILLSOLUTION();
    afterSolution = left();
    pradine::DRILLSOLUTION();  // without resetting YI1: 80 px lower again
    afterSecond = left();
  }, "pqr", "pradine-drill-lines.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.reads(88, 98, 0, " (a+4)(a-3)");
  w.reads(88, 178, 0, "=a^2+(4-3)a+4*(-3)");
  w.reads(88, 258, 5, "=a^2+a-12", 1);
  w.reads(88, 338, 0, "=a^2+(4-3)a+4*(-3)");
  w.reads(88, 418, 5, "=a^2+a-12", 1);
  EXPECT_EQ(keysRead(run), 2);
  EXPECT_EQ(afterProblem.ccc1, 0);
  EXPECT_EQ(afterProblem.yi1, 98);
  EXPECT_EQ(afterProblem.xi2, afterProblem.x);
  EXPECT_GT(afterProblem.xi2, 88);
  EXPECT_EQ(afterProblem.aa, "");
  EXPECT_EQ(afterSolution.ccc1, 5);
  EXPECT_EQ(afterSolution.yi1, 258);
  EXPECT_EQ(afterSolution.xi2, afterSolution.x);
  EXPECT_EQ(afterSecond.yi1, 418);
  EXPECT_EQ(afterSecond.kousiki, 1);
  EXPECT_EQ(afterSecond.letter, "a");
  EXPECT_EQ(XI1, 44);
  EXPECT_EQ(T_S_A(6), "(-3)");
}

TEST(DrillLines, TheSquareKindsAtAnotherColumn) {
  const HeadlessResult run = runRoutine([] {
    X_S = "y";
    const char* texts[] = {"", "-5", "", "-10", "+25", "5", ""};
    for (int n = 1; n <= 6; ++n) T_S_A(static_cast<float>(n)) = texts[n];
    XI1 = 300;
    YI1 = 200;
    pradine::KOUSIKI = 3;
    pradine::DRILLPROBLEM();
    pradine::DRILLSOLUTION();
  }, "p");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.reads(344, 280, 0, " (y-5)^2");
  w.reads(344, 360, 0, "=y^2-2*5*y+5^2");
  w.reads(344, 440, 5, "=y^2-10y+25", 1);
}

TEST(DrillLines, AnUnknownKindDrawsNothingWaitsForNothingAndChangesNothing) {
  static Left before, after;
  const HeadlessResult run = runRoutine([] {
    X_S = "x";
    T_S_A(1) = "+3";
    XI1 = 44;
    YI1 = 18;
    CCC1 = 7;
    X = 123;
    XI2 = 456;
    AA_S = "kept";
    pradine::KOUSIKI = 5;
    before = left();
    pradine::DRILLPROBLEM();
    pradine::DRILLSOLUTION();
    after = left();
  }, "p");
  ASSERT_FALSE(run.error);
  EXPECT_EQ(keysRead(run), 0);
  EXPECT_TRUE(textsContaining(run, "3").empty());
  EXPECT_EQ(after.ccc1, before.ccc1);
  EXPECT_EQ(after.x, before.x);
  EXPECT_EQ(after.xi2, before.xi2);
  EXPECT_EQ(after.yi1, before.yi1);
  EXPECT_EQ(after.aa, before.aa);
}

}  // namespace
