// The main menu: its panel and lines, and where each entry leads. The range test reads the
// entry's value, the jump its leading number.
#include <gtest/gtest.h>

#include <string>

#include "common/op_walk.h"
#include "engine/strings.h"
#include "fenwist_support.h"
#include "support/test_names.h"

namespace {

using namespace fenwist_test;

int keysRead(const HeadlessResult& run) {
  int keys = 0;
  for (const Op& op : run.ops) keys += op.kind == OpKind::Key;
  return keys;
}

int wholeWindowClears(const std::vector<Op>& ops) {
  int clears = 0;
  for (const Op& op : ops)
    clears += op.kind == OpKind::FilledBox && op.x1 == 0 && op.y1 == 0 && op.x2 == 1760 && op.y2 == 1800 && op.fill == 15;
  return clears;
}

TEST(FenwistMainMenu, DrawsThePanelTitleAndEightItems) {
  const HeadlessResult run = runFenwist("", "00:00:00", "fenwist-main-menu.png");
  ASSERT_FALSE(run.error);
  walk::OpWalk w(run);
  w.fill(0, 54, 1440, 846, 15, 15);
  w.fill(0, 0, 1760, 1800, 15, 15);
  w.fill(22, 10, 1320, 600, 15, 10);
  w.reads(264, 30, 15, "＜Ｆｅｎｗｉｓｔ　メニュー＞");
  const struct {
    float y;
    int colour;
    const char* text;
  } items[] = {
      {120, 13, "1　意味と共通因数"}, {180, 15, "2　和と差の積"},       {240, 13, "3　平方の公式"},
      {300, 15, "4　x^2+(a+b)x+ab"},  {360, 13, "5　共通因数＋公式"},   {420, 15, "6　置き換え(a+b)"},
      {480, 13, "7　P27(練習問題)"},   {540, 15, "8　終了"},
  };
  for (const auto& item : items) w.reads(44, item.y, item.colour, item.text);
  EXPECT_EQ(glyphsAt(drawn(run), 816, 648, 0), std::vector<std::string>{toUtf8("番")}) << "the number prompt";
}

// Where an entry leads: a section's aim screen, the menu again, or the end of the program.
struct Entry {
  const char* typed;
  const char* leadsTo;  // "end", "menu", "exercises" (a section without aim screen), or the aim line
  float aimX = 76;      // where the aim line starts
  float aimY = 305;
};

void PrintTo(const Entry& entry, std::ostream* os) { *os << "\"" << entry.typed << "\""; }

class FenwistMenuEntry : public testing::TestWithParam<Entry> {};

TEST_P(FenwistMenuEntry, LeadsWhereItsValueAndLeadingNumberSay) {
  const Entry& entry = GetParam();
  // After the entry, two more keys: read only when the program goes on.
  const HeadlessResult run = runFenwist(std::string(entry.typed) + "\n" + "kk");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  const std::string leadsTo = entry.leadsTo;
  const int typed = static_cast<int>(std::string(entry.typed).size()) + 1;
  if (leadsTo == "end") {
    EXPECT_EQ(keysRead(run), typed) << "the program ends at once";
    EXPECT_EQ(wholeWindowClears(ops), 1) << "nothing is cleared before the end";
    return;
  }
  EXPECT_GT(keysRead(run), typed);
  if (leadsTo == "menu") {
    EXPECT_GE(mainMenus(ops).size(), 2u) << "the menu is drawn again";
    EXPECT_TRUE(textsEqual(run, "<").empty() && textsEqual(run, "め").empty()) << "no aim screen";
    return;
  }
  // A section: the window cleared once more, then its aim screen.
  EXPECT_EQ(mainMenus(ops).size(), 1u);
  EXPECT_EQ(wholeWindowClears(ops), 2);
  if (leadsTo == "exercises") {
    EXPECT_TRUE(textsEqual(run, "<").empty() && textsEqual(run, "め").empty()) << "no aim screen";
    walk::OpWalk w(run);
    // The prompt shows half-width characters full-width.
    w.reads(16, 666, 0, "Ｐ２７練習問題　①１，２　②３　③４　④５　⑤終了", typed);
    return;
  }
  walk::OpWalk w(run);
  w.reads(44, 240, 3, "<めあて>", typed);
  w.reads(entry.aimX, entry.aimY, 0, leadsTo);
}

const char* const SECTION1 = "1 因数、因数分解の意味を理解しよう。";
const char* const SECTION2 = "公式(和と差の積)を逆に使って、因数分解しよう。";
const char* const SECTION3 = "平方の公式を逆に使って、因数分解しよう。";
const char* const SECTION4 = "1 x^2+(a+b)x+abの公式を使って、因数分解しよう。";
const Entry SECTION5{"5", " 共通因数と公式を使って因数分解しよう。", 44, 330};
const Entry SECTION6{"6", " 置きかえて因数分解しよう。", 44, 330};

INSTANTIATE_TEST_SUITE_P(
    Entries, FenwistMenuEntry,
    testing::Values(Entry{"1", SECTION1}, Entry{"2", SECTION2}, Entry{"3", SECTION3}, Entry{"4", SECTION4},
                    SECTION5, SECTION6, Entry{"7", "exercises"},
                    Entry{"8", "end"}, Entry{"8.0", "end"}, Entry{"08", "end"}, Entry{"16/2", "end"},
                    Entry{"", "menu"}, Entry{"0", "menu"}, Entry{"0.5", "menu"}, Entry{"-1", "menu"},
                    Entry{"9", "menu"}, Entry{"8.5", "menu"},
                    // a/b passes the test by its value and jumps on a.
                    Entry{"6/2", SECTION6.leadsTo, 44, 330}, Entry{"9/3", SECTION1}, Entry{"10/5", SECTION1}, Entry{"4/2", SECTION4},
                    Entry{"3.2", SECTION3}, Entry{"2/2", SECTION2}),
    [](const testing::TestParamInfo<Entry>& info) { return typedName(info.param.typed); });

// The last item of each section menu comes back here and repaints the menu from its clears.
TEST(FenwistMainMenu, EverySectionComesBackToTheMenu) {
  const HeadlessResult run = runFenwist("1\n7\n2\n3\n3\n6\n8\n");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(mainMenus(ops).size(), 4u);
  EXPECT_EQ(keysRead(run), 14);
  int workClears = 0;
  for (const Op& op : ops)
    workClears += op.kind == OpKind::FilledBox && op.x1 == 0 && op.y1 == 54 && op.x2 == 1440 && op.y2 == 900;
  EXPECT_EQ(workClears, 4);
}

}  // namespace
