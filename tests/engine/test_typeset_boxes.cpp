// Measuring a formula without drawing it, and formulas centred in filled boxes.
#include <gtest/gtest.h>

#include "engine/typeset.h"
#include "test_typeset_support.h"

namespace {

struct Measured {
  float width;
  float x, y;
  std::string a;
};

// The width is how far DRAWFORMULA would move X; X, Y and A$ come back; nothing is drawn.
TEST(Measure, GivesTheWidthAndDrawsNothing) {
  const std::pair<const char*, float> cases[] = {
      {"", 0},
      {"12", 54},
      {"=(5x^2-10x)*ﾀ1/5xﾀ", 363},
      {"ﾀ1/2ﾀ+1", 32 + 27 + 27},
      {"#ﾀ1/2ﾀﾝ", 32 + 32},
      {"面積は", 102},
  };
  std::vector<std::function<void()>> bodies;
  std::vector<Measured> got(std::size(cases));
  for (std::size_t k = 0; k < std::size(cases); ++k)
    bodies.push_back([&, k] {
      X = 640;
      Y = 480;
      A_S = cases[k].first;
      AA_A_S = "rest";
      MEASUREFORM();
      got[k] = {LLT, X, Y, A_S};
      EXPECT_EQ(AA_S, "");
    });
  const auto each = typesetEach(bodies);
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    const std::string label = toUtf8(cases[k].first);
    EXPECT_EQ(got[k].width, cases[k].second) << label;
    EXPECT_EQ(got[k].x, 640) << label;
    EXPECT_EQ(got[k].y, 480) << label;
    EXPECT_EQ(got[k].a, cases[k].first) << label;
    EXPECT_TRUE(each[k].empty()) << label << "\n" << listing(each[k]);
  }
}

// A measuring run uses up KAKKO as a drawing would; nested in a fraction it measures the part
// with the fraction metrics.
TEST(Measure, UsesUpTheTallPairAndFollowsBun) {
  float widths[3] = {};
  typesetEach({
      [&] {
        KAKKO = 1;
        A_S = "(1)";
        MEASUREFORM();
        widths[0] = LLT;
        EXPECT_EQ(KAKKO, 0);
      },
      [&] {
        BUN = 1;
        A_S = "x+1";
        MEASUREFORM();
        widths[1] = LLT;
      },
      [&] {
        A_S = "x+1";
        MEASUREFORM();
        widths[2] = LLT;
      },
  });
  EXPECT_EQ(widths[0], 81);
  EXPECT_EQ(widths[1], 96);
  EXPECT_EQ(widths[2], 81);
}

struct BoxCase {
  const char* text;
  float haba, tate;
  float textX, textY;  // where the formula starts, from the box's corner (0, 0) at (200, 100)
};

// The box from the corner over HABA by TATE, then the formula centred across it on a line 44
// pixels high, 50 with a fraction; a formula wider than the box starts at its left edge.
TEST(BoxFormula, CentresTheFormulaInItsBox) {
  const BoxCase cases[] = {
      {"1", 120, 60, 46.5, 8},         // width 27: a half pixel stays
      {"12345", 120, 60, 0, 8},        // wider than the box
      {"面===", 120, 60, 0, 8},        // width 130: starts at the left edge
      {"1234", 120, 60, 6, 8},
      {"ﾀ3/4ﾀ", 120, 60, 44, 5},
      {"1", 120, 44, 46.5, 0},
      {"ﾀ3/4ﾀ", 120, 44, 44, -3},
      {"学びをたしかめよう", 360, 48, 27, 2},
      {"", 88, 44, 44, 0},
      // A second byte equal to "ﾀ" (as in "実") is no fraction.
      {"実", 120, 60, 43, 8},
  };
  std::vector<std::function<void()>> bodies;
  for (const auto& c : cases)
    bodies.push_back([&c] {
      X = 200;
      Y = 100;
      HABA = c.haba;
      TATE = c.tate;
      CCC2 = 0;
      CCC3 = 13;
      A_S = c.text;
      BOXFORMULA();
      EXPECT_EQ(X, 200 + c.haba);
      EXPECT_EQ(Y, 100);
      EXPECT_EQ(HABA, c.haba);
      EXPECT_EQ(TATE, c.tate);
      EXPECT_EQ(CCC1, 5);
      EXPECT_EQ(CCC2, 0);
      EXPECT_EQ(CCC3, 13);
      EXPECT_EQ(FE_GETDRAWWIDTH(), 3);
    });
  const auto each = typesetEach(bodies);
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    const BoxCase& c = cases[k];
    const std::string label = toUtf8(c.text) + " in " + std::to_string(c.tate);
    ASSERT_FALSE(each[k].empty()) << label;
    const Op& box = each[k][0];
    EXPECT_EQ(box.kind, OpKind::FilledBox) << label;
    EXPECT_EQ(box.x1, 200) << label;
    EXPECT_EQ(box.y1, 100) << label;
    EXPECT_EQ(box.x2, 200 + c.haba) << label;
    EXPECT_EQ(box.y2, 100 + c.tate) << label;
    EXPECT_EQ(box.colour, 0) << label;
    EXPECT_EQ(box.fill, 13) << label;
    if (toUtf8(c.text).empty()) {
      EXPECT_EQ(each[k].size(), 1u) << label;
      continue;
    }
    // The formula's first piece: the bar of a fraction, else its first glyph.
    const Op& first = each[k][1];
    EXPECT_EQ(first.x1, 200 + c.textX) << label;
    const float line = first.kind == OpKind::Line ? first.y1 - 25 : first.y1;
    EXPECT_EQ(line, 100 + c.textY) << label;
  }
}

