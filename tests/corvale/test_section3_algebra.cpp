// The mathematics section 3 shows, through the algebra checker: every line of every problem the
// three practices can make equals its product and is written in textbook form, and so does
// every line of the fixed pages.
#include <gtest/gtest.h>

#include <set>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "corvale_checks.h"
#include "engine/engine.h"
#include "programs/corvale/answers_polymul.h"
#include "programs/corvale/binomprod.h"
#include "support/algebra.h"
#include "support/over_seeds.h"

using namespace corvale;
using Row = common::PageRow;

namespace {

GiNaC::ex whole(float v) { return GiNaC::numeric(ROUNDED(v)); }

void expectShows(const std::string& line, const GiNaC::ex& product) {
  EXPECT_TRUE(algebra::sameValue(line, product));
  EXPECT_EQ(algebra::formFault(line), "") << algebra::utf8(line);
}

// An answer with its like terms combined: it writes as many terms as its polynomial has.
void expectCombined(const std::string& line) {
  int written = 1, depth = 0;
  for (std::size_t i = 1; i < line.size(); ++i) {
    depth += line[i] == '(' ? 1 : line[i] == ')' ? -1 : 0;
    written += depth == 0 && i > 1 && (line[i] == '+' || line[i] == '-');
  }
  const GiNaC::ex value = GiNaC::expand(algebra::parse(line));
  const int terms = GiNaC::is_a<GiNaC::add>(value) ? static_cast<int>(value.nops()) : 1;
  EXPECT_EQ(written, terms) << algebra::utf8(line);
}

// Makes problems seed after seed, three in a row each, until every problem the variant can
// make (every value of key) has come; checks each the first time it comes. The draws are few
// enough (35, 420 and 2520 products) for all of them. check(throughChecker) makes the lines and
// checks their shape; throughChecker says whether this problem's lines go through the algebra
// checker too (CheckedDraws).
template <typename Key>
void everyProblem(BinomVariant variant, std::size_t count, Key key, void (*check)(bool throughChecker)) {
  std::set<std::vector<float>> seen;
  CheckedDraws checked;
  for (float seed = 0; seed < 100000 && seen.size() < count; ++seed) {
    PaRandomize(seed);
    FMAESU = 0;
    for (int pass = 0; pass < 3; ++pass) {
      GENBINOMPROD(variant);
      if (!seen.insert(key()).second) continue;
      check(checked.next());
      if (testing::Test::HasFailure()) FAIL() << "seed " << seed << " pass " << pass;
    }
  }
  EXPECT_EQ(seen.size(), count);
}

std::vector<float> firstProduct() { return {T_A(1), F_A(1), T_A(2), F_A(2)}; }
std::vector<float> secondProduct() { return {T_A(11), T_A(12), T_A(13), T_A(14), F_A(11)}; }

GiNaC::ex firstProductValue() {
  const GiNaC::ex x = algebra::letter('x');
  return (whole(T_A(1)) * x + whole(F_A(1))) * (whole(T_A(2)) * x + whole(F_A(2)));
}

}  // namespace

TEST(CorvaleSection3Algebra, ExampleSixEveryProblem) {
  everyProblem(BinomVariant::Example6, 5 * 7, firstProduct, [](bool throughChecker) {
    const std::vector<std::string> lines = example6Lines();
    ASSERT_EQ(lines.size(), 4u);
    if (!throughChecker) return;
    for (const std::string& line : lines) expectShows(line, firstProductValue());
    expectCombined(lines[3]);
  });
}

TEST(CorvaleSection3Algebra, ExampleSevenEveryProblem) {
  everyProblem(BinomVariant::Example7, 3 * 4 * 5 * 7, firstProduct, [](bool throughChecker) {
    const ArcProductLines lines = example7Lines();
    ASSERT_EQ(lines.lines.size(), 1u);
    if (!throughChecker) return;
    const std::string product = lines.opener + joined(lines.pieces);
    expectShows(product, firstProductValue());
    // The partial products in the order of the arcs, and the answer.
    expectShows(joined(lines.products), firstProductValue());
    expectShows(product + joined(lines.products), firstProductValue());
    expectShows(lines.lines[0], firstProductValue());
    expectCombined(lines.lines[0]);
  });
}

