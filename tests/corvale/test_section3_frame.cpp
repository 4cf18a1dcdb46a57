// Section 3's frame: the aim from main-menu item 3, the sub-menu line and what each entry at it
// leads to, and the way back to the main menu.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "engine/engine.h"
#include "programs/corvale/corvale.h"
#include "section3_support.h"
#include "support/test_names.h"

using namespace corvale;
using namespace polymul_test;

TEST(CorvaleSection3Frame, AimAboveTheSubMenuLine) {
  const HeadlessResult run = runScript(PROGRAM, "3\\n", "00:00:00", "corvale-s3-aim.png");
  ASSERT_FALSE(run.error.has_value());
  SceneWalk w(run);
  w.reads(44, 240, 5, "<めあて>", 2);
  w.reads(76, 305, 0, "多項式×多項式の計算を考えよう。");
  // The line as the prompt shows it: a cell for each half-width blank, digits full-width.
  std::string line;
  for (const Op& op : run.ops)
    if (op.kind == OpKind::Text && op.y1 == 666 && op.colour == 0) line += op.text;
  EXPECT_EQ(line, toUtf8("①ひろげ　②例５　③問３　④例６　⑤問４　⑥例７　⑦問５　⑧まとめ　⑨例８⑩問６　⑪終"));
  EXPECT_TRUE(drewGlyph(run, "①", 32, 666, 0));
  EXPECT_TRUE(drewGlyph(run, "８", 608, 666, 0));
  EXPECT_TRUE(drewGlyph(run, "⑩", 640, 666, 0));
  EXPECT_EQ(subMenuLines(run), 1u);
}

TEST(CorvaleSection3Frame, AChoiceLeavesTenInTheEntry) {
  const HeadlessResult run = runScript(PROGRAM, toItem(2));
  ASSERT_FALSE(run.error.has_value());
  EXPECT_EQ(SENTAKU, 2);
  EXPECT_EQ(AINP, 10);
}

namespace {

enum class Outcome { AskAgain, MainMenu, Scene1, Scene5 };

struct EntryCase {
  const char* entry;
  Outcome outcome;
};

void PrintTo(const EntryCase& c, std::ostream* out) { *out << '"' << c.entry << '"'; }

std::string entryName(const testing::TestParamInfo<EntryCase>& info) { return typedName(info.param.entry); }

class CorvaleSection3Entry : public testing::TestWithParam<EntryCase> {};

}  // namespace

TEST_P(CorvaleSection3Entry, LeadsWhereTheChoiceSays) {
  const HeadlessResult run = runScript(PROGRAM, "3\\n" + std::string(GetParam().entry) + "\\n");
  ASSERT_FALSE(run.error.has_value());
  const bool mainMenuAgain = glyphsAt(run, "＜", 264, 30).size() == 2;
  const bool bed = drewGlyph(run, "縦", 44, 30, 0);
  const bool problem4 = drewGlyph(run, "問", 94, 30, 3);
  switch (GetParam().outcome) {
    case Outcome::AskAgain:
      // The line again over the aim, which stays: nothing but the menu's clears.
      EXPECT_EQ(subMenuLines(run), 2u);
      EXPECT_FALSE(mainMenuAgain || bed || problem4);
      EXPECT_EQ(filledBoxes(run, 0, 0, 1760, 1800).size(), 2u);
      EXPECT_TRUE(filledBoxes(run, 0, 0, 1320, 1300).empty());
      break;
    case Outcome::MainMenu: EXPECT_TRUE(mainMenuAgain); break;
    case Outcome::Scene1: EXPECT_TRUE(bed); break;
    case Outcome::Scene5: EXPECT_TRUE(problem4); break;
  }
}

INSTANTIATE_TEST_SUITE_P(Entries, CorvaleSection3Entry,
                         testing::Values(EntryCase{"", Outcome::AskAgain}, EntryCase{"0", Outcome::AskAgain},
                                         EntryCase{"12", Outcome::AskAgain}, EntryCase{"-1", Outcome::AskAgain},
                                         EntryCase{"11.5", Outcome::AskAgain}, EntryCase{"5/", Outcome::AskAgain},
                                         EntryCase{"11", Outcome::MainMenu}, EntryCase{"22/2", Outcome::MainMenu},
                                         EntryCase{"1.4", Outcome::Scene1}, EntryCase{"10/2", Outcome::Scene5},
                                         EntryCase{"5", Outcome::Scene5}),
                         entryName);

TEST(CorvaleSection3Frame, BackToTheMainMenuAndInAgainShowsTheAimAgain) {
  const HeadlessResult run = runScript(PROGRAM, "3\\n11\\n3\\n");
  ASSERT_FALSE(run.error.has_value());
  EXPECT_EQ(glyphsAt(run, "＜", 264, 30).size(), 2u);
  EXPECT_EQ(glyphsAt(run, "め", 71, 240).size(), 2u);
  EXPECT_EQ(subMenuLines(run), 2u);
}
