// Section 2 through one class's keys: main-menu item 2, the aim, every scene to its end with a
// few practice problems in each loop, back to the main menu, and out.
#include <gtest/gtest.h>

#include "common/prompt_marks.h"
#include "corvale_checks.h"
#include "engine/engine.h"
#include "programs/corvale/corvale.h"

using namespace corvale;

TEST(CorvaleWalk, ThroughSectionTwoAndOut) {
  std::string keys = "2\\n";                                                  // section 2
  keys += "7\\n";                                                             // asked again
  keys += "1\\n" + std::string(7, 'k') + "\\n" + std::string(7, 'k') + "3\\n";  // review 1 three times
  keys += std::string(7, 'k') + "1\\n" + "k";                                 // ... and the rule
  keys += "kk\\nkk2\\nkk1\\n" + std::string(1, 'k');                          // review 2: rows 1 to 3, the note
  keys += "2\\n" + std::string(5, 'k') + "0\\n" + std::string(5, 'k') + "1\\nk";  // drill (1) twice, the rule
  keys += std::string(5, 'k') + "5\\n" + std::string(5, 'k') + "2/2\\nk";     // drill (2) twice, the summary
  keys += "3\\n" + std::string(8, 'k');                                       // the answers
  keys += "1\\n" + std::string(7, 'k') + "1\\n" + "k" + "kk1\\n" + "k";       // the review once more
  keys += "4\\n";                                                             // main menu
  keys += "2\\n4\\n";                                                         // section 2 again, out
  keys += "6\\n";                                                             // the end
  keys += "k";                                                                // never read
  const HeadlessResult run = runScript(PROGRAM, keys, "13:47:05", "corvale-walk-section2.png");
  ASSERT_FALSE(run.error.has_value());
  const std::vector<std::string> read = keysRead(run);
  // The program ended at "6": every key but the last was read.
  EXPECT_EQ(read.back(), "\r");
  EXPECT_EQ(read.size(), parseKeys(keys).size() - 1);
  // The main menu at the start and after each return; the aim on each entry of section 2 only.
  EXPECT_EQ(glyphsAt(run, "＜", 264, 30).size(), 3u);
  EXPECT_EQ(glyphsAt(run, "め", 71, 240).size(), 2u);
  EXPECT_EQ(glyphsAt(run, "÷", 174, 305).size(), 2u);
  // Every scene reached its end: review 2's note, example 3's pointer to the textbook, the
  // answers' last quotient; each followed by the sub-menu line.
  EXPECT_EQ(glyphsAt(run, "※", 684, 410).size(), 2u);
  EXPECT_TRUE(drewGlyph(run, "教", 44, 570, 0));
  EXPECT_TRUE(drewGlyph(run, "=", 645, 560, 5));
  // Sub-menu lines: the first, after "7", after each of the four scenes, and on the second entry.
  EXPECT_EQ(walk::subMenuLines(run.ops).size(), 7u);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
}
