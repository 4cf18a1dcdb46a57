// One lesson through the whole program: the main menu, every scene of sections 1 to 3 in turn,
// back to the main menu after each section, and out. Each scene must start after exactly the key
// presses the scene before it takes.
#include <gtest/gtest.h>

#include <string>

#include "common/op_walk.h"
#include "fenwist_support.h"

namespace {

using namespace fenwist_test;

TEST(FenwistWalk, EverySceneOfSectionsOneToThreeAndOut) {
  const std::string section1 = "1\n" + ("1\n" + steps(29)) + "2\n" + ("3\n" + steps(17)) + "4\nk1\nk1\nk1\nk1\n" +
                               ("5\n" + steps(9)) + ("6\n" + steps(4)) + "7\n";
  const std::string section2 = "2\n1\nkk1\nkk1\nkk1\nkk1\nk" + ("2\n" + steps(4)) + "3\n";
  const std::string section3 = "3\n1\nkk1\nk" + ("2\n" + steps(4)) + "3\nkk1\nkk1\nk" + ("4\n" + steps(5)) +
                               ("5\n" + steps(15)) + "6\n";
  // Two more keys after the end: never read.
  const HeadlessResult run = runFenwist(section1 + section2 + section3 + "8\nkk", "10:11:12", "fenwist-walk.png");
  ASSERT_FALSE(run.error);
  walk::OpWalk w(run);
  w.reads(264, 30, 15, "＜Ｆｅｎｗｉｓｔ　メニュー＞");
  // Section 1.
  w.reads(44, 240, 3, "<めあて>", 2);
  w.reads(76, 305, 0, "1 因数、因数分解の意味を理解しよう。");
  w.reads(22, 30, 0, "① 次の式を", 2);
  w.reads(88, 22, 3, "<まとめ>", 29 + 2);
  w.reads(22, 30, 0, "問 次の式を展開しなさい。", 2);
  w.reads(44, 18, 0, "問1　次の式の共通因数をいいなさい。", 17 + 2);
  w.reads(88, 22, 5, "<共通因数をくくりだす因数分解>", 12 + 2);
  w.reads(40, 30, 3, "問1 解答", 9 + 2);
  w.reads(264, 30, 15, "＜Ｆｅｎｗｉｓｔ　メニュー＞", 4 + 2);
  // Section 2.
  w.reads(44, 240, 3, "<めあて>", 2);
  w.reads(76, 305, 0, "公式(和と差の積)を逆に使って、因数分解しよう。");
  w.reads(40, 20, 7, "例2　次の式を因数分解しなさい。", 2);
  w.reads(616, 570, 7, "教科書 問2　をしなさい。", 17);
  w.reads(40, 30, 3, "問2 解答", 2);
  w.reads(264, 30, 15, "＜Ｆｅｎｗｉｓｔ　メニュー＞", 4 + 2);
  // Section 3.
  w.reads(44, 240, 3, "<めあて>", 2);
  w.reads(76, 305, 0, "平方の公式を逆に使って、因数分解しよう。");
  w.reads(40, 20, 7, "例3　次の式を因数分解しなさい。", 2);
  w.reads(616, 570, 7, "教科書 問3　をしなさい。", 5);
  w.reads(40, 30, 3, "問3 解答", 2);
  w.reads(40, 20, 7, "例4　次の式を因数分解しなさい。", 4 + 2);
  w.reads(120, 570, 7, "教科書 問4　をしなさい。", 9);
  w.reads(40, 30, 3, "問4 解答", 2);
  w.reads(120, 570, 7, "教科書 問5　をしなさい。", 5);
  w.reads(40, 30, 3, "問5 解答", 2);
  w.reads(264, 30, 15, "＜Ｆｅｎｗｉｓｔ　メニュー＞", 15 + 2);
  // "8" and Enter end the program: the two keys after them stay unread.
  EXPECT_EQ(w.keysLeft(), 2);
  EXPECT_EQ(mainMenus(drawn(run)).size(), 4u);
}

}  // namespace
