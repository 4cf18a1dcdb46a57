// Section 2's fixed mathematics as a pupil reads it, through the algebra checker: the nine rows of
// review 2 (each term, the one fraction it is written as, and its reciprocal) and the summary of
// example 3. The answers of problem 2 are chained where their scene is walked (test_section2).
// One run per scene, every page read from its log.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page_math.h"
#include "programs/corvale/corvale.h"
#include "support/algebra.h"
#include "support/line_chain.h"

using namespace page_math;

namespace {

constexpr int ENTERED = 4;  // "2", Enter, the item, Enter

}  // namespace

TEST(CorvalePageMathSection2, ReviewTwoEveryTermItsFractionAndItsReciprocal) {
  struct Row {
    const char* term;
    const char* fraction;
    const char* reciprocal;
  };
  const Row rows[] = {
      {"2x", "=ﾀ2x/1ﾀ", "ﾀ1/2xﾀ"},           {"-3a", "=-ﾀ3a/1ﾀ", "-ﾀ1/3aﾀ"},
      {"ﾀ3/2ﾀx", "=ﾀ3x/2ﾀ", "ﾀ2/3xﾀ"},       {"ﾀ1/2ﾀx", "=ﾀx/2ﾀ", "ﾀ2/xﾀ"},
      {"-ﾀ1/3ﾀy", "=-ﾀy/3ﾀ", "-ﾀ3/yﾀ"},      {"-ﾀ3/5ﾀy", "=-ﾀ3y/5ﾀ", "-ﾀ5/3yﾀ"},
      {"ﾀ2/3ﾀa^2", "=ﾀ2a^2/3ﾀ", "ﾀ3/2a^2ﾀ"}, {"-ﾀ2/3ﾀb^2", "=-ﾀ2b^2/3ﾀ", "-ﾀ3/2b^2ﾀ"},
      {"ﾀ2/3ﾀab", "=ﾀ2ab/3ﾀ", "ﾀ3/2abﾀ"},
  };
  // One problem of review 1, then the rule, the nine rows one after another, and out.
  std::string keys = "2\\n1\\n" + steps(7) + "1\\n" + steps(1);
  for (std::size_t row = 1; row < std::size(rows); ++row) keys += steps(2) + "2\\n";
  keys += steps(2) + "1\\n" + steps(1);
  const HeadlessResult run = runScript(corvale::PROGRAM, keys);
  ASSERT_FALSE(run.error.has_value());
  // Review 1's page, then a page for each row: every row clears the right part from the top.
  const std::vector<Page> pages = pagesOf(run.ops, ENTERED);
  ASSERT_EQ(pages.size(), 1 + std::size(rows));
  for (std::size_t k = 0; k < std::size(rows); ++k) {
    const Row& row = rows[k];
    SCOPED_TRACE("row " + std::to_string(k + 1) + ": " + algebra::utf8(row.term));
    const Page& page = pages[k + 1];
    // The term and, after it on its line, the one fraction it equals.
    const auto written = mathAt(page, {728, 170, 0, std::string(row.term) + row.fraction});
    const auto reciprocal = mathAt(page, {684, 290, 0, std::string("逆数は、") + row.reciprocal, "逆数は、"});
    if (!written || !reciprocal) continue;
    EXPECT_TRUE(reading::sameChain({*written}));
    // Term times reciprocal is 1.
    try {
      const GiNaC::ex term = algebra::parse(reading::firstSide(written->text));
      EXPECT_TRUE(algebra::sameValue(reciprocal->text, 1 / term)) << reading::describe(*reciprocal);
    } catch (const std::runtime_error& e) {
      ADD_FAILURE() << reading::describe(*written) << ": " << e.what();
    }
  }
}

TEST(CorvalePageMathSection2, ExampleThreeSummaryBothRules) {
  // One problem of each drill, each left with 1, then the summary and its pointer.
  const HeadlessResult run =
      runScript(corvale::PROGRAM, "2\\n2\\n" + steps(5) + "1\\n" + steps(1) + steps(5) + "1\\n" + steps(1));
  ASSERT_FALSE(run.error.has_value());
  const std::vector<Page> pages = pagesOf(run.ops, ENTERED);
  ASSERT_FALSE(pages.empty());
  // Dividing is multiplying by the reciprocal: by c, and by the fraction d/c.
  expectChain(pages.back(), {{640, 500, 0, "①(a+b)/c=(a+b)*ﾀ1/cﾀ"}});
  expectChain(pages.back(), {{640, 570, 0, "②(a+b)/ﾀd/cﾀ=(a+b)*ﾀc/dﾀ"}});
}
