// The random problems of section 4 over many seeds: the ranges of every draw, the rule that
// keeps a task's key number from repeating, the values each problem computes, and the texts of
// the second review drill's sign forms.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>

#include "engine/engine.h"
#include "programs/ombrel/exprvalue_drills.h"
#include "support/over_seeds.h"
#include "support/test_names.h"

namespace {

using namespace ombrel;

// Problems in a row from each seed. The checks of how often each number comes up need some
// 10,000 draws, in every build: the sweeps take every seed the clock can give.
constexpr int PROBLEMS = 71;
const int DRAWS = static_cast<int>(allSeeds().size()) * PROBLEMS;

// Runs generate PROBLEMS times from each seed, its first problem with the key number an earlier
// task may have left (the seed modulo 50), and hands every problem to check with the key number
// it had to avoid.
template <typename Check>
void overDraws(void (*generate)(), Check check) {
  overAllSeedsFrom([](int seed) { FMAESU = static_cast<float>(seed % 50); },
                   [&](int) {
                     const float before = FMAESU;
                     generate();
                     check(before);
                   },
                   PROBLEMS);
}

TEST(OmbrelReviewADraw, EveryWholeNumberFromMinusFiveToFourAndItsValue) {
  std::map<float, int> seen;
  overDraws(GENREVIEWA, [&](float before) {
    const float a = T_A(1);
    ++seen[a];
    ASSERT_EQ(T_A(2), -5 * a);
    ASSERT_EQ(T_S_A(2), a == 0 ? "0" : std::to_string(static_cast<int>(-5 * a)));
    ASSERT_EQ(T_S_A(3), a < 0 ? "(" + T_S_A(1) + ")" : T_S_A(1));
    ASSERT_EQ(FMAESU, before) << "the drill neither reads nor writes the memory";
  });
  ASSERT_EQ(seen.size(), 10u);
  EXPECT_EQ(seen.begin()->first, -5);
  EXPECT_EQ(seen.rbegin()->first, 4);
  for (const auto& [a, n] : seen) EXPECT_NEAR(n, DRAWS / 10, DRAWS / 50) << "a = " << a;
}

TEST(OmbrelReviewXYDraw, RangesAndTheValuesOfEveryStep) {
  std::map<float, int> c1s, c2s;
  std::set<float> ys;
  int zeroX = 0, zeroY = 0;
  T_A(1) = 101;
  T_A(4) = 104;
  overDraws(GENREVIEWXY, [&](float) {
    const float c1 = F_A(1), p = T_A(2), q = T_A(3), c2 = F_A(4), r = T_A(5), s = T_A(6);
    const float x = F_A(5), y = F_A(6);
    ++c1s[c1];
    ++c2s[c2];
    ys.insert(y);
    ASSERT_TRUE(c1 >= -5 && c1 <= 5 && c1 != 0 && c1 != 1) << c1;
    ASSERT_TRUE(c2 >= -5 && c2 <= 5 && c2 != 0) << c2;
    for (float pr : {p, r}) ASSERT_TRUE(pr >= -7 && pr <= 7 && pr != 0) << pr;
    for (float qs : {q, s}) ASSERT_TRUE(qs >= -6 && qs <= 6 && qs * qs >= 4) << qs;
    ASSERT_TRUE(x >= -5 && x <= 5 && x != 0) << x;
    ASSERT_NE(y, x);
    ASSERT_TRUE(y >= -5 && y <= 6) << y;
    if (y == 0) {
      ASSERT_EQ(x, -1) << "0 only from y drawn equal to x = -1";
    }
    if (y == 6) {
      ASSERT_EQ(x, 5) << "6 only from y drawn equal to x = 5";
    }
    ASSERT_EQ(T_A(7), c1 * p);
    ASSERT_EQ(T_A(8), c1 * q);
    ASSERT_EQ(T_A(9), c2 * r);
    ASSERT_EQ(T_A(10), c2 * s);
    ASSERT_EQ(T_A(11), c1 * p + c2 * r);
    ASSERT_EQ(T_A(12), c1 * q + c2 * s);
    ASSERT_EQ(F_A(7), T_A(11) * x);
    ASSERT_EQ(F_A(8), T_A(12) * y);
    ASSERT_EQ(F_A(9), c1 * (p * x + q * y) + c2 * (r * x + s * y));
    ASSERT_EQ(T_A(1), 101) << "T(1) is not the drill's";
    ASSERT_EQ(T_A(4), 104) << "T(4) is not the drill's";
    zeroX += T_A(11) == 0;
    zeroY += T_A(12) == 0;
  });
  const int all = DRAWS;
  EXPECT_NEAR(c1s[-1], all / 5, all / 50) << "a drawn 1 always becomes -1";
  EXPECT_NEAR(c1s[3], all / 10, all / 50);
  int negative = 0;
  for (const auto& [c2, n] : c2s) negative += c2 < 0 ? n : 0;
  EXPECT_NEAR(negative, all * 2 / 3, all / 30) << "c2 is negative two times in three";
  EXPECT_EQ(c2s.size(), 10u);
  EXPECT_TRUE(ys.contains(0) && ys.contains(6));
  EXPECT_GT(zeroX, 0) << "collected coefficients of 0 come up";
  EXPECT_GT(zeroY, 0);
}

// A problem takes sixteen random numbers: a magnitude and a sign draw for each of eight numbers.
TEST(OmbrelReviewXYDraw, SixteenRandomNumbersAProblem) {
  for (int seed = 0; seed < 20; ++seed) {
    PaRandomize(static_cast<float>(seed));
    GENREVIEWXY();
    const float next = PaRnd();
    PaRandomize(static_cast<float>(seed));
    for (int k = 0; k < 16; ++k) PaRnd();
    EXPECT_EQ(PaRnd(), next) << "seed " << seed;
  }
}

// The random numbers of one seed, read in turn as a generator takes them: each one the integer
// part of a uniform value times a range, plus an offset.
class Draws {
 public:
  explicit Draws(int seed) {
    PaRandomize(static_cast<float>(seed));
    for (float& r : values_) r = PaRnd();
    PaRandomize(static_cast<float>(seed));
  }
  float next(float range, float offset) { return PnFInt(values_.at(at_++) * range) + offset; }
  // A magnitude, then its sign draw from 0 to signs - 1: negative when the sign draw is below
  // negatives.
  float signedNext(float range, float offset, float signs, float negatives) {
    const float magnitude = next(range, offset);
    return next(signs, 0) < negatives ? -magnitude : magnitude;
  }

