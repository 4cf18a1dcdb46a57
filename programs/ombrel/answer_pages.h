// The answer sheets of sections 6 and 7: pages of worked answers, each one row table in the
// answer-page form. A page starts with the page header: the window cleared, the columns set
// (labels at x 40, text at x 94), the section's title box at (40,30) and the page-number box
// beside it. Its rows follow in two columns; a page shows its answers at once or one group per
// key, as its table says.
#pragma once

#include <span>

#include "programs/common/page.h"

namespace ombrel {

using common::PageRow;

namespace answer_rows {

using namespace common::page_rows;

// Section 6, "学びをたしかめよう": the title box, and the page number 10 px right of it in a
// box 40 px wide (48 px high on page 5, else 44).
inline constexpr PageRow REVIEW_TITLE = box(LABEL, 30, 360, 48, 0, 3, 13, "学びをたしかめよう");
constexpr PageRow reviewNumber(const char* number, float height = 44) {
  return box(END + 10, 30, 40, height, 13, 4, 3, number);
}

// Section 7, "学びを身につけよう": the title box, and the page number 44 px right of it in a
// box 44 px wide (60 px on pages 9 and 10).
inline constexpr PageRow EXERCISE_TITLE = box(LABEL, 30, 360, 48, 0, 3, 13, "学びを身につけよう");
constexpr PageRow exerciseNumber(const char* number, float width = 44) {
  return box(END + 44, 30, width, 44, 13, 4, 3, number);
}

// The columns the page header sets: labels at x 40, text lines 54 px further right.
inline constexpr PageRow FORM_COLUMNS = COLUMNS(40, 94);

}  // namespace answer_rows

// The review pages 1 to 4 (products and expansions), 5 to 8 (factorising, mental arithmetic,
// values of expressions) and 9 (the rectangular pond); the exercise pages 1 to 3 (products and
// expansions), 4 to 6 (factorising) and 7 to 10 (values, proofs, mental arithmetic).
extern const std::span<const PageRow> REVIEW_PRODUCT_PAGES[4];
extern const std::span<const PageRow> REVIEW_FACTOR_PAGES[4];
extern const std::span<const PageRow> REVIEW_POND_PAGE;
extern const std::span<const PageRow> EXERCISE_PRODUCT_PAGES[3];
extern const std::span<const PageRow> EXERCISE_FACTOR_PAGES[3];
extern const std::span<const PageRow> EXERCISE_USE_PAGES[4];

// Page n of section 6 (1 to 9) and of section 7 (1 to 10).
std::span<const PageRow> reviewPage(int n);
std::span<const PageRow> exercisePage(int n);

}  // namespace ombrel
