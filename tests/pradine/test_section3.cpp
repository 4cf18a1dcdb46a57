// Section 3 of Pradine through the headless runner: the aim and the section menu, the task with
// its explanation on the sum-and-difference diagrams, the two drills of example 5, the answers
// to problem 4 and the proof of the card trick.
// Pictures: build/test-output/pradine-section3-*.png and the folders of the same names.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "common/sumdiff_diagram_expect.h"
#include "engine/engine.h"
#include "programs/pradine/globals.h"
#include "programs/pradine/section3.h"
#include "sections23_support.h"

namespace {

using walk::OpWalk;

TEST(Section3, AimScreenThenTheMenuAskingAgainUntilAValidChoice) {
  // 0, 6 and an empty entry are refused; 10/2 is worth 5 and goes back to the main menu.
  const HeadlessResult run = runScript(pradine::PROGRAM, "3\r0\r6\r\r10/2\r8\r", "00:00:00", "pradine-section3-aim.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.reads(44, 240, 5, "<めあて>", 2);
  w.reads(76, 305, 0, "(x+3)(x-3)のような式を");
  w.reads(76, 370, 0, "簡単に展開するための公式をつくろう。");
  w.reads(16, 666, 0, SECTION3_MENU);
  w.reads(16, 666, 0, SECTION3_MENU, 2);
  w.reads(16, 666, 0, SECTION3_MENU, 2);
  w.reads(16, 666, 0, SECTION3_MENU, 1);
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 5);
  EXPECT_EQ(w.keysLeft(), 2);
  EXPECT_EQ(sectionStarted(run), 3);
}

// One pass of the task: the product, "=x^2" and the two boxes; a key; box ① covered and the
// product of the numbers in box ②.
void expectTaskPass(OpWalk& w, int keysBefore) {
  w.fill(0, 0, 1320, 1300, 15, 15, keysBefore);
  w.reads(44, 18, 0, "問　①,②を求めなさい。");
  w.reads(88, 98, 0, " (x" + T_S_A(1) + ")(x" + T_S_A(2) + ")");
  w.reads(88, 178, 0, "=x^2");
  // "=x^2" is 83 px wide; each box 120 x 50 and 20 px from what stands before it.
  w.fill(191, 178, 120, 50, 5, 4);
  w.readsCentred(191, 120, 181, 13, "①");
  w.fill(331, 178, 120, 50, 7, 6);
  w.readsCentred(331, 120, 181, 13, "②");
  w.fill(191, 178, 120, 50, 15, 15, 1);
  w.fill(331, 178, 120, 50, 7, 6);
  w.readsCentred(331, 120, 181, 13, T_S_A(4));
}

TEST(Section3, TaskPracticeLoopThenTheExplanationOnTheSumAndDifferenceDiagrams) {
  // Two problems (4 asks for another, 1 ends), then the fifteen steps of the explanation.
  const std::string keys = "3\r1\r" " 4\r" " 1\r" + steps(15) + "5\r8\r";
  const HeadlessResult run = runWithShots(keys, "00:00:00", "pradine-section3-task");
  ASSERT_FALSE(run.error);
  EXPECT_EQ(keysRead(run), static_cast<int>(keys.size()));
  OpWalk w(run);
  PaRandomize(0);
  pradine::SUMDIFFTASKNUMBERS();
  expectTaskPass(w, 4);
  pradine::SUMDIFFTASKNUMBERS();
  expectTaskPass(w, 2);
  // (x+2)(x-2): the product, the strip moved, the square less its corner.
  w.reads(44, 258, 3, "①は消え、②は積。なぜ？", 2);
  w.reads(88, 338, 5, "(x+2)(x-2)", 1);
  const walk::Labels sides = {"x", "2", "2", "", "", "", "", ""};
  walk::expectSumDiffArea(w, 704, 100, sides, 1);
  walk::expectSumDiffMove(w, 704, 100, sides, 1);
  w.reads(44, 388, 0, "=x^2-2x+2x-4");
  walk::expectSumDiffResult(w, 704, 100, sides, 1);
  walk::expectSumDiffResult(w, 704, 100, {"x", "2", "2", "x^2", "", "", "4", ""}, 1);
  w.reads(44, 438, 5, "=x^2-4", 1);
  // (a+b)(a-b) in the cleared left column and on a diagram at (748,100).
  w.fill(44, 338, 660, 1300, 15, 15, 1);
  w.reads(88, 338, 5, "(a+b)(a-b)");
  w.fill(704, 20, 1320, 900, 15, 15, 1);
  const walk::Labels letters = {"a", "b", "b", "", "", "", "", ""};
  walk::expectSumDiffArea(w, 748, 100, letters);
  walk::expectSumDiffMove(w, 748, 100, letters, 1);
  w.reads(44, 398, 0, "=a^2-ab+ab-b^2");
  walk::expectSumDiffResult(w, 748, 100, letters, 1);
  walk::expectSumDiffResult(w, 748, 100, {"a", "b", "b", "a^2", "", "", "b^2", ""}, 1);
  w.reads(44, 458, 0, "=", 1);
  w.reads(76, 458, 5, "a^2-b^2");
  w.reads(44, 578, 3, "和と差の積　(a+b)(a-b)=a^2-b^2", 1);
  w.reads(16, 666, 0, SECTION3_MENU);  // no wait after the formula
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 2);
}

