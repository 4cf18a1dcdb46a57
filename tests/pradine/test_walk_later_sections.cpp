// One lesson through sections 4 to 6: the main menu, every scene of each section's menu in turn,
// back to the main menu after each section, and out. Each scene must start after exactly the key
// presses the scene before it takes.
#include <gtest/gtest.h>

#include <string>

#include "sections_support.h"

namespace {

using namespace later_sections;
using walk::OpWalk;

TEST(PradineWalk, EverySceneOfSectionsFourToSixAndOut) {
  const std::string section4 = "4\r" "1\r" "  1\r"                 // one mixed problem
                               "2\r" + steps(10) + "    1\r" +     // example 1, one combined problem
                               "3\r" + steps(9) + "4\r";           // the answers to problem 6
  const std::string section5 = "5\r" "1\r" " 1\r" " 1\r"           // one figure in each loop
                               "2\r" " 1\r" " 1\r" " "             // one box in each loop, the remark
                               "3\r" + steps(11) + "     1\r" "     1\r" +  // example 2, one of each drill
                               "4\r" + steps(17) + "5\r";          // the answers to problem 7
  const std::string section6 = "6\r" "1\r" " " "2\r" " " "3\r" "   " "4\r";
  // Two more keys after the end: never read.
  const HeadlessResult run =
      runScript(pradine::PROGRAM, section4 + section5 + section6 + "8\rkk", "11:12:13", "pradine-walk-4-6.png");
  ASSERT_FALSE(run.error);
  EXPECT_EQ(menusDrawn(run), 4);
  OpWalk w(run);
  w.reads(264, 30, 15, MAIN_MENU_HEADING);
  // Section 4.
  w.reads(44, 240, 5, "<めあて>", 2);
  w.reads(44, 18, 3, "問　次の式を展開しなさい。", 2);
  w.reads(40, 30, 0, "例題1　次の式を計算しなさい。", 4 + 2);
  w.reads(40, 30, 3, "例題1　次の式を計算しなさい。", 10);
  w.reads(132, 570, 3, "教科書 問6　をしなさい。", 6);
  w.reads(94, 30, 3, "問6 解答", 2);
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 9 + 2);
  // Section 5.
  w.reads(44, 240, 5, "<めあて>", 2);
  w.reads(44, 420, 5, "※ 多項式を1つの文字とみる！", 2 + 3 + 3);
  w.reads(44, 18, 0, "問　①を求めなさい。", 2);
  w.reads(176, 510, 7, "多項式を１つの文字とみれば、公式が使えそうだ！", 3 + 3 + 1);
  w.reads(22, 30, 3, "例題2　次の式を展開しなさい。", 2);
  w.reads(40, 30, 3, "例題2 次の式を展開しなさい。", 11);
  w.reads(132, 570, 3, "教科書 問7　をしなさい。", 7 + 7);
  w.reads(40, 30, 0, "問7解答 ", 2);
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 17 + 2);
  // Section 6: no aim screen.
  w.reads(16, 666, 0, SECTION6_MENU, 2);
  w.readsCentred(94, 396, 31, 0, "P20練習問題", 2);
  w.readsCentred(510, 40, 30, 13, "1");
  w.readsCentred(94, 396, 31, 0, "P20練習問題", 1 + 2);
  w.readsCentred(510, 40, 30, 13, "2");
  w.readsCentred(94, 396, 31, 0, "P20練習問題", 1);  // its second page
  w.readsCentred(510, 40, 30, 13, "2");
  w.readsCentred(94, 396, 31, 0, "P20練習問題", 2);
  w.readsCentred(510, 40, 30, 13, "3");
  w.reads(600, 325, 3, "(4)", 3);
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 2);
  // "8" and Enter end the program: the two keys after them stay unread.
  EXPECT_EQ(w.keysLeft(), 2);
}

}  // namespace
