// The answer pages of textbook problem 2 (section 2, scene 3), as data: two pages of two
// columns, each column two items. An item is its label (colour 3), the division, the product
// with the reciprocal (left out in item (4)) and the division distributed over the terms
// (colour 0), and the quotient (colour 5); a key wait follows each item but the last.
#pragma once

#include <array>

#include "programs/common/page.h"

namespace corvale {

// Page 1, left column: the heading "問2の解答" alone and a wait, items (1) and (2).
extern const std::array<common::PageRow, 15> ANSWERS2_PAGE_ONE_LEFT;
// Page 1, right column, from the heading's line: items (3) and (4).
extern const std::array<common::PageRow, 11> ANSWERS2_PAGE_ONE_RIGHT;
// Page 2, left column on a cleared window: the heading "問2 解答" and items (5) and (6).
extern const std::array<common::PageRow, 14> ANSWERS2_PAGE_TWO_LEFT;
// Page 2, right column, level with item (5): items (7) and (8), no wait after the last.
extern const std::array<common::PageRow, 11> ANSWERS2_PAGE_TWO_RIGHT;

}  // namespace corvale
