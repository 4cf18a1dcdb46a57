// The key monkey: its keyboard, and each kind of fault it must catch in a program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/platform/headless.h"
#include "engine/platform/keys.h"
#include "engine/platform/platform.h"
#include "engine/runtime.h"
#include "engine/state.h"
#include "programs/common/main_menu.h"
#include "programs/common/section_menu.h"
#include "support/test_support.h"
#include "tools/monkey.h"

namespace {

// Every key of the keyboard is one key press, and the keys a class types most come most often.
TEST(Monkey, KeyboardIsWeightedTowardsWhatAClassTypes) {
  constexpr int KEYS = 20000;
  std::map<std::string, int> count;
  for (std::uint64_t i = 0; i < KEYS; ++i) {
    const std::string script = monkeyKey(7, i);
    const std::vector<std::string> keys = parseKeys(script);
    ASSERT_EQ(keys.size(), 1u) << script;
    ++count[keys[0]];
  }
  int digits = 0;
  for (char d = '0'; d <= '9'; ++d) digits += count[std::string(1, d)];
  const auto share = [&](int n) { return static_cast<double>(n) / KEYS; };
  EXPECT_NEAR(share(digits), 0.36, 0.02);
  EXPECT_NEAR(share(count["\r"]), 0.20, 0.02);
  for (const char* key : {"-", ".", "/", "\b", "\f", "\x1b", "a", "\\", "１", "あ", "ｱ"}) EXPECT_GT(count[key], 0) << key;
  EXPECT_GT(count[OTHER_KEY], 0);  // characters the code page lacks
  // The keyboard is the seed's: the same keys again for it, others for another seed.
  std::string seven, again, eight;
  for (std::uint64_t i = 0; i < 50; ++i) {
    seven += monkeyKey(7, i);
    again += monkeyKey(7, i);
    eight += monkeyKey(8, i);
  }
  EXPECT_EQ(seven, again);
  EXPECT_NE(seven, eight);
}

struct MonkeyRun {
  int status;
  std::string report;   // what it says went wrong
  std::string summary;  // what it says when all went well
};

// Each test keeps its failures in a folder of its own: ctest runs the tests side by side, and
// with one folder the keys one test saves could be overwritten by another's before it reads them.
std::string failureDir() {
  return outputPath(std::string("monkey/") + testing::UnitTest::GetInstance()->current_test_info()->name());
}

// The monkey's random keys through a program without menus to walk.
MonkeyRun monkey(void (*menu)(), std::uint64_t keys, double stall = 60) {
  MonkeyOptions options;
  options.walkFirst = false;
  options.keys = keys;
  options.seed = 3;
  options.stallSeconds = stall;
  options.failureDir = failureDir();
  testing::internal::CaptureStderr();
  testing::internal::CaptureStdout();
  const int status = runMonkey(ProgramInfo{"Monkey test", menu, false}, "test", options);
  const std::string summary = testing::internal::GetCapturedStdout();
  return {status, testing::internal::GetCapturedStderr(), summary};
}

// A program that ends after every fifth key: the monkey goes on in a fresh run each time.
TEST(Monkey, TypesEveryKeyAcrossRuns) {
  const MonkeyRun run = monkey(
      [] {
        for (int taken = 0; taken < 5;) taken += !PfINKEY24().empty();
        PsEND();
      },
      23);
  EXPECT_EQ(run.status, 0) << run.report;
  EXPECT_EQ(run.summary, "monkey: test, seed 3: 23 keys in 5 runs, no fault\n");
}

// A run that would take keys for good is ended after its share, and the next starts afresh.
TEST(Monkey, StartsAfreshAfterEachRunsShareOfKeys) {
  MonkeyOptions options;
  options.walkFirst = false;
  options.keys = 100;
  options.runKeys = 30;
  options.failureDir = failureDir();
  testing::internal::CaptureStdout();
  const int status = runMonkey(ProgramInfo{"Monkey test", [] {
                                             for (;;) PfINKEY24();
                                           },
                                           false},
                               "test", options);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "monkey: test, seed 1: 100 keys in 4 runs, no fault\n");
}

