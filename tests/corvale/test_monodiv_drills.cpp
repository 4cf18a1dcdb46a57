// The problems of section 2, checked as the pupils see them: every line of a pass (the
// division, the product with the reciprocal, the split into two terms, the quotient) is the
// division the numbers describe, written the way a textbook writes it, over many seeds; the
// draws come in the order the lessons make them; review 2's table and the answers of problem 2
// are right.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <set>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "corvale_checks.h"
#include "engine/engine.h"
#include "programs/corvale/answers_monodiv.h"
#include "programs/corvale/monodiv_drills.h"
#include "programs/corvale/monomul_drills.h"
#include "support/algebra.h"
#include "support/over_seeds.h"

using namespace corvale;
using algebra::letter;

namespace {

constexpr int SEEDS = 3000;

GiNaC::ex whole(float v) { return GiNaC::numeric(ROUNDED(v)); }

std::string trace(const DivisionLines& lines) {
  return algebra::utf8(joined(lines.problem)) + " | " + algebra::utf8(joined(lines.product)) + " | " +
         algebra::utf8(joined(lines.split)) + " | " + algebra::utf8(lines.answer);
}

// The quotient has no bracket and no fraction.
void expectPlainQuotient(const DivisionLines& lines) {
  SCOPED_TRACE(trace(lines));
  EXPECT_EQ(lines.answer.find('('), std::string::npos);
  EXPECT_EQ(lines.answer.find("ﾀ"), std::string::npos);
}

// Every line of a pass equals the division and is written cleanly.
void expectShowsDivision(const DivisionLines& lines, const GiNaC::ex& division) {
  SCOPED_TRACE(trace(lines));
  for (const std::string& line : {joined(lines.problem), joined(lines.product), joined(lines.split), lines.answer}) {
    EXPECT_TRUE(algebra::sameValue(line, division));
    EXPECT_EQ(algebra::formFault(line), "");
  }
}

// Seeds the generator so that its next draws are u[0], u[1], ... as PaRnd gives them.
std::vector<float> drawsOf(float seed, int count) {
  PaRandomize(seed);
  std::vector<float> u;
  for (int i = 0; i < count; ++i) u.push_back(PaRnd());
  PaRandomize(seed);
  return u;
}

int sized(float u, int range) { return static_cast<int>(std::floor(u * range)) + 1; }
int signedBy(int value, float u) { return std::floor(u * 2) == 0 ? -value : value; }

// A seed whose next draws are the given sizes and signs in order; each draw is (range, wanted):
// a size 1..range, or for range 0 a sign (+1 or -1). Leaves the generator seeded with it.
void seedFor(const std::vector<std::pair<int, int>>& draws) {
  for (float seed = 0; seed < 2000000; ++seed) {
    const std::vector<float> u = drawsOf(seed, static_cast<int>(draws.size()));
    bool all = true;
    for (std::size_t i = 0; i < draws.size() && all; ++i) {
      const auto [range, wanted] = draws[i];
      all = range == 0 ? signedBy(1, u[i]) == wanted : sized(u[i], range) == wanted;
    }
    if (all) {
      PaRandomize(seed);
      return;
    }
  }
  ADD_FAILURE() << "no seed found";
}

constexpr int SIGN = 0;

// The draws of review 1 and drill (1): the divisor's size (its place in 2, 3, 5) and sign, then
// p and q, each a size 1 to 5 and a sign.
std::vector<std::pair<int, int>> divisionDraws(int d, int p, int q) {
  const int place = std::abs(d) == 2 ? 1 : std::abs(d) == 3 ? 2 : 3;
  return {{3, place}, {SIGN, d > 0 ? 1 : -1}, {5, std::abs(p)}, {SIGN, p > 0 ? 1 : -1},
          {5, std::abs(q)}, {SIGN, q > 0 ? 1 : -1}};
}

}  // namespace

