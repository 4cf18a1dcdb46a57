// A lesson through section 3 by the keys a teacher would press: main-menu item 3, the aim, all
// eleven sub-menu items in turn with a few practice problems, back to the main menu, and out.
#include <gtest/gtest.h>

#include "common/prompt_marks.h"
#include "engine/engine.h"
#include "programs/corvale/corvale.h"
#include "section3_support.h"

using namespace corvale;
using namespace polymul_test;

TEST(CorvaleSection3Walk, EveryItemToItsEndAndBackToTheMainMenu) {
  std::string keys = "3\\n";
  keys += "1\\n" + steps(19);                                                  // the flower bed
  keys += "2\\n" + steps(6);                                                   // example 5
  keys += "3\\n" + steps(11);                                                  // problem 3
  keys += "4\\n" + steps(3) + "\\n" + steps(3) + "1\\n" + steps(1);            // example 6, two problems
  keys += "5\\n" + steps(3);                                                   // problem 4
  keys += "6\\n" + steps(9) + steps(9) + "0\\n" + steps(9) + "1\\n";           // example 7, two problems
  keys += "7\\n" + steps(4);                                                   // problem 5
  keys += "8\\n";                                                              // the summary
  keys += "9\\n" + steps(4) + "2\\n" + steps(4) + "1\\n" + steps(8);           // example 8, two problems
  keys += "10\\n" + steps(4);                                                  // problem 6
  keys += "11\\n";                                                             // the main menu
  keys += "6\\n";                                                              // the end
  keys += "k";                                                                 // never read
  const HeadlessResult run = runScript(PROGRAM, keys, "09:41:27", "corvale-s3-walk.png");
  ASSERT_FALSE(run.error.has_value());
  const std::vector<std::string> read = keysRead(run);
  ASSERT_FALSE(read.empty());
  EXPECT_EQ(read.back(), "\r");
  EXPECT_EQ(read.size(), parseKeys(keys).size() - 1);
  // The main menu at the start and after item 11; the aim once; the sub-menu line after the
  // aim and after each of the ten scenes.
  EXPECT_EQ(glyphsAt(run, "＜", 264, 30).size(), 2u);
  EXPECT_EQ(glyphsAt(run, "め", 71, 240).size(), 1u);
  EXPECT_EQ(subMenuLines(run), 11u);
  // Every scene reached its last text.
  EXPECT_TRUE(drewGlyph(run, "展", 44, 460, 5));      // the flower bed: expanding
  EXPECT_TRUE(drewGlyph(run, "教", 44, 570, 0));      // examples 5 and 6: the pointers
  EXPECT_TRUE(drewGlyph(run, "教", 44, 570, 3));      // example 7
  EXPECT_TRUE(drewGlyph(run, "教", 400, 600, 7));     // example 8
  EXPECT_TRUE(drewGlyph(run, "※", 176, 378, 3));     // example 6's reminder
  int headings = 0, titles = 0;
  for (const Op& op : glyphsAt(run, "問", 94, 30)) (op.colour == 3 ? headings : titles) += 1;
  EXPECT_EQ(headings, 2);                              // problems 3 and 4
  EXPECT_EQ(titles, 3);                                // problem 5, and both pages of problem 6
  EXPECT_EQ(textsEqual(run, "⑥").size(), 11u + 1);     // the sub-menu lines, and example 8's sixth arc
  // The key waits of all ten scenes, and a next-step prompt per practice problem.
  EXPECT_EQ(walk::stepWaits(run.ops, 0, run.ops.size()), 19 + 6 + 11 + 7 + 3 + 27 + 4 + 0 + 16 + 4);
  EXPECT_EQ(nextStepBoxes(run), 6u);
}
