// Square-root simplification, the sign and bracket helpers, and divisor pairs.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/arith.h"
#include "engine/runtime.h"
#include "engine/state.h"
#include "engine/strings.h"

namespace {

TEST(RootSimplify, WorkedResults) {
  struct Case {
    float radicand, a, rest;
    const char *aText, *rab, *rabm, *r1b;
  } cases[] = {
      {12, 2, 3, "2", "2!3ﾝ", "!12ﾝ=", "!3ﾝ"}, {72, 6, 2, "6", "6!2ﾝ", "!72ﾝ=", "!2ﾝ"},
      {36, 6, 1, "6", "6ﾝ", "!36ﾝ=", "ﾝ"},     {7, 1, 7, "", "!7ﾝ", "", "!7ﾝ"},
      {1, 1, 1, "1", "1ﾝ", "", "ﾝ"},           {202 * 202, 202, 1, "202", "202ﾝ", "!40804ﾝ=", "ﾝ"},
      {211 * 211, 1, 211 * 211, "", "!44521ﾝ", "", "!44521ﾝ"},  // 211 lies beyond the divisors tried
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.radicand);
    R1B = c.radicand;
    ROOTSIMPLIFY();
    EXPECT_EQ(R1A, c.a);
    EXPECT_EQ(R1B, c.rest);
    EXPECT_EQ(R1B1, c.radicand);
    EXPECT_EQ(R1I, 201);
    EXPECT_EQ(R1A_S, c.aText);
    EXPECT_EQ(RAB_S, c.rab);
    EXPECT_EQ(RABM_S, c.rabm);
    EXPECT_EQ(R1B_S, c.r1b);
    EXPECT_EQ(A_S, R1B_S);
    EXPECT_EQ(R1A1_S.empty(), c.rest == 1);
  }
}

// The Fenwist drill passes products of two numbers 1 to 9 (never 1): exactly the squares come
// back with nothing left under the root and their root as text.
TEST(RootSimplify, SquaresAmongTheDrillsConstants) {
  for (int p = 1; p <= 9; ++p)
    for (int q = 1; q <= 9; ++q) {
      if (p * q == 1) continue;
      R1B = static_cast<float>(p * q);
      ROOTSIMPLIFY();
      int root = 0;
      for (int r = 2; r <= 9; ++r)
        if (r * r == p * q) root = r;
      SCOPED_TRACE(p * q);
      EXPECT_EQ(R1B == 1, root != 0);
      if (root != 0) {
        EXPECT_EQ(R1A_S, std::to_string(root));
      }
    }
}

// 0 would be divided by every square for ever; nothing is taken out of it.
TEST(RootSimplify, ZeroEnds) {
  R1B = 0;
  ROOTSIMPLIFY();
  EXPECT_EQ(R1A, 1);
  EXPECT_EQ(R1B, 0);
  EXPECT_EQ(RAB_S, "!0ﾝ");
  EXPECT_EQ(RABM_S, "");
  R1B = 0.2f;  // a fraction rounds to 0 as a whole number
  ROOTSIMPLIFY();
  EXPECT_EQ(R1A, 1);
  R1B = -12;
  ROOTSIMPLIFY();
  EXPECT_EQ(R1A, 2);
  EXPECT_EQ(R1B, -3);
}

struct SignCase {
  const char* term;
  const char* result;
};

void expectEdits(void (*routine)(), const std::vector<SignCase>& cases) {
  for (const SignCase& c : cases) {
    SCOPED_TRACE(c.term);
    A_S = c.term;
    routine();
    EXPECT_EQ(A_S, c.result);
    if (routine != PARENNEG) {
      EXPECT_EQ(LE, PfKLEN(c.term));
    }
  }
}

TEST(SignHelpers, StripPlus) {
  expectEdits(STRIPPLUS, {{"", ""}, {"+", ""}, {"-", "-"}, {"+5x", "5x"}, {"-5x", "-5x"}, {"++5", "+5"},
                          {"+ﾀ1/2ﾀa", "ﾀ1/2ﾀa"}, {"5", "5"}});
}

TEST(SignHelpers, StripSign) {
  expectEdits(STRIPSIGN, {{"", ""}, {"+", ""}, {"-", ""}, {"+5x", "5x"}, {"-5x", "5x"}, {"+-5", "-5"}, {"3-x", "3-x"}});
}

