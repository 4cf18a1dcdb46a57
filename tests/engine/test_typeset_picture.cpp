// How the typeset glyphs come out in the picture: the italic letters stand on the digits'
// baseline in the middle of their advance, in and out of fractions, and exponents ride high and
// smaller. The layout numbers are the operation log's; these check the faces' calibration.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/typeset.h"
#include "support/pictures.h"
#include "test_typeset_support.h"

namespace {

struct Ink {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
  double centre() const { return (left + right) / 2.0; }
  int height() const { return bottom - top + 1; }
};

// The ink in the box from (x1,y1) to (x2,y2).
Ink inkIn(const Picture& p, int x1, int y1, int x2, int y2) {
  Ink ink;
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x)
      if (!closeTo(p.at(x, y), paletteColour(15), 64)) {
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
      }
  return ink;
}

std::unique_ptr<Picture> picture;

// The picture goes to a file of each test's own: tests run in parallel processes, and one
// must not read the file while another writes it.
void drawSamples(const std::string& pictureName) {
  PsCLS();
  CCC1 = 0;
  formula("2", 100, 100);
  formula("x", 300, 100);
  formula("a", 500, 100);
  formula("^2", 700, 100);
  formula("ﾀ2/5ﾀ", 100, 300);
  formula("ﾀx/5ﾀ", 300, 300);
  formula("ﾀa/5ﾀ", 500, 300);
  picture = pictureOfCanvas(pictureName);
}

// Each sample alone in a box around where it is drawn.
Ink sample(int x, int y) { return inkIn(*picture, x - 30, y - 40, x + 70, y + 70); }

TEST(TypesetPicture, ItalicLettersStandOnTheDigitsBaselineMidAdvance) {
  runRoutine([] { drawSamples("typeset-glyph-placement.png"); });
  ASSERT_TRUE(picture && picture->width() > 0);
  const Ink digit = sample(100, 100);
  for (int x : {300, 500}) {
    SCOPED_TRACE(x);
    const Ink letter = sample(x, 100);
    EXPECT_NEAR(letter.bottom, digit.bottom, 2);
    EXPECT_NEAR(letter.centre(), x + 27 / 2.0, 3);  // advance 27 outside fractions
    EXPECT_GT(letter.height(), digit.height() / 2);
  }
  // In a fraction's numerator (drawn at the line's top - 10): advance 32.
  const Ink fractionDigit = inkIn(*picture, 100, 260, 131, 314);
  for (int x : {300, 500}) {
    SCOPED_TRACE(x);
    const Ink letter = inkIn(*picture, x - 10, 260, x + 41, 314);
    EXPECT_NEAR(letter.bottom, fractionDigit.bottom, 2);
    EXPECT_NEAR(letter.centre(), x + 32 / 2.0, 3);
    EXPECT_NEAR(fractionDigit.centre(), 100 + 32 / 2.0, 3);
  }
}

TEST(TypesetPicture, ExponentsRideHighAndSmaller) {
  runRoutine([] { drawSamples("typeset-exponent-placement.png"); });
  ASSERT_TRUE(picture && picture->width() > 0);
  const Ink digit = sample(100, 100);
  const Ink exponent = sample(700, 100);
  EXPECT_LE(exponent.top, digit.top);
  EXPECT_LT(exponent.bottom, digit.bottom - digit.height() / 4);
  EXPECT_LT(exponent.height(), digit.height() * 4 / 5);
}

}  // namespace
