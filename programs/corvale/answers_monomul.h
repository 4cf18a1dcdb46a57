// The answer pages of textbook problem 1 (section 1, scene 4), as data: the heading alone and a
// wait, items (1) to (7) in two columns and a wait; then a fresh page with the heading and items
// (8) to (10). Each item is its label (colour 3), the problem and the line that multiplies the
// monomial into every term (colour 0), and the expansion (colour 5).
#pragma once

#include <array>

#include "programs/common/page.h"

namespace corvale {

extern const std::array<common::PageRow, 31> ANSWERS_PAGE_ONE;
extern const std::array<common::PageRow, 14> ANSWERS_PAGE_TWO;

}  // namespace corvale
