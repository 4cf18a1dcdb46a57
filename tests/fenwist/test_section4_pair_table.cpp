// The factor-pair table of section 4 on given problems: its rows as the trinomial drills lay them
// out (the equal pair of a square constant a row of its own), the one row marked ○, its cells and
// its three steps; and the divisor pairs it is built from.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "common/op_walk.h"
#include "engine/engine.h"
#include "engine/strings.h"
#include "fenwist_support.h"
#include "programs/fenwist/globals.h"
#include "programs/fenwist/pair_table.h"
#include "programs/fenwist/section4.h"
#include "section4_reading.h"
#include "support/page_lines.h"
#include "support/test_names.h"

namespace {

using namespace fenwist_test;
using namespace section4_test;

struct TableCase {
  float a, b;
  std::vector<std::pair<int, int>> rows;
  int marked;  // the index of the row marked ○
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << "a=" << c.a << " b=" << c.b; }

class FenwistPairTable : public testing::TestWithParam<TableCase> {};

// The table of a drill's problem a, b as the drills prepare it: SIGNEDPAIRS, the texts, the
// header from the plain numbers, twice K rows.
TEST_P(FenwistPairTable, RowsOfTheConstantAndOneMarkOnThePairWithTheSum) {
  static TableCase c;
  c = GetParam();
  static float originX, originY;
  const HeadlessResult run = runRoutine(
      [] {
        T_A(1) = c.a;
        T_A(2) = c.b;
        T_A(3) = c.a + c.b;
        T_A(4) = c.a * c.b;
        fenwist::SIGNEDPAIRS();
        NUMSTRINGS();
        X_S_A(1) = "積が" + T_S_A(4);
        X_S_A(2) = "和が" + T_S_A(3);
        X_A(1) = T_A(3);
        fenwist::WA = 1;
        KOSUU = 2 * KOSUU;
        fenwist::XI = 728;
        fenwist::YI = 60;
        fenwist::PAIRTABLE();
        originX = X_A(31);
        originY = Y_A(31);
      },
      "kk");
  ASSERT_FALSE(run.error);
  const PairTable table = tableAt(page::onScreen(run.ops, run.ops.size()), 728, 60);
  EXPECT_EQ(table.product, static_cast<int>(c.a * c.b));
  EXPECT_EQ(table.sum, static_cast<int>(c.a + c.b));
  ASSERT_EQ(table.rows.size(), c.rows.size());
  for (std::size_t n = 0; n < c.rows.size(); ++n) {
    EXPECT_EQ(table.rows[n].first, c.rows[n].first) << "row " << n + 1;
    EXPECT_EQ(table.rows[n].second, c.rows[n].second) << "row " << n + 1;
    EXPECT_EQ(table.rows[n].mark, static_cast<int>(n) == c.marked ? "○" : "×") << "row " << n + 1;
  }
  EXPECT_EQ(originX, 728);
  EXPECT_EQ(originY, 60);
}

INSTANTIATE_TEST_SUITE_P(
    Problems, FenwistPairTable,
    testing::Values(
        // x^2+7x+12, x^2-7x+12, x^2+x-12 and x^2-x-12.
        TableCase{3, 4, {{1, 12}, {2, 6}, {3, 4}, {-1, -12}, {-2, -6}, {-3, -4}}, 2},
        TableCase{-3, -4, {{1, 12}, {2, 6}, {3, 4}, {-1, -12}, {-2, -6}, {-3, -4}}, 5},
        TableCase{-3, 4, {{1, -12}, {2, -6}, {3, -4}, {-1, 12}, {-2, 6}, {-3, 4}}, 5},
        TableCase{3, -4, {{1, -12}, {2, -6}, {3, -4}, {-1, 12}, {-2, 6}, {-3, 4}}, 2},
        // x^2+x-6, the largest table (7 and 8), a prime constant.
        TableCase{-2, 3, {{1, -6}, {2, -3}, {-1, 6}, {-2, 3}}, 3},
        TableCase{7, 8, {{1, 56}, {2, 28}, {4, 14}, {7, 8}, {-1, -56}, {-2, -28}, {-4, -14}, {-7, -8}}, 3},
        TableCase{5, 1, {{1, 5}, {-1, -5}}, 0},
        // The square constant 4: the two 2s are a row of their own in each half, never marked.
        TableCase{4, 1, {{1, 4}, {2, 2}, {-1, -4}, {-2, -2}}, 0},
        TableCase{-1, -4, {{1, 4}, {2, 2}, {-1, -4}, {-2, -2}}, 2},
        TableCase{1, -4, {{1, -4}, {2, -2}, {-1, 4}, {-2, 2}}, 0},
        TableCase{-1, 4, {{1, -4}, {2, -2}, {-1, 4}, {-2, 2}}, 2}),
    // Named by the two numbers: "A3B4" for a = 3, b = 4.
    [](const testing::TestParamInfo<TableCase>& info) {
      return "A" + testName(std::to_string(static_cast<int>(info.param.a))) + "B" +
             testName(std::to_string(static_cast<int>(info.param.b)));
    });

// The cells, their colours and the three steps: header, a key, the pairs, a key, the marks, and
// no key after them.
TEST(FenwistPairTable, HeaderPairsAndMarksEachAfterAKey) {
  const HeadlessResult run = runRoutine(
      [] {
        for (float n = 1; n <= 3; ++n) {
          F_A(n) = n;
          F_A(20 + n) = 12 / n;
        }
        NUMSTRINGS();
        X_S_A(1) = "積が12";
        X_S_A(2) = "和が7";
        X_A(1) = 7;
        fenwist::WA = 1;
        KOSUU = 3;
        fenwist::XI = 66;
        fenwist::YI = 350;
        fenwist::PAIRTABLE();
        CCC1 = 0;
        X = 0;
        Y = 600;
        AA_S = "end";
        DRAWFORMULA();
      },
      "kkk");
  ASSERT_FALSE(run.error);
  walk::OpWalk w(run);
  w.cell(66, 350, 264, 50, 11, "積が12", 0);
  w.cell(330, 350, 220, 50, 11, "和が7", 0);
  w.cell(66, 400, 264, 50, 13, "1と12", 5, 1);
  w.cell(66, 450, 264, 50, 13, "2と6", 5);
  w.cell(66, 500, 264, 50, 13, "3と4", 5);
  w.cell(330, 400, 220, 50, 13, "×", 5, 1);
  w.cell(330, 450, 220, 50, 13, "×", 5);
  w.cell(330, 500, 220, 50, 13, "○", 5);
  w.reads(0, 600, 0, "end");
  EXPECT_EQ(w.keysLeft(), 0);
}

// The divisor pairs of the constants the section passes: the count of pairs is half the count
// of divisors, a half made whole upwards, so 4 has two pairs, (1, 4) and (2, 2).
TEST(FenwistPairTable, DivisorPairsOfTheSquareConstants) {
  const struct {
    float n;
    float pairs;
  } cases[] = {{4, 2}, {16, 3}, {36, 5}, {64, 4}, {12, 3}, {56, 4}, {2, 1}};
  for (const auto& c : cases) {
    DY = c.n;
    DIVISORPAIRS();
    EXPECT_EQ(KOSUU, c.pairs) << c.n;
    for (float i = 1; i <= P; ++i) EXPECT_EQ(X_A(i) * Y_A(i), c.n);
  }
  DY = 4;
  DIVISORPAIRS();
  EXPECT_EQ(X_A(1), 1);
  EXPECT_EQ(Y_A(1), 4);
  EXPECT_EQ(X_A(2), 2);
  EXPECT_EQ(Y_A(2), 2);
}

}  // namespace
