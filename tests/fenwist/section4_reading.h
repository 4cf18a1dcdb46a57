// Readers for the scene tests of section 4: the factor-pair table and the single rows of a drill
// among the lines that stay on the screen (page::onScreen), each as a pupil reads it.
#pragma once

#include <string>
#include <vector>

#include "support/line_reader.h"

namespace section4_test {

// A row of the factor-pair table: its two numbers and its mark, "○" or "×" (code page 932).
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

// The table with its corner at (x0, y0) among the lines on the screen: the header, then every row
// whose pair cell holds text. A header or row that cannot be read fails the test.
PairTable tableAt(const std::vector<reading::Line>& screen, float x0, float y0);

// The row of the lines on the screen in the rectangle (x1,y1)-(x2,y2), as a pupil reads it (code
// page 932; empty when there is none). A second row there fails.
std::string lineIn(const std::vector<reading::Line>& screen, float x1, float y1, float x2, float y2);

// The whole numbers of a signed pair list as the answer pages write them: "(+1,-2)" -> {1, -2}.
std::vector<int> numbersIn(const std::string& text);

}  // namespace section4_test
