// The main-menu panel shared by the four programs: the two ways the programs differ (whether the
// prompt line is written before the number entry, whether the texts move the layout cursor) and
// the entries that leave the menu.
#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"
#include "programs/common/main_menu.h"
#include "support/test_support.h"

namespace {

constexpr const char* ITEMS[] = {"1　一", "2　二", "3　終了"};

struct Left {
  bool returned = false;
  float xi2 = 0, yi1 = 0;
  std::string typed;
};

HeadlessResult runMenu(const common::MainMenu& menu, const std::string& keys, Left& left) {
  return runRoutine(
      [&] {
        XI2 = 7;
        YI1 = 9;
        common::readMainMenu(menu);
        left = {true, XI2, YI1, AINP_S};
      },
      keys);
}

int promptLines(const HeadlessResult& run) {
  int n = 0;
  for (const Op& op : textsEqual(run, "番")) n += op.x1 == 816 && op.y1 == 648;
  return n;
}

TEST(MainMenuPanel, TextsMoveTheCursorAndThePromptIsWrittenOnce) {
  Left left;
  const HeadlessResult run = runMenu({.items = ITEMS}, "2\n", left);
  ASSERT_FALSE(run.error);
  EXPECT_TRUE(left.returned);
  EXPECT_EQ(left.typed, "2");
  EXPECT_EQ(left.yi1, 240) << "the last item's line";
  EXPECT_GT(left.xi2, 44);
  EXPECT_EQ(promptLines(run), 1) << "only the number entry writes it";
}

TEST(MainMenuPanel, KeepsTheCursorAndWritesThePromptFirst) {
  Left left;
  const HeadlessResult run = runMenu({.items = ITEMS, .writesPrompt = true, .keepsCursor = true}, "2\n", left);
  ASSERT_FALSE(run.error);
  EXPECT_TRUE(left.returned);
  EXPECT_EQ(left.xi2, 7);
  EXPECT_EQ(left.yi1, 9);
  EXPECT_EQ(promptLines(run), 2);
}

TEST(MainMenuPanel, AsksAgainOutsideTheItemsAndEndsOnTheLast) {
  Left left;
  // 0 and 4 draw the menu again; 6/2 (value 3) ends the program.
  const HeadlessResult run = runMenu({.items = ITEMS}, "0\n4\n6/2\n1\n", left);
  ASSERT_FALSE(run.error);
  EXPECT_FALSE(left.returned);
  int titles = 0;
  for (const Op& op : textsEqual(run, "＜")) titles += op.x1 == 264 && op.y1 == 30;
  EXPECT_EQ(titles, 3);
}

TEST(MainMenuPanel, DispatchesOnTheLeadingNumberRounded) {
  EXPECT_EQ(common::menuSelector("12/3"), 12);
  EXPECT_EQ(common::menuSelector("1.6"), 2);
  EXPECT_EQ(common::menuSelector("3"), 3);
  EXPECT_EQ(common::menuSelector(""), 0);
}

}  // namespace
