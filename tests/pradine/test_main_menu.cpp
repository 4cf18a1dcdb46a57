// Pradine's main menu: its picture, and what each kind of entry does.
#include <gtest/gtest.h>

#include "scene_support.h"
#include "support/test_names.h"

namespace {

using walk::OpWalk;

TEST(MainMenu, DrawsThePanelTheHeadingAndTheItems) {
  const HeadlessResult run = runScript(pradine::PROGRAM, "8\r1\r", "00:00:00", "pradine-main-menu.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 54, 1440, 846, 15, 15);
  w.fill(0, 0, 1760, 1800, 15, 15);
  w.fill(22, 10, 1320, 600, 15, 10);
  w.reads(264, 30, 15, "＜Ｐｒａｄｉｎｅ　メニュー＞");
  w.reads(44, 120, 13, "1　(x+a)(x+b)の展開");
  w.reads(44, 180, 15, "2　平方の公式");
  w.reads(44, 240, 13, "3　和と差の積");
  w.reads(44, 300, 15, "4　公式を使った計算");
  w.reads(44, 360, 13, "5　置き換え");
  w.reads(44, 420, 15, "6　P20(練習問題)");
  w.reads(44, 480, 13, "7　");
  w.reads(44, 540, 15, "8　終了");
  EXPECT_EQ(keysRead(run), 2);  // "8" and Enter end the program: the keys after it are never read
  EXPECT_EQ(menusDrawn(run), 1);
}

enum class Outcome { Ends, MenuAgain, Section, AnotherSection };

struct Entry {
  const char* keys;
  Outcome outcome;
  int section = 0;  // the section an Outcome::Section entry opens
};

class MainMenuEntry : public ::testing::TestWithParam<Entry> {};

// Each entry (Enter is \r) is followed by "8" and Enter, which end the program from a menu drawn again.
TEST_P(MainMenuEntry, ChoosesBetweenEndAgainAndSections) {
  const Entry entry = GetParam();
  const std::string keys = std::string(entry.keys) + "\r8\r";
  const HeadlessResult run = runScript(pradine::PROGRAM, keys);
  ASSERT_FALSE(run.error);
  const int entryKeys = static_cast<int>(std::string(entry.keys).size()) + 1;
  switch (entry.outcome) {
    case Outcome::Ends:
      EXPECT_EQ(keysRead(run), entryKeys);
      EXPECT_EQ(menusDrawn(run), 1);
      break;
    case Outcome::MenuAgain:
      EXPECT_EQ(keysRead(run), entryKeys + 2);
      EXPECT_EQ(menusDrawn(run), 2);
      EXPECT_EQ(sectionStarted(run), 0);
      EXPECT_EQ(windowClears(run), 2);  // refused by the range test: no clear for a section
      break;
    case Outcome::Section:
      EXPECT_EQ(sectionStarted(run), entry.section);
      EXPECT_EQ(windowClears(run), 2);
      break;
    case Outcome::AnotherSection:
      EXPECT_EQ(sectionStarted(run), 0);
      EXPECT_EQ(windowClears(run), 3);  // passed the range test: the window cleared for the jump
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(Entries, MainMenuEntry,
                         ::testing::Values(Entry{"8", Outcome::Ends}, Entry{"16/2", Outcome::Ends},
                                           Entry{"8.0", Outcome::Ends}, Entry{"", Outcome::MenuAgain},
                                           Entry{"0", Outcome::MenuAgain}, Entry{"9", Outcome::MenuAgain},
                                           Entry{"8.5", Outcome::MenuAgain}, Entry{"-3", Outcome::MenuAgain},
                                           Entry{"1/4", Outcome::MenuAgain},  // leading 1, but the value is 0.25
                                           Entry{"1", Outcome::Section, 1}, Entry{"1.2", Outcome::Section, 1},
                                           Entry{"2", Outcome::Section, 2}, Entry{"3", Outcome::Section, 3},
                                           Entry{"4", Outcome::Section, 4}, Entry{"5", Outcome::Section, 5},
                                           Entry{"7", Outcome::AnotherSection},     // the menu drawn anew
                                           Entry{"12/2", Outcome::AnotherSection},  // value 6, selector 12
                                           Entry{"7.9", Outcome::AnotherSection},
                                           Entry{"2/2", Outcome::Section, 2},       // value 1, selector 2
                                           Entry{"4/2", Outcome::Section, 4}),      // value 2, selector 4
                         [](const ::testing::TestParamInfo<Entry>& info) { return typedName(info.param.keys); });

}  // namespace
