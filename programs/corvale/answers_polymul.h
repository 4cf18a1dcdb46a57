// The answer pages of section 3's textbook problems, as data. Problems 3, 4 and 6 are pages of
// rows: each item its label (colour 3), its product and working lines (colour 0) and its result
// (colour 5). Problem 5 is four items whose product lines carry numbered arcs.
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

}  // namespace corvale
