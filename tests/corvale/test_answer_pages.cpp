// The answers of textbook problem 1 are data: each item's problem, step and expansion must be
// the same polynomial, written as a textbook writes it.
#include <gtest/gtest.h>

#include <span>

#include "programs/corvale/answers_monomul.h"
#include "support/algebra.h"

using namespace corvale;
using Row = common::PageRow;

namespace {

// Every answer row (colour 5) follows its problem and step rows (colour 0).
int checkItems(std::span<const Row> rows) {
  int items = 0;
  for (std::size_t i = 2; i < rows.size(); ++i) {
    if (rows[i].kind != Row::Kind::Formula || rows[i].colour != 5) continue;
    ++items;
    const Row& problem = rows[i - 2];
    const Row& step = rows[i - 1];
    SCOPED_TRACE(problem.text);
    EXPECT_EQ(problem.colour, 0);
    EXPECT_EQ(step.colour, 0);
    EXPECT_TRUE(algebra::sameValue(problem.text, rows[i].text));
    EXPECT_TRUE(algebra::sameValue(step.text, rows[i].text));
    for (const Row* row : {&problem, &step, &rows[i]})
      EXPECT_EQ(algebra::formFault(row->text), "") << algebra::utf8(row->text);
    EXPECT_EQ(step.y, problem.y + 50);
    EXPECT_EQ(rows[i].y, step.y + 50);
  }
  return items;
}

}  // namespace

TEST(CorvaleAnswerPages, EveryAnswerIsTheExpansionOfItsProblem) {
  EXPECT_EQ(checkItems(ANSWERS_PAGE_ONE), 7);
  EXPECT_EQ(checkItems(ANSWERS_PAGE_TWO), 3);
}
