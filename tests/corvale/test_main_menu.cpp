// Corvale's main menu: what each entry leads to. The menu checks the entry's value but
// dispatches on the number at the start of the typed text.
#include <gtest/gtest.h>

#include <ostream>

#include "corvale_checks.h"
#include "programs/corvale/corvale.h"
#include "programs/corvale/mainmenu.h"
#include "support/test_names.h"

using namespace corvale;

TEST(CorvaleMainMenuTarget, DispatchesOnTheLeadingNumberRounded) {
  struct Case {
    const char* typed;
    MenuTarget target;
  };
  const Case cases[] = {
      {"1", MenuTarget::Section1},    {"2", MenuTarget::Section2},      {"3", MenuTarget::Section3},
      {"4", MenuTarget::EmptyItem4},  {"5", MenuTarget::EmptyItem5},    {"04", MenuTarget::EmptyItem4},
      {"4.0", MenuTarget::EmptyItem4}, {"1.4", MenuTarget::Section1},   {"1.6", MenuTarget::Section2},
      {"5.6", MenuTarget::Section1},  {"5.9", MenuTarget::Section1},    {"12/3", MenuTarget::Section1},
      {"3/2", MenuTarget::Section3},  {"2/2", MenuTarget::Section2},    {"4/2", MenuTarget::EmptyItem4},
      {"5/5", MenuTarget::EmptyItem5}, {"9999/2000", MenuTarget::Section1}, {"-5/-1", MenuTarget::Section1},
  };
  for (const Case& c : cases) EXPECT_EQ(menuTarget(c.typed), c.target) << c.typed;
}

namespace {

enum class Outcome {
  Ends,          // the program ended: nothing more is drawn or read
  MenuAgain,     // the menu is drawn again at once
  ClearedMenu,   // the window is cleared and the menu drawn again (items 4 and 5)
  Section1,      // section 1's aim and sub-menu
  Section2,      // section 2's aim and sub-menu
  Section3,      // section 3's aim and sub-menu
};

// One entry at the menu, then one more key that only a waiting prompt would read.
Outcome outcomeOf(const std::string& entry) {
  const HeadlessResult run = runScript(PROGRAM, entry + "\\nk");
  EXPECT_FALSE(run.error.has_value()) << entry;
  const int enter = findOp(run, 0, [](const Op& op) { return op.kind == OpKind::Key && op.text == "\r"; });
  EXPECT_GE(enter, 0);
  const std::vector<std::string> keys = keysRead(run);
  if (keys.back() != "k") return Outcome::Ends;
  const auto isWholeClear = [](const Op& op) {
    return op.kind == OpKind::FilledBox && op.x1 == 0 && op.y1 == 0 && op.x2 == 1760 && op.y2 == 1800;
  };
  const auto isWorkClear = [](const Op& op) {
    return op.kind == OpKind::FilledBox && op.x1 == 0 && op.y1 == 54 && op.x2 == 1440 && op.y2 == 900;
  };
  const int workClear = findOp(run, enter, isWorkClear);
  const int wholeClear = findOp(run, enter, isWholeClear);
  // The aims differ in their second factor ("多" of section 3); section 2's sub-menu has "復".
  if (!textsEqual(run, "め").empty()) {
    if (!glyphsAt(run, "多", 205, 305).empty()) return Outcome::Section3;
    return textsEqual(run, "復").empty() ? Outcome::Section1 : Outcome::Section2;
  }
  EXPECT_GE(workClear, 0) << entry;
  return wholeClear >= 0 && wholeClear < workClear ? Outcome::ClearedMenu : Outcome::MenuAgain;
}

struct EntryCase {
  const char* entry;
  Outcome outcome;
};

void PrintTo(const EntryCase& c, std::ostream* out) { *out << '"' << c.entry << '"'; }

std::string entryName(const testing::TestParamInfo<EntryCase>& info) { return typedName(info.param.entry); }

class CorvaleMainMenuEntry : public testing::TestWithParam<EntryCase> {};

}  // namespace

TEST_P(CorvaleMainMenuEntry, LeadsWhereTheMenuRulesSay) {
  EXPECT_EQ(outcomeOf(GetParam().entry), GetParam().outcome) << GetParam().entry;
}

INSTANTIATE_TEST_SUITE_P(Entries, CorvaleMainMenuEntry,
                         testing::Values(EntryCase{"", Outcome::MenuAgain}, EntryCase{"0", Outcome::MenuAgain},
                                         EntryCase{"7", Outcome::MenuAgain}, EntryCase{"-2", Outcome::MenuAgain},
                                         EntryCase{"6.5", Outcome::MenuAgain}, EntryCase{"6", Outcome::Ends},
                                         EntryCase{"6.0", Outcome::Ends}, EntryCase{"12/2", Outcome::Ends},
                                         EntryCase{"18/3", Outcome::Ends}, EntryCase{"4", Outcome::ClearedMenu},
                                         EntryCase{"5", Outcome::ClearedMenu}, EntryCase{"4/2", Outcome::ClearedMenu},
                                         EntryCase{"2/2", Outcome::Section2}, EntryCase{"1.6", Outcome::Section2},
                                         EntryCase{"3/2", Outcome::Section3}, EntryCase{"3", Outcome::Section3},
                                         EntryCase{"1", Outcome::Section1},
                                         EntryCase{"12/3", Outcome::Section1}, EntryCase{"5.6", Outcome::Section1},
                                         EntryCase{"5.9", Outcome::Section1}, EntryCase{"2", Outcome::Section2},
                                         // An entry with nothing or 0 after its "/" has the value 0.
                                         EntryCase{"5/", Outcome::MenuAgain}, EntryCase{"1/0", Outcome::MenuAgain},
                                         EntryCase{"/", Outcome::MenuAgain}),
                         entryName);

TEST(CorvaleMainMenu, DrawsThePanelTitleAndItems) {
  const HeadlessResult run = runScript(PROGRAM, "", "00:00:00", "corvale-main-menu.png");
  EXPECT_EQ(filledBoxes(run, 22, 10, 1342, 610).size(), 1u);
  EXPECT_EQ(filledBoxes(run, 22, 10, 1342, 610)[0].fill, 10);
  EXPECT_TRUE(drewGlyph(run, "＜", 264, 30, 15));
  EXPECT_TRUE(drewGlyph(run, "Ｃ", 298, 30, 15));
  EXPECT_TRUE(drewGlyph(run, "メ", 298 + 8 * 34, 30, 15));
  const struct {
    const char* first;
    float y;
    int colour;
  } items[] = {{"1", 120, 13}, {"2", 180, 15}, {"3", 240, 13}, {"4", 300, 15}, {"5", 360, 13}, {"6", 420, 15}};
  for (const auto& item : items) {
    EXPECT_TRUE(drewGlyph(run, item.first, 44, item.y, item.colour)) << item.first;
    EXPECT_TRUE(drewGlyph(run, "　", 71, item.y, item.colour)) << item.first;
  }
  EXPECT_TRUE(drewGlyph(run, "乗", 377, 120, 13));
  EXPECT_TRUE(drewGlyph(run, "終", 105, 420, 15));
  // The prompt line, drawn once by the menu and once more by the number prompt.
  EXPECT_EQ(glyphsAt(run, "番", 816, 648).size(), 2u);
}
