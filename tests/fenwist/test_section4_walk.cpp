// One lesson through section 4: the main menu, the aim screen, every item of the sub-menu in
// turn, back to the main menu and out. Each scene must start after exactly the key presses the
// scene before it takes.
#include <gtest/gtest.h>

#include <string>

#include "common/op_walk.h"
#include "fenwist_support.h"

namespace {

using namespace fenwist_test;

TEST(FenwistWalk, EveryItemOfSectionFourAndOut) {
  // A drill: one problem (four steps) ended by 1, then one more key before its pointer.
  const std::string drill = steps(4) + "1\n";
  const std::string keys = "4\n" + ("1\n" + steps(15)) + ("2\n" + drill + drill + "k") + ("3\n" + steps(4)) +
                           ("4\n" + steps(4)) + ("5\n" + drill + "k") + ("6\n" + steps(7)) + ("7\n" + drill + "k") +
                           ("8\n" + steps(7)) + "9\nkk1\n" + "10\n" + "8\n";
  // Two more keys after the end: never read.
  const HeadlessResult run = runFenwist(keys + "kk", "12:34:56", "fenwist-s4-walk.png");
  ASSERT_FALSE(run.error);
  walk::OpWalk w(run);
  w.reads(264, 30, 15, "＜Ｆｅｎｗｉｓｔ　メニュー＞");
  w.reads(44, 240, 3, "<めあて>", 2);
  w.reads(76, 305, 0, "1 x^2+(a+b)x+abの公式を使って、因数分解しよう。");
  w.reads(22, 30, 0, "例5 次の式を因数分解しなさい。", 2);
  w.reads(88, 18, 0, "練習　次の式を因数分解しなさい。", 15 + 2);
  w.reads(484, 570, 0, "教科書P24 問6,問7　をしなさい。", 4 + 2 + 4 + 2 + 1);
  w.reads(40, 30, 3, "問6 解答", 2);
  w.reads(40, 30, 3, "問7 解答", 4 + 2);
  w.reads(88, 18, 0, "例7　次の式を因数分解しなさい。", 4 + 2);
  w.reads(132, 570, 0, "教科書 問8　をしなさい。", 4 + 2 + 1);
  w.reads(40, 30, 3, "問8 解答", 2);
  w.reads(88, 18, 0, "問　次の式を因数分解しなさい。", 7 + 2);
  w.reads(132, 570, 0, "教科書 問9　をしなさい。", 4 + 2 + 1);
  w.reads(40, 30, 3, "問9 解答", 2);
  w.reads(44, 18, 0, "問　次の式を因数分解しなさい。", 7 + 2);
  w.reads(264, 30, 15, "＜Ｆｅｎｗｉｓｔ　メニュー＞", 2 + 2 + 3);
  // "8" and Enter end the program: the two keys after them stay unread.
  EXPECT_EQ(w.keysLeft(), 2);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(mainMenus(ops).size(), 2u);
  EXPECT_EQ(subMenuLines(ops).size(), 10u);
}

}  // namespace