// BOXFORMULAMID keeps the formula on the given line and centres the box on it, 44 high.
TEST(BoxFormula, MidKeepsTheTextLine) {
  const std::pair<const char*, float> cases[] = {{"5", 300}, {"ﾀ1/2ﾀ", 300}};
  std::vector<std::function<void()>> bodies;
  for (const auto& c : cases)
    bodies.push_back([&c] {
      X = 400;
      Y = c.second;
      HABA = 80;
      TATE = 60;
      CCC2 = 0;
      CCC3 = 15;
      A_S = c.first;
      BOXFORMULAMID();
      EXPECT_EQ(X, 480);
      EXPECT_EQ(Y, 300);
    });
  const auto each = typesetEach(bodies);
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    const Op& box = each[k][0];
    EXPECT_EQ(box.kind, OpKind::FilledBox);
    EXPECT_EQ(box.y1, 292);
    EXPECT_EQ(box.y2, 352);
    EXPECT_EQ(box.x1, 400);
    EXPECT_EQ(box.x2, 480);
  }
  EXPECT_EQ(each[0][1].y1, 300);
  EXPECT_EQ(each[0][1].x1, 400 + (80 - 27) / 2.0f);
  EXPECT_EQ(each[1][1].y1, 325);  // the fraction's bar: the line is 300
}

// The tall-parenthesis switch meant for the boxed text survives the measuring run.
TEST(BoxFormula, TallPairSurvivesTheMeasuring) {
  const auto each = typesetEach({[] {
    KAKKO = 1;
    X = 200;
    Y = 100;
    HABA = 200;
    TATE = 60;
    A_S = "(x+1)";
    BOXFORMULA();
    EXPECT_EQ(KAKKO, 0);
  }});
  const auto glyphs = opsOf(each[0], OpKind::Text);
  ASSERT_EQ(glyphs.size(), 4u);
  EXPECT_EQ(glyphs[0].magY, 4);
  EXPECT_EQ(glyphs[3].magY, 4);
}

// Two lines: each centred on its own, in the upper and lower half; one line alone sits 25 lower.
TEST(BoxTwoLines, DrawsTwoCentredLines) {
  const auto each = typesetEach({
      [] {
        X = 100;
        Y = 100;
        HABA = 200;
        TATE = 88;
        A1_S = "12";
        A2_S = "1";
        BOXTWOLINES();
        EXPECT_EQ(X, 300);
        EXPECT_EQ(Y, 100);
        EXPECT_EQ(A1_S, "12");
      },
      [] {
        X = 100;
        Y = 100;
        HABA = 200;
        TATE = 88;
        A1_S = "12";
        A2_S = "";
        BOXTWOLINES();
      },
      [] {
        X = 100;
        Y = 100;
        HABA = 200;
        TATE = 120;
        A1_S = "ﾀ1/2ﾀ";
        A2_S = "ﾀ1/2ﾀ";
        BOXTWOLINES();
      },
  });
  ASSERT_EQ(each[0].size(), 4u) << listing(each[0]);
  EXPECT_EQ(each[0][0].kind, OpKind::FilledBox);
  EXPECT_EQ(each[0][0].y2, 188);
  EXPECT_EQ(each[0][1].y1, 100);
  EXPECT_EQ(each[0][1].x1, 173);
  EXPECT_EQ(each[0][3].y1, 144);
  EXPECT_EQ(each[0][3].x1, 186.5);
  ASSERT_EQ(each[1].size(), 3u) << listing(each[1]);
  EXPECT_EQ(each[1][1].y1, 125);
  const auto bars = opsOf(each[2], OpKind::Line);
  ASSERT_EQ(bars.size(), 2u) << listing(each[2]);
  EXPECT_EQ(bars[0].y1, 100 + 5 + 25);
  EXPECT_EQ(bars[1].y1, 100 + 50 + 5 + 25);
}

}  // namespace
