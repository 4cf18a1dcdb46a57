// Arrowhead marks of parallel lines and tick marks of equal segments.
#include <gtest/gtest.h>

#include <vector>

#include "engine/marks.h"
#include "engine/platform/platform.h"
#include "engine/state.h"
#include "support/test_support.h"

namespace {

struct Segment {
  float x1, y1, x2, y2;
};

std::vector<Segment> lines(const HeadlessResult& run) {
  std::vector<Segment> found;
  for (const Op& op : drawn(run)) {
    EXPECT_EQ(op.kind, OpKind::Line);
    found.push_back({op.x1, op.y1, op.x2, op.y2});
  }
  return found;
}

void expectLines(const std::vector<Segment>& actual, const std::vector<Segment>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) {
    SCOPED_TRACE(testing::Message() << "line " << k + 1);
    EXPECT_NEAR(actual[k].x1, expected[k].x1, 1e-3);
    EXPECT_NEAR(actual[k].y1, expected[k].y1, 1e-3);
    EXPECT_NEAR(actual[k].x2, expected[k].x2, 1e-3);
    EXPECT_NEAR(actual[k].y2, expected[k].y2, 1e-3);
  }
}

// Lines of several calls made in one run, each call followed by PsCLS as a separator.
std::vector<std::vector<Segment>> linesByCall(const HeadlessResult& run) {
  std::vector<std::vector<Segment>> calls(1);
  for (const Op& op : drawn(run)) {
    if (op.kind == OpKind::Clear) {
      calls.emplace_back();
    } else {
      calls.back().push_back({op.x1, op.y1, op.x2, op.y2});
    }
  }
  calls.pop_back();
  return calls;
}

void segment(float ax, float ay, float bx, float by) {
  AX = ax;
  AY = ay;
  BX = bx;
  BY = by;
}

TEST(ParallelMarks, ThreeMarksPastTheMidpoint) {
  const HeadlessResult run = runRoutine([] {
    segment(100, 100, 300, 100);
    A = 1;
    B = 1;
    NAGASA = 10;
    HONSU = 3;
    CCC2 = 12;
    PARALLELMARKS();
  });
  expectLines(lines(run), {{206, 105, 216, 100}, {206, 95, 216, 100}, {222, 105, 232, 100},
                           {222, 95, 232, 100}, {238, 105, 248, 100}, {238, 95, 248, 100}});
  for (const Op& op : drawn(run)) {
    EXPECT_EQ(op.colour, 12);
    EXPECT_EQ(op.pen, 3);
  }
  EXPECT_EQ(DX, 1);
  EXPECT_EQ(DY, 0);
  EXPECT_EQ(D, 200);
  EXPECT_EQ(CX, 200);
  EXPECT_EQ(CY, 0);
  EXPECT_EQ(EX, 190);
  EXPECT_EQ(EY, 100);
  EXPECT_EQ(BX1, 248);
  EXPECT_EQ(BY1, 100);
  EXPECT_EQ(II, 4);
  EXPECT_EQ(HONSU, 3);
  EXPECT_EQ(NAGASA, 10);
}

TEST(ParallelMarks, PointFromFirstEndTowardsSecond) {
  const HeadlessResult run = runRoutine([] {
    segment(300, 100, 100, 100);
    A = 1;
    B = 1;
    NAGASA = 10;
    HONSU = 3;
    PARALLELMARKS();
  });
  const auto found = lines(run);
  ASSERT_EQ(found.size(), 6u);
  const float tips[] = {184, 168, 152};
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(found[2 * k].x2, tips[k], 1e-3);
    EXPECT_NEAR(found[2 * k].x1, tips[k] + 10, 1e-3);  // the arms reach back to the right
    EXPECT_NEAR(found[2 * k + 1].x2, tips[k], 1e-3);
  }
}

