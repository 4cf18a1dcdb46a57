// The scene walk: it reaches every scene of a program through its menus, answers every kind of
// prompt on the way, and ends the program through the main menu's last item.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/platform/headless.h"
#include "programs/common/main_menu.h"
#include "programs/common/scene.h"
#include "programs/common/section_menu.h"
#include "tools/programs.h"
#include "tools/scene_walk.h"

namespace {

HeadlessResult walkThrough(const ProgramInfo& program, SceneWalk& walk, const std::string& time = "10:20:30") {
  HeadlessOptions options;
  options.time = time;
  options.keySource = [&walk] { return walk.nextKey(); };
  return runHeadless(program, options);
}

// A program of the usual shape, whose scenes count what they were given: two sections behind
// its main menu, an item that is only its number, and a scene for each kind of prompt.
int entered[4];          // each scene's entries
int problems = 0;        // problems the practice loop drew
std::vector<float> cards;  // what the question took

void twoSteps() {
  ++entered[0];
  common::clearWindow();
  common::textLine(100, 100, 0, "一");
  STEPWAIT();
  STEPWAIT();
}
void practice() {
  ++entered[1];
  AINP = 0;
  while (AINP != 1) {
    ++problems;
    STEPWAIT();
    NEXTSTEP();
  }
}
void question() {
  ++entered[2];
  do {
    AA_S = "カードの数は？";
    MENUBAR();
    CLEARMENUBAR();
  } while (AINP < 1 || AINP > 13);
  cards.push_back(AINP);
  STEPWAIT();
}
void withoutWait() {
  ++entered[3];
  common::textLine(100, 100, 0, "二");
}
void sectionOne() {
  static constexpr common::Routine SCENES[] = {twoSteps, practice, question};
  common::SECTIONMENU("①一　②練習　③カード　④終了", SCENES, common::MenuEntry::Kept);
}
void sectionTwo() {
  static constexpr common::Routine SCENES[] = {withoutWait};
  common::SECTIONMENU("①二　②終了", SCENES, common::MenuEntry::SetTo10);
}
constexpr const char* ITEMS[] = {"1　一", "2　二", "3　", "4　終了"};
void mainMenu() {
  for (;;) {
    common::readMainMenu({.items = ITEMS});
    switch (common::menuSelector(AINP_S)) {
      case 1: sectionOne(); break;
      case 2: sectionTwo(); break;
      default: break;
    }
  }
}

// Walks the small program from its first start, its counts at 0.
HeadlessResult walkSmallProgram(SceneWalk& walk) {
  std::fill(std::begin(entered), std::end(entered), 0);
  problems = 0;
  cards.clear();
  return walkThrough({"Walk", mainMenu, false}, walk);
}

int textsAt(const HeadlessResult& run, float x, float y, const char8_t* text) {
  return static_cast<int>(std::count_if(run.ops.begin(), run.ops.end(), [&](const Op& op) {
    return op.kind == OpKind::Text && op.x1 == x && op.y1 == y && op.text == reinterpret_cast<const char*>(text);
  }));
}

TEST(SceneWalk, EntersEveryItemOfEveryMenuAndEndsTheProgram) {
  SceneWalk walk;
  const HeadlessResult run = walkSmallProgram(walk);
  ASSERT_FALSE(run.error);
  EXPECT_TRUE(walk.complete()) << walk.problem();
  EXPECT_EQ(walk.problem(), "");
  for (const int times : entered) EXPECT_EQ(times, 1);
  EXPECT_EQ(walk.emptyItems(), std::vector<int>{3});
  EXPECT_EQ(walk.lastItem(), 4);
  ASSERT_EQ(walk.sections().size(), 2u);
  const SceneWalk::Section& one = walk.sections()[0];
  EXPECT_EQ(one.menuItem, 1);
  EXPECT_EQ(one.line, reinterpret_cast<const char*>(u8"①一　②練習　③カード　④終了"));
  ASSERT_EQ(one.scenes.size(), 3u);
  EXPECT_TRUE(one.left);
  EXPECT_EQ(one.scenes[0].stepWaits, 2);
  EXPECT_EQ(walk.sections()[1].menuItem, 2);
  ASSERT_EQ(walk.sections()[1].scenes.size(), 1u);
  EXPECT_EQ(walk.sections()[1].scenes[0].keys, 0);
}

// Every number prompt is given a bad entry, which it refuses, before the good one; a practice
// loop draws one more problem before the 1 that leaves it.
TEST(SceneWalk, GivesEachPromptABadEntryBeforeTheGoodOne) {
  SceneWalk walk;
  const HeadlessResult run = walkSmallProgram(walk);
  ASSERT_TRUE(walk.complete()) << walk.problem();
  // Four main-menu choices, each asked twice; four choices in section 1 and two in section 2.
  EXPECT_EQ(textsAt(run, KAIX - 240, KAIY, u8"番"), 8);
  EXPECT_EQ(textsAt(run, 16, 666, u8"①"), 12);
  EXPECT_EQ(problems, 2);
  EXPECT_EQ(walk.sections()[0].scenes[1].nextSteps, 2);
  // The question is asked again after its bad entry, and takes a card from 1 to 13.
  EXPECT_EQ(walk.sections()[0].scenes[2].questions, 2);
  ASSERT_EQ(cards.size(), 1u);
  EXPECT_GE(cards[0], 1);
  EXPECT_LE(cards[0], 13);
}

// A scene that never comes back to its sub-menu stops the walk, which says where.
TEST(SceneWalk, StopsAtASceneThatNeverEnds) {
  SceneWalk walk({.keys = 100000, .sceneKeys = 50});
  const HeadlessResult run = walkThrough(
      {"Walk",
       [] {
         static constexpr common::Routine SCENES[] = {[] {
           for (;;) STEPWAIT();
         }};
         common::readMainMenu({.items = ITEMS});
         common::SECTIONMENU("①一　②終了", SCENES, common::MenuEntry::Kept);
       },
       false},
      walk);
  EXPECT_FALSE(run.error);
  EXPECT_FALSE(walk.complete());
  EXPECT_EQ(walk.problem(),
            "main-menu item 1, sub-menu item 1: the scene took 50 keys without coming back to its sub-menu");
}

// The highest circled number of a sub-menu line: the number of its last item.
int lastCircledNumber(const std::string& line) {
  int last = 0;
  for (int n = 1; n <= 20; ++n) {
    // ① to ⑳ are U+2460 to U+2473.
    const char32_t c = U'\u2460' + static_cast<char32_t>(n - 1);
    const std::string utf8 = {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                              static_cast<char>(0x80 | (c & 0x3F))};
    if (line.find(utf8) != std::string::npos) last = n;
  }
  return last;
}

// The items of the first main menu drawn: their numbers stand at (44, 120 + 60k).
int mainMenuItems(const HeadlessResult& run) {
  std::set<float> rows;
  for (const Op& op : run.ops) {
    if (op.kind == OpKind::Key) break;
    if (op.kind == OpKind::Text && op.x1 == 44 && op.y1 >= 120 && static_cast<int>(op.y1 - 120) % 60 == 0)
      rows.insert(op.y1);
  }
  return static_cast<int>(rows.size());
}

// Whether a scene drew on the page, above the bottom bar, before it took its first key (or,
// taking none, before the sub-menu took the next).
bool drewOnThePage(const HeadlessResult& run, const SceneWalk::Scene& scene) {
  std::uint64_t keys = 0;
  for (const Op& op : run.ops) {
    if (op.kind == OpKind::Key && ++keys > scene.startKey) return false;
    if (keys == scene.startKey && op.kind == OpKind::Text && op.y1 < 639) return true;
  }
  return false;
}

class ProgramWalk : public testing::TestWithParam<const char*> {};

// Every item of the main menu is tried, the last ending the program; every section is entered
// and each of its sub-menu's items chosen, the number of items being the line's own last
// number; and every scene draws its page before the sub-menu comes back.
TEST_P(ProgramWalk, ReachesEveryScene) {
  const ProgramInfo* program = findProgram(GetParam());
  ASSERT_NE(program, nullptr);
  SceneWalk walk;
  const HeadlessResult run = walkThrough(*program, walk);
  ASSERT_FALSE(run.error) << "error screen: line " << run.error->line;
  ASSERT_TRUE(walk.complete()) << walk.problem();
  EXPECT_EQ(walk.lastItem(), mainMenuItems(run));
  std::vector<int> items = walk.emptyItems();
  for (const SceneWalk::Section& section : walk.sections()) {
    items.push_back(section.menuItem);
    EXPECT_EQ(static_cast<int>(section.scenes.size()) + 1, lastCircledNumber(section.line)) << section.line;
    for (std::size_t k = 0; k < section.scenes.size(); ++k)
      EXPECT_TRUE(drewOnThePage(run, section.scenes[k])) << "item " << k + 1 << " of " << section.line;
  }
  std::sort(items.begin(), items.end());
  std::vector<int> everyItem(static_cast<std::size_t>(walk.lastItem() - 1));
  for (std::size_t k = 0; k < everyItem.size(); ++k) everyItem[k] = static_cast<int>(k) + 1;
  EXPECT_EQ(items, everyItem);
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramWalk, testing::Values("corvale", "pradine", "fenwist", "ombrel"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

}  // namespace
