// The fixed pages of section 3, as data. The answers of problems 3, 4 and 6 are pages of rows:
// each item its label (colour 3), its product and working lines (colour 0) and its result
// (colour 5). Problem 5 is four items whose product lines carry numbered arcs. Example 5, the
// summary and worked example 7 are pages of the same kind.
#pragma once

#include <array>

#include "programs/common/page.h"

namespace corvale {

// Problem 3: the columns of items (1), (2) and (3), (4), a line per key.
extern const std::array<common::PageRow, 15> PROB3_LEFT;
extern const std::array<common::PageRow, 13> PROB3_RIGHT;
// Problem 4: the columns of items (1), (2) and (3), (4), an item per key.
extern const std::array<common::PageRow, 13> PROB4_LEFT;
extern const std::array<common::PageRow, 11> PROB4_RIGHT;
// Problem 6: two pages of two items each.
extern const std::array<common::PageRow, 29> PROB6_PAGES;

// An item of problem 5: its label, the product's four term pieces after " (", the line of the
// four partial products in the order of the arcs, and the result.
struct ArcAnswer {
  const char* label;
  std::array<const char*, 4> pieces;
  const char* expansion;
  const char* result;
};

extern const std::array<ArcAnswer, 4> PROB5_ITEMS;

// Example 5: two products, each expanded in two lines, a line per key, then the pointer.
extern const std::array<common::PageRow, 14> EXAMPLE5_PAGE;
// The summary down to the first way of computing an expansion.
extern const std::array<common::PageRow, 6> SUMMARY_PAGE;
// Worked example 7 expanded term by term, a line per key.
extern const std::array<common::PageRow, 9> EXAMPLE7_WORKED;

}  // namespace corvale
