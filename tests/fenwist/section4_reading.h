// Readers for the scene tests of section 4: the factor-pair table and the single lines of a
// drill as they stay on the screen, taken back from the operation log.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace section4_test {

// A row of the factor-pair table: its two numbers and its mark in UTF-8, "○", or "*" for the ×.
struct PairRow {
  int first;
  int second;
  std::string mark;
};

// A factor-pair table: the numbers of its header, "積が" q and "和が" p, and its rows.
struct PairTable {
  int product;
  int sum;
  std::vector<PairRow> rows;
};

// The table with its corner at (x0, y0) as ops[0, to) leave it on the screen: the header, then
// every row whose pair cell holds text. A header or row that cannot be read fails the test.
PairTable tableAt(const std::vector<Op>& ops, std::size_t to, float x0, float y0);

// The text that stays in the rectangle (x1,y1)-(x2,y2), one line, read as fenwist_test::screenLines
// reads (empty when nothing stays there).
std::string lineIn(const std::vector<Op>& ops, std::size_t to, float x1, float y1, float x2, float y2);

// The whole numbers of a signed pair list as the answer pages write them: "(+1,-2)" -> {1, -2}.
std::vector<int> numbersIn(const std::string& text);

}  // namespace section4_test
