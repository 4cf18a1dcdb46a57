// Section 6, factorising by substitution: the sub-menu, example 2 with its four parts and their
// answer boxes drawn empty and filled at the same corners, the answers to problem 11 and the
// discussion problems.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "answer_boxes.h"
#include "common/op_walk.h"
#include "engine/engine.h"
#include "fenwist_support.h"
#include "worked_items.h"
#include "support/test_names.h"

namespace {

using namespace fenwist_test;
using walk::OpWalk;

const char* const MENU = "①例題２　②問１１　③話しあおう　④終了";

// --- Sub-menu -----------------------------------------------------------------------------------

TEST(FenwistSection6, AimThenMenuWhichAsksAgainOutsideItsItemsAndLeavesWithItsLast) {
  const HeadlessResult run = runFenwist("6\n0\n5\n-1\n1/2\n\n4\n", "00:00:00", "fenwist-s6-aim.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.reads(264, 30, 15, "＜Ｆｅｎｗｉｓｔ　メニュー＞");
  w.fill(0, 0, 1760, 1800, 15, 15, 2);
  w.reads(44, 240, 3, "<めあて>");
  w.reads(44, 330, 0, " 置きかえて因数分解しよう。");
  EXPECT_TRUE(glyphsAt(drawn(run), 44, 330, 0).empty()) << "the aim line starts one blank to the right";
  w.reads(16, 666, 0, MENU);
  for (const int keys : {2, 2, 3, 4, 1}) w.reads(16, 666, 0, MENU, keys);
  w.reads(264, 30, 15, "＜Ｆｅｎｗｉｓｔ　メニュー＞", 2);
  EXPECT_EQ(textsEqual(run, "<").size(), 1u);
}

// 9/4 is 2.25: inside the menu's range, rounded to item 2.
TEST(FenwistSection6, AFractionInsideTheRangeIsRoundedToItsItem) {
  const HeadlessResult run = runFenwist("6\n9/4\n");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.reads(40, 30, 7, "問11の解答", 2 + 4);
}

// --- Example 2 ----------------------------------------------------------------------------------

class FenwistExample2OfSection6 : public testing::TestWithParam<const char*> {};

// Two problems in each of the practice parts (1), (3) and (4).
TEST_P(FenwistExample2OfSection6, FourPartsWithTheirBoxesFilledWhereTheyWereDrawn) {
  const std::string keys = "6\n1\n" + steps(3) + "\n" + steps(3) + "1\n" + steps(5) + steps(5) + "5\n" + steps(5) +
                           "1\n" + steps(7) + "\n" + steps(7) + "1\n" + steps(1);
  const HeadlessResult run = runFenwist(keys, GetParam(), "fenwist-s6-example2.png");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  OpWalk w(run);
  w.reads(16, 666, 0, MENU, 2);
  w.fill(0, 0, 1760, 1800, 15, 15, 2);
  w.reads(44, 20, 3, "例題2 次の式を因数分解しなさい。");
  // Part (1): box ① under the problem with "=M とおくと" right at its edge, then boxes ② and ③
  // 10 px after "=M(" and "=(", all 132 wide; the three filled one key at a time.
  for (int problem = 0; problem < 2; ++problem) {
    w.fill(0, 90, 1760, 1800, 15, 15, problem == 0 ? 0 : 1);
    answerBox(w, 142, 180, 132, "①");
    w.reads(274, 180, 3, "=M とおくと");  // at the box's right edge
    w.reads(88, 340, 0, "=M(");
    answerBox(w, 184, 340, 132, "②");
    w.reads(88, 420, 0, "=(");
    answerBox(w, 157, 420, 132, "③");
    for (const auto& [x, y] : {std::pair{142, 180}, {184, 340}, {157, 420}}) w.fill(x, y, 132, 50, 0, 13, 1);
  }
  // Part (2), fixed, beside part (1)'s last problem: five steps, each followed by a wait.
  w.reads(664, 100, 0, "(2)", 2);
  w.reads(664 + 81 + 22, 100, 0, "a(x+y)-b(x+y)");  // 22 px after the label
  w.reads(792, 180, 3, "x+y=M とおくと", 1);
  w.reads(704, 260, 0, "=aM-bM", 1);
  w.reads(704, 340, 0, "=M(a-b)", 1);
  w.reads(704, 420, 5, "=(x+y)(a-b)", 1);
  const auto clears = clearsOf(ops, 0, 90, 1760, 1800);
  ASSERT_GE(clears.size(), 3u) << "the clears of part (1)'s two problems and of part (3)";
  EXPECT_EQ(expectWorkedItems(columnLines(ops, clears[2], {{655, 1366}})), 1);
  // Part (3): the two boxes ④ of the last line, the first followed at once by its text.
  for (int problem = 0; problem < 2; ++problem) {
    w.fill(0, 90, 1760, 1800, 15, 15, problem == 0 ? 1 : 2);
    answerBox(w, 142, 180, 120, "①");
    w.reads(262, 180, 3, "=M とおくと");
    answerBox(w, 184, 340, 90, "②");
    answerBox(w, 375, 340, 90, "③");
    w.reads(88, 430, 0, "=(");
    answerBox(w, 157, 430, 120, "④");
    answerBox(w, 395, 430, 120, "④");
    for (const auto& [x, y, width] : {std::tuple{142, 180, 120}, {184, 340, 90}, {375, 340, 90}, {157, 430, 120},
                                      {395, 430, 120}})
      w.fill(x, y, width, 50, 0, 13, 1);
  }
  EXPECT_EQ(glyphsAt(ops, 48, 100, 0).size(), 4u) << "the labels (1) and (3) of each problem";
  // Part (4) in the right-hand column only.
  for (int problem = 0; problem < 2; ++problem) {
    w.fill(704, 90, 1760, 1800, 15, 15, problem == 0 ? 2 : 1);
    answerBox(w, 758, 180, 120, "①");
    w.reads(878, 180, 3, "=M とおくと");
    answerBox(w, 800, 340, 90, "②");
    answerBox(w, 991, 340, 90, "③");
    answerBox(w, 773, 430, 120, "④");
    answerBox(w, 1011, 430, 120, "④");
    w.reads(704, 520, 0, "=(x");
    answerBox(w, 800, 520, 90, "⑤");
    answerBox(w, 991, 520, 90, "⑥");
    for (const auto& [x, y, width] : {std::tuple{758, 180, 120}, {800, 340, 90}, {991, 340, 90}, {773, 430, 120},
                                      {1011, 430, 120}, {800, 520, 90}, {991, 520, 90}})
      w.fill(x, y, width, 50, 0, 13, 1);
  }
  EXPECT_EQ(glyphsAt(ops, 704, 100, 0).size(), 2u) << "the label (4) at the column's edge";
  // After 1, one more key, then the pointer under part (3) and the menu line at once.
  w.reads(132, 570, 3, "教科書 問11　をしなさい。", 3);
  w.reads(16, 666, 0, MENU);
  EXPECT_EQ(w.keysLeft(), 0);
  // Part (4) never erases the left-hand column above the prompt zones.
  const std::size_t firstShifted = clearsOf(ops, 704, 90, 1760, 1800).front();
  for (std::size_t i = firstShifted; i < ops.size(); ++i)
    if (ops[i].kind == OpKind::FilledBox && ops[i].fill == 15 && ops[i].x1 < 704) {
      EXPECT_GE(ops[i].y1, 639) << "erase at " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Clocks, FenwistExample2OfSection6,
                         testing::Values("00:00:00", "06:30:00", "10:20:30", "14:14:14", "21:43:05", "23:59:59"),
                         textParamName);

// Typing 1 at each first prompt: one problem per part; part (4)'s first problem follows part
// (3)'s 1 at once, without a step wait between them.
TEST(FenwistExample2OfSection6Parts, OneProblemEachAndPartFourStraightAfterPartThree) {
  const HeadlessResult run = runFenwist("6\n1\n" + steps(3) + "1\n" + steps(5) + steps(5) + "2/2\n" + steps(7) +
                                        "1\n" + steps(1));
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(clearsOf(ops, 0, 90, 1760, 1800).size(), 2u);
  const std::vector<std::size_t> shifted = clearsOf(ops, 704, 90, 1760, 1800);
  ASSERT_EQ(shifted.size(), 1u);
  const std::vector<std::size_t> prompts = nextSteps(ops);
  ASSERT_EQ(prompts.size(), 3u);
  EXPECT_EQ(stepWaits(ops, prompts[1], shifted[0]), 0);
  EXPECT_EQ(stepWaits(ops, 0, ops.size()), 3 + 5 + 5 + 7 + 1);
}

// --- Answers to problem 11 and the discussion problems -----------------------------------------

TEST(FenwistSection6, AnswersToProblem11InNineSteps) {
  const HeadlessResult run = runFenwist("6\n2\n" + steps(8), "00:00:00", "fenwist-s6-problem11.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.reads(16, 666, 0, MENU, 2);
  w.fill(0, 0, 1320, 1300, 15, 15, 2);
  w.reads(40, 30, 7, "問11の解答");
  w.reads(40, 80, 3, "(1)", 1);
  w.reads(121, 80, 0, "(a+b)x+(a+b)y");
  w.reads(184, 130, 3, "a+b=Mとすると");
  w.reads(94, 180, 0, "=Mx+My", 1);
  w.reads(94, 230, 0, "=M(x+y)");
  w.reads(94, 280, 5, "=(a+b)(x+y)");
  w.reads(40, 340, 3, "(2)", 1);
  w.reads(121, 340, 0, "(x-a)y-b(x-a)");
  w.reads(184, 390, 3, "x-a=Mとすると");
  w.reads(94, 440, 0, "=My-bM", 1);
  w.reads(94, 490, 0, "=M(y-b)");
  w.reads(94, 540, 5, "=(x-a)(y-b)");
  w.reads(560, 30, 3, "(3)", 1);
  w.reads(641, 30, 0, "(x+3)^2-7(x+3)+10");
  w.reads(704, 80, 3, "x+3=Mとすると");
  w.reads(614, 130, 0, "=M^2-7M+10", 1);
  w.reads(614, 180, 0, "=(M-2)(M-5)");
  w.reads(614, 230, 0, "=(x+3-2)(x+3-5)");
  w.reads(614, 280, 5, "=(x+1)(x-2)");
  w.reads(560, 340, 3, "(4)", 1);
  w.reads(641, 340, 0, "(a+b)^2+5(a+b)+6");
  w.reads(704, 390, 3, "a+b=Mとすると");
  w.reads(614, 440, 0, "=M^2+5M+6", 1);
  w.reads(614, 490, 0, "=(M+2)(M+3)");
  w.reads(614, 540, 5, "=(a+b+2)(a+b+3)");
  w.reads(16, 666, 0, MENU);
  EXPECT_EQ(w.keysLeft(), 0);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(expectWorkedItems(columnLines(ops, ops.size(), {{0, 550}, {555, 1366}})), 4);
}

TEST(FenwistSection6, DiscussionProblemsOneLinePerStep) {
  const HeadlessResult run = runFenwist("6\n3\n" + steps(11), "00:00:00", "fenwist-s6-discussion.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.reads(16, 666, 0, MENU, 2);
  w.fill(0, 0, 1320, 1300, 15, 15, 2);
  w.reads(40, 30, 3, "次の式は、どうすれば因数分解できる?");
  w.reads(40, 180, 3, "(1)");
  w.reads(121, 180, 0, "2a(b-4)-4+b");
  w.reads(560, 180, 3, "(2)");
  w.reads(641, 180, 0, "xy+x+y+1");
  w.reads(40, 110, 7, "式の中の共通な部分をさがす。", 1);
  w.reads(94, 230, 0, "=2a(b-4)+(b-4)", 1);
  w.reads(184, 280, 3, "b-4=Mとすると", 1);
  w.reads(94, 330, 0, "=2aM+M", 1);
  w.reads(94, 380, 0, "=M(2a+1)", 1);
  w.reads(94, 430, 5, "=(b-4)(2a+1)", 1);
  w.reads(614, 230, 0, "=x(y+1)+y+1", 1);
  w.reads(704, 280, 3, "y+1=Mとすると", 1);
  w.reads(614, 330, 0, "=xM+M", 1);
  w.reads(614, 380, 0, "=M(x+1)", 1);
  w.reads(614, 430, 5, "=(y+1)(x+1)", 1);
  w.reads(16, 666, 0, MENU);
  EXPECT_EQ(w.keysLeft(), 0);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(expectWorkedItems(columnLines(ops, ops.size(), {{0, 550}, {555, 1366}})), 2);
}

}  // namespace
