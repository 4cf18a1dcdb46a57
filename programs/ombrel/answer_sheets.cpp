// Sections 6 and 7, the answer sheets: their sub-menus, with no aim screen. Each item but the
// last draws one answer page, whose picture stays under the sub-menu line.
#include <array>

#include "programs/common/section_menu.h"
#include "programs/ombrel/answer_pages.h"
#include "programs/ombrel/sections.h"

namespace ombrel {

namespace {

template <int PAGE>
void drawReviewPage() {
  common::drawPage(reviewPage(PAGE));
}

template <int PAGE>
void drawExercisePage() {
  common::drawPage(exercisePage(PAGE));
}

}  // namespace

std::span<const PageRow> reviewPage(int n) {
  if (n <= 4) return REVIEW_PRODUCT_PAGES[n - 1];
  if (n <= 8) return REVIEW_FACTOR_PAGES[n - 5];
  return REVIEW_POND_PAGE;
}

std::span<const PageRow> exercisePage(int n) {
  if (n <= 3) return EXERCISE_PRODUCT_PAGES[n - 1];
  if (n <= 6) return EXERCISE_FACTOR_PAGES[n - 4];
  return EXERCISE_USE_PAGES[n - 7];
}

void SECREVIEW() {
  static constexpr std::array<common::Routine, 9> PAGES = {
      drawReviewPage<1>, drawReviewPage<2>, drawReviewPage<3>, drawReviewPage<4>, drawReviewPage<5>,
      drawReviewPage<6>, drawReviewPage<7>, drawReviewPage<8>, drawReviewPage<9>,
  };
  common::SECTIONMENU("P34学びをたしかめよう　①～⑨解答　　　⑩終了", PAGES, common::MenuEntry::Kept);
}

void SECEXERCISES() {
  static constexpr std::array<common::Routine, 10> PAGES = {
      drawExercisePage<1>, drawExercisePage<2>, drawExercisePage<3>, drawExercisePage<4>, drawExercisePage<5>,
      drawExercisePage<6>, drawExercisePage<7>, drawExercisePage<8>, drawExercisePage<9>, drawExercisePage<10>,
  };
  common::SECTIONMENU("学びを身につけよう　①～⑩問題解答　　⑪終了", PAGES, common::MenuEntry::Kept);
}

}  // namespace ombrel