TEST(CorvaleDivisionGenerators, ReviewOneShowsTheDivisionOverManySeeds) {
  std::set<std::tuple<float, float, float>> seen;
  bool unitFirst = false, unitSecond = false, minusUnit = false;
  CheckedDraws checked;
  for (float seed = 0; seed < SEEDS; ++seed) {
    PaRandomize(seed);
    for (int pass = 0; pass < 3; ++pass) {
      GENDIVINT();
      const float d = T_A(1), a = T_A(2), b = T_A(3);
      ASSERT_TRUE(F_A(1) == 2 || F_A(1) == 3 || F_A(1) == 5) << F_A(1);
      ASSERT_EQ(std::fabs(d), F_A(1));
      ASSERT_TRUE(std::fabs(T_A(12)) >= 1 && std::fabs(T_A(12)) <= 5 && std::fabs(T_A(13)) >= 1 &&
                  std::fabs(T_A(13)) <= 5);
      seen.insert({d, T_A(12), T_A(13)});
      unitFirst |= std::fabs(T_A(4)) == 1;
      unitSecond |= T_A(5) == 1;
      minusUnit |= T_A(5) == -1;
      // The divisor and its reciprocal stand in brackets exactly when negative.
      EXPECT_EQ(T_S_A(1).front() == '(', d < 0);
      EXPECT_EQ(RAB_S_A(1).front() == '(', d < 0);
      const DivisionLines lines = divIntLines();
      expectPlainQuotient(lines);
      if (checked.next()) {
        const GiNaC::ex x = letter('x'), y = letter('y');
        expectShowsDivision(lines, (whole(a) * x + whole(b) * y) / whole(d));
      }
      // The strokes strike digits only, and write the quotient's size above them.
      EXPECT_EQ(T_S_A(2), std::to_string(ROUNDED(std::fabs(a))));
      EXPECT_EQ(T_S_A(12), std::to_string(ROUNDED(std::fabs(a / d))));
      EXPECT_EQ(T_S_A(13), std::to_string(ROUNDED(std::fabs(b / d))));
    }
  }
  // Every divisor of either sign with every pair of cofactors came up.
  EXPECT_EQ(seen.size(), 6u * 10 * 10);
  EXPECT_TRUE(unitFirst && unitSecond && minusUnit);
}

TEST(CorvaleDivisionGenerators, ReviewOneWorkedExample) {
  seedFor(divisionDraws(-3, -2, 3));
  GENDIVINT();
  const DivisionLines lines = divIntLines();
  EXPECT_EQ(lines.problem, std::vector<std::string>{"(-6x+9y)/(-3)"});
  EXPECT_EQ(lines.product, (std::vector<std::string>{"=(", "-6x", "+9y)*", "(-ﾀ1/3ﾀ)"}));
  EXPECT_EQ(lines.split, (std::vector<std::string>{"=", "-6x*", "(-ﾀ1/3ﾀ)", "+9y*", "(-ﾀ1/3ﾀ)"}));
  EXPECT_EQ(lines.answer, "=2x-3y");
  EXPECT_EQ(T_S_A(12), "2");
  EXPECT_EQ(T_S_A(13), "3");
}

TEST(CorvaleDivisionGenerators, ReviewOneUnitQuotientsShowTheLetterAlone) {
  struct Case {
    int d, p, q;
    const char* answer;
  };
  for (const Case& c : {Case{2, 1, 1, "=x+y"}, Case{-5, 1, 1, "=-x-y"}, Case{3, -1, -2, "=-x-2y"},
                        Case{-2, -1, 1, "=x-y"}}) {
    seedFor(divisionDraws(c.d, c.p, c.q));
    GENDIVINT();
    EXPECT_EQ(divIntLines().answer, c.answer);
  }
}

