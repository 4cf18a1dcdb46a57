// The palette read as a projector shows it: the contrast of the prompts' small text with what it
// is drawn on, measured from the palette's own colours, and the colours the lessons name.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <utility>

#include "engine/engine.h"
#include "engine/platform/palette.h"
#include "support/test_support.h"

namespace {

// Relative luminance of an sRGB colour and the contrast ratio of two colours, as the usual
// accessibility guidelines define them.
double luminance(const Rgb& c) {
  const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

double contrast(int text, int background) {
  const double a = luminance(PALETTE[text]), b = luminance(PALETTE[background]);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// Each text drawn in the run with the colour it is drawn on: the fill of the last filled box
// before it that holds its cell's middle, or white.
std::set<std::pair<int, int>> textOnBackground(const HeadlessResult& run) {
  std::set<std::pair<int, int>> pairs;
  std::vector<Op> fills;
  for (const Op& op : run.ops) {
    if (op.kind == OpKind::Clear) fills.clear();
    if (op.kind == OpKind::FilledBox) fills.push_back(op);
    if (op.kind != OpKind::Text || op.text == " " || op.text == "　") continue;
    const float x = op.x1 + op.size * op.magX / 4, y = op.y1 + op.size * op.magY / 2;
    int background = 15;
    for (const Op& box : fills)
      if (x >= std::min(box.x1, box.x2) && x <= std::max(box.x1, box.x2) && y >= std::min(box.y1, box.y2) &&
          y <= std::max(box.y1, box.y2))
        background = box.fill;
    pairs.insert({op.colour, background});
  }
  return pairs;
}

// Every prompt of the engine with a number typed: the step box, the next-step box, the bottom
// bar's message and number prompt, and the main menu's number prompt.
TEST(Palette, PromptTextsReachAContrastOfFourAndAHalfToOne) {
  const HeadlessResult run = runRoutine(
      [] {
        STEPWAIT();
        NEXTSTEP();
        AA_S = "メッセージ";
        BARMESSAGE();
        AA_S = "大きい数を入力して下さい。";
        MENUBAR();
        ASKNUMBER();
      },
      "k12\n" "k" "-3/4\n" "5\n");
  ASSERT_FALSE(run.error);
  const std::set<std::pair<int, int>> pairs = textOnBackground(run);
  EXPECT_TRUE(pairs.count({9, 4}));   // the step box and the bar message
  EXPECT_TRUE(pairs.count({9, 12}));  // the next-step box
  EXPECT_TRUE(pairs.count({5, 15}));  // the typed number
  for (const auto& [text, background] : pairs)
    EXPECT_GE(contrast(text, background), 4.5) << "colour " << text << " on " << background;
}

// The step box's and next-step box's fills got darker for their green text; everything else
// drawn on them is lighter still: the yellow labels of the area diagrams' cells and the yellow
// frame of the boxes.
TEST(Palette, OtherColoursOnTheDarkenedFillsStayReadable) {
  for (int fill : {4, 12}) {
    SCOPED_TRACE(fill);
    EXPECT_GE(contrast(13, fill), 7.0);
    EXPECT_GE(contrast(15, fill), 7.0);
    EXPECT_GE(contrast(fill, 15), 7.0);
  }
}

// The lesson texts name colour 13 yellow and colour 9 green; 15 is the white of every clear.
TEST(Palette, NamedColoursLookTheirNames) {
  const Rgb& yellow = PALETTE[13];
  EXPECT_GT(yellow.r, 0.8);
  EXPECT_GT(yellow.g, 0.6);
  EXPECT_LT(yellow.b, 0.3);
  const Rgb& green = PALETTE[9];
  EXPECT_GT(green.g, 2 * green.r);
  EXPECT_GT(green.g, 2 * green.b);
  EXPECT_EQ(luminance(PALETTE[15]), 1.0);
  EXPECT_EQ(luminance(PALETTE[0]), 0.0);
}

}  // namespace
