// Section 2 of Pradine through the headless runner: the aim and the section menu, the task with
// its explanation on the square diagram, the alternating drill, the wide diagram of (2x+3y)^2,
// the three-part box practice and the two answer pages.
// Pictures: build/test-output/pradine-section2-*.png and the folders of the same names.
#include <gtest/gtest.h>

#include <string>

#include "common/square_diagram_expect.h"
#include "engine/engine.h"
#include "programs/pradine/drill_kit.h"
#include "programs/pradine/globals.h"
#include "programs/pradine/section2.h"
#include "sections23_support.h"

namespace {

using walk::OpWalk;

TEST(Section2, AimScreenThenTheMenuAskingAgainUntilAValidChoice) {
  const HeadlessResult run = runScript(pradine::PROGRAM, "2\r0\r8\r\r7\r8\r", "00:00:00", "pradine-section2-aim.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.reads(44, 240, 5, "<めあて>", 2);
  w.reads(76, 305, 0, "(x+2)^2,(x-3)^2のような式を");
  w.reads(76, 370, 0, "簡単に展開するための公式をつくろう。");
  w.reads(16, 666, 0, SECTION2_MENU);
  w.reads(16, 666, 0, SECTION2_MENU, 2);       // 0 is refused
  w.reads(16, 666, 0, SECTION2_MENU, 2);       // and so is 8
  w.reads(16, 666, 0, SECTION2_MENU, 1);       // and an empty entry
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 2);  // 7 goes back to the main menu
  EXPECT_EQ(w.keysLeft(), 2);
  EXPECT_EQ(sectionStarted(run), 2);
}

// One pass of the task: the square, "=x^2", box ①, the letter, box ②, a key, the boxes filled.
void expectTaskPass(OpWalk& w, int keysBefore) {
  w.fill(0, 0, 1320, 1300, 15, 15, keysBefore);
  w.reads(40, 18, 0, "問　①,②を求めなさい。");
  w.reads(84, 98, 0, " (x" + T_S_A(1) + ")^2");
  w.reads(84, 178, 0, "=x^2");
  // "=x^2" is 83 px wide; each box 120 x 50 and 20 px from what stands before it.
  w.fill(187, 178, 120, 50, 5, 4);
  w.readsCentred(187, 120, 181, 13, "①");
  w.reads(327, 178, 0, "x");
  w.fill(374, 178, 120, 50, 7, 6);
  w.readsCentred(374, 120, 181, 13, "②");
  w.fill(187, 178, 120, 50, 5, 4, 1);
  w.readsCentred(187, 120, 181, 13, T_S_A(3));
  w.fill(374, 178, 120, 50, 7, 6);
  w.readsCentred(374, 120, 181, 13, T_S_A(4));
}

TEST(Section2, TaskPracticeLoopThenTheExplanationOnTheSquareDiagram) {
  // Two problems (3 asks for another, 1 ends), then the twenty steps of the explanation.
  const std::string keys = "2\r1\r" " 3\r" " 1\r" + steps(20) + "7\r8\r";
  const HeadlessResult run = runWithShots(keys, "00:00:00", "pradine-section2-task");
  ASSERT_FALSE(run.error);
  EXPECT_EQ(keysRead(run), static_cast<int>(keys.size()));
  OpWalk w(run);
  PaRandomize(0);  // the clock 00:00:00: the scene's numbers, drawn again
  pradine::SQUARETASKNUMBERS();
  expectTaskPass(w, 4);
  pradine::SQUARETASKNUMBERS();
  expectTaskPass(w, 2);
  // The explanation under the last problem: (x+2)^2 on the diagram at (748,90).
  w.reads(40, 258, 3, "①は２倍、②は2乗。なぜ？", 2);
  w.reads(84, 338, 5, "(x+2)^2", 1);
  walk::expectSquareArea(w, 748, 90, {"x", "2", "2", "", "", "", "", ""}, 1);
  walk::expectSquareArea(w, 748, 90, {"x", "2", "2", "x^2", "2x", "2x", "4", ""}, 1);
  w.reads(40, 418, 5, "=x^2+4x+4", 1);
  // (a+b)^2 on a cleared screen, its diagram and the merge of the two ab cells.
  w.fill(0, 0, 660, 1300, 15, 15, 1);
  w.reads(84, 30, 5, "(a+b)^2");
  w.fill(704, 20, 1320, 900, 15, 15);
  const walk::Labels letters = {"a", "b", "b", "a^2", "ab", "ab", "b^2", "2ab"};
  walk::expectSquareArea(w, 748, 90, {"a", "b", "b", "", "", "", "", ""});
  walk::expectSquareArea(w, 748, 90, letters, 1);
  walk::expectSquareMerge(w, 748, 90, letters, 1);
  // Each result three lines under its square, then the two lines between.
  w.reads(40, 210, 0, "=", 1);
  w.reads(72, 210, 5, "a^2+2ab+b^2");
  w.reads(40, 90, 0, "=(a+b)(a+b)", 1);
  w.reads(40, 150, 0, "=a^2+ab+ab+b^2", 1);
  w.reads(84, 270, 5, "(a-b)^2", 1);
  w.reads(40, 330, 0, "=(a-b)(a-b)", 1);
  w.reads(40, 390, 0, "=a^2-ab-ab+b^2", 1);
  w.reads(40, 450, 0, "=", 1);
  w.reads(72, 450, 5, "a^2-2ab+b^2");
  // The formulas, and the marks over the first one's right side: after a full-width blank and
  // "(a+b)^2=" (5 x 27 + 24 + 32 px).
  w.reads(160, 500, 3, "平方の公式", 1);
  w.reads(160, 550, 3, "　(a+b)^2=a^2+2ab+b^2", 1);
  w.reads(160, 600, 3, "　(a-b)^2=a^2-2ab+b^2", 1);
  w.reads(385, 500, 5, "2乗 2倍 2乗", 1);
  w.reads(16, 666, 0, SECTION2_MENU);  // no wait after the marks
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 2);
  EXPECT_EQ(XI3, 748);
  EXPECT_EQ(YI3, 90);
}