// One problem of a drill of example 5 at its practice area's line y, as the scene's texts give it.
void expectDrillProblem(OpWalk& w, int drill, float y, int keysBefore) {
  const pradine::SumDiffTexts texts = pradine::sumDiffTexts(drill);
  w.fill(40, y, 704, 1300, 15, 15, keysBefore);
  w.reads(40, y, 3, drill == 1 ? "①" : "②");
  w.reads(94, y, 0, texts.problem);
  w.reads(94, y + 60, 0, texts.squares, 1);
  w.reads(94, y + 120, 5, texts.result, 1);
}

TEST(Section3, ExampleFiveRunsTheOneLetterDrillThenTheTwoLetterDrill) {
  // Two problems of each drill (an empty entry asks for another, 1 goes on), and a last wait.
  const std::string keys = "3\r2\r" "  \r" "  1\r" "  \r" "  1\r" " " "5\r8\r";
  const HeadlessResult run = runWithShots(keys, "13:14:15", "pradine-section3-example5");
  ASSERT_FALSE(run.error);
  EXPECT_EQ(keysRead(run), static_cast<int>(keys.size()));
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.reads(748, 30, 3, "和と差の積");
  w.reads(748, 110, 5, " (a+b)(a-b)");
  w.reads(748, 180, 5, "=a^2-b^2");
  w.reads(778, 230, 3, "2乗-2乗");
  w.reads(40, 30, 3, "例4　次の式を展開しなさい。");
  PaRandomize(42);  // the clock 13:14:15
  pradine::SUMDIFFNUMBERS();
  expectDrillProblem(w, 1, 90, 0);
  pradine::SUMDIFFNUMBERS();
  expectDrillProblem(w, 1, 90, 1);
  // Drill ② starts under drill ①'s last answer (210), whose problem stays.
  pradine::SUMDIFFTERMS();
  expectDrillProblem(w, 2, 290, 2);
  pradine::SUMDIFFTERMS();
  expectDrillProblem(w, 2, 290, 1);
  w.reads(44, 570, 0, "教科書 問4　をしなさい。", 3);
  w.reads(16, 666, 0, SECTION3_MENU);
}

