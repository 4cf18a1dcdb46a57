// Section 1 of Pradine through the headless runner: the aim and the section menu, the task scene
// with its explanation, the example-1 drill and the answers to problem 1, and a walk through all.
// Pictures: build/test-output/pradine-section1-*.png.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/product_diagram_expect.h"
#include "engine/engine.h"
#include "programs/pradine/drill_kit.h"
#include "programs/pradine/globals.h"
#include "programs/pradine/section1.h"
#include "scene_support.h"
#include "support/line_chain.h"

namespace {

using walk::OpWalk;

// A whole number with its sign: "+3", "-5".
std::string signedText(float v) { return (v > 0 ? "+" : "") + std::to_string(static_cast<int>(v)); }

TEST(Section1, AimScreenAndMenuAskingAgainUntilAValidChoice) {
  const HeadlessResult run = runScript(pradine::PROGRAM, "1\r5\r0\r4\r8\r", "00:00:00", "pradine-section1-aim.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.reads(44, 240, 5, "<めあて>", 2);
  w.reads(76, 305, 0, "(x+2)(x+3)のような式を");
  w.reads(76, 370, 0, "簡単に展開するための公式をつくろう。");
  w.reads(16, 666, 0, SECTION1_MENU);
  w.reads(16, 666, 0, SECTION1_MENU, 2);                    // 5 is refused
  w.reads(16, 666, 0, SECTION1_MENU, 2);                    // and so is 0
  w.reads(264, 30, 15, "＜Ｐｒａｄｉｎｅ　メニュー＞", 2);  // 4 goes back to the main menu
  EXPECT_EQ(w.keysLeft(), 2);
  EXPECT_EQ(keysRead(run), 10);
}

// One pass of the task: the problem, the two numbered boxes 20 px after the text before each, a
// key, the boxes with the answers; the answer line, read with its boxes, equals the problem.
void expectTaskPass(OpWalk& w, int keysBefore) {
  w.fill(0, 0, 1320, 1300, 15, 15, keysBefore);
  w.reads(44, 18, 0, "問　①,②を求めなさい。");
  const reading::Line problem = w.reads(88, 98, 0, " (x" + signedText(T_A(1)) + ")(x" + signedText(T_A(2)) + ")");
  const reading::Line square = w.reads(88, 178, 0, "=x^2");
  const float box1 = square.right + 20;
  w.fill(box1, 178, 120, 50, 5, 4);
  w.readsCentred(box1, 120, 181, 13, "①");
  const reading::Line x = w.reads(box1 + 128, 178, 0, "x");
  const float box2 = x.right + 20;
  w.fill(box2, 178, 120, 50, 7, 6);
  w.readsCentred(box2, 120, 181, 13, "②");
  w.fill(box1, 178, 120, 50, 5, 4, 1);
  const reading::Line sum = w.readsCentred(box1, 120, 181, 13, signedText(T_A(3)));
  w.fill(box2, 178, 120, 50, 7, 6);
  const reading::Line product = w.readsCentred(box2, 120, 181, 13, signedText(T_A(4)));
  EXPECT_TRUE(algebra::sameValue(square.text + sum.text + x.text + product.text, problem.text));
}

TEST(Section1, TaskScenePracticeLoopAndExplanation) {
  // Two problems (an empty entry asks for another, 2/2 is worth 1 and ends), then the fourteen
  // steps of the explanation, back to the main menu and out.
  const std::string keys = "1\r1\r" " \r" " 2/2\r" + std::string(14, ' ') + "4\r8\r";
  const HeadlessResult run = runWithShots(keys, "00:00:00", "pradine-section1-task");
  ASSERT_FALSE(run.error);
  EXPECT_EQ(keysRead(run), static_cast<int>(keys.size()));
  // The diagram's origin and last labels stay after the scene.
  EXPECT_EQ(XI3, 660);
  EXPECT_EQ(YI3, 100);
  EXPECT_EQ(F_S_A(8), "(a+b)x");
  OpWalk w(run);
  PaRandomize(0);  // the clock 00:00:00: the scene's numbers, drawn again
  pradine::TASKNUMBERS();
  expectTaskPass(w, 4);
  pradine::TASKNUMBERS();
  expectTaskPass(w, 1);
  // The explanation under the last problem.
  w.reads(44, 258, 3, "①は和、②は積。なぜ？", 4);
  w.reads(88, 338, 5, "(x+2)(x+3)", 1);
  walk::expectProductArea(w, 660, 100, {"x", "2", "3", "", "", "", "", ""}, 1);
  walk::expectProductArea(w, 660, 100, {"x", "2", "3", "x^2", "2x", "3x", "6", ""}, 1);
  w.reads(44, 418, 5, "=x^2+5x+6", 1);
  w.fill(44, 338, 660, 1300, 15, 15, 1);
  w.reads(88, 338, 5, "(x+a)(x+b)");
  w.fill(616, 20, 1320, 900, 15, 15, 1);
  const walk::Labels letters = {"x", "a", "b", "x^2", "ax", "bx", "ab", "(a+b)x"};
  walk::expectProductArea(w, 660, 100, {"x", "a", "b", "", "", "", "", ""});
  walk::expectProductArea(w, 660, 100, letters, 1);
  walk::expectProductMerge(w, 660, 100, letters, 1);
  w.reads(44, 518, 0, "=", 1);
  w.follows(5, "x^2+(a+b)x+ab");
  w.reads(44, 398, 0, "=x(x+b)+a(x+b)", 1);
  w.reads(44, 458, 0, "=x^2+bx+ax+ab", 1);
  w.reads(44, 578, 3, "公式　(x+a)(x+b)=x^2+(a+b)x+ab", 1);
  w.reads(16, 666, 0, SECTION1_MENU);
  w.reads(264, 30, 15, "＜Ｐｒａｄｉｎｅ　メニュー＞", 2);
}

TEST(Section1, ExampleOneDrill) {
  // Two problems: an empty entry asks for another, 1 ends.
  const std::string keys = "1\r2\r" "  \r" "  1\r" "4\r8\r";
  const HeadlessResult run = runWithShots(keys, "10:20:30", "pradine-section1-example1");
  ASSERT_FALSE(run.error);
  EXPECT_EQ(keysRead(run), static_cast<int>(keys.size()));
  const float lastA = FMAESU;
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.reads(748, 30, 3, "公式");
  w.reads(748, 110, 5, " (x+a)(x+b)");
  w.reads(748, 180, 5, "=x^2+(a+b)x+ab");
  w.reads(924, 230, 3, "和    積");
  PaRandomize(60);  // the clock 10:20:30
  FMAESU = 0;
  for (int pass = 0; pass < 2; ++pass) {
    pradine::EXAMPLENUMBERS();
    const pradine::DrillTexts texts = pradine::drillTexts();
    w.fill(0, 0, 704, 1300, 15, 15, pass == 0 ? 0 : 1);
    w.reads(44, 18, 0, "例1　次の式を展開しなさい。");
    EXPECT_TRUE(reading::sameChain({w.reads(88, 98, 0, texts.problem), w.reads(88, 178, 0, texts.expansion, 1),
                                    w.reads(88, 258, 5, texts.result, 1)}));
  }
  EXPECT_EQ(FMAESU, lastA);
  w.reads(132, 570, 0, "教科書 問1　をしなさい。", 2);
  w.reads(16, 666, 0, SECTION1_MENU);
}

TEST(Section1, ProblemOneAnswersOneItemPerStep) {
  const HeadlessResult run = runScript(pradine::PROGRAM, "1\r3\r   4\r8\r", "00:00:00", "pradine-section1-answers.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  w.reads(94, 30, 3, "問1 解答 ");
  struct Item {
    float labelX, textX, y;
    const char *label, *problem, *working, *result;
    int keysBefore;
  };
  const Item items[] = {
      {40, 94, 90, "(1)", " (x+2)(x+3)", "=x^2+(2+3)x+2*3", "=x^2+5x+6", 0},
      {40, 94, 250, "(2)", " (x-6)(x-4)", "=x^2+(-6-4)x+(-6)*(-4)", "=x^2-10x+24", 1},
      {40, 94, 410, "(3)", " (x+9)(x-5)", "=x^2+(9-5)x+9*(-5)", "=x^2+4x-45", 1},
      {640, 694, 30, "(4)", " (x+5)(x-8)", "=x^2+(5-8)x+5*(-8)", "=x^2-3x-40", 1},
  };
  for (const Item& item : items) {
    w.reads(item.labelX, item.y, 3, item.label, item.keysBefore);
    EXPECT_TRUE(reading::sameChain({w.reads(item.textX, item.y, 0, item.problem),
                                    w.reads(item.textX, item.y + 50, 0, item.working),
                                    w.reads(item.textX, item.y + 100, 5, item.result)}));
  }
  w.reads(16, 666, 0, SECTION1_MENU);  // no wait after the fourth item
  w.reads(264, 30, 15, "＜Ｐｒａｄｉｎｅ　メニュー＞", 2);
}

// The page leaves its right column in the layout cursor: labels at 640, texts at 694, the last
// result's line.
TEST(Section1, ProblemOneAnswersLeaveTheRightColumnInTheCursor) {
  const HeadlessResult run = runRoutine(pradine::PROBLEM1ANSWERS, "   ");
  ASSERT_FALSE(run.error);
  EXPECT_EQ(pradine::XI0, 640);
  EXPECT_EQ(XI1, 694);
  EXPECT_EQ(YI1, 130);
}

// The whole road: main menu, section 1's aim and menu, every scene, back to the menu and out.
TEST(Pradine, WalkThroughTheMainMenuSectionOneAndOut) {
  const std::string keys = "1\r"
                           "1\r" " 1\r" + std::string(14, ' ') +  // the task and its explanation
                           "2\r" "  1\r"                          // example 1, one problem
                           "3\r" "   "                            // the answers to problem 1
                           "4\r"                                  // back to the main menu
                           "8\r";                                 // the end
  const HeadlessResult run = runScript(pradine::PROGRAM, keys + "1\r", "07:30:00", "pradine-walk.png");
  ASSERT_FALSE(run.error);
  EXPECT_EQ(keysRead(run), static_cast<int>(keys.size()));  // the keys after the end stay unread
  EXPECT_EQ(menusDrawn(run), 2);
  OpWalk w(run);
  w.reads(44, 240, 5, "<めあて>", 2);
  w.reads(44, 18, 0, "問　①,②を求めなさい。", 2);
  w.reads(44, 578, 3, "公式　(x+a)(x+b)=x^2+(a+b)x+ab", 17);
  w.reads(748, 30, 3, "公式", 2);
  w.reads(132, 570, 0, "教科書 問1　をしなさい。", 4);
  w.reads(94, 30, 3, "問1 解答 ", 2);
  w.reads(640, 30, 3, "(4)", 3);
  w.reads(264, 30, 15, "＜Ｐｒａｄｉｎｅ　メニュー＞", 2);
  EXPECT_EQ(w.keysLeft(), 2);
}

}  // namespace
