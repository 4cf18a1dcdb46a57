// Labels beside a vertex and the dotted dimension arc.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/figures.h"
#include "engine/platform/platform.h"
#include "engine/state.h"
#include "test_figures_support.h"

namespace {

// What a call left behind that the tests look at.
struct After {
  float x = 0, y = 0, llt = 0, dy = 0;
  float zx0 = 0, zy0 = 0, zx1 = 0, zy1 = 0, zx2 = 0, zy2 = 0, takasa = 0;
  std::vector<Op> ops;
};

After keep() {
  After a;
  a.x = X, a.y = Y, a.llt = LLT, a.dy = DY;
  a.zx0 = ZX0, a.zy0 = ZY0, a.zx1 = ZX1, a.zy1 = ZY1, a.zx2 = ZX2, a.zy2 = ZY2, a.takasa = TAKASA;
  return a;
}

// Runs the calls in one program run; each leaves its globals and its drawing.
std::vector<After> runEach(const std::vector<std::function<void()>>& calls) {
  std::vector<After> kept;
  std::vector<std::function<void()>> cases;
  for (const auto& call : calls)
    cases.push_back([&kept, call] {
      call();
      kept.push_back(keep());
    });
  const auto ops = opsOfEachCase(cases);
  for (std::size_t k = 0; k < kept.size(); ++k) kept[k].ops = ops[k];
  return kept;
}

// Dots are computed through turned directions with PI = 3.14159: a few thousandths off.
void expectNear(Point p, float x, float y, const char* what) {
  EXPECT_NEAR(p.x, x, 0.01) << what;
  EXPECT_NEAR(p.y, y, 0.01) << what;
}

std::vector<Point> dots(const After& a) {
  std::vector<Point> found;
  for (const Op& op : ofKind(a.ops, OpKind::Circle)) found.push_back({op.cx, op.cy});
  return found;
}

// ---- PLACELABEL ------------------------------------------------------------------------------

// The vertex (200,200) with rays that make the bisector point up, right, left, down or at 45°.
struct Direction {
  const char* name;
  float x1, y1, x2, y2;
  float leftPerWidth;  // the label's left edge = 200 + leftPerWidth * width
  float top;           // for a label 44 px high at NAGASA 0
};
const Direction directions[] = {
    {"up", 300, 200, 100, 200, -0.5f, 156},  {"right", 200, 300, 200, 100, 0, 178},
    {"left", 200, 100, 200, 300, -1, 178},   {"down", 100, 200, 300, 200, -0.5f, 200},
    {"45", 300, 200, 200, 100, -0.146447f, 162.4436f},
};

void labelAt(const Direction& d, const std::string& text, float nagasa = 0) {
  ZX0 = 200, ZY0 = 200, ZX1 = d.x1, ZY1 = d.y1, ZX2 = d.x2, ZY2 = d.y2;
  AAA_S = text;
  NAGASA = nagasa;
  CCC1 = 5;
  PLACELABEL();
}

// X comes back at the label's right end, so X - LLT is where the formula began.
TEST(PlaceLabel, BoxTouchesTheVertexFromTheBisectorsSide) {
  std::vector<std::function<void()>> calls;
  for (const Direction& d : directions) calls.push_back([&d] { labelAt(d, "12"); });
  const auto kept = runEach(calls);
  for (std::size_t k = 0; k < kept.size(); ++k) {
    SCOPED_TRACE(directions[k].name);
    const After& a = kept[k];
    EXPECT_NEAR(a.y, directions[k].top, 1e-3);
    EXPECT_NEAR(a.x - a.llt, 200 + directions[k].leftPerWidth * a.llt, 1e-3);
    EXPECT_EQ(a.dy, 22);
  }
}

TEST(PlaceLabel, DistanceAndFractionHeight) {
  const auto kept = runEach({
      [] { labelAt(directions[0], "12", 16); },
      [] { labelAt(directions[0], "ﾀ1/2ﾀ"); },
      [] {
        AAAX = 7, AAAY = -30;
        labelAt(directions[1], "3");
      },
  });
  EXPECT_NEAR(kept[0].y, 140, 1e-3);
  EXPECT_NEAR(kept[1].y, 120, 1e-3);
  EXPECT_EQ(kept[1].dy, 40);
  EXPECT_NEAR(kept[2].y, 178 - 30, 1e-3);
  EXPECT_NEAR(kept[2].x - kept[2].llt, 207, 1e-3);
}

// MU_DO = 1 draws plain text, but the box is still the formula's measured width.
TEST(PlaceLabel, PlainTextLabelIsPlacedByTheFormulasWidth) {
  const auto kept = runEach({[] {
    MU_DO = 1;
    labelAt(directions[0], "12");
  }});
  const auto texts = ofKind(kept[0].ops, OpKind::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_NEAR(texts[0].x1, 200 - kept[0].llt / 2, 1e-3);
  EXPECT_NEAR(texts[0].y1, 156, 1e-3);
  EXPECT_EQ(texts[0].colour, 5);
  EXPECT_EQ(texts[0].size, 15);  // the small plain type
  EXPECT_EQ(MU_DO, 0);
}

TEST(PlaceLabel, ResetsTheOneShotParametersAlsoForAnEmptyLabel) {
  const auto kept = runEach({[] {
    ITI = -1, AAAX = 5, AAAY = 6, NAGASA = 7, MU_DO = 1;
    labelAt(directions[0], "", 7);
  }});
  EXPECT_TRUE(kept[0].ops.empty());
  EXPECT_EQ(ITI, 0);
  EXPECT_EQ(AAA_S, "");
  EXPECT_EQ(AAAX, 0);
  EXPECT_EQ(AAAY, 0);
  EXPECT_EQ(NAGASA, 0);
  EXPECT_EQ(MU_DO, 0);
}

TEST(PlaceLabel, TallBracketWaitsForTheDrawing) {
  runEach({[] {
    KAKKO = 1;
    labelAt(directions[0], "");
  }});
  EXPECT_EQ(KAKKO, 1);
}

// ---- SPANARC ---------------------------------------------------------------------------------

void arc(float x0, float y0, float x1, float y1, float takasa, float houkou, float haba, const std::string& label = "") {
  ZX0 = x0, ZY0 = y0, ZX1 = x1, ZY1 = y1;
  TAKASA = takasa;
  HOUKOU = houkou;
  HABA = haba;
  CCC2 = 9;
  CCC1 = 3;
  AAA_S = label;
  SPANARC();
}

TEST(SpanArc, BelowAHorizontalChord) {
  float pen = 0;
  const auto kept = runEach({[&] {
    FE_SETDRAWWIDTH(5);
    arc(100, 300, 320, 300, 1, 1, 1, "12");
    pen = FE_GETDRAWWIDTH();
  }});
  const After& a = kept[0];
  const auto d = dots(a);
  ASSERT_EQ(d.size(), 181u);
  expectNear(d.front(), 100, 300, "first dot at the start");
  expectNear(d[90], 210, 316, "middle dot at the apex");
  expectNear(d.back(), 320, 300, "last dot at the end");
  for (const Op& op : ofKind(a.ops, OpKind::Circle)) {
    ASSERT_EQ(op.radius, 0.5f);
    ASSERT_TRUE(op.filled);
    ASSERT_EQ(op.colour, 9);
    ASSERT_EQ(op.pen, 5);  // the caller's pen, neither set nor restored
  }
  EXPECT_EQ(pen, 5);
  EXPECT_EQ(a.takasa, 16);
  expectNear({a.zx0, a.zy0}, 210, 316, "apex left in ZX0, ZY0");
  expectNear({a.zx1, a.zy1}, 100, 300, "start in ZX1, ZY1");
  expectNear({a.zx2, a.zy2}, 320, 300, "end in ZX2, ZY2");
  // The label hangs below the apex, centred.
  EXPECT_NEAR(a.y, 316, 1e-3);
  EXPECT_NEAR(a.x - a.llt, 210 - a.llt / 2, 1e-3);
  for (const Op& op : ofKind(a.ops, OpKind::Text)) EXPECT_EQ(op.colour, 3);
  // The dots come first, the label over them.
  EXPECT_EQ(a.ops.front().kind, OpKind::Circle);
}

TEST(SpanArc, SideOfTheBulgeAndOrderOfTheDots) {
  struct Case {
    const char* name;
    float x0, y0, x1, y1, houkou, haba;
    std::size_t count;
    Point first, apex, last;
    float labelTop;
    float labelLeftPerWidth;  // left edge = apex x + this * width
  } cases[] = {
      {"above", 100, 300, 320, 300, -1, 1, 181, {320, 300}, {210, 284}, {100, 300}, 240, -0.5f},
      {"right to left", 320, 300, 100, 300, 1, 1, 181, {320, 300}, {210, 284}, {100, 300}, 240, -0.5f},
      {"left of a downward chord", 100, 300, 100, 432, 1, 2, 91, {100, 300}, {84, 366}, {100, 432}, 344, -1},
      {"right of a downward chord", 100, 300, 100, 432, -1, 2, 91, {100, 432}, {116, 366}, {100, 300}, 344, 0},
      {"HOUKOU 2 acts as 1", 100, 300, 320, 300, 2, 1, 181, {100, 300}, {210, 316}, {320, 300}, 316, -0.5f},
  };
  std::vector<std::function<void()>> calls;
  for (const Case& c : cases) calls.push_back([&c] { arc(c.x0, c.y0, c.x1, c.y1, 1, c.houkou, c.haba, "5"); });
  const auto kept = runEach(calls);
  for (std::size_t k = 0; k < kept.size(); ++k) {
    const Case& c = cases[k];
    SCOPED_TRACE(c.name);
    const auto d = dots(kept[k]);
    ASSERT_EQ(d.size(), c.count);
    expectNear(d.front(), c.first.x, c.first.y, "first dot");
    expectNear(d[c.count / 2], c.apex.x, c.apex.y, "middle dot");
    expectNear(d.back(), c.last.x, c.last.y, "last dot");
    expectNear({kept[k].zx0, kept[k].zy0}, c.apex.x, c.apex.y, "apex");
    EXPECT_NEAR(kept[k].y, c.labelTop, 1e-3);
    EXPECT_NEAR(kept[k].x - kept[k].llt, c.apex.x + c.labelLeftPerWidth * kept[k].llt, 1e-3);
  }
}

// Slanted chords, as the two scenes whose arcs rise from a factor above the line: the half-ellipse
// is turned onto the chord, its apex HEIGHT px out on the chosen side of the chord's middle, and
// every dot is the arc point at its parameter angle.
TEST(SpanArc, SlantedChordsTurnTheHalfEllipse) {
  struct Case {
    float x0, y0, x1, y1, houkou;
  } cases[] = {{100, 300, 300, 200, 1}, {100, 300, 300, 200, -1}, {300, 120, 180, 140, 1}, {420, 100, 400, 300, -1}};
  std::vector<std::function<void()>> calls;
  for (const Case& c : cases) calls.push_back([&c] { arc(c.x0, c.y0, c.x1, c.y1, 2, c.houkou, 10, "3"); });
  const auto kept = runEach(calls);
  for (std::size_t k = 0; k < kept.size(); ++k) {
    const Case& c = cases[k];
    SCOPED_TRACE(k);
    // The right-hand side, going from start to end as seen on the screen (y down), is (-dy, dx).
    const float len = std::hypot(c.x1 - c.x0, c.y1 - c.y0);
    const float nx = -(c.y1 - c.y0) / len * c.houkou, ny = (c.x1 - c.x0) / len * c.houkou;
    const float apexX = (c.x0 + c.x1) / 2 + 32 * nx, apexY = (c.y0 + c.y1) / 2 + 32 * ny;
    expectNear({kept[k].zx0, kept[k].zy0}, apexX, apexY, "apex");
    const auto d = dots(kept[k]);
    ASSERT_EQ(d.size(), 19u);
    expectNear(d.front(), c.houkou > 0 ? c.x0 : c.x1, c.houkou > 0 ? c.y0 : c.y1, "first dot");
    expectNear(d.back(), c.houkou > 0 ? c.x1 : c.x0, c.houkou > 0 ? c.y1 : c.y0, "last dot");
    expectNear(d[9], apexX, apexY, "middle dot");
    // The label stands outside the arc: its box's centre lies beyond the apex, away from the chord.
    const float centreX = kept[k].x - kept[k].llt / 2, centreY = kept[k].y + kept[k].dy;
    EXPECT_GT((centreX - apexX) * nx + (centreY - apexY) * ny, 0);
  }
  // Each dot is the arc point at its angle: 180, 190, ... 360 for the first case.
  std::vector<Point> points;
  opsOfEachCase({[&] {
    for (int i = 0; i <= 18; ++i) {
      ZX0 = 100, ZY0 = 300, ZX1 = 300, ZY1 = 200, TAKASA = 32, KAKUDO = 180.0f + 10 * i;
      ARCPOINT();
      points.push_back({ZX, ZY});
    }
  }});
  const auto d = dots(kept[0]);
  for (int i = 0; i <= 18; ++i) expectNear(d[i], points[i].x, points[i].y, "arc point");
}

// HOUKOU 0 bulges to the left-hand side like -1, but its label is not swapped outside.
TEST(SpanArc, HoukouZeroPutsTheLabelInsideTheArc) {
  const auto kept = runEach({[] { arc(100, 300, 320, 300, 1, 0, 1, "5"); }});
  expectNear({kept[0].zx0, kept[0].zy0}, 210, 284, "apex above");
  EXPECT_NEAR(kept[0].y, 284, 1e-3);  // top edge at the apex
}

TEST(SpanArc, FractionLabelIsABoxEightyHigh) {
  const auto kept = runEach({[] { arc(100, 300, 320, 300, 1, -1, 1, "ﾀ1/2ﾀ"); }});
  EXPECT_NEAR(kept[0].y, 204, 1e-3);
}

TEST(SpanArc, HeightRanges) {
  struct Case {
    float takasa, pixels;
  } cases[] = {{1, 16}, {0.5f, 8}, {2.5f, 40}, {16, 16}, {20, 20}, {60, 60}, {-15, 15}, {-40, 40}, {0, 0}};
  std::vector<std::function<void()>> calls;
  for (const Case& c : cases) calls.push_back([&c] { arc(100, 300, 320, 300, c.takasa, 1, 15); });
  const auto kept = runEach(calls);
  for (std::size_t k = 0; k < kept.size(); ++k) {
    SCOPED_TRACE(cases[k].takasa);
    EXPECT_EQ(kept[k].takasa, cases[k].pixels);
    EXPECT_NEAR(kept[k].zy0, 300 + cases[k].pixels, 1e-3);
    EXPECT_EQ(dots(kept[k]).size(), 13u);
  }
}

// A height left in TAKASA by the previous call is taken again: 8 px left by 0.5 means 128 px.
TEST(SpanArc, TheHeightLeftBehindIsInPixels) {
  const auto kept = runEach({[] { arc(100, 300, 320, 300, 0.5f, 1, 10); },
                             [] { arc(100, 300, 320, 300, TAKASA, 1, 10); }});
  EXPECT_EQ(kept[1].takasa, 128);
}

TEST(SpanArc, StraightDottedLineWithTheDotsCloserAtTheEnds) {
  const auto kept = runEach({[] { arc(100, 300, 280, 300, 0, 1, 10); }});
  const auto d = dots(kept[0]);
  ASSERT_EQ(d.size(), 19u);
  for (const Point& p : d) EXPECT_NEAR(p.y, 300, 1e-3);
  EXPECT_LT(d[1].x - d[0].x, d[9].x - d[8].x);
  EXPECT_NEAR(d[9].x, 190, 1e-3);
}

TEST(SpanArc, StepsThatDoNotDivideTheHalfTurn) {
  const auto kept = runEach({
      [] { arc(100, 300, 320, 300, 1, 1, 7); },
      [] { arc(100, 300, 320, 300, 1, -1, 7); },
      [] { arc(100, 300, 320, 300, 1, 1, 8); },
      [] { arc(100, 300, 320, 300, 1, 1, -5); },
  });
  auto d = dots(kept[0]);
  ASSERT_EQ(d.size(), 26u);
  expectNear(d.front(), 100, 300, "from the start");
  // 355 degrees: 5 degrees short of the end.
  expectNear(d.back(), 210 + 110 * std::cos(5 * 3.14159f / 180), 300 + 16 * std::sin(5 * 3.14159f / 180), "last");
  d = dots(kept[1]);
  ASSERT_EQ(d.size(), 26u);
  expectNear(d.front(), 320, 300, "from the end");
  // 175 degrees: the gap is at the start.
  expectNear(d.back(), 210 - 110 * std::cos(5 * 3.14159f / 180), 300 - 16 * std::sin(5 * 3.14159f / 180), "last");
  EXPECT_EQ(dots(kept[2]).size(), 23u);
  d = dots(kept[3]);
  ASSERT_EQ(d.size(), 1u);
  expectNear(d.front(), 100, 300, "one dot at the start");
}

// The lessons rely on it: an arc after a labelled one is unlabelled, the label was used up.
TEST(SpanArc, TheLabelIsUsedUp) {
  const auto kept = runEach({
      [] {
        AAAY = 20;
        MU_DO = 1;
        arc(100, 300, 320, 300, 1, 1, 15, "12");
      },
      [] {
        ZX0 = 100, ZY0 = 400, ZX1 = 320, ZY1 = 400;
        TAKASA = 1, HABA = 15;
        SPANARC();
      },
  });
  EXPECT_NEAR(kept[0].y, 336, 1e-3);
  EXPECT_FALSE(ofKind(kept[0].ops, OpKind::Text).empty());
  EXPECT_TRUE(ofKind(kept[1].ops, OpKind::Text).empty());
  EXPECT_NEAR(kept[1].y, 416, 1e-3);  // the position is still set
  EXPECT_EQ(AAA_S, "");
  EXPECT_EQ(AAAY, 0);
  EXPECT_EQ(MU_DO, 0);
  EXPECT_EQ(ITI, 0);
  EXPECT_EQ(NAGASA, 0);
}

// Degenerate calls no lesson makes: they return, draw no nonsense and still use up the label.
TEST(SpanArc, DegenerateCallsReturn) {
  const auto kept = runEach({
      [] { arc(100, 300, 320, 300, 1, 1, 0, "5"); },
      [] { arc(100, 300, 320, 300, 1, 1, 1e-6f); },
      [] { arc(150, 150, 150, 150, 1, 1, 1, "5"); },
  });
  ASSERT_EQ(dots(kept[0]).size(), 1u);
  EXPECT_EQ(dots(kept[1]).size(), 1u);
  EXPECT_TRUE(kept[2].ops.empty());
  expectNear({kept[2].zx0, kept[2].zy0}, 150, 150, "apex at the point");
  EXPECT_EQ(AAA_S, "");
}

}  // namespace
