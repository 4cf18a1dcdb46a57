// Angle marks: concentric arcs or a filled sector at a vertex, with a label on the bisector.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/marks.h"
#include "engine/platform/platform.h"
#include "engine/state.h"
#include "engine/strings.h"
#include "support/test_support.h"

namespace {

constexpr float ENGINE_PI = 3.14159f;

// The quarter turn between a ray to the right and a ray up from (200, 200).
void quarterTurn() {
  ZX0 = 200;
  ZY0 = 200;
  ZX1 = 300;
  ZY1 = 200;
  ZX2 = 200;
  ZY2 = 100;
}

std::vector<Op> circles(const std::vector<Op>& ops) {
  std::vector<Op> found;
  for (const Op& op : ops)
    if (op.kind == OpKind::Circle) found.push_back(op);
  return found;
}

std::vector<Op> texts(const std::vector<Op>& ops) {
  std::vector<Op> found;
  for (const Op& op : ops)
    if (op.kind == OpKind::Text) found.push_back(op);
  return found;
}

// The operations of several calls made in one run, each call followed by PsCLS.
std::vector<std::vector<Op>> opsByCall(const HeadlessResult& run) {
  std::vector<std::vector<Op>> calls(1);
  for (const Op& op : drawn(run)) {
    if (op.kind == OpKind::Clear) {
      calls.emplace_back();
    } else {
      calls.back().push_back(op);
    }
  }
  calls.pop_back();
  return calls;
}

TEST(AngleArcs, TwoArcsInTheQuarterTurnAndTheLabelAboveRight) {
  static float pen;
  const HeadlessResult run = runRoutine([] {
    FE_SETDRAWWIDTH(2);
    quarterTurn();
    ITI = 0;
    HONSU = 2;
    NAGASA = 40;
    CCC3 = 4;
    CCC1 = 1;
    AAA_S = "x";
    ANGLEARCS();
    pen = FE_GETDRAWWIDTH();
  });
  ASSERT_FALSE(run.error);
  const auto ops = drawn(run);
  const auto arcs = circles(ops);
  ASSERT_EQ(arcs.size(), 2u);
  const float radii[] = {32, 24};
  for (int k = 0; k < 2; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(arcs[k].cx, 200);
    EXPECT_EQ(arcs[k].cy, 200);
    EXPECT_EQ(arcs[k].radius, radii[k]);
    EXPECT_EQ(arcs[k].start, 0.75f);
    EXPECT_EQ(arcs[k].end, 1);
    EXPECT_FALSE(arcs[k].filled);
    EXPECT_EQ(arcs[k].colour, 4);
    EXPECT_EQ(arcs[k].pen, 2);
  }
  EXPECT_EQ(pen, 2);
  EXPECT_EQ(HH1, 1);
  EXPECT_EQ(HH2, 0.75f);
  EXPECT_FLOAT_EQ(HH5, ENGINE_PI / 4);
  EXPECT_EQ(PI, ENGINE_PI);
  EXPECT_EQ(NAGASA1, 24);
  EXPECT_EQ(II, 3);
  EXPECT_EQ(HONSU, 2);

  // The label comes after the arcs, in CCC1, its box touching the point 40 out on the bisector.
  ASSERT_EQ(ops.back().kind, OpKind::Text);
  EXPECT_EQ(ops.back().colour, 1);
  const float h = ENGINE_PI / 4;
  EXPECT_NEAR(Y, 200 - 40 * std::sin(h) - 44 * (std::sin(h) / 2 + 0.5f), 1e-3);
  EXPECT_NEAR(X - LLT, 200 + 40 * std::cos(h) + LLT * (std::cos(h) / 2 - 0.5f), 1e-3);
  EXPECT_GT(LLT, 0);
  EXPECT_EQ(DY, 22);

  // One-shot parameters are used up.
  EXPECT_EQ(NAGASA, 0);
  EXPECT_EQ(ITI, 0);
  EXPECT_EQ(AAA_S, "");
  EXPECT_EQ(AAAX, 0);
  EXPECT_EQ(AAAY, 0);
  EXPECT_EQ(MU_DO, 0);
}

// Swapping the rays, by ITI = -1 or by their order, marks the other three quarters.
TEST(AngleArcs, SwappedRaysMarkTheOtherSide) {
  static std::vector<float> bisectors;
  static std::vector<float> labelY;
  const HeadlessResult run = runRoutine([] {
    quarterTurn();
    ITI = -1;
    HONSU = 1;
    NAGASA = 40;
    AAA_S = "a";
    ANGLEARCS();
    bisectors.push_back(HH5);
    labelY.push_back(Y);
    PsCLS();

    quarterTurn();
    std::swap(ZX1, ZX2);
    std::swap(ZY1, ZY2);
    HONSU = 1;
    NAGASA = 40;
    AAA_S = "a";
    ANGLEARCS();
    bisectors.push_back(HH5);
    labelY.push_back(Y);
    PsCLS();
  });
  const auto calls = opsByCall(run);
  ASSERT_EQ(calls.size(), 2u);
  for (int k = 0; k < 2; ++k) {
    SCOPED_TRACE(k);
    const auto arcs = circles(calls[k]);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].start, 1);
    EXPECT_EQ(arcs[0].end, 0.75f);
    EXPECT_FLOAT_EQ(bisectors[k], 5 * ENGINE_PI / 4);
    EXPECT_GT(labelY[k], 200);  // below the vertex
    const auto labels = texts(calls[k]);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_LT(labels[0].x1, 200);  // and left of it
  }
}