TEST(CorvaleDivisionGenerators, DrillOneShowsTheDivisionOverManySeeds) {
  std::set<std::tuple<float, float, float>> seen;
  std::set<std::string> letters;
  CheckedDraws checked;
  for (float seed = 0; seed < SEEDS; ++seed) {
    PaRandomize(seed);
    for (int pass = 0; pass < 3; ++pass) {
      GENDIVMONO();
      const float d = T_A(1), a = T_A(2), b = T_A(3);
      ASSERT_TRUE(A1_S == "x" || A1_S == "y") << A1_S;
      seen.insert({d, T_A(12), T_A(13)});
      letters.insert(A1_S);
      // The divisor stands in brackets when negative; the reciprocal's fraction is 1 over |d|L
      // with the minus in front of it.
      EXPECT_EQ(X_S_A(1).front() == '(', d < 0);
      EXPECT_EQ(X_S_A(2).find("ﾀ1/" + F_S_A(1) + A1_S + "ﾀ"), d < 0 ? 2u : 0u);
      const DivisionLines lines = divMonoLines();
      expectPlainQuotient(lines);
      if (!checked.next()) continue;
      const GiNaC::ex x = letter('x'), y = letter('y');
      const GiNaC::ex divisor = whole(d) * letter(A1_S[0]);
      EXPECT_TRUE(algebra::sameValue(X_S_A(1), divisor));
      EXPECT_TRUE(algebra::sameValue(X_S_A(2), 1 / divisor));
      expectShowsDivision(lines, (whole(a) * x * x * y + whole(b) * x * y * y) / divisor);
      // The quotient's terms are the dividend's divided by the divisor, in order.
      EXPECT_TRUE(algebra::sameValue(T_S_A(4) + X_S_A(3), whole(a) * x * x * y / divisor));
      EXPECT_TRUE(algebra::sameValue(T_S_A(5) + X_S_A(4), whole(b) * x * y * y / divisor));
    }
  }
  EXPECT_EQ(seen.size(), 6u * 10 * 10);
  EXPECT_EQ(letters.size(), 2u);
}

// The passes that the lessons work through, from their draws.
TEST(CorvaleDivisionGenerators, DrillOneWorkedPasses) {
  struct Case {
    int d, p, q, letterDraw;
    const char *divisor, *reciprocal, *problem, *product, *first, *second, *answer;
  };
  const Case cases[] = {
      {-3, 2, -4, 1, "(-3x)", "(-ﾀ1/3xﾀ)", "(6x^2y-12xy^2)/(-3x)", "=(6x^2y-12xy^2)*(-ﾀ1/3xﾀ)", "ﾀ6x^2y/-3xﾀ+",
       "ﾀ-12xy^2/-3xﾀ", "=-2xy+4y^2"},
      {5, -1, 3, 2, "5y", "ﾀ1/5yﾀ", "(-5x^2y+15xy^2)/5y", "=(-5x^2y+15xy^2)*ﾀ1/5yﾀ", "ﾀ-5x^2y/5yﾀ+",
       "ﾀ15xy^2/5yﾀ", "=-x^2+3xy"},
      {2, 1, -1, 1, "2x", "ﾀ1/2xﾀ", "(2x^2y-2xy^2)/2x", "=(2x^2y-2xy^2)*ﾀ1/2xﾀ", "ﾀ2x^2y/2xﾀ+", "ﾀ-2xy^2/2xﾀ",
       "=xy-y^2"},
      {-3, -2, 3, 1, "(-3x)", "(-ﾀ1/3xﾀ)", "(-6x^2y+9xy^2)/(-3x)", "=(-6x^2y+9xy^2)*(-ﾀ1/3xﾀ)", "ﾀ-6x^2y/-3xﾀ+",
       "ﾀ9xy^2/-3xﾀ", "=2xy-3y^2"},
  };
  for (const Case& c : cases) {
    auto draws = divisionDraws(c.d, c.p, c.q);
    draws.push_back({2, c.letterDraw});
    seedFor(draws);
    GENDIVMONO();
    EXPECT_EQ(X_S_A(1), c.divisor);
    EXPECT_EQ(X_S_A(2), c.reciprocal);
    const DivisionLines lines = divMonoLines();
    EXPECT_EQ(lines.problem, std::vector<std::string>{c.problem});
    EXPECT_EQ(lines.product, std::vector<std::string>{c.product});
    EXPECT_EQ(lines.split, (std::vector<std::string>{"=", c.first, c.second}));
    EXPECT_EQ(lines.answer, c.answer);
    EXPECT_EQ(T_S_A(12), std::to_string(std::abs(c.p)));
    EXPECT_EQ(T_S_A(13), std::to_string(std::abs(c.q)));
  }
}

