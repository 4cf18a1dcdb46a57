// The brace, the division layout and grid vectors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/plane.h"
#include "engine/platform/platform.h"
#include "engine/state.h"
#include "engine/strings.h"
#include "engine/typeset.h"
#include "test_figures_support.h"

namespace {

TEST(Brace, SevenPointsOfAnOpeningBrace) {
  struct Case {
    float haba;
    std::vector<Point> points;
  } cases[] = {
      {115, {{135, 205}, {123, 208}, {123, 248}, {108, 255}, {123, 262}, {123, 302}, {135, 305}}},
      {35, {{135, 205}, {123, 208}, {123, 208}, {108, 215}, {123, 222}, {123, 222}, {135, 225}}},  // no straight runs
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.haba);
    float pen = 0;
    const auto each = opsOfEachCase({[&] {
      FE_SETDRAWWIDTH(2);
      X = 100, Y = 200, HABA = c.haba, CCC1 = 6;
      BRACE();
      pen = FE_GETDRAWWIDTH();
    }});
    ASSERT_EQ(each[0].size(), 1u);
    const Op& brace = each[0][0];
    EXPECT_EQ(brace.kind, OpKind::Polyline);
    EXPECT_EQ(brace.pen, 5);
    EXPECT_EQ(brace.colour, 6);
    ASSERT_EQ(brace.points.size(), 7u);
    for (std::size_t k = 0; k < 7; ++k) {
      EXPECT_EQ(brace.points[k].x, c.points[k].x) << k;
      EXPECT_EQ(brace.points[k].y, c.points[k].y) << k;
    }
    EXPECT_EQ(pen, 2);
    EXPECT_EQ(X, 100);
    EXPECT_EQ(Y, 200);
  }
}

float widthOf(const std::string& formula) {
  A_S = formula;
  MEASUREFORM();
  return LLT;
}

struct Layout {
  std::vector<Op> ops;
  float w1 = 0, w2 = 0, pen = 0;
};

Layout division(const std::string& first, const std::string& second, const std::string& before) {
  Layout l;
  l.ops = opsOfEachCase({[&] {
    l.w1 = widthOf(first);
    l.w2 = widthOf(second);
    FE_SETDRAWWIDTH(6);
    X = 100, Y = 200, TAKASA = 50, CCC1 = 5, CCC2 = 4;
    A1_S = first, A2_S = second, ENZAN_S = before;
    DIVLAYOUT();
    l.pen = FE_GETDRAWWIDTH();
  }})[0];
  return l;
}

TEST(DivLayout, TextsBracketAndRule) {
  const Layout l = division("123", "4", "2");
  const auto texts = ofKind(l.ops, OpKind::Text);
  ASSERT_EQ(texts.size(), 6u);  // "1", "2", "3"; "2", ")"; "4"
  EXPECT_EQ(texts[0].x1, 154);  // the first text in the column
  EXPECT_EQ(texts[0].y1, 200);
  EXPECT_EQ(texts[3].x1, 100);  // the text before the bracket, 6 px lower than the second line
  EXPECT_EQ(texts[3].y1, 256);
  EXPECT_EQ(texts[4].text, ")");
  EXPECT_EQ(texts[4].x1, 127);
  EXPECT_EQ(texts[5].x1, 154);
  EXPECT_EQ(texts[5].y1, 250);
  EXPECT_EQ(texts[0].colour, 5);
  const auto rules = ofKind(l.ops, OpKind::Line);
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_EQ(rules[0].x1, 127);
  EXPECT_EQ(rules[0].y1, 300);
  EXPECT_EQ(rules[0].x2, 127 + l.w1 + 30);  // follows the wider, first text
  EXPECT_EQ(rules[0].y2, 300);
  EXPECT_EQ(rules[0].pen, 3);
  EXPECT_EQ(rules[0].colour, 4);
  EXPECT_EQ(l.pen, 6);
  EXPECT_EQ(LT1, l.w1);
  EXPECT_EQ(LT2, l.w2);
  EXPECT_EQ(LT, l.w1);
  EXPECT_EQ(YI1, 250);
  EXPECT_EQ(XI3, 154);
  EXPECT_EQ(XI2, 157 + l.w1);
  EXPECT_EQ(Y, 250);
}

