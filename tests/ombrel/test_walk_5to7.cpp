// Main-menu items 5, 6 and 7 and a walk through every scene and page of sections 5 to 7: each
// item opens its section on a cleared window, and the walk reads every key it is given, never
// reaches the error screen and comes back to the main menu after each section.
#include <gtest/gtest.h>

#include "engine/strings.h"
#include "ombrel_support.h"
#include "support/test_names.h"

namespace {

using namespace ombrel_test;

struct Entry {
  const char* typed;
  const char* firstMenuGlyph;  // the sub-menu line's first glyph
  bool aim;                    // section 5 shows its aim screen; the answer sheets have none
};

void PrintTo(const Entry& entry, std::ostream* os) { *os << '"' << entry.typed << '"'; }

class OmbrelSectionEntry : public testing::TestWithParam<Entry> {};

// The section the typed text's own number names, made whole, opens on a window cleared over
// 1760 x 1800 after the menu.
TEST_P(OmbrelSectionEntry, OpensTheSection) {
  const Entry& entry = GetParam();
  const HeadlessResult run = runOmbrel(std::string(entry.typed) + "\n");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(menuPanels(ops), 1u);
  const auto lines = subMenuLines(ops);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(ops[lines[0]].text, toUtf8(entry.firstMenuGlyph));
  const auto clears = filledBoxes(ops, 0, 0, 1760, 1800, 15);
  ASSERT_EQ(clears.size(), 2u) << "the menu's own clear and the one after it";
  EXPECT_GT(clears[1], filledBoxes(ops, 22, 10, 1342, 610, 10)[0]);
  EXPECT_EQ(glyphAt(ops, 71, 240, 5, "め"), entry.aim);
  EXPECT_EQ(glyphAt(ops, 76, 305, 0, "式"), entry.aim);
}

INSTANTIATE_TEST_SUITE_P(Table, OmbrelSectionEntry,
                         testing::Values(Entry{"5", "①", true}, Entry{"6", "Ｐ", false}, Entry{"7", "学", false},
                                         Entry{"5.4", "①", true}, Entry{"6/4", "Ｐ", false},
                                         Entry{"7.2", "学", false}),
                         [](const testing::TestParamInfo<Entry>& info) { return typedName(info.param.typed); });

// Every scene of section 5, every page of sections 6 and 7, each left with the last item, and
// the program's end.
TEST(OmbrelWalk, EverySceneAndPageOfSectionsFiveToSevenAndOut) {
  std::string keys = "5\n" "1\n" + steps(18) + "2\n" + steps(18) + "3\n" + steps(17) + "4\n";
  const int reviewWaits[] = {0, 0, 0, 0, 0, 0, 0, 1, 15};
  keys += "6\n";
  for (int page = 1; page <= 9; ++page) keys += std::to_string(page) + "\n" + steps(reviewWaits[page - 1]);
  keys += "10\n";
  const int exerciseWaits[] = {3, 8, 0, 1, 4, 2, 4, 16, 2, 3};
  keys += "7\n";
  for (int page = 1; page <= 10; ++page) keys += std::to_string(page) + "\n" + steps(exerciseWaits[page - 1]);
  keys += "11\n8\n";
  const HeadlessResult run = runOmbrel(keys + "1\n");
  ASSERT_FALSE(run.error) << "error screen at line " << run.error->line;
  EXPECT_EQ(keysRead(run), keys.size()) << "nothing is read after 8";
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(menuPanels(ops), 4u);
  EXPECT_EQ(subMenuLines(ops).size(), (1u + 3u) + (1u + 9u) + (1u + 10u));
  EXPECT_EQ(stepWaits(ops, 0, ops.size()), 18 + 18 + 17 + 16 + 43);
}

}  // namespace