TEST(Section2, ExampleTwoAlternatesThePlusAndTheMinusSquare) {
  // Three problems: an empty entry and 5 ask for others, 1 ends.
  const std::string keys = "2\r2\r" "  \r" "  5\r" "  1\r" "7\r8\r";
  const HeadlessResult run = runWithShots(keys, "10:20:30", "pradine-section2-example2");
  ASSERT_FALSE(run.error);
  EXPECT_EQ(keysRead(run), static_cast<int>(keys.size()));
  EXPECT_EQ(pradine::NO, 3);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.reads(748, 30, 3, "平方の公式");
  w.reads(748, 110, 5, " (a±b)^2");
  w.reads(748, 180, 5, "=a^2±2ab+b^2");
  w.reads(775, 230, 3, "2乗 2倍 2乗");
  PaRandomize(60);  // the clock 10:20:30
  const int keysBefore[] = {0, 1, 2};
  for (int pass = 0; pass < 3; ++pass) {
    pradine::NO = static_cast<float>(pass);
    pradine::SQUAREDRILLNUMBERS();
    EXPECT_EQ(pradine::KOUSIKI, pass % 2 == 0 ? 2 : 3);
    const pradine::DrillTexts texts = pradine::drillTexts();
    w.fill(0, 0, 704, 1300, 15, 15, keysBefore[pass]);
    w.reads(44, 18, 0, "例3　次の式を展開しなさい。");
    w.reads(88, 98, 0, texts.problem);
    w.reads(88, 178, 0, texts.expansion, 1);
    w.reads(88, 258, 5, texts.result, 1);
  }
  w.reads(44, 570, 0, "教科書 問2 をしなさい。", 2);
  w.reads(16, 666, 0, SECTION2_MENU);
}

TEST(Section2, ProblemTwoAnswersOnePartPerStep) {
  const HeadlessResult run = runScript(pradine::PROGRAM, "2\r3\r  7\r8\r", "00:00:00", "pradine-section2-problem2.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.reads(94, 30, 3, "問2 解答 ");
  expectAnswerItems(w, {
                           {40, 94, 90, 50, "(1)", " (a+3)^2", "=a^2+2*a*3+3^2", "=a^2+6a+9", 0},
                           {40, 94, 250, 50, "(2)", " (x-7)^2", "=x^2-2*x*7+7^2", "=x^2-14x+49", 1},
                           {40, 94, 410, 50, "(3)", " (y+4)^2", "=y^2+2*y*4+4^2", "=y^2+8y+16", 1},
                       });
  w.reads(16, 666, 0, SECTION2_MENU);  // no wait after the last part
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 2);
}

TEST(Section2, ExampleThreeOnTheWideSquareDiagramWithPenFive) {
  const HeadlessResult run = runWithShots("2\r4\r" + steps(5) + "7\r8\r", "00:00:00", "pradine-section2-example3");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.reads(40, 30, 0, "例3　次の式を展開しなさい。");
  w.reads(40, 100, 5, " (2x+3y)^2");
  w.reads(40, 180, 0, "=(2x)^2+2*2x*3y+(3y)^2", 1);
  const float end = 40 + widthOf("=(2x)^2+2*2x*3y+(3y)^2");
  w.reads(40, 260, 3, "     なぜ？", 1);  // its first glyph after five blanks
  // The diagram right of the expanded line: its sides, then the area of each part.
  w.fill(end + 10, 20, 1320, 900, 15, 15, 1);
  walk::expectWideSquare(w, 616, 100, {"2x", "3y", "3y", "", "", "", "", ""});
  walk::expectWideSquare(w, 616, 100, {"2x", "3y", "3y", "(2x)^2", "2x*3y", "2x*3y", "(3y)^2", ""}, 1);
  // The question gives way to the result, on its line.
  w.fill(0, 240, end, 100, 15, 15, 1);
  w.reads(40, 260, 0, "=");
  w.reads(72, 260, 5, "4x^2+12xy+9y^2");
  w.reads(16, 666, 0, SECTION2_MENU);
  // The cells and the arcs are drawn with pen 5, which the scene leaves set.
  for (const Op& op : run.ops)
    if ((op.kind == OpKind::FilledBox && op.colour == 0) || (op.kind == OpKind::Circle && op.colour == 9)) {
      EXPECT_EQ(op.pen, 5);
    }
  EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
}