TEST(Monkey, CatchesTheErrorScreenAndSavesTheRunsKeys) {
  const MonkeyRun run = monkey(
      [] {
        for (int taken = 0; taken < 40;) taken += !PfINKEY24().empty();
        X = DIV(1, 0);
      },
      100);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.report.find("error screen: line"), std::string::npos) << run.report;
  EXPECT_NE(run.report.find("after 40 of its keys (keys 0 to 40"), std::string::npos) << run.report;
  // The saved keys replay the run.
  const std::string saved = failureDir() + "/monkey-test-3-0.keys";
  std::ifstream in(saved);
  const std::string script{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_EQ(parseKeys(script).size(), 40u);
  EXPECT_NE(run.report.find("--keys-file " + saved), std::string::npos) << run.report;
}

TEST(Monkey, CatchesACrash) {
  const MonkeyRun run = monkey(
      [] {
        PfINKEY24();
        std::abort();
      },
      100);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.report.find("crashed (signal 6)"), std::string::npos) << run.report;
}

TEST(Monkey, CatchesARunThatStopsTakingKeys) {
  const MonkeyRun run = monkey(
      [] {
        for (int i = 0; i < 3; ++i) PfINKEY24();
        for (volatile bool forever = true; forever;) {
        }
      },
      100, 1);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.report.find("stopped taking keys for 1 s after 3 of its keys"), std::string::npos) << run.report;
  EXPECT_NE(run.report.find("  where: no main-menu item chosen yet, at a step wait\n"), std::string::npos)
      << run.report;
}

TEST(Monkey, CatchesARunThatEndsWithoutTakingAKey) {
  const MonkeyRun run = monkey([] { PsEND(); }, 100);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.report.find("ended without taking a key"), std::string::npos) << run.report;
}

// A program whose third scene of its one section crashes after its first step: the walk that
// comes first reaches it, whatever the random keys would do.
constexpr const char* ITEMS[] = {"1　一", "2　終了"};
void crashesInThirdScene() {
  static constexpr common::Routine SCENES[] = {[] { STEPWAIT(); }, [] { STEPWAIT(); },
                                               [] {
                                                 STEPWAIT();
                                                 std::abort();
                                               }};
  for (;;) {
    common::readMainMenu({.items = ITEMS});
    common::SECTIONMENU("①一　②二　③三　④終了", SCENES, common::MenuEntry::Kept);
  }
}

TEST(Monkey, WalksEveryMenuFirstAndSaysWhereItFailed) {
  MonkeyOptions options;
  options.keys = 0;
  options.seed = 5;
  options.failureDir = failureDir();
  testing::internal::CaptureStderr();
  const int status = runMonkey(ProgramInfo{"Monkey test", crashesInThirdScene, false}, "test", options);
  const std::string report = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 1);
  EXPECT_NE(report.find("monkey: test, seed 5: the scene walk at turn 0 crashed (signal 6) after "), std::string::npos)
      << report;
  EXPECT_NE(report.find("  where: main-menu item 1, sub-menu item 3, at a step wait\n"), std::string::npos) << report;
  EXPECT_NE(report.find("replay it: tools/replay test --walk --walk-turn 0 --time "), std::string::npos) << report;
}

TEST(Monkey, SaysWhatTheWalkTookBeforeItsRandomKeys) {
  MonkeyOptions options;
  options.keys = 10;
  options.failureDir = failureDir();
  testing::internal::CaptureStdout();
  const int status = runMonkey(ProgramInfo{"Monkey test",
                                           [] {
                                             static constexpr common::Routine SCENES[] = {[] { STEPWAIT(); }};
                                             for (;;) {
                                               common::readMainMenu({.items = ITEMS});
                                               common::SECTIONMENU("①一　②終了", SCENES, common::MenuEntry::Kept);
                                             }
                                           },
                                           false},
                               "test", options);
  const std::string summary = testing::internal::GetCapturedStdout();
  EXPECT_EQ(status, 0);
  for (const char* turn : {"0", "1", "2"}) {
    EXPECT_NE(summary.find(std::string("monkey: test, seed 1: the scene walk at turn ") + turn +
                           " took 1 sections, 1 scenes, "),
              std::string::npos)
        << summary;
  }
  EXPECT_NE(summary.find("monkey: test, seed 1: 10 keys in "), std::string::npos) << summary;
}

