// What Fenwist's fixed explanations and answer pages state about factors, read back from one run
// of each scene: the factors a page names divide what it says they divide, a common factor is
// all that the terms share, the terms a page takes apart are the terms of its problem, the
// values found for a blank make its identity true, and a factor-pair table lists pairs with the
// product it names, marking the one with the sum. The rows themselves, chains and identities, are
// checked where they stand by test_page_math.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fenwist_support.h"
#include "page_math.h"
#include "support/algebra.h"

namespace {

using fenwist_test::runFenwist;
using page_math::At;
using page_math::Page;

// The row at a place: an empty row when it is missing. The page has failed then already, naming
// the place, and a test stops there (HasFailure) rather than read an empty text.
reading::Line rowAt(const Page& page, int keys, const At& at) { return page.row(keys, at).value_or(reading::Line{}); }

// The part of text before marker, and after it.
std::string before(const std::string& text, const std::string& marker) { return text.substr(0, text.find(marker)); }
std::string after(const std::string& text, const std::string& marker) {
  const std::size_t at = text.find(marker);
  return at == std::string::npos ? "" : text.substr(at + marker.size());
}

// Every factor the row names divides the whole.
void expectFactors(const std::vector<std::string>& factors, const std::string& whole, const reading::Line& row) {
  for (const std::string& factor : factors) EXPECT_TRUE(page_math::divides(factor, whole)) << reading::describe(row);
}

// --- Section 1 ------------------------------------------------------------------------------------

// The first scene asks for the factors of x^2+5x+6, of 6 and of 2ab ("③ x^2+5x+6の因数を
// いいなさい。"): the factors it names divide what it asks about, x+2 and x+3 make up x^2+5x+6,
// the factors of 6 are all its divisors ("6の約数"), and the list of 2ab's goes on ("…").
TEST(FenwistPageFacts, Section1MeaningNamesFactorsOfWhatItAsksAbout) {
  const HeadlessResult run = runFenwist("1\n1\n" + steps(29));
  ASSERT_FALSE(run.error);
  const Page page(run);
  // The whole a task asks about: "④ 6の因数をいいなさい。" asks about 6.
  const auto whole = [&](int keys, float y) { return before(algebra::withoutLabel(rowAt(page, keys, {22, y}).text), "の"); };
  const std::string trinomial = whole(14, 90), six = whole(20, 90), twoAb = whole(20, 210);
  // " x+2 と x+3 " with the note after it; "1,6,2,3"; "2,ab,a,2b,b,2a,…".
  const reading::Line ofTrinomial = rowAt(page, 14, {93, 150});
  const reading::Line ofSix = rowAt(page, 22, {110, 150}), ofTwoAb = rowAt(page, 28, {110, 270});
  if (HasFailure()) return;
  const std::vector<std::string> factors = page_math::split(before(ofTrinomial.text, " ("), "と");
  ASSERT_EQ(factors.size(), 2u) << reading::describe(ofTrinomial);
  expectFactors(factors, trinomial, ofTrinomial);
  EXPECT_TRUE(algebra::sameValue("(" + factors[0] + ")(" + factors[1] + ")", trinomial)) << reading::describe(ofTrinomial);
  const std::vector<std::string> divisors = page_math::split(ofSix.text, ",");
  expectFactors(divisors, six, ofSix);
  for (int divisor = 1; divisor <= std::stoi(six); ++divisor)
    if (std::stoi(six) % divisor == 0) {
      EXPECT_NE(std::find(divisors.begin(), divisors.end(), std::to_string(divisor)), divisors.end())
          << divisor << " missing from " << reading::describe(ofSix);
    }
  std::vector<std::string> some = page_math::split(ofTwoAb.text, ",");
  ASSERT_EQ(some.back(), "…") << reading::describe(ofTwoAb);
  some.pop_back();
  EXPECT_EQ(some.size(), 6u) << reading::describe(ofTwoAb);
  expectFactors(some, twoAb, ofTwoAb);
}

TEST(FenwistPageFacts, Section1FirstSummaryNamesFactorsThatDivide) {
  const HeadlessResult run = runFenwist("1\n2\n");
  ASSERT_FALSE(run.error);
  const Page page(run);
  const reading::Line trinomial = rowAt(page, 4, {132, 422}), monomial = rowAt(page, 4, {132, 492});
  if (HasFailure()) return;
  // "x^2+5x+6の因数は、 x+2 と x+3": the two factors, whose product is the trinomial.
  const std::string polynomial = before(trinomial.text, "の因数は、");
  const std::vector<std::string> factors = page_math::split(after(trinomial.text, "の因数は、"), "と");
  ASSERT_EQ(factors.size(), 2u) << reading::describe(trinomial);
  expectFactors(factors, polynomial, trinomial);
  EXPECT_TRUE(algebra::sameValue("(" + factors[0] + ")(" + factors[1] + ")", polynomial)) << reading::describe(trinomial);
  // "2abの因数は、2,a,b,2aなど".
  expectFactors(page_math::split(before(after(monomial.text, "の因数は、"), "など"), ","),
                before(monomial.text, "の因数は、"), monomial);
}

TEST(FenwistPageFacts, Section1CommonFactorIsWhatTheTermsShare) {
  const HeadlessResult run = runFenwist("1\n3\n" + steps(17));
  ASSERT_FALSE(run.error);
  const Page page(run);
  // "2aは4axの因数", "2aは6aの因数", and both at once: "2aは、4axの因数であり、6aの因数でもある。"
  const reading::Line claims[] = {rowAt(page, 4, {88, 150}), rowAt(page, 4, {88, 210})};
  const reading::Line both = rowAt(page, 4, {88, 330});
  // The common factor of 3ax-6ay, 3a, beside it; the two terms taken apart under it, and the
  // shared factors taken out.
  const reading::Line problem = rowAt(page, 14, {110, 160}), factor = rowAt(page, 14, {431, 160});
  const reading::Line terms[] = {rowAt(page, 14, {198, 340}), rowAt(page, 14, {198, 400})};
  const reading::Line shared = rowAt(page, 14, {198, 520});
  if (HasFailure()) return;
  for (const reading::Line& claim : claims) {
    EXPECT_TRUE(page_math::divides(before(claim.text, "は"), before(after(claim.text, "は"), "の因数")))
        << reading::describe(claim);
  }
  const std::string ofBoth = before(both.text, "は、");
  EXPECT_TRUE(page_math::divides(ofBoth, before(after(both.text, "は、"), "の因数"))) << reading::describe(both);
  EXPECT_TRUE(page_math::divides(ofBoth, before(after(both.text, "であり、"), "の因数"))) << reading::describe(both);
  EXPECT_TRUE(page_math::commonFactor(factor.text, problem.text)) << reading::describe(factor);
  for (const reading::Line& term : terms)
    EXPECT_TRUE(page_math::termOf(before(term.text, "="), problem.text)) << reading::describe(term);
  EXPECT_TRUE(algebra::sameValue(after(shared.text, "="), factor.text)) << reading::describe(shared);
}

TEST(FenwistPageFacts, Section1SecondSummaryDividesEachTermByTheCommonFactor) {
  const HeadlessResult run = runFenwist("1\n5\n" + steps(9));
  ASSERT_FALSE(run.error);
  const Page page(run);
  const reading::Line answer = rowAt(page, 4, {132, 97});
  const reading::Line terms[] = {rowAt(page, 4, {132, 232}), rowAt(page, 4, {132, 292})};
  // "2×3×x=6x": the factor found is what the terms share; each term divided by it.
  const reading::Line found = rowAt(page, 4, {506, 172});
  const reading::Line divisions[] = {rowAt(page, 4, {563, 367}), rowAt(page, 4, {563, 427})};
  if (HasFailure()) return;
  const std::string problem = before(answer.text, "="), factor = after(found.text, "=");
  for (const reading::Line& term : terms)
    EXPECT_TRUE(page_math::termOf(before(term.text, "="), problem)) << reading::describe(term);
  EXPECT_TRUE(page_math::commonFactor(factor, problem)) << reading::describe(found);
  for (const reading::Line& row : divisions) {
    const std::string division = before(row.text, "=");
    EXPECT_TRUE(page_math::termOf(before(division, "÷"), problem)) << reading::describe(row);
    EXPECT_TRUE(algebra::sameValue(after(division, "÷"), factor)) << reading::describe(row);
  }
}

// Each item of the answers to problem 1: the factor of its answer is the common factor of its
// problem, and each check line takes one term of the problem apart by that factor.
TEST(FenwistPageFacts, Section1Problem1CheckLinesTakeTheTermsApart) {
  const HeadlessResult run = runFenwist("1\n6\n" + steps(4));
  ASSERT_FALSE(run.error);
  const Page page(run);
  const struct {
    At problem, answer;
    std::vector<float> checks;  // the lines of the check lines, under the answer
  } items[] = {
      {{40, 90}, {94, 140}, {190, 240}},       {{40, 310}, {94, 360}, {410, 460}},
      {{400, 30}, {454, 80}, {130, 180}},      {{400, 250}, {454, 300}, {350, 400}},
      {{800, 30}, {854, 80}, {130, 180}},      {{800, 250}, {854, 300}, {350, 400, 450}},
  };
  for (const auto& item : items) {
    const reading::Line problem = rowAt(page, 4, item.problem), answer = rowAt(page, 4, item.answer);
    if (HasFailure()) return;
    const std::string polynomial = algebra::withoutLabel(problem.text);
    const std::string factor = before(after(answer.text, "="), "(");
    EXPECT_TRUE(page_math::commonFactor(factor, polynomial)) << reading::describe(answer);
    for (const float y : item.checks) {
      const reading::Line check = rowAt(page, 4, {item.answer.x, y});
      if (HasFailure()) return;
      EXPECT_TRUE(page_math::termOf(before(check.text, "="), polynomial)) << reading::describe(check);
      EXPECT_TRUE(algebra::sameValue(before(after(check.text, "="), "×"), factor)) << reading::describe(check);
    }
  }
}

// The common-factor drill steps through its two tables: every entry of every part read back from
// the screen. Problem 1 boxes the common factor of the problem; problem 2 writes the problem as the
// factor times a bracket whose contents the box reveals.
TEST(FenwistPageFacts, Section1CommonFactorDrillShowsEveryEntryOfItsTables) {
  std::string keys = "1\n4\n";
  for (const int entries : {8, 6, 8, 6}) {
    for (int pass = 1; pass < entries; ++pass) keys += "k\n";
    keys += "k1\n";
  }
  const HeadlessResult run = runFenwist(keys);
  ASSERT_FALSE(run.error);
  const std::vector<reading::Line> lines = reading::readLines(run.ops);
  std::map<float, int> shown;  // problems by their line
  for (auto problem = lines.begin(); problem != lines.end(); ++problem) {
    const float y = problem->y;
    if (std::fabs(problem->x - 44) > 0.5f || problem->colour != 0 || problem->text.rfind("(", 0) != 0) continue;
    ++shown[y];
    // What the box reveals: the first text in it after the problem that is not its number.
    const auto box = std::find_if(problem + 1, lines.end(), [&](const reading::Line& l) {
      return l.colour == 13 && l.kind == reading::Kind::Formula && l.text != "①";
    });
    ASSERT_NE(box, lines.end()) << reading::describe(*problem);
    const std::string text = algebra::withoutLabel(problem->text);
    if (y == 98 || y == 180) {
      EXPECT_TRUE(page_math::commonFactor(box->text, text)) << reading::describe(*problem);
    } else {
      reading::Line whole = *problem;
      whole.text = text + box->text + ")";
      EXPECT_TRUE(reading::cleanChain({whole}));
      EXPECT_TRUE(reading::factoredAtEnd(whole));
    }
  }
  EXPECT_EQ(shown, (std::map<float, int>{{98, 8}, {180, 6}, {380, 8}, {480, 6}}));
}

// --- Section 3 ------------------------------------------------------------------------------------

// The answers to problem 5: each relation row ends in the value it finds for a blank, ① or ②;
// with the values found, every relation and the item's identity hold.
TEST(FenwistPageFacts, Section3Problem5ValuesMakeTheIdentitiesTrue) {
  const HeadlessResult run = runFenwist("3\n5\n" + steps(15));
  ASSERT_FALSE(run.error);
  const Page page(run);
  const struct {
    int keys;
    At identity;
    float relationX;
    float relations[2];
  } items[] = {{4, {40, 90}, 94, {140, 190}}, {4, {40, 260}, 94, {310, 360}}, {4, {600, 30}, 654, {80, 130}}};
  for (const auto& item : items) {
    std::map<std::string, std::string> values;
    std::vector<reading::Line> statements;
    for (const float y : item.relations) {
      const std::optional<reading::Line> row = page.row(item.keys, {item.relationX, y});
      if (!row) continue;
      // "②^2=9 ②=3": the relation, then the value it gives.
      std::vector<std::string> parts = page_math::split(row->text, " ");
      std::erase(parts, "");
      ASSERT_EQ(parts.size(), 2u) << reading::describe(*row);
      values[before(parts[1], "=")] = after(parts[1], "=");
      for (const std::string& part : parts) {
        reading::Line statement = *row;
        statement.text = part;
        statements.push_back(statement);
      }
    }
    // The item's identity after its label; "②^2=9" has none: its circled number is a blank.
    std::optional<reading::Line> identity = page.row(item.keys, item.identity);
    if (!identity) continue;
    identity->text = algebra::withoutLabel(identity->text);
    statements.push_back(*identity);
    for (reading::Line statement : statements) {
      statement.text = page_math::substituted(statement.text, values);
      EXPECT_TRUE(reading::cleanChain({statement}));
    }
  }
}

// --- Section 4 ------------------------------------------------------------------------------------

// Example 5: the search for two numbers with the product 12 and the sum 7 is the search its
// problem asks for; the table lists pairs with that product and marks the one with that sum, and
// those two numbers, put for ○ and △, make the product with the unknown sides its problem, the
// corner of the diagram 12.
TEST(FenwistPageFacts, Section4Example5FindsTheNumbersItsProblemNeeds) {
  const HeadlessResult run = runFenwist("4\n1\n" + steps(15));
  ASSERT_FALSE(run.error);
  const Page page(run);
  const reading::Line problem = rowAt(page, 4, {110, 110}), search = rowAt(page, 4, {66, 290});
  const reading::Line products = rowAt(page, 4, {137, 353}), sums = rowAt(page, 4, {392.5, 353});
  // The rows of the table: a pair and its mark.
  const struct {
    reading::Line pair, mark;
  } rows[] = {{rowAt(page, 4, {140.5, 403}), rowAt(page, 4, {426.5, 403})},
              {rowAt(page, 4, {154, 453}), rowAt(page, 4, {426.5, 453})},
              {rowAt(page, 4, {154, 503}), rowAt(page, 4, {423, 503})}};
  // The product with the unknown sides, and the diagram with them, ○ down and △ across: its
  // corner, and the strips of x by ○ and x by △ merged.
  const reading::Line unknowns = rowAt(page, 4, {66, 170});
  const reading::Line down = rowAt(page, 4, {830, 342}), across = rowAt(page, 4, {1149, 40});
  const reading::Line corner = rowAt(page, 4, {1139, 342}), merged = rowAt(page, 4, {963, 408});
  if (HasFailure()) return;
  // "積が12、和が7となる数をさがす", and the table's head "積が12", "和が7".
  const std::string product = before(after(search.text, "積が"), "、"), sum = before(after(search.text, "和が"), "となる");
  EXPECT_TRUE(algebra::sameValue("x^2+(" + sum + ")x+(" + product + ")", problem.text)) << reading::describe(search);
  EXPECT_EQ(after(products.text, "積が"), product) << reading::describe(products);
  EXPECT_EQ(after(sums.text, "和が"), sum) << reading::describe(sums);
  std::map<std::string, std::string> values;
  for (const auto& [pairRow, mark] : rows) {
    const std::vector<std::string> pair = page_math::split(pairRow.text, "と");
    ASSERT_EQ(pair.size(), 2u) << reading::describe(pairRow);
    EXPECT_TRUE(algebra::sameValue("(" + pair[0] + ")(" + pair[1] + ")", product)) << reading::describe(pairRow);
    const bool marked = mark.text == "○";
    EXPECT_EQ(marked, static_cast<bool>(algebra::sameValue("(" + pair[0] + ")+(" + pair[1] + ")", sum)))
        << reading::describe(pairRow) << " marked" << reading::describe(mark);
    if (marked) values = {{"○", pair[0]}, {"△", pair[1]}};
  }
  ASSERT_EQ(values.size(), 2u) << "no pair marked";
  reading::Line found = unknowns;
  found.text = page_math::substituted(problem.text + unknowns.text, values);
  EXPECT_TRUE(reading::cleanChain({found}));
  EXPECT_EQ(down.text, "○") << reading::describe(down);
  EXPECT_EQ(across.text, "△") << reading::describe(across);
  EXPECT_TRUE(algebra::sameValue(corner.text, page_math::substituted("○*△", values))) << reading::describe(corner);
  EXPECT_TRUE(algebra::sameValue(merged.text, page_math::substituted("x(○+△)", values))) << reading::describe(merged);
}

}  // namespace