// A box of the practice, 60 high and centred on its line (from 8 px above it), with its text.
float expectBox(OpWalk& w, float x, float y, float width, int box, const std::string& text, int keysBefore = 0) {
  const float left = w.fill(x, y - 8, width, 60, box == 1 ? 5 : 7, box == 1 ? 4 : 6, keysBefore);
  w.readsCentred(left, width, y, 13, text);
  return left;
}

// One problem of the box practice, part 1, 2 or 3, as the scene's texts give it.
void expectBoxProblem(OpWalk& w, int part, int keysBefore) {
  const pradine::BoxSquareTexts texts = pradine::boxSquareTexts(part);
  const float clearX[] = {0, 0, 44}, clearY[] = {0, 240, 320}, lineY[] = {98, 240, 400};
  const float boxWidth[] = {160, 160, 200}, gapBefore[] = {16, 10, 10}, gapAfter[] = {16, 0, 10};
  const int k = part - 1;
  const float y = lineY[k];
  w.fill(clearX[k], clearY[k], 1320, 1300, 15, 15, keysBefore);
  if (part == 1) w.reads(44, 18, 3, "問　①,②を求めなさい。");
  const std::string problem = "(" + std::to_string(part) + ")" + texts.problem;
  w.reads(44, y, 0, problem + texts.before);  // in part 3 the text before the box shows a term
  const float box1 = 44 + widthOf(problem) + widthOf(texts.before) + gapBefore[k];
  expectBox(w, box1, y, boxWidth[k], 1, "①");
  const float between = box1 + boxWidth[k] + gapAfter[k];
  w.reads(between, y, 0, texts.between);
  float box2 = 0;
  if (part != 3) box2 = expectBox(w, between + widthOf(texts.between) + gapBefore[k], y, boxWidth[k], 2, "②");
  expectBox(w, box1, y, boxWidth[k], 1, texts.box1, 1);
  if (part != 3) expectBox(w, box2, y, boxWidth[k], 2, texts.box2, 1);
}

TEST(Section2, BoxPracticeInThreePartsEachLeftWithOne) {
  // Two problems of each part: an empty entry asks for another, 1 goes on; a last wait.
  const std::string keys = "2\r5\r" "  \r" "  1\r" "  \r" "  1\r" " \r" " 1\r" " " "7\r8\r";
  const HeadlessResult run = runWithShots(keys, "08:15:00", "pradine-section2-boxes");
  ASSERT_FALSE(run.error);
  EXPECT_EQ(keysRead(run), static_cast<int>(keys.size()));
  OpWalk w(run);
  PaRandomize(23);  // the clock 08:15:00
  const int keysBefore[] = {4, 1, 2, 1, 2, 1};
  for (int problem = 0; problem < 6; ++problem) {
    const int part = problem / 2 + 1;
    if (part == 1) {
      pradine::BOXSQUARENUMBERS();
    } else {
      pradine::BINOMIALTERMS();
    }
    expectBoxProblem(w, part, keysBefore[problem]);
  }
  w.reads(132, 570, 3, "教科書 問3　をしなさい。", 3);
  w.reads(16, 666, 0, SECTION2_MENU);
}

TEST(Section2, ProblemThreeAnswersInTwoColumns) {
  const HeadlessResult run = runScript(pradine::PROGRAM, "2\r6\r" + steps(5) + "7\r8\r", "00:00:00",
                                      "pradine-section2-problem3.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.reads(94, 30, 3, "問3 解答 ");
  expectAnswerItems(
      w, {
             {40, 94, 90, 50, "(1)", "  (x-5y)^2", "=x^2-2*x*5y+(5y)^2", "=x^2-10xy+25y^2", 0},
             {40, 94, 250, 50, "(2)", " (a+4b)^2", "=a^2+2*a*4b+(4b)^2", "=a^2+8ab+16b^2", 1},
             {40, 94, 410, 50, "(3)", " (4x-y)^2", "=(4x)^2-2*4x*y+y^2", "=16x^2-8xy+y^2", 1},
             {560, 614, 30, 50, "(4)", " (2x+3y)^2", "=(2x)^2+2*2x*3y+(3y)^2", "=4x^2+12xy+9y^2", 1},
             {560, 614, 190, 70, "(5)", " (a+ﾀ1/2ﾀb)^2", "=a^2+2*a*ﾀ1/2ﾀb+(ﾀ1/2ﾀb)^2", "=a^2+ab+ﾀ1/4ﾀb^2", 1},
             {560, 614, 400, 50, "(6)", " (-x+2y)^2", "=(-x)^2+2*(-x)*2y+(2y)^2", "=x^2-4xy+4y^2", 1},
         });
  w.reads(16, 666, 0, SECTION2_MENU);  // no wait after item (6)
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 2);
  EXPECT_EQ(pradine::XI0, 560);
  EXPECT_EQ(XI1, 614);
}

}  // namespace
