// The frame around the scenes: each section's aim line and sub-menu line as written, the clear
// each scene starts with, the erasures of the multiples scene, and what the practice scenes do
// between their loops and after the last one.
#include <gtest/gtest.h>

#include "engine/strings.h"
#include "ombrel_support.h"
#include "support/test_names.h"

namespace {

using namespace ombrel_test;

// The last glyph drawn with its top-left corner at (x, y) (the main menu's items stand at x 44
// too, before the section's own texts).
std::size_t lastText(const std::vector<Op>& ops, float x, float y) {
  for (std::size_t i = ops.size(); i-- > 0;)
    if (ops[i].kind == OpKind::Text && ops[i].x1 == x && ops[i].y1 == y) return i;
  return ops.size();
}

std::size_t indexOf(const std::vector<Op>& ops, float x, float y, int colour, const std::string& text) {
  const std::string utf8 = toUtf8(text);
  for (std::size_t i = 0; i < ops.size(); ++i)
    if (ops[i].kind == OpKind::Text && ops[i].x1 == x && ops[i].y1 == y && ops[i].colour == colour &&
        ops[i].text == utf8)
      return i;
  return ops.size();
}

struct Section {
  const char* choice;
  const char* aim;
  const char* menu;  // as the bottom bar shows it: letters and digits full-width
};

void PrintTo(const Section& s, std::ostream* os) { *os << s.choice[0]; }

class OmbrelSectionFrame : public testing::TestWithParam<Section> {};

TEST_P(OmbrelSectionFrame, AimLineAndSubMenuLineAsWritten) {
  const Section& section = GetParam();
  const HeadlessResult run = runOmbrel(section.choice);
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(lineText(ops, lastText(ops, 44, 240), 240), toUtf8("<めあて>"));
  EXPECT_EQ(lineText(ops, lastText(ops, 76, 305), 305), toUtf8(section.aim));
  const auto lines = subMenuLines(ops);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lineText(ops, lines[0], 666), toUtf8(section.menu));
}

INSTANTIATE_TEST_SUITE_P(
    Sections, OmbrelSectionFrame,
    testing::Values(Section{"1\n", "文字を使って倍数や偶数、奇数を表そう。",
                            "①倍数　②偶数　③奇数　④連続　⑤まとめ　⑥終了"},
                    Section{"2\n", "式の計算を利用して、偶数や奇数の性質を調べよう。",
                            "①Ｐ２８　②偶数予想　③偶数証明　④奇数予想　⑤奇数証明　⑥終了"},
                    Section{"3\n", "因数分解・展開を利用して数の計算をしよう。",
                            "①導入　②例１　③問３　④例２　⑤練習　⑥問４　⑦終了"}),
    [](const testing::TestParamInfo<Section>& info) { return "Section" + testName(info.param.choice); });

struct SceneClear {
  const char* choice;
  bool wide;  // 1760 x 1800, otherwise 1320 x 1300
};

void PrintTo(const SceneClear& s, std::ostream* os) { *os << s.choice[0] << '-' << s.choice[2]; }

class OmbrelSceneClear : public testing::TestWithParam<SceneClear> {};

// The first thing a scene draws after its choice is the clear of its size.
TEST_P(OmbrelSceneClear, StartsWithTheClearOfItsSize) {
  const SceneClear& scene = GetParam();
  const HeadlessResult run = runOmbrel(scene.choice);
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  const auto lines = subMenuLines(ops);
  ASSERT_EQ(lines.size(), 1u);
  std::size_t i = lines[0];
  while (i < ops.size() && !(ops[i].kind == OpKind::FilledBox && ops[i].x1 == 0 && ops[i].y1 == 0)) ++i;
  ASSERT_LT(i, ops.size()) << "no clear";
  EXPECT_EQ(ops[i].x2, scene.wide ? 1760 : 1320);
  EXPECT_EQ(ops[i].y2, scene.wide ? 1800 : 1300);
  EXPECT_EQ(ops[i].fill, 15);
}

