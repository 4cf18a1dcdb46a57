// The scene walk: it reaches every scene of a program through its menus, answers every kind of
// prompt on the way, and ends the program through the main menu's last item.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/engine.h"
#include "engine/platform/headless.h"
#include "programs/common/main_menu.h"
#include "programs/common/scene.h"
#include "programs/common/section_menu.h"
#include "tools/programs.h"
#include "tools/scene_walk.h"
#include "tools/watched_run.h"
#include "tools/whereabouts.h"

namespace {

HeadlessResult walkThrough(const ProgramInfo& program, SceneWalk& walk, const std::string& time = "10:20:30") {
  HeadlessOptions options;
  options.time = time;
  options.keySource = [&walk] { return walk.nextKey(); };
  return runWatched(program, options);
}

// A program of the usual shape, whose scenes count what they were given: two sections behind
// its main menu, an item that is only its number, and a scene for each kind of prompt.
int entered[4];                 // each scene's entries
std::vector<int> problems;      // problems each practice loop drew
std::vector<std::pair<float, float>> cards;  // the pairs the card questions took

void twoSteps() {
  ++entered[0];
  common::clearWindow();
  common::textLine(100, 100, 0, "一");
  STEPWAIT();
  STEPWAIT();
}
// Two practice loops, one after the other.
void practice() {
  ++entered[1];
  for (int loop = 0; loop < 2; ++loop) {
    problems.push_back(0);
    AINP = 0;
    while (AINP != 1) {
      ++problems.back();
      STEPWAIT();
      NEXTSTEP();
    }
  }
}
float card(const char* question) {
  do {
    AA_S = question;
    MENUBAR();
    CLEARMENUBAR();
  } while (AINP < 1 || AINP > 13);
  return AINP;
}
// The card trick's loop: the larger card, the smaller, and the next-step prompt.
void question() {
  ++entered[2];
  AINP = 0;
  while (AINP != 1) {
    const float larger = card("大きい数を入力して下さい。");
    cards.emplace_back(larger, card("小さい数を入力して下さい。"));
    NEXTSTEP();
  }
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

// A program whose main menu's first item opens a section of one scene: onlyScene.
common::Routine onlyScene;
const ProgramInfo ONE_SCENE{"Walk",
                            [] {
                              static constexpr common::Routine SCENES[] = {[] { onlyScene(); }};
                              common::readMainMenu({.items = ITEMS});
                              common::SECTIONMENU("①一　②終了", SCENES, common::MenuEntry::Kept);
                            },
                            false};

// Walks the small program from its first start, its counts at 0.
HeadlessResult walkSmallProgram(SceneWalk& walk) {
  std::fill(std::begin(entered), std::end(entered), 0);
  problems.clear();
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

// Every number prompt is given a bad entry, which it refuses, before the good one.
TEST(SceneWalk, GivesEachPromptABadEntryBeforeTheGoodOne) {
  SceneWalk walk;
  const HeadlessResult run = walkSmallProgram(walk);
  ASSERT_TRUE(walk.complete()) << walk.problem();
  // Four main-menu choices, each asked twice; four choices in section 1 and two in section 2.
  EXPECT_EQ(textsAt(run, KAIX - 240, KAIY, u8"番"), 8);
  EXPECT_EQ(textsAt(run, 16, 666, u8"①"), 12);
  // Each card is asked again after its bad entry, and is one from 1 to 13.
  EXPECT_EQ(walk.sections()[0].scenes[2].questions, 4 * static_cast<int>(cards.size()));
  for (const auto& [larger, smaller] : cards) {
    EXPECT_TRUE(larger >= 1 && larger <= 13 && smaller >= 1 && smaller <= 13) << larger << " " << smaller;
  }
}

// The walk takes each practice loop to its 3rd, 4th or 5th problem, by turns: the walks at
// turns 0, 1 and 2 take every loop to each of them. The card trick gets pairs with the larger
// card first, equal cards and the smaller card first.
TEST(SceneWalk, TakesEachPracticeLoopToItsTurnsNumberOfProblems) {
  std::set<int> firstLoop, secondLoop;
  bool largerFirst = false, equal = false, smallerFirst = false;
  for (const unsigned turn : {0u, 1u, 2u}) {
    SceneWalk walk({}, turn);
    walkSmallProgram(walk);
    ASSERT_TRUE(walk.complete()) << walk.problem();
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_GE(problems[0], 3);
    EXPECT_GE(problems[1], 3);
    firstLoop.insert(problems[0]);
    secondLoop.insert(problems[1]);
    EXPECT_GE(cards.size(), 3u);
    for (const auto& [first, second] : cards) {
      largerFirst |= first > second;
      equal |= first == second;
      smallerFirst |= first < second;
    }
  }
  EXPECT_EQ(firstLoop, (std::set<int>{3, 4, 5}));
  EXPECT_EQ(secondLoop, (std::set<int>{3, 4, 5}));
  EXPECT_TRUE(largerFirst && equal && smallerFirst);
}

// A scene that never comes back to its sub-menu stops the walk, which says where.
TEST(SceneWalk, StopsAtASceneThatNeverEnds) {
  SceneWalk walk({.keys = 100000, .sceneKeys = 50});
  onlyScene = [] {
    for (;;) STEPWAIT();
  };
  const HeadlessResult run = walkThrough(ONE_SCENE, walk);
  EXPECT_FALSE(run.error);
  EXPECT_FALSE(walk.complete());
  EXPECT_EQ(walk.problem(),
            "main-menu item 1, sub-menu item 1, at a step wait: the scene took 50 keys without coming back to its "
            "sub-menu");
}

// A practice loop whose 3rd problem waits for good, taking every key: the walk stops once the
// program has taken 1,000 keys without asking for a number, and says where. A wait that shows
// no prompt at all, under what the last next-step prompt left, is a step wait too.
TEST(SceneWalk, StopsAtAWaitThatTakesKeysForGood) {
  static common::Routine wait;
  for (const common::Routine forGood : {+[] { STEPWAIT(); }, +[] { PfINKEY24(); }}) {
    wait = forGood;
    SceneWalk walk;
    onlyScene = [] {
      AINP = 0;
      for (int problem = 1; AINP != 1; ++problem) {
        while (problem == 3) wait();
        STEPWAIT();
        NEXTSTEP();
      }
    };
    const HeadlessResult run = walkThrough(ONE_SCENE, walk);
    EXPECT_FALSE(run.error);
    EXPECT_FALSE(walk.complete());
    EXPECT_EQ(walk.problem(),
              "main-menu item 1, sub-menu item 1, at a step wait: the program took 1000 keys without asking for a "
              "number");
  }
}

// A scene that spins in a loop that takes no key cannot be unwound: the run ends the process
// once it has polled for no key for its hangSeconds, saying where the walk left the program.
TEST(SceneWalk, EndsARunThatStopsTakingKeysAndSaysWhere) {
  onlyScene = [] {
    STEPWAIT();
    for (volatile bool forever = true; forever;) {
    }
  };
  EXPECT_EXIT(
      {
        SceneWalk walk;
        HeadlessOptions options;
        options.keySource = [&walk] { return walk.nextKey(); };
        options.hangSeconds = 0.5;
        runWatched(ONE_SCENE, options);
      },
      testing::ExitedWithCode(1),
      "headless run: the program stopped taking keys for 0.5 s after [0-9]+ keys\n"
      "  where: main-menu item 1, sub-menu item 1, at a step wait\n");
}

// A main menu that, as the programs' do, tests the entry's value against its four items and then
// dispatches on the number the entry starts with: section two for 2, the menu again for 3, and
// section one for 1 and every number that names no item.
void defaultingMenu() {
  static constexpr common::Routine SCENES[] = {[] { STEPWAIT(); }};
  for (;;) {
    common::readMainMenu({.items = ITEMS});
    switch (common::menuSelector(AINP_S)) {
      case 2: common::SECTIONMENU("①二　②終了", SCENES, common::MenuEntry::Kept); break;
      case 3: break;
      default: common::SECTIONMENU("①一　②終了", SCENES, common::MenuEntry::Kept); break;
    }
  }
}

// The where: line names only items that exist: an entry that named none is named by the section
// it opened, once an item's number has shown that section's sub-menu.
TEST(Whereabouts, NamesAnEntryThatNamedNoItemByWhatItOpened) {
  const struct {
    const char* keys;
    const char* where;
  } cases[] = {
      {"2\n1\nx", "main-menu item 2, sub-menu item 1, at a step wait"},
      {"9/3\n1\nx", "the section main-menu entry 9/3 opened, sub-menu item 1, at a step wait"},
      // 3.6 is in range and rounds to 4, the last item, which only an entry of value 4 takes.
      {"3.6\n1\nx", "the section main-menu entry 3.6 opened, sub-menu item 1, at a step wait"},
      {"1\n2\n9/3\n1\nx", "main-menu item 1, sub-menu item 1, at a step wait"},
      {"2\n2\n3.6\n1\nx", "the section main-menu entry 3.6 opened, sub-menu item 1, at a step wait"},
  };
  for (const auto& [keys, where] : cases) {
    HeadlessOptions options;
    options.keys = keys;
    Whereabouts whereabouts;
    runWatched({"Walk", defaultingMenu, false}, options, whereabouts);
    EXPECT_EQ(whereabouts.place().text(), where) << keys;
  }
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

// Over the walks at turns 0, 1 and 2, every item of the main menu and of every sub-menu, the
// last ones included, is chosen at least once by a fraction and once by a decimal: a fault that
// only one form of entry reaches shows in some walk.
TEST_P(ProgramWalk, TypesEveryMenuItemAsAFractionAndADecimal) {
  const ProgramInfo* program = findProgram(GetParam());
  ASSERT_NE(program, nullptr);
  // The forms each item was chosen by, by (main-menu item, sub-menu item); 0 for the main menu.
  std::map<std::pair<int, int>, std::set<char>> forms;
  for (const unsigned turn : {0u, 1u, 2u}) {
    SceneWalk walk({}, turn);
    HeadlessOptions options;
    options.time = "10:20:30";
    options.keySource = [&] {
      std::string key = walk.nextKey();
      const Place at = walk.position();
      // At the Enter of a good entry the walk is at the item it chose; the entry so far is AINP$.
      const bool chosen = at.waiting == Waiting::MainMenu ? at.menuItem != 0 : at.subMenuItem != 0;
      if (key == "\r" && chosen && (at.waiting == Waiting::MainMenu || at.waiting == Waiting::SubMenu)) {
        const int subMenuItem = at.waiting == Waiting::SubMenu ? at.subMenuItem : 0;
        for (const char form : {'/', '.'})
          if (AINP_S.find(form) != std::string::npos) forms[{at.menuItem, subMenuItem}].insert(form);
      }
      return key;
    };
    runWatched(*program, options);
    ASSERT_TRUE(walk.complete()) << "turn " << turn << ": " << walk.problem();
    if (turn == 0) {
      // Every item once, whatever its form.
      for (const SceneWalk::Section& section : walk.sections())
        for (int item = 1; item <= lastCircledNumber(section.line); ++item) forms[{section.menuItem, item}];
      for (int item = 1; item <= walk.lastItem(); ++item) forms[{item, 0}];
    }
  }
  for (const auto& [item, typed] : forms)
    EXPECT_EQ(typed, (std::set<char>{'.', '/'})) << "main-menu item " << item.first << ", sub-menu item " << item.second;
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramWalk, testing::Values("corvale", "pradine", "fenwist", "ombrel"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

class ProgramWalkTurn : public testing::TestWithParam<std::tuple<const char*, unsigned>> {};

// What the monkey says of where a run is (tools/whereabouts.h), read from the picture and the
// entries alone, is where the walk knows it is: the prompt at every key, and in every scene the
// main-menu and sub-menu items the walk chose, typed as numbers, decimals and fractions.
TEST_P(ProgramWalkTurn, WhereaboutsFollowTheWalk) {
  const auto& [name, turn] = GetParam();
  const ProgramInfo* program = findProgram(name);
  ASSERT_NE(program, nullptr);
  SceneWalk walk({}, turn);
  Whereabouts whereabouts;
  std::vector<std::string> differences;
  int inScenes = 0;
  HeadlessOptions options;
  options.time = "10:20:30";
  options.keySource = [&] {
    std::string key = walk.nextKey();
    if (key.empty()) return key;
    whereabouts.typed(key);
    const Place walked = walk.position(), told = whereabouts.place();
    const bool inScene = walked.subMenuItem != 0 && (walked.waiting == Waiting::StepWait ||
                                                     walked.waiting == Waiting::NextStep ||
                                                     walked.waiting == Waiting::Question);
    inScenes += inScene;
    const bool same = walked.waiting == told.waiting &&
                      (!inScene || (walked.menuItem == told.menuItem && walked.subMenuItem == told.subMenuItem));
    if (!same && differences.size() < 5)
      differences.push_back("key " + std::to_string(walk.keys()) + ": walked " + walked.text() + ", told " +
                            told.text());
    return key;
  };
  runWatched(*program, options);
  ASSERT_TRUE(walk.complete()) << walk.problem();
  EXPECT_GT(inScenes, 100);
  EXPECT_TRUE(differences.empty()) << testing::PrintToString(differences);
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramWalkTurn,
                         testing::Combine(testing::Values("corvale", "pradine", "fenwist", "ombrel"),
                                          testing::Values(0u, 1u, 2u)),
                         [](const testing::TestParamInfo<std::tuple<const char*, unsigned>>& info) {
                           return std::string(std::get<0>(info.param)) + "Turn" +
                                  std::to_string(std::get<1>(info.param));
                         });

}  // namespace
