// The section sub-menu shared by the four programs: which scene an entry runs, what it does with
// an entry outside the line, and what it leaves in AINP for the scene (10, or the typed value).
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "programs/common/section_menu.h"
#include "support/test_support.h"

namespace {

// What the scenes saw, in order: "scene:AINP SENTAKU", both rounded.
std::vector<std::string> seen;

template <int scene>
void record() {
  seen.push_back(std::to_string(scene) + ":" + std::to_string(ROUNDED(AINP)) + " " + std::to_string(ROUNDED(SENTAKU)));
}

constexpr common::Routine SCENES[] = {record<1>, record<2>, record<3>};

struct Case {
  const char* name;
  const char* keys;  // entries at the sub-menu; the last one ("4", the last item) returns
  common::MenuEntry entry;
  std::vector<std::string> scenes;  // what the scenes saw: scene:AINP SENTAKU
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class SectionMenu : public testing::TestWithParam<Case> {};

TEST_P(SectionMenu, RunsTheChosenScenesUntilTheLastItem) {
  const Case& c = GetParam();
  bool returned = false;
  const HeadlessResult run = runRoutine(
      [&] {
        common::SECTIONMENU("①一　②二　③三　④終了", SCENES, c.entry);
        returned = true;
      },
      c.keys);
  ASSERT_FALSE(run.error);
  EXPECT_TRUE(returned) << "the last item returns to the caller";
  EXPECT_EQ(seen, c.scenes);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, SectionMenu,
    testing::Values(
        Case{"EachSceneThenBack", "1\n2\n3\n4\n", common::MenuEntry::SetTo10, {"1:10 1", "2:10 2", "3:10 3"}},
        Case{"TypedValueKept", "1\n3\n4\n", common::MenuEntry::Kept, {"1:1 1", "3:3 3"}},
        // Outside 1 to 4 only asks again; a/b is taken by its quotient, rounded.
        Case{"OutsideAsksAgain", "0\n5\n-1\n\n2\n4\n", common::MenuEntry::SetTo10, {"2:10 2"}},
        Case{"QuotientRounded", "6/3\n1.4\n2.6\n4\n", common::MenuEntry::Kept, {"2:2 2", "1:1 1", "3:3 3"}},
        Case{"RoundsToTheLastItem", "3.6\n", common::MenuEntry::SetTo10, {}}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
