// Fraction texts, greatest common divisor and remainder.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "engine/numbers.h"
#include "engine/runtime.h"
#include "engine/state.h"
#include "engine/strings.h"

namespace {

// What a call keeps from before: the sentinels set before every row.
constexpr float KEPT_X3 = -77;
constexpr float KEPT_X4 = -88;
const std::string KEPT_A2 = "ﾀ7/9ﾀ";
const std::string KEPT_A21 = "+ﾀ7/9ﾀ";

struct FractionRow {
  float ds, db;
  float yak, yak1;
  float dsAfter, dbAfter;
  const char* a1;
  const char* a2;
  const char* a21;
  const char* a3;
  const char* a31;
  const char* tkai1;
  const char* tkai2;
  float x3, x4;  // KEPT_X3, KEPT_X4 where the call leaves them
};

void expectText(const std::string& actual, const std::string& expected, const char* name) {
  EXPECT_EQ(toUtf8(actual), toUtf8(expected)) << name;
}

TEST(FracText, ReducesAndWritesEveryText) {
  const FractionRow rows[] = {
      {6, 4, 2, 1, 3, 2, "ﾀ6/4ﾀ", "ﾀ3/2ﾀ", "+ﾀ3/2ﾀ", "ﾀ6/4ﾀ=ﾀ3/2ﾀ", "+ﾀ6/4ﾀ=+ﾀ3/2ﾀ", "3/2", "+3/2", 2, 12},
      {12, 18, 2, 1, 2, 3, "ﾀ12/18ﾀ", "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ12/18ﾀ=ﾀ2/3ﾀ", "+ﾀ12/18ﾀ=+ﾀ2/3ﾀ", "2/3", "+2/3", 6, 36},
      {3, 4, 3, 1, 3, 4, "ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "3/4", "+3/4", 1, 12},
      {-3, 9, 2, -1, -1, 3, "ﾀ-3/9ﾀ", "-ﾀ1/3ﾀ", "-ﾀ1/3ﾀ", "ﾀ-3/9ﾀ=-ﾀ1/3ﾀ", "ﾀ-3/9ﾀ=-ﾀ1/3ﾀ", "-1/3", "-1/3", 3, 9},
      {1, -2, 2, -1, -1, 2, "ﾀ1/-2ﾀ", "-ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", "ﾀ1/-2ﾀ=-ﾀ1/2ﾀ", "ﾀ1/-2ﾀ=-ﾀ1/2ﾀ", "-1/2", "-1/2", 1, 2},
      {-3, -4, 2, 1, 3, 4, "ﾀ-3/-4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ-3/-4ﾀ=ﾀ3/4ﾀ", "+ﾀ-3/-4ﾀ=+ﾀ3/4ﾀ", "3/4", "+3/4", 1, 12},
      {5, 1, 1, 1, 5, 1, "ﾀ5/1ﾀ", "5", "+5", "ﾀ5/1ﾀ=5", "+ﾀ5/1ﾀ=+5", "5", "+5", KEPT_X3, KEPT_X4},
      {-5, 1, 1, -1, -5, 1, "ﾀ-5/1ﾀ", "-5", "-5", "ﾀ-5/1ﾀ=-5", "ﾀ-5/1ﾀ=-5", "-5", "-5", KEPT_X3, KEPT_X4},
      {-6, 3, 1, -1, -2, 1, "ﾀ-6/3ﾀ", "-2", "-2", "ﾀ-6/3ﾀ=-2", "ﾀ-6/3ﾀ=-2", "-2", "-2", 3, 6},
      {2, -1, 1, -1, -2, 1, "ﾀ2/-1ﾀ", "-2", "-2", "ﾀ2/-1ﾀ=-2", "ﾀ2/-1ﾀ=-2", "-2", "-2", 1, 2},
      {0, 7, 1, 1, 0, 1, "ﾀ0/7ﾀ", "0", "+0", "ﾀ0/7ﾀ=0", "+ﾀ0/7ﾀ=+0", "0", "+0", 7, 0},
      {0, -5, 1, 1, 0, 1, "ﾀ0/-5ﾀ", "0", "+0", "ﾀ0/-5ﾀ=0", "+ﾀ0/-5ﾀ=+0", "0", "+0", 5, 0},
      {3, -4, 2, -1, -3, 4, "ﾀ3/-4ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ3/-4ﾀ=-ﾀ3/4ﾀ", "ﾀ3/-4ﾀ=-ﾀ3/4ﾀ", "-3/4", "-3/4", 1, 12},
      {7, -1, 1, -1, -7, 1, "ﾀ7/-1ﾀ", "-7", "-7", "ﾀ7/-1ﾀ=-7", "ﾀ7/-1ﾀ=-7", "-7", "-7", 1, 7},
      {-30, 18, 2, -1, -5, 3, "ﾀ-30/18ﾀ", "-ﾀ5/3ﾀ", "-ﾀ5/3ﾀ", "ﾀ-30/18ﾀ=-ﾀ5/3ﾀ", "ﾀ-30/18ﾀ=-ﾀ5/3ﾀ", "-5/3", "-5/3", 6, 90},
      // A zero denominator keeps the reduced texts of the call before.
      {4, 0, 0, 1, 4, 0, "ﾀ4/0ﾀ", "ﾀ7/9ﾀ", "+ﾀ7/9ﾀ", "ﾀ4/0ﾀ=ﾀ7/9ﾀ", "+ﾀ4/0ﾀ=+ﾀ7/9ﾀ", "7/9", "+7/9", KEPT_X3, KEPT_X4},
  };
  for (const FractionRow& r : rows) {
    SCOPED_TRACE(testing::Message() << r.ds << "/" << r.db);
    X3 = KEPT_X3;
    X4 = KEPT_X4;
    A2_S = KEPT_A2;
    A21_S = KEPT_A21;
    DS = r.ds;
    DB = r.db;
    FRACTEXT();
    EXPECT_EQ(YAK, r.yak);
    EXPECT_EQ(YAK1, r.yak1);
    EXPECT_EQ(DS, r.dsAfter);
    EXPECT_EQ(DB, r.dbAfter);
    expectText(A1_S, r.a1, "A1$");
    expectText(A2_S, r.a2, "A2$");
    expectText(A21_S, r.a21, "A21$");
    expectText(A3_S, r.a3, "A3$");
    expectText(A31_S, r.a31, "A31$");
    expectText(TKAI1_S, r.tkai1, "TKAI1$");
    expectText(TKAI2_S, r.tkai2, "TKAI2$");
    EXPECT_EQ(X3, r.x3);
    EXPECT_EQ(X4, r.x4);
    EXPECT_EQ(A_S, TKAI2_S);
  }
}

// The given numbers and texts stay in the working globals the lessons may read.
TEST(FracText, LeavesTheGivenNumbersAndTheirTexts) {
  DS = -12;
  DB = 8;
  FRACTEXT();
  EXPECT_EQ(DS1, -12);
  EXPECT_EQ(DB1, 8);
  EXPECT_EQ(DS1_S, "-12");
  EXPECT_EQ(DA1_S, "8");
  EXPECT_EQ(DB_S, "2");
  EXPECT_EQ(DS_S, "3");  // the reduced numerator without its sign
  EXPECT_EQ(FDS1_S, "");
  EXPECT_EQ(E1, -3);
  EXPECT_EQ(E2, 2);
}

// Fenwist's generators: a pair without common factor keeps its denominator, and two multiples
// of a common factor give the factor and the two cofactors.
TEST(FracText, CommonFactorAndCoprimeTest) {
  DS = 12;
  DB = 18;
  FRACTEXT();
  EXPECT_EQ(X3, 6);
  EXPECT_EQ(DS, 2);
  EXPECT_EQ(DB, 3);
  for (float denominator = 2; denominator <= 30; ++denominator) {
    for (float numerator = -30; numerator <= 30; ++numerator) {
      DS = numerator;
      DB = denominator;
      FRACTEXT();
      const bool coprime = std::gcd(static_cast<int>(std::fabs(numerator)), static_cast<int>(denominator)) == 1;
      EXPECT_EQ(DB == denominator, coprime && numerator != 0) << numerator << "/" << denominator;
      EXPECT_EQ(DS * denominator, numerator * DB) << numerator << "/" << denominator;  // same value
    }
  }
}

TEST(GcdLcm, EuclidInEitherOrder) {
  const struct {
    float a, b, gcd, lcm;
  } rows[] = {{9, 3, 3, 9}, {3, 9, 3, 9}, {12, 18, 6, 36}, {7, 5, 1, 35}, {0, 7, 7, 0}, {30, 30, 30, 30}, {1, 1, 1, 1}};
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::Message() << r.a << "," << r.b);
    DS = r.a;
    DB = r.b;
    GCDLCM();
    EXPECT_EQ(X3, r.gcd);
    EXPECT_EQ(X4, r.lcm);
    EXPECT_EQ(DS, r.a);
    EXPECT_EQ(DB, r.b);
    EXPECT_EQ(X1, X3);
    EXPECT_EQ(X2, 0);
    EXPECT_EQ(LB8, r.a * r.b);
  }
}