TEST(DivLayout, EmptyTexts) {
  const Layout l = division("", "45", "");
  const auto texts = ofKind(l.ops, OpKind::Text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, ")");
  EXPECT_EQ(texts[0].x1, 100);  // the bracket stands at the left edge
  const auto rules = ofKind(l.ops, OpKind::Line);
  EXPECT_EQ(rules[0].x2 - rules[0].x1, l.w2 + 30);
}

struct Vector {
  std::vector<Op> ops;
  float pen = 0;
};

Vector gridVector(float x3, float y3, float x4, float y4, const std::string& show) {
  Vector v;
  v.ops = opsOfEachCase({[&] {
    FE_SETDRAWWIDTH(9);
    CCC2 = 12, CCC1 = 1;
    GX3 = x3, GY3 = y3, GX4 = x4, GY4 = y4, SIZE = 25;
    HYOUJI_S = show;
    GRIDVECTOR();
    v.pen = FE_GETDRAWWIDTH();
  }})[0];
  return v;
}

TEST(GridVector, TwoComponentArrowsWithTheirCounts) {
  for (const bool reversed : {false, true}) {
    SCOPED_TRACE(reversed);
    const Vector v = reversed ? gridVector(175, 250, 100, 300, "yy") : gridVector(100, 300, 175, 250, "yy");
    const auto lines = ofKind(v.ops, OpKind::Line);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].x1, 100);  // the horizontal shaft from the left end
    EXPECT_EQ(lines[0].x2, 175);
    EXPECT_EQ(lines[0].y2, 300);
    EXPECT_EQ(lines[0].colour, 7);
    EXPECT_EQ(lines[0].pen, 4);
    EXPECT_EQ(lines[3].y1, 300);  // then the vertical one up to the right end
    EXPECT_EQ(lines[3].y2, 250);
    EXPECT_EQ(lines[3].colour, 3);
    EXPECT_EQ(lines[4].y1, 250 + 16);  // a head 16 long
    EXPECT_EQ(X_S, "3");
    EXPECT_EQ(Y_S, "2");
    const auto texts = ofKind(v.ops, OpKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].x1, 123.5f);
    EXPECT_EQ(texts[0].y1, 256);
    EXPECT_EQ(texts[0].colour, 7);
    EXPECT_EQ(texts[1].x1, 175);
    EXPECT_EQ(texts[1].y1, 259);
    EXPECT_EQ(texts[1].colour, 3);
    EXPECT_EQ(GX3, 100);
    EXPECT_EQ(GY3, 300);
    EXPECT_EQ(GX4, 175);
    EXPECT_EQ(GY4, 250);
    EXPECT_EQ(v.pen, 4);
    EXPECT_EQ(CCC2, 3);
    EXPECT_EQ(MUKI, 0);
  }
}

TEST(GridVector, FallingTranslationPutsTheCountBelow) {
  const Vector v = gridVector(100, 250, 175, 300, "y");
  EXPECT_EQ(Y_S, "-2");
  const auto lines = ofKind(v.ops, OpKind::Line);
  EXPECT_EQ(lines[3].y2, 300);  // the vertical arrow points down
  const auto texts = ofKind(v.ops, OpKind::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].y1, 250);
}

TEST(GridVector, LabelSwitch) {
  struct Case {
    const char* show;
    std::size_t texts;
    int firstColour;
  } cases[] = {{"y", 1, 7}, {"ny", 1, 3}, {"", 0, 0}, {"YY", 0, 0}, {"yn", 1, 7}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.show);
    const Vector v = gridVector(100, 300, 175, 250, c.show);
    const auto texts = ofKind(v.ops, OpKind::Text);
    EXPECT_EQ(texts.size(), c.texts);
    if (!texts.empty()) {
      EXPECT_EQ(texts[0].colour, c.firstColour);
    }
    EXPECT_EQ(ofKind(v.ops, OpKind::Line).size(), 6u);
  }
}

TEST(GridVector, FractionalCountsReadWithTheirZero) {
  gridVector(100, 300, 110, 295, "");
  EXPECT_EQ(X_S, "0.4");
  EXPECT_EQ(Y_S, "0.2");
}

}  // namespace