TEST(CorvaleDivisionGenerators, DrillTwoShowsTheDivisionOverManySeeds) {
  std::set<std::tuple<float, float>> divisors;
  std::set<std::string> letterParts;
  CheckedDraws checked;
  for (float seed = 0; seed < SEEDS; ++seed) {
    PaRandomize(seed);
    for (int pass = 0; pass < 3; ++pass) {
      GENDIVFRAC();
      const float q = F_A(1), p = T_A(1), m = T_A(2), n = T_A(3);
      // q is ±2, ±3 or ±5 and p another of 2, 3, 5, 7: the coefficient q/p is never whole,
      // never reducible, and never has 7 above the bar.
      ASSERT_TRUE(std::fabs(q) == 2 || std::fabs(q) == 3 || std::fabs(q) == 5) << q;
      ASSERT_TRUE(p == 2 || p == 3 || p == 5 || p == 7) << p;
      ASSERT_NE(p, std::fabs(q));
      divisors.insert({q, p});
      letterParts.insert(A1_S);
      // The quotient's coefficients are never 0 or ±1: each shows its sign and digits.
      for (int i : {4, 5}) {
        EXPECT_GE(std::fabs(T_A(i)), 2);
        EXPECT_EQ(T_S_A(i), (T_A(i) > 0 ? "+" : "") + std::to_string(ROUNDED(T_A(i))));
      }
      EXPECT_EQ(F_S_A(11), std::to_string(ROUNDED(std::fabs(q))));
      EXPECT_EQ(X_S_A(1).front() == '(', q < 0);
      EXPECT_EQ(X_S_A(2).front() == '(', q < 0);
      const DivisionLines lines = divFracLines();
      expectPlainQuotient(lines);
      // The split fractions multiply each term by p over the divisor's q and letters.
      for (const std::string& fraction : {lines.split[1], lines.split[2]})
        EXPECT_NE(fraction.find("*" + T_S_A(1) + "/" + F_S_A(1) + A1_S + "ﾀ"), std::string::npos) << fraction;
      if (!checked.next()) continue;
      GiNaC::ex part = 1;
      for (char c : A1_S) part *= letter(c);
      const GiNaC::ex a = letter('a'), b = letter('b');
      const GiNaC::ex divisor = GiNaC::numeric(ROUNDED(q), ROUNDED(p)) * part;
      EXPECT_TRUE(algebra::sameValue(X_S_A(1), divisor));
      EXPECT_TRUE(algebra::sameValue(X_S_A(2), 1 / divisor));
      EXPECT_EQ(algebra::formFault(X_S_A(1)), "");
      EXPECT_EQ(algebra::formFault(X_S_A(2)), "");
      expectShowsDivision(lines, (whole(m) * a * a * b + whole(n) * a * b * b) / divisor);
      EXPECT_TRUE(algebra::sameValue(T_S_A(4) + X_S_A(3), whole(m) * a * a * b / divisor));
      EXPECT_TRUE(algebra::sameValue(T_S_A(5) + X_S_A(4), whole(n) * a * b * b / divisor));
    }
  }
  EXPECT_EQ(divisors.size(), 18u);
  EXPECT_EQ(letterParts, (std::set<std::string>{"a", "b", "ab"}));
}

TEST(CorvaleDivisionGenerators, DrillTwoWorkedPasses) {
  struct Case {
    int firstPick, secondPick, sign, s, t, letterDraw;
    const char *divisor, *reciprocal, *problem, *product, *first, *second, *answer;
  };
  const Case cases[] = {
      {2, 1, -1, 2, -3, 1, "(-ﾀ3/2ﾀa)", "(-ﾀ2/3aﾀ)", "(6a^2b-9ab^2)/(-ﾀ3/2ﾀa)", "=(6a^2b-9ab^2)*(-ﾀ2/3aﾀ)",
       "ﾀ6a^2b*2/-3aﾀ+", "ﾀ-9ab^2*2/-3aﾀ", "=-4ab+6b^2"},
      {3, 3, 1, -1, 4, 3, "ﾀ5/7ﾀab", "ﾀ7/5abﾀ", "(-5a^2b+20ab^2)/ﾀ5/7ﾀab", "=(-5a^2b+20ab^2)*ﾀ7/5abﾀ",
       "ﾀ-5a^2b*7/5abﾀ+", "ﾀ20ab^2*7/5abﾀ", "=-7a+28b"},
      {1, 2, 1, 5, -1, 2, "ﾀ2/5ﾀb", "ﾀ5/2bﾀ", "(10a^2b-2ab^2)/ﾀ2/5ﾀb", "=(10a^2b-2ab^2)*ﾀ5/2bﾀ",
       "ﾀ10a^2b*5/2bﾀ+", "ﾀ-2ab^2*5/2bﾀ", "=25a^2-5ab"},
  };
  for (const Case& c : cases) {
    seedFor({{3, c.firstPick}, {3, c.secondPick}, {SIGN, c.sign}, {5, std::abs(c.s)}, {SIGN, c.s > 0 ? 1 : -1},
             {5, std::abs(c.t)}, {SIGN, c.t > 0 ? 1 : -1}, {3, c.letterDraw}});
    GENDIVFRAC();
    EXPECT_EQ(X_S_A(1), c.divisor);
    EXPECT_EQ(X_S_A(2), c.reciprocal);
    const DivisionLines lines = divFracLines();
    EXPECT_EQ(lines.problem, std::vector<std::string>{c.problem});
    EXPECT_EQ(lines.product, std::vector<std::string>{c.product});
    EXPECT_EQ(lines.split, (std::vector<std::string>{"=", c.first, c.second}));
    EXPECT_EQ(lines.answer, c.answer);
    EXPECT_EQ(T_S_A(12), std::to_string(std::abs(c.s)));
    EXPECT_EQ(T_S_A(13), std::to_string(std::abs(c.t)));
  }
}

