// Directions of segments and rays, angle sizes, the right-angle mark and the arc point.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/figures.h"
#include "engine/state.h"
#include "engine/strings.h"
#include "test_figures_support.h"

namespace {

constexpr float ENGINE_PI = 3.14159f;
constexpr float DEG = ENGINE_PI / 180;

void segment(float x0, float y0, float x1, float y1) {
  ZX0 = x0;
  ZY0 = y0;
  ZX1 = x1;
  ZY1 = y1;
}

void rays(float x1, float y1, float x2, float y2, float side = 0) {
  ZX0 = 0;
  ZY0 = 0;
  ZX1 = x1;
  ZY1 = y1;
  ZX2 = x2;
  ZY2 = y2;
  ITI = side;
}

// Screen y grows downwards; the directions are counter-clockwise as seen, with PI = 3.14159.
TEST(SegDirection, AxisDirectionsAreExactQuartersOfTheEnginePi) {
  struct Case {
    float x, y, radians, degrees;
  } cases[] = {{10, 0, 0, 0}, {0, -10, 1.570795f, 90}, {-10, 0, 3.14159f, 180}, {0, 10, 4.712385f, 270}, {0, 0, 3.14159f, 180}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "to (" << c.x << "," << c.y << ")");
    segment(0, 0, c.x, c.y);
    SEGDIRECTION();
    EXPECT_FLOAT_EQ(HHP, c.radians);
    EXPECT_EQ(HH, c.degrees);
    EXPECT_EQ(PI, 3.14159f);
  }
}

// The exact arctangent mixed with the short PI puts diagonals a little off the whole degree.
TEST(SegDirection, DiagonalsCarryTheShortPi) {
  segment(0, 0, 10, 10);
  SEGDIRECTION();
  EXPECT_NEAR(HH, 315.00003, 0.00002);
  EXPECT_GT(HH, 315);
  segment(0, 0, 10, -10);
  SEGDIRECTION();
  EXPECT_NEAR(HH, 44.99996, 0.00002);
  EXPECT_LT(HH, 45);
  segment(50, 50, 40, 40);  // up and left: 135 degrees, from any start
  SEGDIRECTION();
  EXPECT_NEAR(HH, 135, 0.0001);
}

TEST(RayAngles, RaysArcEndsAndBisector) {
  struct Case {
    float x1, y1, x2, y2, side;
    float hh3, hh4, hh1, hh2, bisectorDegrees;
  } cases[] = {
      {10, 0, 0, -10, 0, 0, 90, 1, 0.75f, 45},
      {10, 0, 0, -10, 1, 0, 90, 1, 0.75f, 45},     // only -1 swaps
      {10, 0, 0, -10, -1, 90, 0, 0.75f, 1, 225},   // swapped: the other side of the vertex
      {0, 10, -10, 0, 0, 270, 180, 0.25f, 0.5f, 405},  // across the x direction: not brought below 360
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " / " << c.x2 << "," << c.y2 << " side " << c.side);
    rays(c.x1, c.y1, c.x2, c.y2, c.side);
    RAYANGLES();
    EXPECT_NEAR(HH3, c.hh3 * DEG, 1e-6);
    EXPECT_NEAR(HH4, c.hh4 * DEG, 1e-6);
    EXPECT_NEAR(HH1, c.hh1, 1e-6);
    EXPECT_NEAR(HH2, c.hh2, 1e-6);
    EXPECT_NEAR(HH5, c.bisectorDegrees * DEG, 1e-5);
    EXPECT_EQ(ITI, c.side);  // left for the caller to reset
  }
}

TEST(RayAngles, BisectorOfANarrowAngleAcrossTheRightPointsRight) {
  rays(std::cos(350 * DEG) * 100, -std::sin(350 * DEG) * 100, std::cos(10 * DEG) * 100, -std::sin(10 * DEG) * 100);
  RAYANGLES();
  EXPECT_NEAR(HH5 / DEG, 360, 0.001);
}

TEST(RayAngles, HhpKeepsTheSecondRayBeforeTheSwap) {
  rays(10, 0, 0, -10, -1);
  RAYANGLES();
  EXPECT_FLOAT_EQ(HHP, 90 * DEG);
  EXPECT_FLOAT_EQ(HH3, 90 * DEG);
}