INSTANTIATE_TEST_SUITE_P(Scenes, OmbrelSceneClear,
                         testing::Values(SceneClear{"1\n1\n", false}, SceneClear{"1\n2\n", false},
                                         SceneClear{"1\n3\n", true}, SceneClear{"1\n4\n", true},
                                         SceneClear{"1\n5\n", true}, SceneClear{"2\n1\n", true},
                                         SceneClear{"2\n2\n", true}, SceneClear{"2\n3\n", true},
                                         SceneClear{"2\n4\n", true}, SceneClear{"2\n5\n", true},
                                         SceneClear{"3\n1\n", false}, SceneClear{"3\n2\n", false},
                                         SceneClear{"3\n3\n", false}, SceneClear{"3\n4\n", false},
                                         SceneClear{"3\n5\n", false}, SceneClear{"3\n6\n", false}),
                         [](const testing::TestParamInfo<SceneClear>& info) {
                           return "Scene" + testName(info.param.choice);
                         });

// The two sets are first drawn with their positive part only; the next key erases the line
// (from 4 px above it, 55 px high, 1320 px wide) and draws it extended both ways in its place.
TEST(OmbrelMultiples, EachSetIsErasedBeforeItIsDrawnExtended) {
  const HeadlessResult run = runOmbrel("1\n1\n" + steps(5));
  const std::vector<Op> ops = drawn(run);
  struct Line {
    float y;
    int colour;
    float firstX, extendedX;
    const char* digit;
  };
  for (const Line& line : {Line{80, 3, 461, 468, "1"}, Line{130, 5, 570, 577, "3"}}) {
    const auto erases = filledBoxes(ops, 44, line.y - 4, 1364, line.y + 51, 15);
    ASSERT_EQ(erases.size(), 1u) << "line " << line.y;
    const std::size_t first = indexOf(ops, line.firstX, line.y, line.colour, line.digit);
    const std::size_t extended = indexOf(ops, line.extendedX, line.y, line.colour, line.digit);
    ASSERT_LT(extended, ops.size()) << "line " << line.y;
    EXPECT_LT(first, erases[0]);
    EXPECT_LT(erases[0], extended);
    EXPECT_EQ(stepWaits(ops, first, erases[0]), 1) << "the erase follows the key";
    EXPECT_EQ(stepWaits(ops, erases[0], extended), 0);
  }
}

// Typing 1 in the introduction's first drill starts the second at once, under the first's last
// line: no step wait in between and nothing erased but the second drill's area.
TEST(OmbrelIntroduction, TheSecondDrillFollowsAtOnce) {
  const HeadlessResult run = runOmbrel("3\n1\nx1\n");
  const std::vector<Op> ops = drawn(run);
  const auto prompts = nextSteps(ops);
  ASSERT_EQ(prompts.size(), 1u);
  const auto secondArea = filledBoxes(ops, 40, 180, 680, 480, 15);
  ASSERT_EQ(secondArea.size(), 1u);
  EXPECT_LT(prompts[0], secondArea[0]);
  EXPECT_EQ(stepWaits(ops, prompts[0], secondArea[0]), 0);
  EXPECT_EQ(filledBoxes(ops, 40, 80, 680, 380, 15).size(), 1u);
  EXPECT_TRUE(glyphAt(ops, 40, 100, 3, "(")) << "the first drill's line stays";
  EXPECT_TRUE(glyphAt(ops, 40, 200, 3, "(")) << "the second drill's first problem";
}

// After 1 in the second practice loop one more key brings the textbook pointer under the last
// answer, and the sub-menu follows at once; the last square stays above the second loop.
TEST(OmbrelPractice, TextbookPointerAfterOneMoreKey) {
  const HeadlessResult run = runOmbrel("3\n5\nxxx1\nxxxx1\nx");
  const std::vector<Op> ops = drawn(run);
  const auto menus = subMenuLines(ops);
  ASSERT_EQ(menus.size(), 2u);
  const auto prompts = nextSteps(ops);
  ASSERT_EQ(prompts.size(), 2u);
  EXPECT_EQ(stepWaits(ops, prompts[0], filledBoxes(ops, 40, 300, 680, 600, 15).at(0)), 0)
      << "the second loop starts at once";
  EXPECT_EQ(stepWaits(ops, prompts[1], menus[1]), 1);
  const std::size_t pointer = indexOf(ops, 132, 570, 3, "教");
  EXPECT_GT(pointer, prompts[1]);
  EXPECT_LT(pointer, menus[1]);
  EXPECT_TRUE(glyphAt(ops, 40, 100, 0, "①")) << "loop ①'s last problem stays";
  EXPECT_TRUE(glyphAt(ops, 40, 320, 0, "②"));
}

}  // namespace
