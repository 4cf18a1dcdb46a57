// The random problems of the mental-arithmetic drills, over many seeds: the ranges, the rule
// that the key number never repeats, and that every value shown is the arithmetic it stands for.
#include <gtest/gtest.h>

#include <set>

#include "engine/engine.h"
#include "programs/ombrel/drills.h"
#include "support/over_seeds.h"

namespace {

using namespace ombrel;

// Problems in a row from each seed. The checks that every number of a range comes up need
// some 8,000 draws, in every build: the sweeps take every seed the clock can give.
constexpr int PROBLEMS = 57;

// Runs the generator PROBLEMS times from each seed, its first problem with the key number an
// earlier drill may have left (the seed modulo 80), hands every problem to check with the key
// number it had to avoid, and checks that it remembers its new one.
template <typename Check>
void overDraws(void (*generate)(), Check check) {
  overAllSeedsFrom([](int seed) { FMAESU = static_cast<float>(seed % 80); },
                   [&](int) {
                     const float before = FMAESU;
                     generate();
                     check(before);
                     if (testing::Test::HasFatalFailure()) return;
                     ASSERT_EQ(FMAESU, T_A(1)) << "the key number is remembered";
                   },
                   PROBLEMS);
}

TEST(OmbrelSquareDifference, AplusBIsAHundredAndTheAnswerIsTheDifferenceOfSquares) {
  std::set<float> firsts;
  overDraws(GENSQDIFF, [&](float before) {
    const float a = T_A(1), b = T_A(2);
    firsts.insert(a);
    ASSERT_GE(a, 51);
    ASSERT_LE(a, 78);
    ASSERT_NE(a, 60);
    ASSERT_NE(a, 70);
    ASSERT_NE(a, before);
    ASSERT_EQ(a + b, 100);
    ASSERT_EQ(T_A(3), a + b);
    ASSERT_EQ(T_A(4), a - b);
    ASSERT_EQ(T_A(5), a * a - b * b);
    ASSERT_EQ(T_A(5), T_A(3) * T_A(4));
    ASSERT_EQ(PnFInt(T_A(5) / 200) * 200, T_A(5)) << "a multiple of 200";
  });
  EXPECT_EQ(firsts.size(), 26u) << "every a from 51 to 78 but 60 and 70 comes up";
}

TEST(OmbrelSumTimesDifference, TheProductIsTheDifferenceOfSquares) {
  std::set<float> units, tens;
  overDraws(GENSUMDIFF, [&](float before) {
    const float u = T_A(1), t = T_A(2);
    units.insert(u);
    tens.insert(t);
    ASSERT_GE(u, 2);
    ASSERT_LE(u, 9);
    ASSERT_NE(u, before);
    ASSERT_EQ(PnFInt(t / 10) * 10, t);
    ASSERT_GE(t, 30);
    ASSERT_LE(t, 90);
    ASSERT_EQ(T_A(3), t + u);
    ASSERT_EQ(T_A(4), t - u);
    ASSERT_EQ(T_A(5), t * t);
    ASSERT_EQ(T_A(6), u * u);
    ASSERT_EQ(T_A(7), T_A(5) - T_A(6));
    ASSERT_EQ(T_A(7), T_A(3) * T_A(4)) << "the line t^2-u^2 equals the product shown";
    ASSERT_GE(T_A(7), 819);
    ASSERT_LE(T_A(7), 8096);
  });
  EXPECT_EQ(units.size(), 8u);
  EXPECT_EQ(tens.size(), 7u);
}

TEST(OmbrelSquareOfSum, TheExpansionIsTheSquare) {
  std::set<float> units, tens;
  overDraws(GENSQUARE, [&](float before) {
    const float u = T_A(1), t = T_A(2);
    units.insert(u);
    tens.insert(t);
    ASSERT_GE(u, 1);
    ASSERT_LE(u, 3);
    ASSERT_NE(u, before);
    ASSERT_EQ(PnFInt(t / 10) * 10, t);
    ASSERT_GE(t, 20);
    ASSERT_LE(t, 70);
    ASSERT_EQ(T_A(3), t + u);
    ASSERT_EQ(T_A(4), t * t);
    ASSERT_EQ(T_A(5), 2 * u * t);
    ASSERT_EQ(T_A(6), u * u);
    ASSERT_EQ(T_A(7), T_A(4) + T_A(5) + T_A(6));
    ASSERT_EQ(T_A(7), T_A(3) * T_A(3)) << "the expansion equals the square shown";
  });
  EXPECT_EQ(units.size(), 3u);
  EXPECT_EQ(tens.size(), 6u);
}

}  // namespace