TEST(CorvaleDivisionGenerators, PickWithoutRepeatTakesItsPool) {
  // With the pool 2, 3, 5, 7 the second pick takes from the three left after the first.
  std::set<std::pair<float, float>> pairs;
  for (float seed = 0; seed < 500; ++seed) {
    PaRandomize(seed);
    PICKDISTINCT({2, 3, 5, 7}, 2);
    EXPECT_NE(F_A(1), T_A(1));
    EXPECT_NE(F_A(1), 7);
    pairs.insert({F_A(1), T_A(1)});
    // One pick from 2, 3, 5, 1 never takes the 1, and leaves the pool as it was.
    PICKDISTINCT({2, 3, 5, 1}, 1);
    EXPECT_NE(F_A(1), 1);
    EXPECT_EQ(X_A(4), 1);
  }
  EXPECT_EQ(pairs.size(), 9u);
}

TEST(CorvaleReciprocalTable, EachRowIsOneFractionAndItsReciprocal) {
  for (const ReciprocalRow& row : RECIPROCALS) {
    SCOPED_TRACE(algebra::utf8(row.term));
    const GiNaC::ex term = algebra::parse(row.term);
    EXPECT_TRUE(algebra::sameValue(row.fraction, term));
    EXPECT_TRUE(algebra::sameValue(row.reciprocal, 1 / term));
    for (const char* line : {row.term, row.fraction, row.reciprocal}) EXPECT_EQ(algebra::formFault(line), "");
  }
}

namespace {

using Row = common::PageRow;

// An item of an answer column: its label (colour 3), then lines in colour 0 that all equal the
// quotient, which follows in colour 5. Returns the number of items.
int checkItems(std::span<const Row> rows) {
  int items = 0;
  std::vector<const Row*> working;
  for (const Row& row : rows) {
    if (row.kind != Row::Kind::Formula) continue;
    if (row.colour == 3) {
      working.clear();
    } else if (row.colour == 0) {
      working.push_back(&row);
    } else if (row.colour == 5) {
      ++items;
      SCOPED_TRACE(algebra::utf8(row.text));
      EXPECT_GE(working.size(), 2u);
      EXPECT_EQ(algebra::formFault(row.text), "");
      for (const Row* line : working) {
        EXPECT_TRUE(algebra::sameValue(line->text, row.text));
        EXPECT_EQ(algebra::formFault(line->text), "") << algebra::utf8(line->text);
      }
      // Working lines 70 px apart, the quotient 60 px under the last.
      for (std::size_t i = 1; i < working.size(); ++i) EXPECT_EQ(working[i]->y, working[i - 1]->y + 70);
      EXPECT_EQ(row.y, working.back()->y + 60);
    }
  }
  return items;
}

}  // namespace

TEST(CorvaleDivisionAnswerPages, EveryQuotientIsItsDivision) {
  EXPECT_EQ(checkItems(ANSWERS2_PAGE_ONE_LEFT), 2);
  EXPECT_EQ(checkItems(ANSWERS2_PAGE_ONE_RIGHT), 2);
  EXPECT_EQ(checkItems(ANSWERS2_PAGE_TWO_LEFT), 2);
  EXPECT_EQ(checkItems(ANSWERS2_PAGE_TWO_RIGHT), 2);
}
