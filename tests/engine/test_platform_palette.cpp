// The palette read as a projector shows it: the contrast of the engine's own texts with what they
// are drawn on, measured from the palette's own colours, and the colours the lessons name. (The
// lessons' texts on their figures: tests/palette.)
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "engine/engine.h"
#include "engine/platform/palette.h"
#include "support/test_support.h"
#include "support/text_contrast.h"

namespace {

std::set<std::pair<int, int>> textOnGround(const HeadlessResult& run) {
  std::set<std::pair<int, int>> pairs;
  for (const WrittenCharacter& c : writtenCharacters(run.ops)) pairs.insert({c.colour, c.ground});
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
  const std::set<std::pair<int, int>> pairs = textOnGround(run);
  EXPECT_TRUE(pairs.count({9, 4}));   // the step box and the bar message
  EXPECT_TRUE(pairs.count({9, 12}));  // the next-step box
  EXPECT_TRUE(pairs.count({5, 15}));  // the typed number
  for (const auto& [text, background] : pairs)
    EXPECT_GE(contrast(text, background), 4.5) << "colour " << text << " on " << background;
}

// The error screen clears the window and writes its message, small, in yellow: it must read on
// what the clear paints.
TEST(Palette, ErrorScreenMessageReadsOnTheClearedWindow) {
  const HeadlessResult run = runRoutine([] { X = DIV(1, 0); });
  ASSERT_TRUE(run.error);
  const std::vector<WrittenCharacter> message = writtenCharacters(run.ops);
  ASSERT_FALSE(message.empty());
  for (const WrittenCharacter& c : message) {
    EXPECT_EQ(c.colour, 13);
    EXPECT_EQ(c.ground, CLEAR_COLOUR);
    EXPECT_TRUE(c.small);
  }
  EXPECT_GE(contrast(13, CLEAR_COLOUR), 4.5);
}

// The step box's and next-step box's fills are dark for their green text; everything else
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

// The lesson texts name colour 13 yellow and colour 9 green; 15 is the white of every zone clear.
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

// The hue of a colour in degrees (0 red, 60 yellow, 120 green, 180 cyan, 240 blue, 300 magenta)
// and its saturation, as the HSV model has them.
std::pair<double, double> hueAndSaturation(const Rgb& c) {
  const double high = std::max({c.r, c.g, c.b}), low = std::min({c.r, c.g, c.b}), span = high - low;
  if (span == 0) return {0, 0};
  double hue = high == c.r   ? 60 * (c.g - c.b) / span
               : high == c.g ? 60 * (c.b - c.r) / span + 120
                             : 60 * (c.r - c.g) / span + 240;
  if (hue < 0) hue += 360;
  return {hue, span / high};
}

// Every colour number keeps the hue it has always had, whatever its lightness: the lessons'
// pictures and texts rely on it (a yellow area, green outlines, red headings, blue answers).
TEST(Palette, EveryColourKeepsItsHue) {
  struct Hue {
    int colour;
    const char* name;
    double from, to;  // degrees; from > to runs through 0
  };
  const Hue hues[] = {{1, "blue", 210, 240},      {2, "dark red", 350, 10}, {3, "red", 350, 10},
                      {4, "dark blue", 215, 245}, {5, "blue", 205, 235},    {6, "dark green", 110, 130},
                      {7, "purple", 265, 295},    {9, "green", 110, 130},   {10, "navy", 200, 225},
                      {11, "teal", 170, 190},     {12, "violet", 260, 290}, {13, "yellow", 45, 60},
                      {14, "orange", 25, 40}};
  for (const Hue& h : hues) {
    const auto [hue, saturation] = hueAndSaturation(PALETTE[h.colour]);
    const bool inRange = h.from < h.to ? hue >= h.from && hue <= h.to : hue >= h.from || hue <= h.to;
    EXPECT_TRUE(inRange) << h.colour << " " << h.name << " has hue " << hue;
    EXPECT_GT(saturation, 0.5) << h.colour << " " << h.name;
  }
  for (const int grey : {0, 8, 15}) EXPECT_EQ(hueAndSaturation(PALETTE[grey]).second, 0) << grey;
}

}  // namespace