TEST(Section3, ProblemFourAnswersInTwoColumns) {
  const HeadlessResult run = runScript(pradine::PROGRAM, "3\r3\r" + steps(5) + "5\r8\r", "00:00:00",
                                      "pradine-section3-problem4.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.reads(94, 30, 3, "問4 解答 ");
  expectAnswerItems(w, {
                           {40, 94, 90, 50, "(1)", "  (x+8)(x-8)", "=x^2-8^2", "=x^2-64", 0},
                           {40, 94, 250, 50, "(2)", " (3-a)(3+a)", "=3^2-a^2", "=9-a^2", 1},
                           {40, 94, 410, 50, "(3)", " (5x+1)(5x-1)", "=(5x)^2-1^2", "=25x^2-1", 1},
                           {560, 614, 30, 50, "(4)", " (3x+2y)(3x-2y)", "=(3x)^2-(2y)^2", "=9x^2-4y^2", 1},
                           {560, 614, 190, 70, "(5)", " (x-ﾀ1/3ﾀ)(x+ﾀ1/3ﾀ)", "=x^2-(ﾀ1/3ﾀ)^2", "=x^2-ﾀ1/9ﾀ", 1},
                           {560, 614, 400, 50, "(6)", " (a-6b)(a+6b)", "=a^2-(6b)^2", "=a^2-36b^2", 1},
                       });
  w.reads(16, 666, 0, SECTION3_MENU);  // no wait after item (6)
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 2);
}

// A row of texts, each starting `gap` px after the end of the one before (the first at x): the
// legend and the A, B, C lines alternate labels in colour 7 and rules in colour 3.
struct Piece {
  float gap;
  int colour;
  const char* text;
};
void expectRow(OpWalk& w, float x, float y, std::initializer_list<Piece> pieces, int keysBefore = 0) {
  for (const Piece& piece : pieces) {
    x += piece.gap;
    w.reads(x, y, piece.colour, piece.text, keysBefore);
    x += widthOf(piece.text);
    keysBefore = 0;
  }
}

// One case of the proof: its heading, A, B and C on one line, and D growing to the right by a
// formula per step, the conclusion in colour 3.
void expectProofCase(OpWalk& w, float y, const char* heading, std::initializer_list<const char*> abc,
                     std::initializer_list<const char*> d, int keysBefore) {
  w.reads(40, y, 0, heading, keysBefore);
  const auto* rule = abc.begin();
  expectRow(w, 94, y + 60, {{0, 7, "A"}, {0, 3, rule[0]}, {30, 7, "B"}, {0, 3, rule[1]}, {30, 7, "C"}, {0, 3, rule[2]}});
  const auto* formula = d.begin();
  float x = 94;
  w.reads(x, y + 110, 7, "D");
  x += widthOf("D");
  for (std::size_t k = 0; k < d.size(); ++k) {
    w.reads(x, y + 110, k + 1 == d.size() ? 3 : 0, formula[k], k == 0 ? 0 : 1);
    x += widthOf(formula[k]);
  }
}

TEST(Section3, ProblemFiveProvesTheCardTrickOneStepAtATime) {
  const HeadlessResult run = runWithShots("3\r4\r" + steps(5) + "5\r8\r", "00:00:00", "pradine-section3-problem5");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.reads(94, 30, 0, "問5 解答 ");
  // The card trick's legend on the line 90.
  expectRow(w, 40, 90,
            {{0, 7, "A"}, {0, 3, "2つの数の和"}, {30, 7, "B"}, {0, 3, "2つの数の差の絶対値"}, {30, 7, "C"},
             {0, 3, "小さい数の2乗"}, {30, 7, "D "}, {0, 3, "A*B+C"}});
  expectProofCase(w, 140, "大きい数をx,小さい数を5 とすると、", {"x+5", "x-5", "5^2"},
                  {"=(x+5)*(x-5)+5^2", "=x^2-5^2+5^2", "=x^2"}, 0);
  expectProofCase(w, 320, "大きい数をx,小さい数をy とすると、", {"x+y", "x-y", "y^2"},
                  {"=(x+y)*(x-y)+y^2", "=x^2-y^2+y^2", "=x^2"}, 1);
  w.reads(16, 666, 0, SECTION3_MENU);  // no wait after the last conclusion
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 2);
  EXPECT_EQ(w.keysLeft(), 2);
}

}  // namespace