 private:
  std::array<float, 64> values_{};
  std::size_t at_ = 0;
};

// Each number of a problem comes from the random numbers in the order the problem needs them:
// c1, p, q, c2, r, s, x, y, each its magnitude and then its sign; x, y and k of task 1; d and c
// of task 2, drawn again together while the key equals the one remembered.
TEST(OmbrelExprValueDraws, EachNumberFromItsRandomNumbersInTurn) {
  for (const int seed : sweptSeeds()) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Draws review(seed);
    GENREVIEWXY();
    float c1 = review.signedNext(5, 1, 2, 1);
    if (c1 == 1) c1 = -1;
    EXPECT_EQ(F_A(1), c1);
    EXPECT_EQ(T_A(2), review.signedNext(7, 1, 2, 1));
    EXPECT_EQ(T_A(3), review.signedNext(5, 2, 2, 1));
    EXPECT_EQ(F_A(4), review.signedNext(5, 1, 3, 2));
    EXPECT_EQ(T_A(5), review.signedNext(7, 1, 2, 1));
    EXPECT_EQ(T_A(6), review.signedNext(5, 2, 2, 1));
    const float x = review.signedNext(5, 1, 2, 1);
    const float y = review.signedNext(5, 1, 2, 1);
    EXPECT_EQ(F_A(5), x);
    EXPECT_EQ(F_A(6), y == x ? x + 1 : y);

    Draws one(seed);
    FMAESU = static_cast<float>(2 + seed % 3);
    const float avoided = FMAESU;
    GENPRODUCTDIFF();
    float taskX = 0, taskY = 0, k = 0;
    do {
      taskX = -one.next(3, 1);
      taskY = one.next(5, 1);
      k = one.next(3, 2);
    } while (k == avoided);
    EXPECT_EQ(T_A(11), taskX);
    EXPECT_EQ(T_A(12), taskY);
    EXPECT_EQ(T_A(2), k);

    Draws two(seed);
    FMAESU = static_cast<float>(11 + seed % 28);
    const float remembered = FMAESU;
    GENHUNDREDPAIR();
    float d = 0, c = 0;
    do {
      d = two.next(28, 11);
      if (d == 20 || d == 30) d = 45;
      c = 100 * two.next(3, 1);
    } while (d == remembered);
    EXPECT_EQ(X, d);
    EXPECT_EQ(T_A(1), c);
    if (testing::Test::HasFailure()) return;
  }
}

struct Forms {
  float c1, p, c2, t7, t9, t11, t12, product;  // F(1), T(2), F(4), T(7), T(9), T(11), T(12), F(8)
  const char *f1, *t2, *f4, *s7, *s9, *s11, *s12, *f8;
};

void PrintTo(const Forms& f, std::ostream* os) { *os << f.c1 << "," << f.p << "," << f.c2 << ".." << f.product; }

class OmbrelReviewXYForms : public testing::TestWithParam<Forms> {};