// A slanting segment: the arms leave the tip symmetrically, each NAGASA*sqrt(5)/2 long.
TEST(ParallelMarks, ArmsOnASlantingSegment) {
  const HeadlessResult run = runRoutine([] {
    segment(100, 100, 220, 260);  // length 200, direction (0.6, 0.8)
    A = 1;
    B = 3;
    NAGASA = 12;
    HONSU = 1;
    PARALLELMARKS();
  });
  // Ratio point (130, 140); tip 16 further on; the arms start 12 back from the tip, 6 to each side.
  expectLines(lines(run), {{127.6f, 146.8f, 139.6f, 152.8f}, {137.2f, 139.6f, 139.6f, 152.8f}});
  EXPECT_NEAR(BX1, 139.6f, 1e-3);
  EXPECT_NEAR(BY1, 152.8f, 1e-3);
}

TEST(ParallelMarks, RatioPointFromTheWeights) {
  static const std::pair<std::pair<float, float>, float> rows[] = {{{1, 3}, 166}, {{0, 1}, 116}, {{1, 0}, 316}, {{3, 1}, 266}};
  const HeadlessResult run = runRoutine([] {
    for (const auto& [weights, tip] : rows) {
      segment(100, 100, 300, 100);
      A = weights.first;
      B = weights.second;
      NAGASA = 10;
      HONSU = 1;
      PARALLELMARKS();
      PsCLS();
    }
  });
  const auto calls = linesByCall(run);
  ASSERT_EQ(calls.size(), std::size(rows));
  for (std::size_t k = 0; k < calls.size(); ++k) {
    ASSERT_EQ(calls[k].size(), 2u);
    EXPECT_NEAR(calls[k][0].x2, rows[k].second, 1e-3) << rows[k].first.first << ":" << rows[k].first.second;
  }
}

TEST(ParallelMarks, CountGuard) {
  // HONSU given, marks drawn, HONSU after
  static const float rows[][3] = {{0, 1, 1}, {-2, 1, 1}, {7, 1, 1}, {6.5f, 1, 1}, {2.5f, 2, 2.5f}, {6, 6, 6}, {1, 1, 1}};
  static std::vector<std::pair<float, float>> after;  // HONSU and II after each call
  const HeadlessResult run = runRoutine([] {
    for (const auto& row : rows) {
      segment(100, 100, 300, 100);
      A = 1;
      B = 1;
      NAGASA = 10;
      HONSU = row[0];
      PARALLELMARKS();
      after.emplace_back(HONSU, II);
      PsCLS();
    }
  });
  const auto calls = linesByCall(run);
  ASSERT_EQ(calls.size(), std::size(rows));
  for (std::size_t k = 0; k < calls.size(); ++k) {
    const auto& row = rows[k];
    SCOPED_TRACE(testing::Message() << "HONSU " << row[0]);
    EXPECT_EQ(calls[k].size(), 2 * static_cast<std::size_t>(row[1]));
    EXPECT_EQ(after[k].first, row[2]);
    EXPECT_EQ(after[k].second, row[1] + 1);
  }
  EXPECT_NEAR(calls[5].back().x2, 200 + 96, 1e-3);  // six marks: the last tip 96 past the ratio point
}

// A segment of no length, or weights that cancel, has no direction or ratio point: nothing is
// drawn and the run goes on.
TEST(ParallelMarks, DegenerateInputDrawsNothing) {
  const HeadlessResult run = runRoutine([] {
    segment(150, 150, 150, 150);
    A = 1;
    B = 1;
    NAGASA = 10;
    HONSU = 2;
    PARALLELMARKS();
    segment(100, 100, 300, 100);
    A = 1;
    B = -1;
    PARALLELMARKS();
    PsLINE(0, 0, 1, 1, 0);  // the run went on
  });
  EXPECT_FALSE(run.error);
  EXPECT_EQ(drawn(run).size(), 1u);
}

TEST(TickMarks, TwoTicksAcrossTheSegment) {
  const HeadlessResult run = runRoutine([] {
    segment(100, 100, 300, 100);
    NAGASA = 6;
    AIDA = 8;
    ITI = 0;
    HONSU = 2;
    CCC2 = 9;
    TICKMARKS();
  });
  expectLines(lines(run), {{208, 94, 208, 106}, {216, 94, 216, 106}});
  for (const Op& op : drawn(run)) EXPECT_EQ(op.colour, 9);
  EXPECT_EQ(AIDA, 24);
  EXPECT_EQ(AIDA1, 8);
  EXPECT_EQ(EX, 200);
  EXPECT_EQ(EY, 100);
  EXPECT_EQ(II, 3);
  EXPECT_EQ(NAGASA, 6);
  EXPECT_EQ(ITI, 0);
}

