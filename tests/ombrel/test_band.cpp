// The band-formation figure: its members, the arrow, the pens, and the figure staying the same
// however often a lesson visits it.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/engine.h"
#include "ombrel_support.h"

namespace {

using namespace ombrel_test;

struct Dot {
  float x, y;
  int colour, pen;
  bool operator==(const Dot&) const = default;
  bool operator<(const Dot& o) const { return std::tie(x, y, colour, pen) < std::tie(o.x, o.y, o.colour, o.pen); }
};

// The members drawn by each visit of the scene, in drawing order.
std::vector<std::vector<Dot>> visits(const std::vector<Op>& ops) {
  std::vector<std::vector<Dot>> all;
  for (const Op& op : ops) {
    // Every clear of the window starts a new picture; the menu's pictures hold no members.
    if (op.kind == OpKind::FilledBox && op.x1 == 0 && op.y1 == 0 && op.x2 == 1760) {
      if (all.empty() || !all.back().empty()) all.emplace_back();
    }
    if (op.kind == OpKind::Circle && op.radius == 10 && !all.empty()) {
      EXPECT_TRUE(op.filled);
      all.back().push_back({op.cx, op.cy, op.colour, op.pen});
    }
  }
  if (!all.empty() && all.back().empty()) all.pop_back();
  return all;
}

std::string visitKeys(int times) {
  std::string keys = "2\n";
  for (int k = 0; k < times; ++k) keys += "1\n" + steps(5);
  return keys;
}

TEST(OmbrelBand, BlockArrowAndTurnedSquare) {
  const HeadlessResult run = runOmbrel(visitKeys(1), "00:00:00", "ombrel-band.png");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  const auto figure = visits(ops);
  ASSERT_EQ(figure.size(), 1u);
  const std::vector<Dot>& dots = figure[0];
  ASSERT_EQ(dots.size(), 24u + 1u + 25u + 1u);
  // 4 rows of 6 from the bottom row up, with the pen of start-up, and the extra member.
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 6; ++col)
      EXPECT_EQ(dots[static_cast<std::size_t>(row * 6 + col)], (Dot{200.0f + 35 * col, 235.0f - 35 * row, 0, 3}));
  EXPECT_EQ(dots[24], (Dot{410, 182.5f, 5, 3}));
  // The square turned by 45 degrees, with the pen of 5, and the extra member over its right corner.
  for (int jj = 1; jj <= 5; ++jj)
    for (int ii = 1; ii <= 5; ++ii)
      EXPECT_EQ(dots[static_cast<std::size_t>(25 + (jj - 1) * 5 + ii - 1)],
                (Dot{565.0f + 25 * (ii + jj - 2), 190.0f + 25 * (ii - jj), 0, 5}));
  EXPECT_EQ(dots[50], (Dot{765, 190, 5, 5}));
  // The arrow: a line in colour 7 with the pen of 10 and an open head at its right end.
  std::vector<std::array<float, 4>> strokes;
  for (const Op& op : ops)
    if (op.kind == OpKind::Line && op.colour == 7 && op.pen == 10) strokes.push_back({op.x1, op.y1, op.x2, op.y2});
  ASSERT_FALSE(strokes.empty());
  EXPECT_EQ(strokes[0], (std::array<float, 4>{445, 182.5f, 517, 182.5f}));
  auto touches = [&](float x, float y) {
    for (const auto& s : strokes)
      if ((s[0] == x && s[1] == y) || (s[2] == x && s[3] == y)) return true;
    return false;
  };
  EXPECT_TRUE(touches(501, 174.5f));
  EXPECT_TRUE(touches(501, 190.5f));
}

// The scene leaves the pen at 5: the next table's cell frames are drawn with it.
TEST(OmbrelBand, LeavesThePenAtFiveForTheNextScene) {
  const HeadlessResult run = runOmbrel("2\n1\n" + steps(5) + "2\n" + steps(1));
  const std::vector<Op> ops = drawn(run);
  const auto cells = filledBoxes(ops, 130, 150, 250, 210, 13);
  ASSERT_EQ(cells.size(), 1u);
  EXPECT_EQ(ops[cells[0]].pen, 5);
}

// Visiting the figure converts its grid units to pixels afresh each time, so a lesson can show
// it a hundred times: never the error screen, and the last picture is the second one.
TEST(OmbrelBand, AHundredVisitsDrawTheSameFigure) {
  const HeadlessResult run = runOmbrel(visitKeys(100));
  ASSERT_FALSE(run.error) << "error screen at line " << run.error->line;
  const auto figure = visits(drawn(run));
  ASSERT_EQ(figure.size(), 100u);
  EXPECT_EQ(figure[99], figure[1]);
  // Only the first visit draws the block with the pen of start-up.
  EXPECT_EQ(figure[0][0].pen, 3);
  EXPECT_EQ(figure[1][0].pen, 5);
  // Points the figure never uses stay at the pixels of grid unit 0.
  EXPECT_EQ(X_A(9), 200);
  EXPECT_EQ(Y_A(9), 270);
  EXPECT_EQ(Y_A(19), 290);
}

}  // namespace
