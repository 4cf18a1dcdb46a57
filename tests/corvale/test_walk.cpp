// The whole program through one class's keys: the main menu, section 1's aim and sub-menu,
// every scene to its end with a few practice problems, back to the main menu, and out.
#include <gtest/gtest.h>

#include "corvale_checks.h"
#include "programs/corvale/corvale.h"

using namespace corvale;

TEST(CorvaleWalk, ThroughSectionOneAndOut) {
  std::string keys = "7\\n4\\n1\\n";                        // out of range, an empty item, section 1
  keys += "9\\n";                                           // asked again
  keys += "1\\n" + std::string(20, 'k') + "8\\n3\\n1\\n";  // the card trick
  keys += "2\\n" + std::string(9, 'k');                     // the flower bed
  keys += "3\\n" + std::string(5, 'k') + "\\n" + std::string(5, 'k') + "1\\n";  // problem 1 twice
  keys += std::string(5, 'k') + "0\\n" + std::string(5, 'k') + "1\\n";         // problem 2 twice
  keys += std::string(6, 'k') + "2\\n" + std::string(6, 'k') + "1\\n";         // problem 3 twice
  keys += "k";                                                                  // the summary
  keys += "4\\n" + std::string(2, 'k');                                         // the answers
  keys += "5\\n";                                                               // main menu
  keys += "1\\n5\\n";                                                           // section 1 again, out
  keys += "6\\n";                                                               // the end
  keys += "k";                                                                  // never read
  const HeadlessResult run = runScript(PROGRAM, keys, "08:15:42", "corvale-walk.png");
  ASSERT_FALSE(run.error.has_value());
  const std::vector<std::string> read = keysRead(run);
  ASSERT_FALSE(read.empty());
  // The program ended at "6": every key but the last was read.
  EXPECT_EQ(read.back(), "\r");
  EXPECT_EQ(read.size(), parseKeys(keys).size() - 1);
  // The main menu: at the start, after 7, after 4, after leaving section 1 twice.
  EXPECT_EQ(glyphsAt(run, "＜", 264, 30).size(), 5u);
  // The aim, drawn on each entry of section 1.
  EXPECT_EQ(glyphsAt(run, "め", 71, 240).size(), 2u);
  // Every scene reached its end.
  EXPECT_TRUE(drewGlyph(run, "他", 66, 500, 7));
  EXPECT_TRUE(drewGlyph(run, "分", 484, 430, 3));
  EXPECT_TRUE(drewGlyph(run, "教", 40, 580, 3));
  EXPECT_EQ(glyphsAt(run, "問", 121, 30).size(), 2u);
}
