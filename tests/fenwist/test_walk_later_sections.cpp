// One lesson through sections 5 to 7: from the main menu into each section, every item of its
// sub-menu in turn, back to the main menu after each section, and out. Each scene must start
// after exactly the key presses the scene before it takes.
#include <gtest/gtest.h>

#include <string>

#include "common/op_walk.h"
#include "fenwist_support.h"

namespace {

using namespace fenwist_test;

TEST(FenwistWalk, EverySceneOfSectionsFiveToSevenAndOut) {
  // Example 1: its parts (2) and (3) take three or four keys a problem, and the next-step prompt
  // ignores a fourth key, so four keys always do.
  const std::string section5 = "5\n" + ("1\nk1\nkkkk1\nkkkk1\n" + steps(1)) + ("2\n" + steps(3)) + "3\n";
  const std::string section6 = "6\n" + ("1\n" + steps(3) + "1\n" + steps(10) + "1\n" + steps(7) + "1\n" + steps(1)) +
                               ("2\n" + steps(8)) + ("3\n" + steps(11)) + "4\n";
  const std::string section7 = "7\n" + ("1\n" + steps(1)) + "2\n3\n4\n5\n";
  // Two more keys after the end: never read.
  const HeadlessResult run =
      runFenwist(section5 + section6 + section7 + "8\nkk", "16:17:18", "fenwist-walk-later-sections.png");
  ASSERT_FALSE(run.error);
  walk::OpWalk w(run);
  w.reads(264, 30, 15, "＜Ｆｅｎｗｉｓｔ　メニュー＞");
  // Section 5.
  w.reads(44, 240, 3, "<めあて>", 2);
  w.reads(44, 330, 0, " 共通因数と公式を使って因数分解しよう。");
  w.reads(40, 30, 3, "例題1 次の式を因数分解しなさい。", 2);
  w.reads(88, 570, 0, "教科書 問10　をしなさい。", 3 + 6 + 6 + 1);
  w.reads(40, 30, 3, "問10の解答", 2);
  w.reads(264, 30, 15, "＜Ｆｅｎｗｉｓｔ　メニュー＞", 3 + 2);
  // Section 6.
  w.reads(44, 240, 3, "<めあて>", 2);
  w.reads(44, 330, 0, " 置きかえて因数分解しよう。");
  w.reads(44, 20, 3, "例題2 次の式を因数分解しなさい。", 2);
  w.reads(132, 570, 3, "教科書 問11　をしなさい。", 5 + 12 + 9 + 1);
  w.reads(40, 30, 7, "問11の解答", 2);
  w.reads(40, 30, 3, "次の式は、どうすれば因数分解できる?", 8 + 2);
  w.reads(264, 30, 15, "＜Ｆｅｎｗｉｓｔ　メニュー＞", 11 + 2);
  // Section 7: no aim screen.
  w.reads(16, 666, 0, "Ｐ２７練習問題　①１，２　②３　③４　④５　⑤終了", 2);
  for (const char* digit : {"1", "3", "4", "5"}) {
    w.readsCentred(94, 360, 31, 0, "練習問題(P27)", digit[0] == '3' ? 3 : 2);
    // The number box: under the heading on the page of exercises 1 and 2, beside it on the others.
    w.readsCentred(digit[0] == '1' ? 40 : 474, 40, digit[0] == '1' ? 90 : 30, 13, digit);
  }
  w.reads(264, 30, 15, "＜Ｆｅｎｗｉｓｔ　メニュー＞", 2);
  // "8" and Enter end the program: the two keys after them stay unread.
  EXPECT_EQ(w.keysLeft(), 2);
  EXPECT_EQ(mainMenus(drawn(run)).size(), 4u);
}

}  // namespace