TEST(AngleDegrees, SizeAsTextWithOneDecimal) {
  struct Case {
    float x1, y1, x2, y2, side;
    const char* text;
  } cases[] = {
      {10, 0, 0, -10, 0, "90"},    {10, 0, 0, -10, -1, "270"}, {0, -10, 10, 0, 0, "270"},
      {10, 0, -10, -10, 0, "135"}, {10, 0, 20, 0, 0, "0"},     {10, 0, 10, -10, 0, "45"},
      {10, 0, 10, -5, 0, "26.6"},  // arctan(1/2) = 26.565 degrees, made whole in tenths
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    rays(c.x1, c.y1, c.x2, c.y2, c.side);
    ANGLEDEGREES();
    EXPECT_EQ(KAKUDO_S, c.text);
    EXPECT_EQ(A_S, c.text);
    EXPECT_EQ(ITI, c.side);
  }
}

TEST(AngleDegrees, LeavesTheUnroundedSizeAndTheRaisedSecondRay) {
  rays(0, -10, 10, 0);  // ray 1 up, ray 2 right: 270 degrees counter-clockwise
  ANGLEDEGREES();
  EXPECT_NEAR(HH, 270, 0.0001);
  EXPECT_NEAR(HH5, 270 * DEG, 1e-5);
  EXPECT_NEAR(HH4, 2 * ENGINE_PI, 1e-6);
}

TEST(RightAngle, DrawsTheCornerMarkAsOnePolyline) {
  std::vector<Point> corners;
  const auto each = opsOfEachCase({
      [] {
        ZX0 = 100, ZY0 = 100, ZX1 = 200, ZY1 = 100, ZX2 = 100, ZY2 = 0;
        NAGASA = 12;
        CCC2 = 4;
        RIGHTANGLE();
      },
      [&] {  // the rays swapped draw the same three points
        corners = {{ZX3, ZY3}, {ZX5, ZY5}, {ZX4, ZY4}};
        ZX0 = 100, ZY0 = 100, ZX1 = 200, ZY1 = 100, ZX2 = 100, ZY2 = 0;
        ITI = -1;
        RIGHTANGLE();
      },
  });
  ASSERT_EQ(each[0].size(), 1u);
  const Op& mark = each[0][0];
  EXPECT_EQ(mark.kind, OpKind::Polyline);
  EXPECT_EQ(mark.colour, 4);
  const Point expected[] = {{112, 100}, {112, 88}, {100, 88}};
  ASSERT_EQ(mark.points.size(), 3u);
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(mark.points[k].x, expected[k].x, 1e-3) << k;
    EXPECT_NEAR(mark.points[k].y, expected[k].y, 1e-3) << k;
    EXPECT_NEAR(corners[k].x, expected[k].x, 1e-3) << k;
    EXPECT_NEAR(corners[k].y, expected[k].y, 1e-3) << k;
  }
  ASSERT_EQ(each[1].size(), 1u);
  const Point swapped[] = {{100, 88}, {112, 88}, {112, 100}};
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(each[1][0].points[k].x, swapped[k].x, 1e-3) << k;
    EXPECT_NEAR(each[1][0].points[k].y, swapped[k].y, 1e-3) << k;
  }
}

TEST(ArcPoint, PointsOfTheArcAtParameterAngles) {
  struct Case {
    float height, angle, x, y;
  } cases[] = {{16, 270, 210, 316}, {16, 90, 210, 284}, {16, 180, 100, 300}, {16, 0, 320, 300}, {-16, 270, 210, 284}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "height " << c.height << " angle " << c.angle);
    segment(100, 300, 320, 300);
    TAKASA = c.height;
    KAKUDO = c.angle;
    ARCPOINT();
    EXPECT_NEAR(ZX, c.x, 1e-3);
    EXPECT_NEAR(ZY, c.y, 1e-3);
    EXPECT_EQ(ZX0, 100);  // the start stays
    EXPECT_EQ(ZX11, 100);
    EXPECT_EQ(ZX12, 320);
    EXPECT_EQ(TAKASA, c.height);  // taken as it is: no scaling, no change of sign
  }
}

TEST(ArcPoint, TurnsWithTheChord) {
  segment(100, 300, 100, 432);  // downwards: the right-hand side of the chord is to the left
  TAKASA = 16;
  KAKUDO = 270;
  ARCPOINT();
  EXPECT_NEAR(ZX, 84, 1e-3);
  EXPECT_NEAR(ZY, 366, 1e-3);
}

// Equal start and end used to divide by a half chord of 0: the point is the start itself.
TEST(ArcPoint, EqualEndsGiveTheStartPoint) {
  segment(50, 60, 50, 60);
  TAKASA = 16;
  KAKUDO = 270;
  ARCPOINT();
  EXPECT_EQ(ZX, 50);
  EXPECT_EQ(ZY, 60);
}

}  // namespace
