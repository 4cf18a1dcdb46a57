// Stacked fractions: widths measured in the fraction metrics, the narrower part centred, the
// bar 25 px below the line's top, the denominator's line by what the fraction holds, and the
// published positions of numerator and denominator.
#include <gtest/gtest.h>

#include "engine/typeset.h"
#include "test_typeset_support.h"

namespace {

struct FractionCase {
  const char* text;         // the fraction text, between the two "ﾀ"
  float numerator, denominator;  // widths in the fraction metrics
  float denominatorDrop;    // the denominator's line below the text line's top
};

const FractionCase FRACTIONS[] = {
    {"1/2", 32, 32, 28},                 // equal widths: no indents, the bar as wide as either
    {"1/23", 32, 64, 28},                // the numerator indented by 16
    {"1/ ", 32, 27, 28},                 // widths differing by 5: an indent of 2.5
    {"/2", 0, 32, 28},                   // an empty numerator
    {"1/2/3", 32, 32 + 38 + 32, 28},     // a second "/" belongs to the denominator, as "÷"
    {"2a^2/3", 32 + 32 + 24, 32, 28},    // an exponent in the numerator changes nothing below
    {"1/x^2", 32, 32 + 24, 36},          // an exponent in the denominator lowers it
    {"!2ﾝ/3", 26 + 32, 32, 36},          // so does a root in the numerator
    {"1/√2ﾝ", 32, 26 + 32, 44},          // a "√" in the denominator counts twice
    {"1/!2ﾝ", 32, 26 + 32, 36},          // a "!" there only once
    {"1/2型", 32, 32 + 38, 28},          // a second byte like "^" is no exponent
    {"x-1/x+1", 32 * 3, 32 * 3, 28},
};

struct Published {
  float end;
  float siX, siY, boX, boY;
  float bun;
  float pen;
};

TEST(Fraction, LaysOutNumeratorBarAndDenominator) {
  std::vector<std::function<void()>> bodies;
  std::vector<Published> got(std::size(FRACTIONS));
  for (std::size_t k = 0; k < std::size(FRACTIONS); ++k)
    bodies.push_back([&, k] {
      FE_SETDRAWWIDTH(2);
      formula(std::string("ﾀ") + FRACTIONS[k].text + "ﾀ", 100, 200);
      got[k] = {X, TBSIYAKX, TBSIYAKY, TBBOYAKX, TBBOYAKY, BUN, FE_GETDRAWWIDTH()};
    });
  const auto each = typesetEach(bodies);
  for (std::size_t k = 0; k < std::size(FRACTIONS); ++k) {
    const FractionCase& c = FRACTIONS[k];
    const std::string label = toUtf8(c.text);
    const float width = std::max(c.numerator, c.denominator);
    const float numeratorX = 100 + (width - c.numerator) / 2;
    const float denominatorX = 100 + (width - c.denominator) / 2;
    EXPECT_EQ(got[k].end, 100 + width) << label;
    EXPECT_EQ(got[k].siX, numeratorX) << label;
    EXPECT_EQ(got[k].siY, 190) << label;
    EXPECT_EQ(got[k].boX, denominatorX) << label;
    EXPECT_EQ(got[k].boY, 200 + c.denominatorDrop) << label;
    EXPECT_EQ(got[k].bun, 0) << label;
    EXPECT_EQ(got[k].pen, 2) << label;
    // The bar first, pen width 4, across the whole fraction.
    ASSERT_FALSE(each[k].empty()) << label;
    const Op& bar = each[k][0];
    EXPECT_EQ(bar.kind, OpKind::Line) << label;
    EXPECT_EQ(bar.x1, 100) << label;
    EXPECT_EQ(bar.x2, 100 + width) << label;
    EXPECT_EQ(bar.y1, 225) << label;
    EXPECT_EQ(bar.y2, 225) << label;
    EXPECT_EQ(bar.pen, 4) << label;
    // The parts are drawn where the published positions say: for "1/23", "1" at (116, 190) over
    // "2" at (100, 228).
    if (label == "1/23") {
      const auto glyphs = opsOf(each[k], OpKind::Text);
      ASSERT_EQ(glyphs.size(), 3u);
      EXPECT_EQ(glyphs[0].x1, 100);
      EXPECT_EQ(glyphs[0].y1, 228);
      EXPECT_EQ(glyphs[2].x1, 116);
      EXPECT_EQ(glyphs[2].y1, 190);
    }
  }
}

// The first part measured is the numerator, then the denominator; both parts in the fraction
// metrics, whatever BUN was before; and a measuring run draws nothing.
TEST(Fraction, MeasuresInTheFractionMetricsAndDrawsEachPartOnce) {
  const auto each = typesetEach({[] {
    BUN = 7;
    formula("ﾀ1+a/x-3ﾀ");
  }});
  const auto glyphs = opsOf(each[0], OpKind::Text);
  ASSERT_EQ(glyphs.size(), 4u) << listing(each[0]);
  EXPECT_EQ(glyphs[0].text, "x");
  EXPECT_EQ(glyphs[0].magX, 12);
  EXPECT_EQ(glyphs[1].text, "3");
  EXPECT_EQ(glyphs[1].x1, 164);
  EXPECT_EQ(glyphs[2].text, "1");
  EXPECT_EQ(glyphs[3].text, "a");
  EXPECT_EQ(X, 196);
  EXPECT_EQ(BUN, 0);
  // The bar, the denominator's minus, the numerator's plus: nothing else.
  EXPECT_EQ(opsOf(each[0], OpKind::Line).size(), 4u);
}

// Two fractions in one text: both drawn, the published positions are those of the second.
TEST(Fraction, TwoFractionsPublishTheSecond) {
  const auto each = typesetEach({[] { formula("ﾀ1/2ﾀ+ﾀ3/45ﾀ"); }});
  EXPECT_EQ(opsOf(each[0], OpKind::Text).size(), 5u);
  EXPECT_EQ(TBSIYAKX, 159 + 16);
  EXPECT_EQ(TBSIYAKY, 190);
  EXPECT_EQ(TBBOYAKX, 159);
  EXPECT_EQ(TBBOYAKY, 228);
  EXPECT_EQ(X, 159 + 64);
  EXPECT_EQ(A_S, "3");  // the last fraction's numerator
}

// Under the tall root the fraction draws the root's bar across itself, pen 3, at 14 px above.
TEST(Fraction, CarriesTheTallRootsBar) {
  const auto each = typesetEach({[] {
    FE_SETDRAWWIDTH(1);
    HROOT = 22;
    X = 300;
    Y = 100;
    A_S = "12/5";
    DRAWFRACTION();
    EXPECT_EQ(FE_GETDRAWWIDTH(), 1);
  }});
  const auto lines = opsOf(each[0], OpKind::Line);
  ASSERT_EQ(lines.size(), 2u) << listing(each[0]);
  EXPECT_EQ(lines[0].y1, 125);
  EXPECT_EQ(lines[0].pen, 4);
  EXPECT_EQ(lines[1].y1, 86);
  EXPECT_EQ(lines[1].x1, 300);
  EXPECT_EQ(lines[1].x2, 364);
  EXPECT_EQ(lines[1].pen, 3);
  EXPECT_EQ(RTASKAI1_S, "12");
  EXPECT_EQ(RTASKAI2_S, "5");
  EXPECT_EQ(NAGA, 64);
}

}  // namespace