TEST(CorvaleSection3Algebra, ExampleEightEveryProblem) {
  everyProblem(BinomVariant::Example8, 3 * 5 * 4 * 6 * 7, secondProduct, [](bool throughChecker) {
    const ArcProductLines lines = example8Lines();
    ASSERT_EQ(lines.lines.size(), 5u);
    // The six-arc line: the product again with its six partial products after it.
    EXPECT_EQ(lines.opener + joined(lines.pieces), lines.lines[0]);
    if (!throughChecker) return;
    const GiNaC::ex x = algebra::letter('x'), y = algebra::letter('y');
    const GiNaC::ex product = (whole(T_A(11)) * x + whole(T_A(12)) * y) *
                              (whole(T_A(13)) * x + whole(T_A(14)) * y + whole(F_A(11)));
    for (const std::string& line : lines.lines) expectShows(line, product);
    expectCombined(lines.lines[4]);
    expectShows(lines.lines[0] + joined(lines.products), product);
  });
}

namespace {

// A row that states a product: a formula in colour 0 that is not a working line ("=...").
bool isProduct(const Row& row) {
  return row.kind == Row::Kind::Formula && row.colour == 0 && std::string(row.text).find('(') != std::string::npos &&
         row.text[0] != '=';
}

// Each product and the working and result lines under it (colour 0 or 5, each beginning "=").
// Returns how many products it found.
int checkPage(std::span<const Row> rows) {
  int products = 0;
  std::string product;
  for (const Row& row : rows) {
    if (row.kind != Row::Kind::Formula) continue;
    const std::string text = algebra::withoutLabel(row.text);
    if (isProduct(row)) {
      product = text;
      ++products;
      EXPECT_EQ(algebra::formFault(product), "") << algebra::utf8(product);
    } else if (text[0] == '=' && !product.empty()) {
      EXPECT_TRUE(algebra::sameValue(text, algebra::parse(product))) << "under " << algebra::utf8(product);
      EXPECT_EQ(algebra::formFault(text), "") << algebra::utf8(text);
      if (row.colour == 5) expectCombined(text);
    }
  }
  return products;
}

}  // namespace

TEST(CorvaleSection3Algebra, AnswerPagesExpandTheirProducts) {
  EXPECT_EQ(checkPage(PROB3_LEFT) + checkPage(PROB3_RIGHT), 4);
  EXPECT_EQ(checkPage(PROB4_LEFT) + checkPage(PROB4_RIGHT), 4);
  EXPECT_EQ(checkPage(PROB6_PAGES), 4);
}

TEST(CorvaleSection3Algebra, ProblemFiveItemsAndTheirArcTerms) {
  for (const ArcAnswer& item : PROB5_ITEMS) {
    std::string product = " (";
    for (const char* piece : item.pieces) product += piece;
    SCOPED_TRACE(algebra::utf8(product));
    const GiNaC::ex value = algebra::parse(product);
    EXPECT_EQ(algebra::formFault(product), "");
    expectShows(item.expansion, value);
    expectShows(item.result, value);
    expectCombined(item.result);
  }
}

TEST(CorvaleSection3Algebra, WorkedPagesExpandTheirProducts) {
  EXPECT_EQ(checkPage(EXAMPLE5_PAGE), 2);
  EXPECT_EQ(checkPage(EXAMPLE7_WORKED), 1);
  // The summary's two formulas, each one line with both sides.
  const GiNaC::ex value = algebra::parse("(a+b)(c+d)");
  for (const Row& row : SUMMARY_PAGE) {
    const std::string text = row.text;
    if (text.find("(a+b)(c+d)") != 0) continue;
    EXPECT_TRUE(algebra::sameValue(text, value));
    EXPECT_EQ(algebra::sides(text).size(), 2u) << algebra::utf8(text);
  }
}