TEST(AngleArcs, ArcCountGuard) {
  struct Row {
    float honsu, nagasa;
    std::vector<float> radii;
    float honsuAfter;
  };
  static const std::vector<Row> rows = {
      {7, 40, {32}, 1},
      {0.5f, 40, {32}, 0.5f},
      {6, 60, {52, 44, 36, 28, 20, 12}, 6},
      {3.9f, 50, {42, 34, 26}, 3.9f},
  };
  static std::vector<float> after;
  const HeadlessResult run = runRoutine([] {
    for (const Row& row : rows) {
      quarterTurn();
      HONSU = row.honsu;
      NAGASA = row.nagasa;
      ANGLEARCS();
      after.push_back(HONSU);
      PsCLS();
    }
  });
  const auto calls = opsByCall(run);
  ASSERT_EQ(calls.size(), rows.size());
  for (std::size_t k = 0; k < rows.size(); ++k) {
    SCOPED_TRACE(testing::Message() << "HONSU " << rows[k].honsu);
    const auto arcs = circles(calls[k]);
    ASSERT_EQ(arcs.size(), rows[k].radii.size());
    for (std::size_t j = 0; j < arcs.size(); ++j) EXPECT_EQ(arcs[j].radius, rows[k].radii[j]);
    EXPECT_EQ(after[k], rows[k].honsuAfter);
    EXPECT_TRUE(texts(calls[k]).empty());  // no label asked for
  }
}

// HONSU 0 or below asks for a filled sector of the full radius instead of arcs.
TEST(AngleArcs, FilledSector) {
  const HeadlessResult run = runRoutine([] {
    for (const float honsu : {0.0f, -1.0f}) {
      quarterTurn();
      HONSU = honsu;
      NAGASA = 40;
      CCC2 = 0;
      CCC3 = 13;
      ANGLEARCS();
      PsCLS();
    }
  });
  const auto calls = opsByCall(run);
  ASSERT_EQ(calls.size(), 2u);
  for (const auto& call : calls) {
    const auto shapes = circles(call);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].radius, 40);
    EXPECT_TRUE(shapes[0].filled);
    EXPECT_EQ(shapes[0].colour, 0);
    EXPECT_EQ(shapes[0].fill, 13);
    EXPECT_EQ(shapes[0].start, 0.75f);
    EXPECT_EQ(shapes[0].end, 1);
  }
}

// A second call that sets only the points finds NAGASA and the label used up: the label of the
// first call is not drawn again, and the arcs shrink to the vertex.
TEST(AngleArcs, ASecondCallFindsTheOneShotParametersReset) {
  static float secondII;
  const HeadlessResult run = runRoutine([] {
    quarterTurn();
    HONSU = 2;
    NAGASA = 40;
    AAA_S = "x";
    AAAX = 5;
    ANGLEARCS();
    PsCLS();
    ZX1 = 100;  // now the ray to the left
    ANGLEARCS();
    secondII = II;
    PsCLS();
  });
  const auto calls = opsByCall(run);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(texts(calls[0]).size(), 1u);
  EXPECT_TRUE(texts(calls[1]).empty());
  EXPECT_EQ(circles(calls[1]).size(), 2u);
  EXPECT_EQ(NAGASA1, -16);
  EXPECT_EQ(secondII, 3);
}

// The label as plain text, and a stacked-fraction label with its taller box.
TEST(AngleArcs, PlainAndFractionLabels) {
  static float plainMuDo;
  static float fractionDY;
  static float fractionY;
  const HeadlessResult run = runRoutine([] {
    quarterTurn();
    HONSU = 1;
    NAGASA = 40;
    MU_DO = 1;
    AAA_S = "12";
    ANGLEARCS();
    plainMuDo = MU_DO;
    PsCLS();

    quarterTurn();
    ZX1 = 100;  // rays up and left: the bisector points up and to the left
    std::swap(ZX1, ZX2);
    std::swap(ZY1, ZY2);
    HONSU = 1;
    NAGASA = 40;
    AAA_S = "ﾀ1/2ﾀ";
    ANGLEARCS();
    fractionDY = DY;
    fractionY = Y;
    PsCLS();
  });
  const auto calls = opsByCall(run);
  ASSERT_EQ(calls.size(), 2u);
  const auto plain = texts(calls[0]);
  ASSERT_FALSE(plain.empty());
  EXPECT_TRUE(plain[0].bold);  // plain text is bold
  EXPECT_EQ(plainMuDo, 0);
  EXPECT_EQ(fractionDY, 40);
  const float h = 3 * ENGINE_PI / 4;
  EXPECT_NEAR(fractionY, 200 - 40 * std::sin(h) - 80 * (std::sin(h) / 2 + 0.5f), 1e-3);
  EXPECT_FALSE(texts(calls[1]).empty());
}

// Points on top of the vertex give a direction of their own and no fault.
TEST(AngleArcs, RayPointOnTheVertex) {
  const HeadlessResult run = runRoutine([] {
    quarterTurn();
    ZX1 = ZX0;
    ZY1 = ZY0;
    HONSU = 1;
    NAGASA = 30;
    AAA_S = std::string("A");  // a move: GCC 12 warns wrongly (-Wrestrict) on this literal assignment here
    ANGLEARCS();
  });
  EXPECT_FALSE(run.error);
  EXPECT_EQ(circles(drawn(run)).size(), 1u);
}

}  // namespace
