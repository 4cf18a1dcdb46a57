// The worked solution of the second review drill for chosen problems: the two problems the
// lesson plans name, and every way a term can vanish. A collected coefficient of 0 drops its
// term from the collected and the substitution line, and with it the line of products; when
// both vanish the collected line 0 is the value. A product that is 0 because y is 0 keeps its
// place with its sign.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "ombrel_support.h"
#include "programs/common/scene.h"
#include "programs/ombrel/exprvalue.h"
#include "programs/ombrel/exprvalue_drills.h"
#include "programs/ombrel/globals.h"

namespace {

using ombrel_test::formulaAt;
using ombrel_test::stepWaits;

struct Problem {
  const char* name;
  float c1, p, q, c2, r, s, x, y;
  const char* lines[6];  // the problem, expanded, regrouped, collected, substitution, products
  int waits;
  float valueY;  // the line of the value, drawn in colour 5
};

void PrintTo(const Problem& p, std::ostream* os) { *os << p.name; }

// Draws the problem c1(px+qy)+c2(rx+sy) at (x, y) on the drill's area, as a pass of the drill
// does after its draws.
HeadlessResult drawProblem(const Problem& p) {
  return runRoutine([&] {
    common::clearWindow();
    ombrel::XI0 = 520;
    U_A(31) = 520;
    V_A(31) = 30;
    F_A(1) = p.c1, T_A(2) = p.p, T_A(3) = p.q, F_A(4) = p.c2, T_A(5) = p.r, T_A(6) = p.s;
    T_A(7) = p.c1 * p.p, T_A(8) = p.c1 * p.q, T_A(9) = p.c2 * p.r, T_A(10) = p.c2 * p.s;
    T_A(11) = T_A(7) + T_A(9), T_A(12) = T_A(8) + T_A(10);
    F_A(5) = p.x, F_A(6) = p.y;
    F_A(7) = T_A(11) * p.x, F_A(8) = T_A(12) * p.y, F_A(9) = F_A(7) + F_A(8);
    ombrel::TEXTSREVIEWXY();
    ombrel::DRAWREVIEWXY();
  }, std::string(8, 'x'), std::string("ombrel-review-") + p.name + ".png");
}

class OmbrelReviewXYTerms : public testing::TestWithParam<Problem> {};

TEST_P(OmbrelReviewXYTerms, LinesAsWorked) {
  const Problem& p = GetParam();
  const HeadlessResult run = drawProblem(p);
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  const float ys[6] = {140, 200, 260, 320, 430, 490};
  for (int k = 0; k < 6; ++k)
    EXPECT_EQ(formulaAt(ops, 0, ops.size(), 520, 1360, ys[k]), p.lines[k]) << "line at y " << ys[k];
  EXPECT_EQ(stepWaits(ops, 0, ops.size()), p.waits);
  // The value is the last thing drawn, in colour 5.
  const Op* last = nullptr;
  for (const Op& op : ops)
    if (op.kind == OpKind::Text && op.y1 < 600) last = &op;
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->colour, 5);
  EXPECT_EQ(last->y1, p.valueY);
  // What the x and y line says appears only when something is substituted.
  EXPECT_EQ(formulaAt(ops, 0, ops.size(), 560, 1360, 370).empty(), p.waits == 3);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OmbrelReviewXYTerms,
    testing::Values(
        Problem{"MinusOneTimes", -1, 1, -3, 1, -2, 4, 2, -1,
                {"-(x-3y)+(-2x+4y)", "=-x+3y-2x+4y", "=-x-2x+3y+4y", "=-3x+7y", "=-3*2+7*(-1)", "=-6-7=-13"}, 7, 490},
        Problem{"CoefficientOne", 2, 2, -3, -1, 3, -3, -2, 4,
                {"2(2x-3y)-(3x-3y)", "=4x-6y-3x+3y", "=4x-3x-6y+3y", "=x-3y", "=(-2)-3*4", "=-2-12=-14"}, 7, 490},
        Problem{"YCancels", 2, 1, 3, -3, -1, 2, 2, 3,
                {"2(x+3y)-3(-x+2y)", "=2x+6y+3x-6y", "=2x+3x+6y-6y", "=5x", "=5*2", "=10"}, 6, 490},
        Problem{"XCancels", 2, 3, -2, -1, 6, 3, 3, -2,
                {"2(3x-2y)-(6x+3y)", "=6x-4y-6x-3y", "=6x-6x-4y-3y", "=-7y", "=-7*(-2)", "=14"}, 6, 490},
        Problem{"XCancelsYAlone", 2, 3, 2, -1, 6, 3, 2, -3,
                {"2(3x+2y)-(6x+3y)", "=6x+4y-6x-3y", "=6x-6x+4y-3y", "=y", "=(-3)", "=-3"}, 6, 490},
        Problem{"BothCancel", 2, 3, 3, -1, 6, 6, 1, 2,
                {"2(3x+3y)-(6x+6y)", "=6x+6y-6x-6y", "=6x-6x+6y-6y", "=0", "", ""}, 3, 320},
        Problem{"YIsZero", 2, 2, 3, 1, 1, 2, -1, 0,
                {"2(2x+3y)+(x+2y)", "=4x+6y+x+2y", "=4x+x+6y+2y", "=5x+8y", "=5*(-1)+8*0", "=-5+0=-5"}, 7, 490},
        Problem{"YIsZeroMinusY", 2, 3, 2, -1, 2, 5, -1, 0,
                {"2(3x+2y)-(2x+5y)", "=6x+4y-2x-5y", "=6x-2x+4y-5y", "=4x-y", "=4*(-1)+0", "=-4+0=-4"}, 7, 490},
        Problem{"YIsZeroYAlone", 2, 3, 2, -1, 6, 5, -1, 0,
                {"2(3x+2y)-(6x+5y)", "=6x+4y-6x-5y", "=6x-6x+4y-5y", "=-y", "=0", "=0"}, 6, 490},
        Problem{"YIsZeroYCancels", 2, 1, 3, -3, -1, 2, -1, 0,
                {"2(x+3y)-3(-x+2y)", "=2x+6y+3x-6y", "=2x+3x+6y-6y", "=5x", "=5*(-1)", "=-5"}, 6, 490}),
    [](const testing::TestParamInfo<Problem>& info) { return std::string(info.param.name); });

}  // namespace
