// Every fixed scene of sections 1 to 3, walked from its sub-menu choice to the sub-menu line
// drawn again: the number of key presses it takes, and the glyphs that start its texts, with
// their positions (continuations included) and colours.
#include <gtest/gtest.h>

#include "engine/strings.h"
#include "ombrel_support.h"

namespace {

using namespace ombrel_test;

struct Glyph {
  float x;
  float y;
  int colour;
  const char* text;
};

struct Scene {
  const char* name;
  const char* choice;  // section and sub-menu item, e.g. "1\n2\n"
  int waits;
  std::vector<Glyph> glyphs;
};

void PrintTo(const Scene& scene, std::ostream* os) { *os << scene.name; }

std::string sceneName(const testing::TestParamInfo<Scene>& info) { return info.param.name; }

class OmbrelScene : public testing::TestWithParam<Scene> {};

TEST_P(OmbrelScene, TakesItsKeysAndDrawsItsTextsInPlace) {
  const Scene& scene = GetParam();
  const HeadlessResult run =
      runOmbrel(std::string(scene.choice) + steps(scene.waits), "00:00:00", std::string("ombrel-") + scene.name + ".png");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  const auto lines = subMenuLines(ops);
  ASSERT_EQ(lines.size(), 2u) << "the sub-menu line is written again right after the last step";
  EXPECT_EQ(stepWaits(ops, lines[0], lines[1]), scene.waits);
  const std::vector<Op> picture(ops.begin() + static_cast<long>(lines[0]), ops.begin() + static_cast<long>(lines[1]));
  for (const Glyph& g : scene.glyphs)
    EXPECT_TRUE(glyphAt(picture, g.x, g.y, g.colour, g.text))
        << "no " << toUtf8(g.text) << " at (" << g.x << "," << g.y << ") in colour " << g.colour << " (found \""
        << glyphTextAt(picture, g.x, g.y, g.colour) << "\")";
}

INSTANTIATE_TEST_SUITE_P(
    NumberForms, OmbrelScene,
    testing::Values(
        Scene{"Multiples", "1\n1\n", 16,
              {{44, 30, 0, "問"},   {44, 80, 3, "n"},     {461, 80, 3, "1"},    {468, 80, 3, "1"},   {44, 130, 5, "３"},
               {71, 180, 5, "…"},   {71, 230, 5, "9"},    {71, 380, 5, "0"},    {71, 530, 5, "9"},   {71, 580, 5, "…"},
               {164, 230, 0, "3"},  {164, 530, 0, "3"},   {220, 230, 3, "("},   {274, 230, 3, "3"},  {247, 380, 3, "0"},
               {247, 530, 3, "3"},  {528, 250, 0, "３"},  {732, 250, 5, "3"},   {528, 300, 0, "の"}, {528, 400, 0, "３"},
               {732, 400, 5, "3"},  {759, 400, 5, "n"},   {528, 450, 0, "と"}}},
        Scene{"EvenNumbers", "1\n2\n", 4,
              {{44, 30, 0, "問"}, {44, 120, 5, "偶"}, {44, 210, 0, "偶"}, {180, 210, 5, "2"}, {336, 210, 0, "の"},
               {44, 300, 0, "偶"}, {180, 300, 5, "2"}, {268, 300, 0, "と"}}},
        Scene{"OddNumbers", "1\n3\n", 9,
              {{44, 30, 0, "問"},    {44, 90, 3, "偶"},    {44, 150, 5, "奇"},   {180, 210, 5, "偶"},
               {350, 210, 0, "の"},  {180, 270, 5, "2"},   {322, 270, 0, "と"},  {44, 330, 3, "偶"},
               {44, 390, 5, "奇"},   {180, 450, 5, "2"},   {322, 450, 0, "と"},  {44, 510, 0, "他"},
               {180, 510, 5, "2"},   {619, 510, 0, "と"}}},
        Scene{"Consecutive", "1\n4\n", 18,
              {{44, 30, 0, "問"},    {71, 90, 3, "1"},     {71, 90, 3, "3"},     {132, 150, 0, "①"},
               {438, 150, 5, "2"},   {492, 150, 0, "と"},  {546, 150, 0, "と"},  {176, 210, 0, "大"},
               {448, 210, 3, "2"},   {645, 210, 5, "2"},   {132, 270, 0, "②"},   {176, 330, 0, "小"},
               {645, 330, 5, "2"},   {132, 390, 0, "③"},   {302, 390, 9, "2"},   {71, 480, 3, "2"},
               {71, 480, 3, "4"},    {176, 540, 5, "2"}}},
        Scene{"Summary", "1\n5\n", 1,
              {{22, 90, 3, "("},    {88, 150, 0, "①"},   {319, 150, 5, "3"},  {251, 210, 5, "2"},  {251, 270, 5, "2"},
               {22, 330, 3, "("},   {387, 390, 5, "2"},  {353, 450, 5, "2"},  {387, 510, 5, "2"},  {353, 570, 5, "2"}}}),
    sceneName);

INSTANTIATE_TEST_SUITE_P(
    EvenOdd, OmbrelScene,
    testing::Values(
        Scene{"BandFigure", "2\n1\n", 5,
              {{30, 20, 7, "P"}, {138, 20, 3, "マ"}, {30, 340, 7, "①"}, {64, 340, 3, "4"}, {339, 340, 0, "は"},
               {66, 400, 3, "隊"}, {66, 460, 7, "連"}}},
        Scene{"EvenTable", "2\n2\n", 29,
              {{40, 30, 7, "問"}, {101, 30, 0, "連"}, {101, 80, 0, "そ"}, {40, 150, 5, "偶"}, {62, 220, 5, "積"},
               {67, 290, 5, "1"}, {40, 360, 5, "予"}, {260, 420, 3, "2"}, {260, 480, 3, "奇"}, {40, 540, 7, "奇"}}},
        Scene{"EvenProof", "2\n3\n", 13,
              {{44, 30, 3, "連"},   {44, 80, 5, "＜"},   {44, 130, 0, "n"},   {44, 180, 5, "2"},   {152, 180, 5, "2"},
               {260, 180, 0, "と"}, {44, 230, 0, "そ"},  {78, 280, 0, "2"},   {76, 330, 0, "4"},   {76, 380, 5, "("},
               {44, 430, 0, "だ"},  {180, 430, 5, "奇"}, {44, 480, 0, "し"},  {44, 540, 7, "教"},  {529, 540, 5, "連"},
               {44, 590, 3, "連"}}},
        Scene{"OddTable", "2\n4\n", 28,
              {{40, 30, 7, "Q"}, {67, 30, 0, "連"}, {67, 80, 0, "そ"}, {40, 150, 5, "奇"}, {260, 420, 3, "間"},
               {260, 480, 7, "こ"}}},
        Scene{"OddProof", "2\n5\n", 11,
              {{44, 30, 3, "連"}, {44, 180, 5, "2"}, {206, 180, 5, "2"}, {314, 180, 0, "と"}, {78, 280, 0, "("},
               {76, 380, 3, "4"}, {186, 380, 5, "("}, {44, 430, 0, "だ"}, {180, 430, 5, "間"}, {44, 480, 0, "し"},
               {44, 530, 0, "間"}}}),
    sceneName);

INSTANTIATE_TEST_SUITE_P(
    NumberCalculation, OmbrelScene,
    testing::Values(
        Scene{"Answers3", "3\n3\n", 3,
              {{94, 30, 3, "問"},   {40, 110, 3, "("},   {121, 110, 0, "4"},  {126, 160, 0, "("},  {126, 260, 5, "8"},
               {40, 340, 3, "("},   {121, 340, 0, "7"},  {126, 490, 5, "5"},  {680, 110, 3, "("},  {761, 110, 0, "1"},
               {766, 170, 0, "("},  {766, 290, 5, "2"}}},
        Scene{"Answers4", "3\n6\n", 3,
              {{121, 110, 0, "1"}, {126, 310, 5, "1"}, {40, 390, 3, "("}, {121, 390, 0, "4"}, {126, 590, 5, "1"},
               {761, 110, 0, "9"}, {766, 350, 5, "9"}}},
        Scene{"Example2", "3\n4\n", 17,
              {{40, 30, 3, "例"},   {101, 30, 0, "次"},   {40, 90, 0, "①"},   {101, 90, 3, "1"},   {67, 150, 5, "＜"},
               {67, 210, 5, "1"},   {67, 260, 3, "平"},   {94, 320, 0, "1"},   {99, 520, 0, "1"},   {600, 90, 0, "②"},
               {661, 90, 3, "2"},   {627, 150, 5, "＜"},  {627, 210, 5, "2"},  {627, 260, 3, "和"},  {654, 320, 0, "2"},
               {659, 520, 0, "3"}}}),
    sceneName);

}  // namespace

namespace {

using namespace ombrel_test;

// The even-number page stays through two waits: the first key shows the step box again, only
// the second clears the window for the odd-number page, which then needs eight keys.
TEST(OmbrelConsecutive, TwoWaitsBetweenThePages) {
  const HeadlessResult run = runOmbrel("1\n4\n" + steps(18));
  const std::vector<Op> ops = drawn(run);
  const auto page2 = filledBoxes(ops, 0, 0, 1320, 1300, 15);
  ASSERT_EQ(page2.size(), 1u);
  std::size_t lastOfPage1 = 0;
  for (std::size_t i = 0; i < page2[0]; ++i)
    if (ops[i].kind == OpKind::Text && ops[i].x1 == 176 && ops[i].y1 == 540) lastOfPage1 = i;
  ASSERT_NE(lastOfPage1, 0u);
  EXPECT_EQ(stepWaits(ops, lastOfPage1, page2[0]), 2);
  EXPECT_EQ(stepWaits(ops, page2[0], ops.size()), 8);
}

}  // namespace
