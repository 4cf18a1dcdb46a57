// A walk through sections 2 and 3 as a class would take it: main-menu item 2, its aim and every
// item of its menu, back to the main menu; item 3 likewise; then the end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "sections23_support.h"

namespace {

using walk::OpWalk;

TEST(Pradine, WalkThroughSectionsTwoAndThreeAndOut) {
  const std::string keys = "2\r"
                           "1\r" " 1\r" + steps(20) +               // the task, one problem, and its explanation
                           "2\r" "  1\r"                            // example 2, one problem
                           "3\r" + steps(2) +                       // the answers to problem 2
                           "4\r" + steps(5) +                       // example 3, which sets pen 5
                           "5\r" "  1\r" "  1\r" " 1\r" " "         // the box practice, one problem a part
                           "6\r" + steps(5) +                       // the answers to problem 3
                           "7\r"                                    // back to the main menu
                           "3\r"
                           "1\r" " 1\r" + steps(15) +               // the task and its explanation
                           "2\r" "  1\r" "  1\r" " "                // example 5, one problem a drill
                           "3\r" + steps(5) +                       // the answers to problem 4
                           "4\r" + steps(5) +                       // the proof of the card trick
                           "5\r"                                    // back to the main menu
                           "8\r";                                   // the end
  const HeadlessResult run = runWithShots(keys + "1\r", "07:30:00", "pradine-walk-sections23");
  ASSERT_FALSE(run.error);
  EXPECT_EQ(keysRead(run), static_cast<int>(keys.size()));  // the keys after the end stay unread
  EXPECT_EQ(menusDrawn(run), 3);
  OpWalk w(run);
  w.reads(44, 240, 5, "<めあて>", 2);
  w.reads(76, 305, 0, "(x+2)^2,(x-3)^2のような式を");
  w.reads(16, 666, 0, SECTION2_MENU);
  w.reads(40, 18, 0, "問　①,②を求めなさい。", 2);
  w.reads(385, 500, 5, "2乗 2倍 2乗", 23);
  w.reads(16, 666, 0, SECTION2_MENU);
  w.reads(748, 30, 3, "平方の公式", 2);
  w.reads(44, 570, 0, "教科書 問2 をしなさい。", 4);
  w.reads(94, 30, 3, "問2 解答 ", 2);
  w.reads(94, 510, 5, "=y^2+8y+16", 2);
  w.reads(40, 30, 0, "例3　次の式を展開しなさい。", 2);
  w.reads(72, 260, 5, "4x^2+12xy+9y^2", 5);
  w.reads(44, 18, 3, "問　①,②を求めなさい。", 2);
  w.reads(132, 570, 3, "教科書 問3　をしなさい。", 12);
  w.reads(94, 30, 3, "問3 解答 ", 2);
  w.reads(614, 500, 5, "=x^2-4xy+4y^2", 5);
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 2);
  w.reads(44, 240, 5, "<めあて>", 2);
  w.reads(76, 305, 0, "(x+3)(x-3)のような式を");
  w.reads(44, 18, 0, "問　①,②を求めなさい。", 2);
  w.reads(44, 578, 3, "和と差の積　(a+b)(a-b)=a^2-b^2", 18);
  w.reads(748, 30, 3, "和と差の積", 2);
  w.reads(44, 570, 0, "教科書 問4　をしなさい。", 9);
  w.reads(94, 30, 3, "問4 解答 ", 2);
  w.reads(614, 500, 5, "=a^2-36b^2", 5);
  w.reads(94, 30, 0, "問5 解答 ", 2);
  w.reads(16, 666, 0, SECTION3_MENU, 5);
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 2);
  EXPECT_EQ(w.keysLeft(), 2);
}

// Example 3 sets pen 5 and leaves it: the box practice and section 3's task that follow draw
// their box outlines with it, as they draw with whatever pen they find.
TEST(Pradine, PenFiveOfExampleThreeCarriesIntoTheScenesAfterIt) {
  const std::string keys = "2\r5\r  1\r  1\r 1\r "  // the box practice with the start-up pen 3
                           "4\r" + steps(5) +        // example 3
                           "5\r  1\r  1\r 1\r "      // the box practice again
                           "7\r3\r1\r 1\r";          // section 3's task, one problem
  const HeadlessResult run = runScript(pradine::PROGRAM, keys);
  ASSERT_FALSE(run.error);
  std::vector<float> boxPens;  // the pens of the frames of the numbered boxes ① (frame colour 5)
  for (const Op& op : run.ops)
    if (op.kind == OpKind::FilledBox && op.colour == 5) boxPens.push_back(op.pen);
  // Three parts of two drawings each, twice, and the task's box ① once.
  ASSERT_EQ(boxPens.size(), 13u);
  for (std::size_t k = 0; k < boxPens.size(); ++k) EXPECT_EQ(boxPens[k], k < 6 ? 3 : 5) << "box " << k;
}

}  // namespace