// Numbers that are not whole come back, never hang: with an answer, a finite divisor and
// multiple, or with the runtime error of a division by 0 or an overflow; DS and DB stay as given.
TEST(GcdLcm, NumbersThatAreNotWholeEnd) {
  const std::pair<float, float> pairs[] = {{0.1f, 0.7f}, {1.0f / 3, 0.25f}, {3.14159f, 2.71828f}, {1e-30f, 7}, {1e30f, 3.3f}};
  for (const auto& [a, b] : pairs) {
    DS = a;
    DB = b;
    X3 = X4 = std::nanf("");
    try {
      GCDLCM();
      EXPECT_TRUE(std::isfinite(X3) && std::isfinite(X4)) << a << ", " << b << ": " << X3 << ", " << X4;
    } catch (const RuntimeError& error) {
      EXPECT_TRUE(error.code == ErrorCode::DivisionByZero || error.code == ErrorCode::Overflow)
          << a << ", " << b << ": error code " << static_cast<int>(error.code);
    }
    EXPECT_EQ(DS, a);
    EXPECT_EQ(DB, b);
  }
}

TEST(Remainder, TakesTheWholePartOfTheQuotient) {
  EXPECT_EQ(REMAINDER(7, 3), 1);
  EXPECT_EQ(REMAINDER(3, 9), 3);
  EXPECT_EQ(REMAINDER(9, 3), 0);
  EXPECT_EQ(REMAINDER(0, 5), 0);
  EXPECT_EQ(REMAINDER(-7, 3), 2);  // INT(-7/3) is -3
  try {
    REMAINDER(4, 0);
    ADD_FAILURE() << "no runtime error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, ErrorCode::DivisionByZero);
  }
}

}  // namespace
