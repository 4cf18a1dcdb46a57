// The main menu and the sub-menus: what each entry leads to, and a walk through every scene of
// sections 1 to 3 and back out.
#include <gtest/gtest.h>

#include "engine/strings.h"
#include "ombrel_support.h"
#include "support/test_names.h"

namespace {

using namespace ombrel_test;

TEST(OmbrelMainMenu, PanelTitleAndItems) {
  const HeadlessResult run = runOmbrel("8\n", "00:00:00", "ombrel-main-menu.png");
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(menuPanels(ops), 1u);
  EXPECT_TRUE(glyphAt(ops, 264, 30, 15, "＜"));
  EXPECT_TRUE(glyphAt(ops, 298, 30, 15, "Ｏ"));
  const char* firsts[] = {"数", "導", "数", "式", "図", "学", "学", "終"};
  for (int k = 0; k < 8; ++k) {
    const float y = 120 + 60.0f * k;
    const int colour = k % 2 == 0 ? 13 : 15;
    EXPECT_TRUE(glyphAt(ops, 44, y, colour, std::string(1, static_cast<char>('1' + k)))) << "item " << k + 1;
    EXPECT_TRUE(glyphAt(ops, 105, y, colour, firsts[k])) << "item " << k + 1;
  }
  EXPECT_TRUE(glyphAt(ops, 816, 648, 0, "番"));
}

enum class Outcome { End, MenuAgain, Section1, Section2, Section3, Section4 };

struct Entry {
  const char* typed;
  Outcome outcome;
};

void PrintTo(const Entry& entry, std::ostream* os) { *os << '"' << entry.typed << '"'; }

class OmbrelMainMenuEntry : public testing::TestWithParam<Entry> {};

// The value of the entry decides between the end, the menu again and a section; the number of
// the typed text itself decides which section (an entry a/b counts as a there).
TEST_P(OmbrelMainMenuEntry, LeadsWhereItsValueAndTextSay) {
  const Entry& entry = GetParam();
  const std::string typed = std::string(entry.typed) + "\n";
  const HeadlessResult run = runOmbrel(typed + "8\n");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  // A glyph of each section's aim line: the first at (76,305), or the third at (144,305) where
  // two lines begin alike.
  const bool aims[4] = {glyphAt(ops, 76, 305, 0, "文"), glyphAt(ops, 144, 305, 0, "計"), glyphAt(ops, 76, 305, 0, "因"),
                        glyphAt(ops, 144, 305, 0, "値")};
  switch (entry.outcome) {
    case Outcome::End:
      EXPECT_EQ(menuPanels(ops), 1u);
      EXPECT_EQ(keysRead(run), typed.size()) << "nothing is read after the program has ended";
      break;
    case Outcome::MenuAgain:
      EXPECT_EQ(menuPanels(ops), 2u);
      EXPECT_FALSE(aims[0] || aims[1] || aims[2] || aims[3]);
      EXPECT_EQ(keysRead(run), typed.size() + 2);
      break;
    default: {
      const int section = static_cast<int>(entry.outcome) - static_cast<int>(Outcome::Section1);
      EXPECT_EQ(menuPanels(ops), 1u);
      for (int k = 0; k < 4; ++k) EXPECT_EQ(aims[k], k == section) << "aim of section " << k + 1;
      EXPECT_TRUE(glyphAt(ops, 71, 240, 5, "め")) << "the aim heading";
      EXPECT_FALSE(subMenuLines(ops).empty());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Table, OmbrelMainMenuEntry,
                         testing::Values(Entry{"8", Outcome::End}, Entry{"16/2", Outcome::End},
                                         Entry{"0", Outcome::MenuAgain}, Entry{"9", Outcome::MenuAgain},
                                         Entry{"-1", Outcome::MenuAgain}, Entry{"", Outcome::MenuAgain},
                                         Entry{"1/2", Outcome::MenuAgain}, Entry{"8.5", Outcome::MenuAgain},
                                         Entry{"5/0", Outcome::MenuAgain}, Entry{"1", Outcome::Section1},
                                         Entry{"2", Outcome::Section2}, Entry{"3", Outcome::Section3},
                                         Entry{"4", Outcome::Section4},
                                         // Value in range, text outside 1 to 7: section 1.
                                         Entry{"14/2", Outcome::Section1}, Entry{"15/2", Outcome::Section1},
                                         Entry{"7.5", Outcome::Section1},
                                         // The text's own number, made whole, picks the section.
                                         Entry{"3/2", Outcome::Section3}, Entry{"2/1", Outcome::Section2},
                                         Entry{"1.6", Outcome::Section2}, Entry{"2.4", Outcome::Section2}),
                         [](const testing::TestParamInfo<Entry>& info) { return typedName(info.param.typed); });

TEST(OmbrelSubMenu, AChoiceOutsideTheListOnlyWritesTheLineAgain) {
  const HeadlessResult run = runOmbrel("1\n0\n7\n-1\n\n");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(subMenuLines(ops).size(), 5u);
  EXPECT_EQ(filledBoxes(ops, 0, 0, 1760, 1800, 15).size(), 2u) << "the menu's two clears, and no scene's";
  EXPECT_EQ(filledBoxes(ops, 0, 0, 1320, 1300, 15).size(), 0u);
  EXPECT_TRUE(glyphAt(ops, 76, 305, 0, "文")) << "the aim screen stays";
}

TEST(OmbrelSubMenu, AQuotientChoosesByItsValue) {
  const HeadlessResult run = runOmbrel("3\n6/3\n");
  const std::vector<Op> ops = drawn(run);
  EXPECT_TRUE(glyphAt(ops, 40, 30, 3, "例")) << "6/3 chooses item 2, example 1";
  EXPECT_TRUE(glyphAt(ops, 135, 30, 0, "次"));
}

TEST(OmbrelSubMenu, TheLastItemReturnsToAFreshMainMenu) {
  const HeadlessResult run = runOmbrel("3\n0\n8\n7\n");
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(subMenuLines(ops).size(), 3u);
  EXPECT_EQ(menuPanels(ops), 2u);
  EXPECT_EQ(filledBoxes(ops, 0, 54, 1440, 900, 15).size(), 2u) << "the work area is cleared with the window";
}

// After a scene its picture stays and the sub-menu line is written over its bottom; choosing it
// again clears the window and draws it once more, the same.
TEST(OmbrelSubMenu, ASceneChosenAgainIsDrawnAgainTheSame) {
  const HeadlessResult run = runOmbrel("1\n2\n" + steps(4) + "2\n" + steps(4));
  const std::vector<Op> ops = drawn(run);
  const auto lines = subMenuLines(ops);
  ASSERT_EQ(lines.size(), 3u);
  auto texts = [&](std::size_t from, std::size_t to) {
    std::vector<std::string> t;
    for (std::size_t i = from; i < to; ++i)
      if (ops[i].kind == OpKind::Text && ops[i].y1 < 600) t.push_back(std::to_string(ops[i].x1) + ops[i].text);
    return t;
  };
  EXPECT_EQ(texts(lines[0], lines[1]), texts(lines[1], lines[2]));
  EXPECT_FALSE(texts(lines[0], lines[1]).empty());
}

// Every scene of sections 1 to 3, a few practice problems in each drill, back to the main menu
// after each section, and the program's end: never the error screen, and nothing read after 8.
TEST(OmbrelWalk, EverySceneOfSectionsOneToThreeAndOut) {
  const std::string section1 = "1\n" "1\n" + steps(16) + "2\n" + steps(4) + "3\n" + steps(9) + "4\n" + steps(18) +
                               "5\n" + steps(1) + "6\n";
  const std::string section2 = "2\n" "1\n" + steps(5) + "2\n" + steps(29) + "3\n" + steps(13) + "4\n" + steps(28) +
                               "5\n" + steps(11) + "6\n";
  const std::string section3 = "3\n"
                               "1\n" "x2\n" "x1\n" "x\n" "x1\n"
                               "2\n" + steps(7) + "xxx0\n" "xxx1\n" "x"
                               "3\n" + steps(3) +
                               "4\n" + steps(17) +
                               "5\n" "xxx\n" "xxx1\n" "xxxx2\n" "xxxx1\n" "x"
                               "6\n" + steps(3) +
                               "7\n";
  const std::string keys = section1 + section2 + section3 + "8\n";
  const HeadlessResult run = runOmbrel(keys + "1\n");
  ASSERT_FALSE(run.error) << "error screen at line " << run.error->line;
  EXPECT_EQ(keysRead(run), keys.size());
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(menuPanels(ops), 4u);
  EXPECT_EQ(subMenuLines(ops).size(), 6u + 6u + 7u);
}

}  // namespace