// A scene that ends the program keeps the walk from ending it through the main menu.
TEST(Monkey, CatchesAWalkThatDoesNotEndTheProgram) {
  MonkeyOptions options;
  options.keys = 0;
  options.failureDir = failureDir();
  testing::internal::CaptureStderr();
  const int status = runMonkey(ProgramInfo{"Monkey test",
                                           [] {
                                             static constexpr common::Routine SCENES[] = {[] {
                                               STEPWAIT();
                                               PsEND();
                                             }};
                                             common::readMainMenu({.items = ITEMS});
                                             common::SECTIONMENU("①一　②終了", SCENES, common::MenuEntry::Kept);
                                           },
                                           false},
                               "test", options);
  const std::string report = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 1);
  EXPECT_NE(report.find("the scene walk at turn 0 did not end the program after "), std::string::npos) << report;
  EXPECT_NE(report.find("  where: main-menu item 1, sub-menu item 1, at a step wait\n"), std::string::npos) << report;
}

// A program whose one section's scenes only random keys reach, each a fault at its second step:
// the monkey's message says which scene it was in and what the fault said.
void faultySection(const common::Routine scene) {
  static common::Routine fault;
  fault = scene;
  static constexpr common::Routine SCENES[] = {[] { STEPWAIT(); },
                                               [] {
                                                 STEPWAIT();
                                                 fault();
                                               }};
  for (;;) {
    common::readMainMenu({.items = ITEMS});
    common::SECTIONMENU("①一　②二　③終了", SCENES, common::MenuEntry::Kept);
  }
}

constexpr int DIVISION_LINE = __LINE__ + 1;
void divideByZero() { X = DIV(1, 0); }

MonkeyRun randomKeysThrough(void (*menu)()) {
  MonkeyOptions options;
  options.walkFirst = false;
  options.keys = 20000;
  options.seed = 3;
  options.failureDir = failureDir();
  testing::internal::CaptureStderr();
  const int status = runMonkey(ProgramInfo{"Monkey test", menu, false}, "test", options);
  return {status, testing::internal::GetCapturedStderr(), ""};
}

// An exception of the C++ library ends on the error screen (line 0, code 51), and the message
// gives what it said; the runtime's own errors give the place of the check that raised them.
TEST(Monkey, SaysWhatRaisedTheErrorScreenAndWhere) {
  const MonkeyRun thrown = randomKeysThrough([] {
    faultySection([] { static_cast<void>(std::vector<int>(2).at(static_cast<std::size_t>(SENTAKU) + 5)); });
  });
  EXPECT_EQ(thrown.status, 1);
  EXPECT_NE(thrown.report.find("the run reached the error screen: line 0, error code 51: vector::_M_range_check"),
            std::string::npos)
      << thrown.report;
  EXPECT_NE(thrown.report.find("ended on the error screen after "), std::string::npos) << thrown.report;
  EXPECT_NE(thrown.report.find("  where: main-menu item 1, sub-menu item 2, at a step wait\n"), std::string::npos)
      << thrown.report;

  const MonkeyRun raised = randomKeysThrough([] { faultySection(divideByZero); });
  EXPECT_NE(raised.report.find("line " + std::to_string(DIVISION_LINE) + ", error code 11 (raised at " +
                               std::string(__FILE__) + ":" + std::to_string(DIVISION_LINE) + ")"),
            std::string::npos)
      << raised.report;
  EXPECT_NE(raised.report.find("  where: main-menu item 1, sub-menu item 2, at a step wait\n"), std::string::npos)
      << raised.report;
}

// A scene that waits for good at a step wait, taking every key: the run fails once it has shown
// no number prompt for 1,000 keys, and says where; its saved keys replay it.
TEST(Monkey, CatchesARunThatShowsNoNumberPromptFor1000Keys) {
  const MonkeyRun run = randomKeysThrough([] {
    faultySection([] {
      for (;;) STEPWAIT();
    });
  });
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.report.find("showed no number prompt for 1000 keys after "), std::string::npos) << run.report;
  EXPECT_NE(run.report.find("  where: main-menu item 1, sub-menu item 2, at a step wait\n"), std::string::npos)
      << run.report;
  EXPECT_NE(run.report.find("replay it: tools/replay test --time "), std::string::npos) << run.report;
}

}  // namespace
