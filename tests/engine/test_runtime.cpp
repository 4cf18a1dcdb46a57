#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/array.h"
#include "engine/loops.h"
#include "engine/runtime.h"

namespace {

ErrorCode codeOf(auto&& f) {
  try {
    f();
  } catch (const RuntimeError& e) {
    return e.code;
  }
  return ErrorCode::Internal;
}

TEST(Runtime, WholeNumbers) {
  const std::tuple<float, float, int> cases[] = {
      // value, integer part, rounded (halves away from zero)
      {2.5f, 2, 3}, {-2.5f, -3, -3}, {1.4f, 1, 1}, {-1.4f, -2, -1}, {0.5f, 0, 1}, {-0.5f, -1, -1}, {7, 7, 7},
  };
  for (const auto& [v, integer, rounded] : cases) {
    EXPECT_EQ(PnFInt(v), integer) << v;
    EXPECT_EQ(ROUNDED(v), rounded) << v;
  }
}

TEST(Runtime, ArithmeticFaultsAreRuntimeErrors) {
  EXPECT_EQ(codeOf([] { DIV(1, 0); }), ErrorCode::DivisionByZero);
  EXPECT_EQ(codeOf([] { ROUNDED(1e20f); }), ErrorCode::Overflow);
  // 2^31 is the first float past int's range: an overflow, not a wrapped negative number.
  EXPECT_EQ(codeOf([] { ROUNDED(2147483648.0f); }), ErrorCode::Overflow);
  EXPECT_EQ(ROUNDED(2147483520.0f), 2147483520);
  EXPECT_EQ(ROUNDED(-2147483648.0f), std::numeric_limits<int>::min());
  EXPECT_EQ(codeOf([] { CHECKED(std::numeric_limits<float>::infinity()); }), ErrorCode::Overflow);
  EXPECT_EQ(codeOf([] { DIV(std::numeric_limits<float>::max(), 0.5f); }), ErrorCode::Overflow);
  EXPECT_FLOAT_EQ(DIV(1, 4), 0.25f);
}

TEST(Runtime, ArrayIndicesAreCheckedAndCarryTheCallersLine) {
  Array1<float, 40> a;
  a(40) = 1;
  a(0) = 2;
  a(39.6f) = 3;  // indices are rounded
  EXPECT_EQ(a(40), 3);
  const int line = __LINE__ + 1;
  try { a(41) = 0; FAIL(); } catch (const RuntimeError& e) { EXPECT_EQ(e.line, line); EXPECT_EQ(e.code, ErrorCode::IndexOutOfRange); }
  EXPECT_THROW(a(-1), RuntimeError);
  Array2<float, 10, 2> g;
  g(10, 2) = 1;
  EXPECT_THROW(g(10, 3), RuntimeError);
}

TEST(Runtime, RandomNumbersStayBelowOneAndFollowTheSeed) {
  PaRandomize(60);
  std::vector<float> first;
  for (int i = 0; i < 100000; ++i) {
    const float r = PaRnd();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    // The way the lessons draw integers: INT(RND * n) + offset stays below n + offset.
    ASSERT_LT(PnFInt(r * 9) + 1, 10.0f);
    if (i < 5) first.push_back(r);
  }
  PaRandomize(60);
  for (float r : first) EXPECT_EQ(PaRnd(), r);
}

TEST(Runtime, CountedLoopsRunOnceAndFixTheirBounds) {
  float i = 0;
  int passes = 0;
  FOR(i, 5, 1, [&] { ++passes; });
  EXPECT_EQ(passes, 1);
  float last = 3;
  passes = 0;
  FOR(i, 1, last, [&] { ++passes; last = 10; });
  EXPECT_EQ(passes, 3);
  EXPECT_EQ(i, 4);
  passes = 0;
  FOR(i, 10, 1, [&] { ++passes; }, -3);
  EXPECT_EQ(passes, 4);  // 10, 7, 4, 1
  passes = 0;
  FOR(i, 1, 100, [&] { return ++passes < 5; });
  EXPECT_EQ(passes, 5);
}

// From 2^24 on, adding 1 leaves a float as it is: such a loop could never end, so it is an
// overflow error on the loop's line instead of a hang.
TEST(Runtime, CountedLoopWhoseCounterCannotAdvanceIsAnOverflow) {
  float i = 0;
  int passes = 0;
  const int line = __LINE__ + 1;
  try { FOR(i, 16777216.0f, 16777300.0f, [&] { ++passes; }); FAIL(); } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, ErrorCode::Overflow);
    EXPECT_EQ(e.line, line);
  }
  EXPECT_EQ(passes, 1);
  passes = 0;
  FOR(i, 16777214.0f, 16777215.0f, [&] { ++passes; });  // just below 2^24 it still counts
  EXPECT_EQ(passes, 2);
  EXPECT_EQ(i, 16777216.0f);
}

}  // namespace
