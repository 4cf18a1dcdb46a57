// The random problems of sections 4 and 5, checked over many seeds through the algebra checker:
// every line a drill shows equals its problem (the lines in M once M is put back) and is written
// cleanly, and the numbers keep their rules.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "drill_checks.h"
#include "engine/engine.h"
#include "programs/pradine/drill_kit.h"
#include "programs/pradine/globals.h"
#include "programs/pradine/section4.h"
#include "programs/pradine/section5.h"
#include "support/algebra.h"
#include "support/test_names.h"

namespace {

using namespace pradine;

// ---- Section 4: the mixed drill -------------------------------------------------------------

TEST(MixedNumbers, EveryLineEqualsTheProblemAndTheKindChangesButAfterARejection) {
  std::set<std::string> letters;
  std::map<float, int> kinds;
  int repeats = 0;
  CheckedDraws checked;
  overAllSeeds([&](int pass) {
    if (pass == 0) FMAESU = 0;
    const float previous = FMAESU;
    MIXEDNUMBERS();
    ASSERT_TRUE(KOUSIKI >= 1 && KOUSIKI <= 4) << KOUSIKI;
    EXPECT_EQ(FMAESU, KOUSIKI);
    ++kinds[KOUSIKI];
    letters.insert(X_S);
    // A kind comes again only after a rejected kind 1, which was itself drawn instead of the
    // previous kind: so the repeated kind is never 1.
    if (KOUSIKI == previous) {
      ++repeats;
      EXPECT_NE(KOUSIKI, 1);
    }
    const float a = T_A(1), b = T_A(2);
    EXPECT_TRUE(a != 0 && std::fabs(a) <= 8 && b != 0 && std::fabs(b) <= 8);
    if (KOUSIKI == 1) {
      EXPECT_NE(std::fabs(a), std::fabs(b));  // never a square or a sum times a difference
    } else {
      EXPECT_EQ(T_A(5), std::fabs(a));
      EXPECT_GT(KOUSIKI == 3 ? -a : a, 0);
      if (KOUSIKI == 4) {
        EXPECT_EQ(b, -a);
      }
    }
    const DrillTexts texts = drillTexts();
    if (!checked.next()) return;
    const std::string problem = algebra::withoutLabel(texts.problem);
    EXPECT_EQ(algebra::formFault(problem), "") << algebra::utf8(problem);
    expectShows(texts.expansion, problem);
    expectShows(texts.result, problem);
  });
  EXPECT_EQ(kinds.size(), 4u);
  EXPECT_EQ(letters.size(), 4u);
  EXPECT_GT(repeats, 0);  // a rejected kind 1 may give the kind before it again
}

// What section 1's drill leaves in the memory (a number from -8 to 8) blocks a kind only when it
// is one of 1 to 4, and then comes only after a rejected kind 1 (about one draw in 72).
TEST(MixedNumbers, TheMemoryBlocksItsKindButAfterARejection) {
  for (const float memory : {-3.0f, 0.0f, 1.0f, 2.0f, 3.0f, 4.0f, 7.0f}) {
    std::map<float, int> kinds;
    int draws = 0;
    overAllSeeds([&](int) {
      FMAESU = memory;
      MIXEDNUMBERS();
      ++kinds[KOUSIKI];
      ++draws;
    });
    const bool blocks = memory >= 1 && memory <= 4;
    EXPECT_EQ(kinds.size(), memory == 1 ? 3u : 4u) << memory;
    if (blocks) {
      EXPECT_LT(kinds[memory], draws / 20) << memory;
    }
  }
}

// ---- Section 4: the combined drill ----------------------------------------------------------

TEST(CombinedNumbers, EveryLineEqualsTheProblemAndProductsAlternate) {
  std::set<float> ps, ks;
  overSeeds([&](int pass) {
    NO = static_cast<float>(pass);
    COMBINEDNUMBERS();
    const float p = T_A(1), q = T_A(2), r = T_A(3), k = F_A(11);
    ps.insert(p);
    ks.insert(k);
    EXPECT_TRUE((p >= -4 && p <= 4 && p != 0) || p == 7 || p == 8 || p == 9) << p;
    EXPECT_NE(p, q);
    if (pass % 2 == 1) {
      EXPECT_EQ(q, -p);
    } else {
      EXPECT_TRUE(std::fabs(q) >= 2 && std::fabs(q) <= 5) << q;
    }
    EXPECT_TRUE(r != 0 && std::fabs(r) <= 5) << r;
    EXPECT_TRUE(k != 0 && std::fabs(k) <= 3) << k;
    const CombinedTexts texts = combinedTexts();
    EXPECT_EQ(algebra::formFault(texts.problem), "") << algebra::utf8(texts.problem);
    for (const std::string& line : {texts.products, texts.opened, texts.gathered, texts.answer})
      expectShows(line, texts.problem);
  });
  EXPECT_EQ(ps.size(), 11u);  // -4 to 4 but 0, and 7, 8, 9 from the equality rule
  EXPECT_EQ(ks.size(), 6u);
}

struct CombinedCase {
  float p, q, r, k;
  const char* lines[5];
};

class CombinedTerms : public testing::TestWithParam<CombinedCase> {};

// The texts as the lesson writes them, for numbers chosen to hit each rule of the signs.
TEST_P(CombinedTerms, WriteTheWorkingAsTheLessonShowsIt) {
  const CombinedCase& c = GetParam();
  T_A(1) = c.p;
  T_A(2) = c.q;
  T_A(3) = c.r;
  F_A(11) = c.k;
  COMBINEDTERMS();
  const CombinedTexts texts = combinedTexts();
  const std::string got[5] = {texts.problem, texts.products, texts.opened, texts.gathered, texts.answer};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(algebra::utf8(got[i]), algebra::utf8(c.lines[i])) << "line " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CombinedTerms,
    testing::Values(
        CombinedCase{3, -2, 1, -1, {"(x+3)(x-2)-(x+1)^2", "=x^2+x-6-(x^2+2x+1)", "=x^2+x-6-x^2-2x-1",
                                    "=x^2-x^2+x-2x-6-1", "=-x-7"}},
        CombinedCase{-4, 4, -5, -3, {"(x-4)(x+4)-3(x-5)^2", "=x^2-16-3(x^2-10x+25)", "=x^2-16-3x^2+30x-75",
                                     "=x^2-3x^2+30x-16-75", "=-2x^2+30x-91"}},
        CombinedCase{8, 3, 2, 2, {"(x+8)(x+3)+2(x+2)^2", "=x^2+11x+24+2(x^2+4x+4)", "=x^2+11x+24+2x^2+8x+8",
                                  "=x^2+2x^2+11x+8x+24+8", "=3x^2+19x+32"}},
        CombinedCase{3, -3, 2, 1, {"(x+3)(x-3)+(x+2)^2", "=x^2-9+(x^2+4x+4)", "=x^2-9+x^2+4x+4",
                                   "=x^2+x^2+4x-9+4", "=2x^2+4x-5"}},
        CombinedCase{-4, -5, -5, -1, {"(x-4)(x-5)-(x-5)^2", "=x^2-9x+20-(x^2-10x+25)", "=x^2-9x+20-x^2+10x-25",
                                      "=x^2-x^2-9x+10x+20-25", "=x-5"}},
        CombinedCase{-4, -2, -3, -1, {"(x-4)(x-2)-(x-3)^2", "=x^2-6x+8-(x^2-6x+9)", "=x^2-6x+8-x^2+6x-9",
                                      "=x^2-x^2-6x+6x+8-9", "=-1"}},
        CombinedCase{-4, -5, -5, -2, {"(x-4)(x-5)-2(x-5)^2", "=x^2-9x+20-2(x^2-10x+25)", "=x^2-9x+20-2x^2+20x-50",
                                      "=x^2-2x^2-9x+20x+20-50", "=-x^2+11x-30"}},
        CombinedCase{-4, -2, -1, -3, {"(x-4)(x-2)-3(x-1)^2", "=x^2-6x+8-3(x^2-2x+1)", "=x^2-6x+8-3x^2+6x-3",
                                      "=x^2-3x^2-6x+6x+8-3", "=-2x^2+5"}},
        CombinedCase{-4, -3, -2, -3, {"(x-4)(x-3)-3(x-2)^2", "=x^2-7x+12-3(x^2-4x+4)", "=x^2-7x+12-3x^2+12x-12",
                                      "=x^2-3x^2-7x+12x+12-12", "=-2x^2+5x"}},
        CombinedCase{1, -1, -1, 1, {"(x+1)(x-1)+(x-1)^2", "=x^2-1+(x^2-2x+1)", "=x^2-1+x^2-2x+1",
                                    "=x^2+x^2-2x-1+1", "=2x^2-2x"}}),
    [](const testing::TestParamInfo<CombinedCase>& info) { return testName(info.param.lines[0]); });

// ---- Section 5: the problems of the figure drill and the box task ----------------------------

TEST(SubstProblem, BothFormsRewriteAsASquareLessTheNumberSquared) {
  std::set<std::string> letters, pairs, seconds;
  std::set<float> numbers;
  overSeeds([&](int) {
    SUBSTPROBLEM();
    const float n = T_A(3);
    numbers.insert(T_A(1));
    EXPECT_EQ(T_A(2), -T_A(1));
    EXPECT_EQ(n, std::fabs(T_A(1)));
    EXPECT_TRUE(F_A(1) != 0 && std::fabs(F_A(1)) <= 5) << F_A(1);
    letters.insert(X_S);
    pairs.insert(X_S_A(1) + X_S_A(3));
    seconds.insert(X_S_A(2));
    const std::string u = X_S_A(1) + X_S_A(2);
    EXPECT_EQ(algebra::formFault(u), "") << algebra::utf8(u);
    // Loop (1): the box holds the letter squared; loop (2): the box, squared, holds u.
    const std::string one = "(" + X_S + T_S_A(1) + ")(" + X_S + T_S_A(2) + ")";
    const std::string two = "(" + u + T_S_A(1) + ")(" + u + T_S_A(2) + ")";
    EXPECT_EQ(algebra::formFault(one), "") << algebra::utf8(one);
    EXPECT_EQ(algebra::formFault(two), "") << algebra::utf8(two);
    expectShows("=" + X_S + "^2-" + T_S_A(3) + "^2", one);
    expectShows("=(" + u + ")^2-" + T_S_A(3) + "^2", two);
  });
  EXPECT_EQ(numbers.size(), 16u);
  EXPECT_EQ(letters, (std::set<std::string>{"x", "y", "a", "b"}));
  EXPECT_EQ(pairs, (std::set<std::string>{"xA", "aX"}));
  EXPECT_EQ(seconds.size(), 20u);  // +y, -y, +2y ... -5b
}

// ---- Section 5: the substitution drills -----------------------------------------------------

// Each line equals the problem: the lines in M once the binomial is put back for M.
void expectSubstLines(const SubstTexts& texts) {
  EXPECT_EQ(algebra::formFault(texts.problem), "") << algebra::utf8(texts.problem);
  const GiNaC::ex problem = algebra::parse(texts.problem);
  const GiNaC::ex binomial = algebra::parse(texts.boxed);
  for (const std::string& line : {texts.inM, texts.expanded}) {
    EXPECT_EQ(algebra::formFault(line), "") << algebra::utf8(line);
    EXPECT_TRUE(algebra::sameValue(texts.problem, algebra::parse(line).subs(algebra::letter('M') == binomial)))
        << algebra::utf8(line);
  }
  expectShows(texts.putBack, texts.problem);
  expectShows(texts.answer, texts.problem);
}

TEST(SubstDrills, ProductLinesEqualTheProblemWithMPutBack) {
  std::set<std::tuple<float, float>> pairs;
  std::set<std::string> rows;
  overSeeds([&](int) {
    SUBSTDRILLPROBLEM(SubstDrill::Product);
    const float p = T_A(1), q = T_A(2);
    pairs.insert({p, q});
    rows.insert(Y_S_A(1));
    EXPECT_TRUE(p != 0 && std::fabs(p) <= 5) << p;
    EXPECT_TRUE(q >= 1 && q <= 5 && q != std::fabs(p)) << q;
    if (q == 5) {
      EXPECT_EQ(std::fabs(p), 4);
    }
    EXPECT_NE(p + q, 0);
    expectSubstLines(substTexts(SubstDrill::Product));
  });
  EXPECT_EQ(rows.size(), 5u);
  // q is 1 to 4, one step up where it meets |p|: three values for |p| from 1 to 3, four for 4 and 5.
  EXPECT_EQ(pairs.size(), 2u * (3 + 3 + 3 + 4 + 4));
}

TEST(SubstDrills, SquareLinesEqualTheProblemWithMPutBack) {
  std::set<float> ps;
  overSeeds([&](int) {
    SUBSTDRILLPROBLEM(SubstDrill::Square);
    ps.insert(T_A(1));
    EXPECT_EQ(T_A(2), T_A(1));
    expectSubstLines(substTexts(SubstDrill::Square));
  });
  EXPECT_EQ(ps.size(), 10u);
}

struct SubstCase {
  SubstDrill drill;
  float p, q;
  const char* row;
  const char* lines[6];
};

// The lines of chosen problems, as the lesson writes them: found among the problems the seeds give.
TEST(SubstDrills, WriteTheStepsAsTheLessonShowsThem) {
  const SubstCase cases[] = {
      {SubstDrill::Product, -1, 2, "a-b",
       {"(a-b-1)(a-b+2)", "a-b", "=(M-1)(M+2)", "=M^2+M-2", "=(a-b)^2+(a-b)-2", "=a^2-2ab+b^2+a-b-2"}},
      {SubstDrill::Product, -3, 2, "b-c",
       {"(b-c-3)(b-c+2)", "b-c", "=(M-3)(M+2)", "=M^2-M-6", "=(b-c)^2-(b-c)-6", "=b^2-2bc+c^2-b+c-6"}},
      {SubstDrill::Square, 1, 1, "a-b",
       {"(a-b+1)^2", "a-b", "=(M+1)^2", "=M^2+2M+1", "=(a-b)^2+2(a-b)+1", "=a^2-2ab+b^2+2a-2b+1"}},
      {SubstDrill::Product, 2, 3, "a+b",
       {"(a+b+2)(a+b+3)", "a+b", "=(M+2)(M+3)", "=M^2+5M+6", "=(a+b)^2+5(a+b)+6", "=a^2+2ab+b^2+5a+5b+6"}},
      {SubstDrill::Product, 4, 5, "b+c",
       {"(b+c+4)(b+c+5)", "b+c", "=(M+4)(M+5)", "=M^2+9M+20", "=(b+c)^2+9(b+c)+20", "=b^2+2bc+c^2+9b+9c+20"}},
      {SubstDrill::Product, -5, 3, "2a+c",
       {"(2a+c-5)(2a+c+3)", "2a+c", "=(M-5)(M+3)", "=M^2-2M-15", "=(2a+c)^2-2(2a+c)-15",
        "=4a^2+4ac+c^2-4a-2c-15"}},
      {SubstDrill::Square, -5, -5, "2a+c",
       {"(2a+c-5)^2", "2a+c", "=(M-5)^2", "=M^2-10M+25", "=(2a+c)^2-10(2a+c)+25", "=4a^2+4ac+c^2-20a-10c+25"}},
      {SubstDrill::Square, -3, -3, "b+c",
       {"(b+c-3)^2", "b+c", "=(M-3)^2", "=M^2-6M+9", "=(b+c)^2-6(b+c)+9", "=b^2+2bc+c^2-6b-6c+9"}},
  };
  for (const SubstCase& c : cases) {
    bool found = false;
    overAllSeeds([&](int) {
      if (found) return;
      SUBSTDRILLPROBLEM(c.drill);
      if (T_A(1) != c.p || T_A(2) != c.q || Y_S_A(1) != c.row) return;
      found = true;
      const SubstTexts texts = substTexts(c.drill);
      const std::string got[6] = {texts.problem, texts.boxed, texts.inM, texts.expanded, texts.putBack, texts.answer};
      for (int i = 0; i < 6; ++i) EXPECT_EQ(algebra::utf8(got[i]), algebra::utf8(c.lines[i])) << "line " << i;
    });
    EXPECT_TRUE(found) << c.lines[0];
  }
}

}  // namespace