TEST_P(OmbrelReviewXYForms, SignedTexts) {
  const Forms& f = GetParam();
  F_A(1) = f.c1;
  T_A(2) = f.p;
  F_A(4) = f.c2;
  T_A(7) = f.t7;
  T_A(9) = f.t9;
  T_A(11) = f.t11;
  T_A(12) = f.t12;
  F_A(8) = f.product;
  TEXTSREVIEWXY();
  EXPECT_EQ(F_S_A(1), f.f1);
  EXPECT_EQ(T_S_A(2), f.t2);
  EXPECT_EQ(F_S_A(4), f.f4);
  EXPECT_EQ(T_S_A(7), f.s7);
  EXPECT_EQ(T_S_A(9), f.s9);
  EXPECT_EQ(T_S_A(11), f.s11);
  EXPECT_EQ(T_S_A(12), f.s12);
  EXPECT_EQ(F_S_A(8), f.f8);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OmbrelReviewXYForms,
    testing::Values(Forms{-1, 1, 1, -1, 1, 1, -1, 12, "-", "+", "+", "-", "+", "+", "-", "+12"},
                    Forms{3, -1, -1, 6, -2, 0, 0, -12, "3", "-", "-", "+6", "-2", "", "", "-12"},
                    Forms{-4, 7, 4, -28, 20, -8, 14, 0, "-4", "+7", "+4", "-28", "+20", "-8", "+14", "+0"},
                    Forms{2, -6, -4, -12, 24, 12, -60, -0.0f, "2", "-6", "-4", "-12", "+24", "+12", "-60", "+0"}),
    // Named by the first three texts: "3_minus_minus" for 3, -, -.
    [](const testing::TestParamInfo<Forms>& info) {
      return testName(std::string(info.param.f1) + " " + info.param.t2 + " " + info.param.f4);
    });

TEST(OmbrelProductDifferenceDraw, NeverTheSameKTwiceAndTheValueIsTheSimplifiedForm) {
  std::set<float> ks, xs, ys;
  overDraws(GENPRODUCTDIFF, [&](float before) {
    const float x = T_A(11), y = T_A(12), k = T_A(2);
    ks.insert(k);
    xs.insert(x);
    ys.insert(y);
    ASSERT_TRUE(x >= -3 && x <= -1) << x;
    ASSERT_TRUE(y >= 1 && y <= 5) << y;
    ASSERT_TRUE(k >= 2 && k <= 4) << k;
    ASSERT_NE(k, before);
    ASSERT_EQ(FMAESU, k);
    ASSERT_EQ(T_A(3), k * k);
    ASSERT_EQ(T_A(4), k * k - 1);
    // (x+ky)(x-ky)-(x-k^2y)(x+y) at the drawn x and y.
    ASSERT_EQ(T_A(5), (x + k * y) * (x - k * y) - (x - k * k * y) * (x + y));
  });
  EXPECT_EQ(ks.size(), 3u);
  EXPECT_EQ(xs.size(), 3u);
  EXPECT_EQ(ys.size(), 5u);
}

TEST(OmbrelHundredPairDraw, NeverTheSameDTwiceAndTheValueIsTheDifferenceOfSquares) {
  std::map<float, int> ds;
  std::set<float> cs;
  float least = 1e9f, most = 0;
  overDraws(GENHUNDREDPAIR, [&](float before) {
    const float d = X, c = T_A(1), x = T_A(2), y = T_A(3);
    ++ds[d];
    cs.insert(c);
    ASSERT_TRUE((d >= 11 && d <= 38 && d != 20 && d != 30) || d == 45) << d;
    ASSERT_NE(d, before);
    ASSERT_EQ(FMAESU, d);
    ASSERT_TRUE(c == 100 || c == 200 || c == 300) << c;
    ASSERT_EQ(x, c + d);
    ASSERT_EQ(y, c - d);
    ASSERT_EQ(T_A(4), x + y);
    ASSERT_EQ(T_A(5), x - y);
    ASSERT_EQ(T_A(6), x * x - y * y);
    least = std::min(least, T_A(6));
    most = std::max(most, T_A(6));
  });
  EXPECT_EQ(ds.size(), 27u) << "11 to 38 but 20 and 30, and 45";
  EXPECT_NEAR(ds[45], 2 * ds[11], ds[11]) << "45 takes the draws of 20 and 30";
  EXPECT_EQ(cs.size(), 3u);
  EXPECT_EQ(least, 4400);
  EXPECT_EQ(most, 54000);
}

// The first problem of a task avoids the key number an earlier generator left in the memory.
TEST(OmbrelTaskDraw, TheFirstProblemAvoidsTheKeyFoundOnEntry) {
  for (const int seed : sweptSeeds()) {
    PaRandomize(static_cast<float>(seed));
    FMAESU = 3;
    GENPRODUCTDIFF();
    EXPECT_NE(T_A(2), 3);
    FMAESU = 25;
    GENHUNDREDPAIR();
    EXPECT_NE(X, 25);
  }
}

}  // namespace
