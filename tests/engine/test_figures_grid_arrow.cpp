// The graph-paper grid layout and the arrow.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/figures.h"
#include "engine/platform/platform.h"
#include "engine/state.h"
#include "test_figures_support.h"

namespace {

void grid(float ggx, float ggy, float yoko, float tate, float size, float colour) {
  GGX = ggx, GGY = ggy, YOKO = yoko, TATE = tate, SIZE = size, CCC2 = colour;
  SQUAREGRID();
}

TEST(SquareGrid, LayoutOnlyForColour15) {
  float pen = 0;
  const auto each = opsOfEachCase({[&] {
    FE_SETDRAWWIDTH(6);
    CCC3 = 2;
    grid(200, 95, 7, 5, 35, 15);
    pen = FE_GETDRAWWIDTH();
  }});
  EXPECT_TRUE(each[0].empty());
  EXPECT_EQ(pen, 6);
  EXPECT_EQ(CCC3, 2);
  EXPECT_EQ(GX0, 200);
  EXPECT_EQ(GX1, 200);
  EXPECT_EQ(GY1, 95);
  EXPECT_EQ(GX2, 445);
  EXPECT_EQ(GY0, 270);
  EXPECT_EQ(GY2, 270);
}

TEST(SquareGrid, LayoutsOfThePrograms) {
  struct Case {
    float ggx, ggy, yoko, tate, size, gx2, gy2;
  } cases[] = {{200, 95, 7, 5, 35, 445, 270}, {565, 90, 8, 8, 25, 765, 290}, {704, 80, 10, 10, 40, 1104, 480},
               {880, 90, 8, 11, 40, 1200, 530}};
  for (const Case& c : cases) {
    grid(c.ggx, c.ggy, c.yoko, c.tate, c.size, 15);
    EXPECT_EQ(GX2, c.gx2);
    EXPECT_EQ(GY2, c.gy2);
    EXPECT_EQ(GX0, c.ggx);
    EXPECT_EQ(GY0, c.gy2);
  }
  // A lattice point 3 cells right and 2 up of the pond figure's origin.
  grid(704, 80, 10, 10, 40, 15);
  EXPECT_EQ(GX0 + SIZE * 3, 824);
  EXPECT_EQ(GY0 - SIZE * 2, 400);
}

struct Line {
  float x1, y1, x2, y2;
  int pen, colour;
};

std::vector<Line> lines(const std::vector<Op>& ops) {
  std::vector<Line> found;
  for (const Op& op : ofKind(ops, OpKind::Line)) found.push_back({op.x1, op.y1, op.x2, op.y2, op.pen, op.colour});
  return found;
}

// Heavy lines every fifth from the origin (the left and bottom edges); verticals first.
TEST(SquareGrid, DrawnLinesHeavyEveryFifthFromTheOrigin) {
  float pen = 0;
  const auto each = opsOfEachCase({[&] {
    FE_SETDRAWWIDTH(4);
    grid(100, 50, 7, 11, 20, 0);
    pen = FE_GETDRAWWIDTH();
  }});
  const auto l = lines(each[0]);
  ASSERT_EQ(l.size(), 8u + 12u);
  for (int i = 0; i <= 7; ++i) {
    SCOPED_TRACE(testing::Message() << "vertical " << i);
    const bool heavy = i == 0 || i == 5;
    EXPECT_EQ(l[i].x1, 100 + 20 * i);
    EXPECT_EQ(l[i].x2, 100 + 20 * i);
    EXPECT_EQ(l[i].y1, 50);
    EXPECT_EQ(l[i].y2, 270);
    EXPECT_EQ(l[i].pen, heavy ? 3 : 1);
    EXPECT_EQ(l[i].colour, heavy ? 14 : 0);
  }
  for (int j = 0; j <= 11; ++j) {
    SCOPED_TRACE(testing::Message() << "horizontal " << j);
    const Line& h = l[8 + j];
    const bool heavy = j % 5 == 0;
    EXPECT_EQ(h.y1, 270 - 20 * j);
    EXPECT_EQ(h.y2, 270 - 20 * j);
    EXPECT_EQ(h.x1, 100);
    EXPECT_EQ(h.x2, 240);
    EXPECT_EQ(h.pen, heavy ? 3 : 1);
    EXPECT_EQ(h.colour, heavy ? 14 : 0);
  }
  EXPECT_EQ(CCC3, 14);
  EXPECT_EQ(pen, 4);
}

TEST(SquareGrid, EmptyBlocksDrawOneEdge) {
  const auto each = opsOfEachCase({[] { grid(100, 50, 0, 3, 20, 0); }, [] { grid(100, 50, 3, 0, 20, 0); }});
  EXPECT_EQ(lines(each[0]).size(), 1u + 4u);
  EXPECT_EQ(lines(each[1]).size(), 4u + 1u);
  EXPECT_EQ(GY2, GY1);
}

// ---- ARROW -----------------------------------------------------------------------------------

struct ArrowCall {
  float x0, y0, x, y, muki, ya;
};

void arrow(const ArrowCall& c) {
  ZX0 = c.x0, ZY0 = c.y0, ZX = c.x, ZY = c.y;
  MUKI = c.muki;
  YA = c.ya;
  NAGASA = 16;
  CCC2 = 7;
  ARROW();
}

void expectLine(const Line& l, float x1, float y1, float x2, float y2) {
  EXPECT_NEAR(l.x1, x1, 1e-4);
  EXPECT_NEAR(l.y1, y1, 1e-4);
  EXPECT_NEAR(l.x2, x2, 1e-4);
  EXPECT_NEAR(l.y2, y2, 1e-4);
  EXPECT_EQ(l.colour, 7);
}

TEST(Arrow, HeadOnTheSecondEnd) {
  const auto each = opsOfEachCase({[] { arrow({100, 100, 200, 100, 1, 0}); }});
  const auto l = lines(each[0]);
  ASSERT_EQ(l.size(), 3u);
  expectLine(l[0], 100, 100, 200, 100);  // shaft from the tail to the tip
  expectLine(l[1], 184, 108, 200, 100);
  expectLine(l[2], 184, 92, 200, 100);
  EXPECT_EQ(ZX0, 200);
  EXPECT_EQ(ZX, 100);
  EXPECT_EQ(MUKI, 0);
  EXPECT_EQ(NAGASA, 16);
}

TEST(Arrow, HeadOnTheFirstEnd) {
  const auto each = opsOfEachCase({[] { arrow({100, 100, 200, 100, -1, 0}); }});
  const auto l = lines(each[0]);
  ASSERT_EQ(l.size(), 3u);
  expectLine(l[1], 116, 92, 100, 100);
  expectLine(l[2], 116, 108, 100, 100);
  EXPECT_EQ(ZX0, 100);
  EXPECT_EQ(ZX, 200);
  EXPECT_EQ(MUKI, 0);
}

TEST(Arrow, UpwardsAndTheHeadsStrokes) {
  const auto each = opsOfEachCase({[] { arrow({300, 420, 300, 360, 1, 1}); }});
  const auto l = lines(each[0]);
  ASSERT_EQ(l.size(), 3u);
  expectLine(l[1], 308, 376, 300, 360);
  expectLine(l[2], 292, 376, 300, 360);
  EXPECT_EQ(YA, 1);  // only 2 is consumed
}

TEST(Arrow, BothHeads) {
  const ArrowCall calls[] = {{100, 100, 200, 100, 1, 2}, {100, 100, 200, 100, -1, 2}};
  for (const ArrowCall& call : calls) {
    SCOPED_TRACE(call.muki);
    const auto each = opsOfEachCase({[&] { arrow(call); }});
    const auto l = lines(each[0]);
    ASSERT_EQ(l.size(), 6u);
    std::vector<float> tips = {l[1].x2, l[4].x2};
    std::sort(tips.begin(), tips.end());
    EXPECT_EQ(tips, (std::vector<float>{100, 200}));
    EXPECT_EQ(YA, 0);
    EXPECT_EQ(MUKI, 0);
    EXPECT_EQ(ZX0, l[4].x2);  // the end that received the second head
  }
}

TEST(Arrow, HeadLongerThanTheShaftAndNoHead) {
  const auto each = opsOfEachCase({[] {
                                     ZX0 = 100, ZY0 = 100, ZX = 110, ZY = 100, MUKI = 1, NAGASA = 16, CCC2 = 7;
                                     ARROW();
                                   },
                                   [] {
                                     ZX0 = 100, ZY0 = 100, ZX = 200, ZY = 100, MUKI = 1, NAGASA = 0, CCC2 = 7;
                                     ARROW();
                                   }});
  auto l = lines(each[0]);
  expectLine(l[1], 94, 108, 110, 100);
  l = lines(each[1]);
  expectLine(l[1], 200, 100, 200, 100);
  expectLine(l[2], 200, 100, 200, 100);
}

// Equal ends leave the head without a direction: its strokes shrink to the point.
TEST(Arrow, EqualEndsDrawNoHead) {
  const auto each = opsOfEachCase({[] { arrow({150, 150, 150, 150, 1, 2}); }});
  for (const Line& l : lines(each[0])) expectLine(l, 150, 150, 150, 150);
  EXPECT_EQ(D, 0);
  EXPECT_EQ(YA, 0);
}

}  // namespace
