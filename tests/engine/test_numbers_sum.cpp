// The fraction sum over the common denominator.
#include <gtest/gtest.h>

#include "engine/numbers.h"
#include "engine/runtime.h"
#include "engine/state.h"
#include "engine/strings.h"

namespace {

struct SumRow {
  float dsm1, dbm1, dsm2, dbm2;
  float x3, x4;
  float db, ds1, ds2, ds4;
  const char* ds1Text;
  const char* ds2Text;
  const char* ds4Text;
  const char* b1;
  const char* b2;
  const char* a1;
  const char* a11;
  const char* a2;
  const char* a21;
  const char* a3;
  const char* a4;
  const char* a41;
  const char* a5;
  const char* b3;
  const char* b4;
};

void expectText(const std::string& actual, const std::string& expected, const char* name) {
  EXPECT_EQ(toUtf8(actual), toUtf8(expected)) << name;
}

void sum(float dsm1, float dbm1, float dsm2, float dbm2) {
  DSM1 = dsm1;
  DBM1 = dbm1;
  DSM2 = dsm2;
  DBM2 = dbm2;
  FRACSUM();
}

TEST(FracSum, WorkedSums) {
  const SumRow rows[] = {
      {1, 2, 1, 3, 1, 6, 6, 3, 2, 5, "3", "+2", "5", "3", "2", "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "ﾀ3+2/6ﾀ", "ﾀ5/6ﾀ",
       "+ﾀ5/6ﾀ", "ﾀ3/6ﾀ+ﾀ2/6ﾀ", "ﾀ3/6ﾀ", "ﾀ2/6ﾀ"},
      {1, 2, -1, 3, 1, 6, 6, 3, -2, 1, "3", "-2", "1", "3", "2", "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "-ﾀ2/6ﾀ", "-ﾀ2/6ﾀ", "ﾀ3-2/6ﾀ",
       "ﾀ1/6ﾀ", "+ﾀ1/6ﾀ", "ﾀ3/6ﾀ-ﾀ2/6ﾀ", "ﾀ3/6ﾀ", "ﾀ2/6ﾀ"},
      // The same difference with the minus sign on the second denominator.
      {1, 2, 1, -3, 1, 6, 6, 3, -2, 1, "3", "-2", "1", "3", "2", "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "-ﾀ2/6ﾀ", "-ﾀ2/6ﾀ", "ﾀ3-2/6ﾀ",
       "ﾀ1/6ﾀ", "+ﾀ1/6ﾀ", "ﾀ3/6ﾀ-ﾀ2/6ﾀ", "ﾀ3/6ﾀ", "ﾀ2/6ﾀ"},
      {-1, 4, 1, 6, 2, 12, 12, -3, 2, -1, "-3", "+2", "1", "3", "2", "-ﾀ3/12ﾀ", "-ﾀ3/12ﾀ", "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ",
       "ﾀ-3+2/12ﾀ", "-ﾀ1/12ﾀ", "-ﾀ1/12ﾀ", "-ﾀ3/12ﾀ+ﾀ2/12ﾀ", "ﾀ3/12ﾀ", "ﾀ2/12ﾀ"},
  };
  for (const SumRow& r : rows) {
    SCOPED_TRACE(testing::Message() << r.dsm1 << "/" << r.dbm1 << " + " << r.dsm2 << "/" << r.dbm2);
    sum(r.dsm1, r.dbm1, r.dsm2, r.dbm2);
    EXPECT_EQ(X3, r.x3);
    EXPECT_EQ(X4, r.x4);
    EXPECT_EQ(DB, r.db);
    EXPECT_EQ(DS1, r.ds1);
    EXPECT_EQ(DS2, r.ds2);
    EXPECT_EQ(DS4, r.ds4);
    EXPECT_GT(DBM2, 0);
    expectText(DS1_S, r.ds1Text, "DS1$");
    expectText(DS2_S, r.ds2Text, "DS2$");
    expectText(DS4_S, r.ds4Text, "DS4$");
    expectText(DB_S, PfSTR244(r.db).substr(1), "DB$");
    expectText(B1_S, r.b1, "B1$");
    expectText(B2_S, r.b2, "B2$");
    expectText(A1_S, r.a1, "A1$");
    expectText(A11_S, r.a11, "A11$");
    expectText(A2_S, r.a2, "A2$");
    expectText(A21_S, r.a21, "A21$");
    expectText(A3_S, r.a3, "A3$");
    expectText(A4_S, r.a4, "A4$");
    expectText(A41_S, r.a41, "A41$");
    expectText(A5_S, r.a5, "A5$");
    expectText(B3_S, r.b3, "B3$");
    expectText(B4_S, r.b4, "B4$");
    expectText(A_S, DS4_S, "A$");
  }
}

TEST(FracSum, AWholeNumberTakesTheOtherDenominatorWithoutTheDivisor) {
  X3 = -77;
  X4 = -88;
  sum(2, 1, 1, 3);
  EXPECT_EQ(DB, 3);
  EXPECT_EQ(DS1, 6);
  EXPECT_EQ(DS2, 1);
  EXPECT_EQ(DS4, 7);
  EXPECT_EQ(A4_S, "ﾀ7/3ﾀ");
  EXPECT_EQ(X3, -77);
  EXPECT_EQ(X4, -88);

  sum(2, -1, 1, 3);
  EXPECT_EQ(DSM1, -2);
  EXPECT_EQ(DBM1, 1);
  EXPECT_EQ(DB, 3);
  EXPECT_EQ(DS1, -6);
  EXPECT_EQ(DS4, -5);

  sum(1, 3, 2, 1);
  EXPECT_EQ(DB, 3);
  EXPECT_EQ(DS2, 6);
  EXPECT_EQ(A3_S, "ﾀ1+6/3ﾀ");

  sum(-4, 1, 3, 1);
  EXPECT_EQ(DB, 1);
  EXPECT_EQ(DS4, -1);
  EXPECT_EQ(A3_S, "ﾀ-4+3/1ﾀ");
}

TEST(FracSum, TheSumIsNotReducedAndZeroTakesTheMinusForm) {
  sum(1, 2, 1, 6);
  EXPECT_EQ(DB, 6);
  EXPECT_EQ(A4_S, "ﾀ4/6ﾀ");

  sum(1, 2, -1, 2);
  EXPECT_EQ(DS4, 0);
  EXPECT_EQ(A4_S, "-ﾀ0/2ﾀ");
  EXPECT_EQ(A41_S, "-ﾀ0/2ﾀ");
  EXPECT_EQ(A3_S, "ﾀ1-1/2ﾀ");

  sum(0, 3, 1, 2);
  EXPECT_EQ(A1_S, "-ﾀ0/6ﾀ");
  EXPECT_EQ(A11_S, "-ﾀ0/6ﾀ");
  EXPECT_EQ(A3_S, "ﾀ0+3/6ﾀ");
  EXPECT_EQ(A5_S, "-ﾀ0/6ﾀ+ﾀ3/6ﾀ");
}

// A minus sign on both terms of a fraction cancels, also with a zero numerator, so the sum
// shown is the true one.
TEST(FracSum, NegativeDenominatorUnderANonPositiveNumerator) {
  sum(-1, -3, 1, 2);
  EXPECT_EQ(DSM1, 1);
  EXPECT_EQ(DBM1, 3);
  EXPECT_EQ(DB, 6);
  EXPECT_EQ(DS1, 2);
  EXPECT_EQ(DS4, 5);
  EXPECT_EQ(A5_S, "ﾀ2/6ﾀ+ﾀ3/6ﾀ");

  sum(1, 2, 0, -3);
  EXPECT_EQ(DBM2, 3);
  EXPECT_EQ(DB, 6);
  EXPECT_EQ(DS4, 3);
}

TEST(FracSum, AZeroDenominatorIsADivisionByZero) {
  for (const auto& [dbm1, dbm2] : {std::pair<float, float>{0, 3}, {3, 0}, {0, 0}}) {
    try {
      sum(1, dbm1, 1, dbm2);
      ADD_FAILURE() << dbm1 << "," << dbm2;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.code, ErrorCode::DivisionByZero);
    }
  }
}

}  // namespace