TEST(SignHelpers, ParenNeg) {
  expectEdits(PARENNEG, {{"", ""}, {"-", "(-)"}, {"-5x", "(-5x)"}, {"3-x", "(3-x)"}, {"(-3)", "((-3))"},
                         {"-ﾀ1/2ﾀ", "(-ﾀ1/2ﾀ)"}, {"+3", "+3"}});
  A_S = "+3";
  PARENNEG();
  EXPECT_EQ(TA1, 0);
  A_S = "3-x";
  PARENNEG();
  EXPECT_EQ(TA1, 2);
}

TEST(SignHelpers, FlipSign) {
  expectEdits(FLIPSIGN, {{"", ""}, {"-3x", "+3x"}, {"+3x", "-3x"}, {"3x", "-3x"}, {"-", "+"}, {"+", "-"},
                         {"-(a+b)", "+(a+b)"}, {"--2", "+-2"}});
}

// A sign is one byte: a double-byte character behind it is kept whole.
TEST(SignHelpers, DoubleByteTermsKeepTheirCharacters) {
  expectEdits(STRIPSIGN, {{"-①", "①"}, {"+２ａ", "２ａ"}});
  expectEdits(FLIPSIGN, {{"-①", "+①"}, {"①", "-①"}});
}

void divisors(float n) {
  DY = n;
  DIVISORPAIRS();
}

std::vector<float> listed(const Array1<float, 40>& a) {
  std::vector<float> v;
  for (int i = 1; i <= P; ++i) v.push_back(a(static_cast<float>(i)));
  return v;
}

using Floats = std::vector<float>;

TEST(DivisorPairs, ListsAndPairCounts) {
  struct Case {
    float n;
    Floats x;
    float kosuu;
  } cases[] = {
      {12, {1, 2, 3, 4, 6, 12}, 3},
      {-12, {1, 2, 3, 4, 6, 12}, 3},
      {4, {1, 2, 4}, 2},
      {16, {1, 2, 4, 8, 16}, 3},  // the half rounded away from zero: the pair (2, 8) next to the root
      {36, {1, 2, 3, 4, 6, 9, 12, 18, 36}, 5},
      {64, {1, 2, 4, 8, 16, 32, 64}, 4},
      {1, {1}, 1},
      {7, {1, 7}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    divisors(c.n);
    EXPECT_EQ(DY, std::abs(c.n));
    EXPECT_EQ(P, c.x.size());
    EXPECT_EQ(listed(X_A), c.x);
    Floats y(c.x.rbegin(), c.x.rend());
    EXPECT_EQ(listed(Y_A), y);
    EXPECT_EQ(KOSUU, c.kosuu);
  }
}

// The lesson takes the pair before the root for the squares: distinct factors next to it.
TEST(DivisorPairs, PairNextToTheRootOfTheSquares) {
  struct Case {
    float n, x, y;
  } cases[] = {{4, 1, 4}, {16, 2, 8}, {36, 4, 9}, {64, 4, 16}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    divisors(c.n);
    const float k = KOSUU == 2 ? 1 : KOSUU - 1;
    EXPECT_EQ(X_A(k), c.x);
    EXPECT_EQ(Y_A(k), c.y);
  }
}

TEST(DivisorPairs, EveryConstantOfTheDrillsPairsUp) {
  for (int a = -8; a <= 8; ++a)
    for (int b = 1; b <= 8; ++b) {
      if (a == 0) continue;
      divisors(static_cast<float>(a * b));
      for (int i = 1; i <= KOSUU; ++i) {
        ASSERT_EQ(X_A(static_cast<float>(i)) * Y_A(static_cast<float>(i)), DY) << a * b;
        ASSERT_LE(X_A(static_cast<float>(i)), Y_A(static_cast<float>(i))) << a * b;
      }
    }
}

// Single precision counts in ones only below 2^24: a larger number used to count for ever.
TEST(DivisorPairs, NumberTooLargeToCountIsARuntimeError) {
  for (const float n : {16777218.0f, -16777216.0f, 1e30f}) {
    SCOPED_TRACE(n);
    DY = n;
    try {
      DIVISORPAIRS();
      ADD_FAILURE() << "no runtime error";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.code, ErrorCode::IllegalArgument);
    }
  }
  divisors(16777214);  // 2 * 47 * 178481, just below the limit, is still listed exactly
  EXPECT_EQ(listed(X_A), (std::vector<float>{1, 2, 47, 94, 178481, 356962, 8388607, 16777214}));
  EXPECT_EQ(KOSUU, 4);
}

TEST(DivisorPairs, EntriesAboveTheCountAreKept) {
  divisors(60);
  divisors(12);
  EXPECT_EQ(X_A(7), 10);
  EXPECT_EQ(Y_A(7), 6);
  EXPECT_EQ(II, 13);
}

}  // namespace