TEST(TickMarks, ShiftAndSpacing) {
  struct Row {
    float iti, aida;
    float first, second;
  };
  static const Row rows[] = {{-12, 8, 196, 204}, {0, 0, 208, 216}, {0, 31, 208, 216}, {0, 30, 230, 260}, {0, -8, 192, 184}};
  const HeadlessResult run = runRoutine([] {
    for (const Row& row : rows) {
      segment(100, 100, 300, 100);
      NAGASA = 6;
      AIDA = row.aida;
      ITI = row.iti;
      HONSU = 2;
      TICKMARKS();
      PsCLS();
    }
  });
  const auto calls = linesByCall(run);
  ASSERT_EQ(calls.size(), std::size(rows));
  for (std::size_t k = 0; k < calls.size(); ++k) {
    SCOPED_TRACE(testing::Message() << "ITI " << rows[k].iti << " AIDA " << rows[k].aida);
    ASSERT_EQ(calls[k].size(), 2u);
    EXPECT_NEAR(calls[k][0].x1, rows[k].first, 1e-3);
    EXPECT_NEAR(calls[k][1].x1, rows[k].second, 1e-3);
  }
}

// Ticks stand square to a slanting segment and are 2*NAGASA long.
TEST(TickMarks, SquareToASlantingSegment) {
  const HeadlessResult run = runRoutine([] {
    segment(100, 100, 220, 260);  // midpoint (160, 180), direction (0.6, 0.8)
    NAGASA = 5;
    AIDA = 10;
    ITI = 0;
    HONSU = 1;
    TICKMARKS();
  });
  expectLines(lines(run), {{166 + 4, 188 - 3, 166 - 4, 188 + 3}});
}

TEST(TickMarks, CountGuard) {
  // HONSU given, ticks drawn, HONSU after
  static const float rows[][3] = {{0, 1, 0}, {-1, 1, 1}, {7, 1, 1}, {3, 3, 3}, {6, 6, 6}};
  static std::vector<float> after;
  const HeadlessResult run = runRoutine([] {
    for (const auto& row : rows) {
      segment(100, 100, 300, 100);
      NAGASA = 6;
      AIDA = 8;
      HONSU = row[0];
      TICKMARKS();
      after.push_back(HONSU);
      PsCLS();
    }
  });
  const auto calls = linesByCall(run);
  ASSERT_EQ(calls.size(), std::size(rows));
  for (std::size_t k = 0; k < calls.size(); ++k) {
    SCOPED_TRACE(testing::Message() << "HONSU " << rows[k][0]);
    EXPECT_EQ(calls[k].size(), static_cast<std::size_t>(rows[k][1]));
    EXPECT_EQ(after[k], rows[k][2]);
  }
}

// AIDA comes back as (ticks + 1) * spacing; a second call that does not set it again uses that.
TEST(TickMarks, ASecondCallUsesTheSpacingTheFirstLeft) {
  const HeadlessResult run = runRoutine([] {
    segment(100, 100, 300, 100);
    NAGASA = 6;
    AIDA = 8;
    HONSU = 2;
    TICKMARKS();
    HONSU = 2;
    TICKMARKS();
    HONSU = 3;
    TICKMARKS();  // AIDA 72 is past the guard: back to 8
  });
  const auto found = lines(run);
  ASSERT_EQ(found.size(), 7u);
  const float xs[] = {208, 216, 224, 248, 208, 216, 224};
  for (int k = 0; k < 7; ++k) EXPECT_NEAR(found[k].x1, xs[k], 1e-3) << k;
}

TEST(TickMarks, DegenerateSegmentDrawsNothing) {
  const HeadlessResult run = runRoutine([] {
    segment(120, 80, 120, 80);
    NAGASA = 6;
    AIDA = 8;
    HONSU = 2;
    TICKMARKS();
  });
  EXPECT_FALSE(run.error);
  EXPECT_TRUE(drawn(run).empty());
}

}  // namespace
