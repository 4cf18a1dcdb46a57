// Section 6's random problems checked as mathematics: the generators' numbers and texts over every
// seed the clock can give, and every line example 2's drills show, read back from the screen,
// equal to the problem once the expression put equal to M is put back.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "answer_boxes.h"
#include "engine/engine.h"
#include "fenwist_support.h"
#include "programs/fenwist/section6.h"
#include "support/algebra.h"
#include "worked_items.h"

namespace {

using namespace fenwist;
using namespace fenwist_test;

// The text of a whole number with its sign always written.
std::string signed_(float n) { return (n > 0 ? "+" : "") + std::to_string(static_cast<int>(n)); }

// The text of a coefficient before a letter: 1 and -1 as their bare signs.
std::string coefficient(float n) { return n == 1 ? "+" : n == -1 ? "-" : signed_(n); }

TEST(GenSubstPair, APairWhoseSumAndProductAreNeverZero) {
  std::set<std::pair<float, float>> pairs;
  overSeeds(GENSUBSTPAIR, [&] {
    const float a = num(1), b = num(2);
    pairs.insert({a, b});
    EXPECT_TRUE(std::fabs(a) >= 1 && std::fabs(a) <= 5) << a;
    EXPECT_TRUE(b >= 1 && b <= 5) << b;
    EXPECT_NE(b, std::fabs(a));
    EXPECT_TRUE(b != 5 || std::fabs(a) == 4) << a << ", " << b;
    EXPECT_EQ(num(3), a + b);
    EXPECT_EQ(num(4), a * b);
  });
  // Every pair the rule allows. A b equal to |a| moves up by one, onto the next value: for |a| = 1
  // to 3 three values of b remain (b = 2, 3 and 4 for |a| = 1), for |a| = 4 and 5 four.
  EXPECT_EQ(pairs.size(), 34u);
}

TEST(GenReplaceLetter, ALetterTimesABinomialPlusOrMinusIt) {
  std::set<std::string> letters;
  overSeeds(GENREPLACELETTER, [&] {
    letters.insert(X_S);
    EXPECT_TRUE(std::fabs(num(1)) >= 1 && std::fabs(num(1)) <= 5) << num(1);
    EXPECT_TRUE(num(2) == 1 || num(2) == -1) << num(2);
    EXPECT_EQ(t(1), signed_(num(1)));
    EXPECT_EQ(t(2), signed_(num(2)));
    EXPECT_EQ(t(12), num(2) == 1 ? "+" : "-");
  });
  EXPECT_EQ(letters, (std::set<std::string>{"a", "b", "c"}));
}

TEST(GenReplaceBinomial, ATrinomialInOneOfFiveBinomials) {
  std::set<std::string> binomials;
  overSeeds(GENREPLACEBINOMIAL, [&] {
    binomials.insert(X_S);
    EXPECT_EQ(t(1), signed_(num(1)));
    EXPECT_EQ(t(2), signed_(num(2)));
    EXPECT_EQ(t(3), coefficient(num(3)));
    EXPECT_EQ(t(4), signed_(num(4)));
  });
  EXPECT_EQ(binomials, (std::set<std::string>{"a+b", "b-c", "a-b", "2a+c", "b+3c"}));
}

TEST(GenReplaceShifted, ATrinomialInXPlusFWhoseFinalFactorsHaveNonZeroConstants) {
  std::set<float> shifts;
  overSeeds(GENREPLACESHIFTED, [&] {
    const float f = F_A(1);
    shifts.insert(f);
    EXPECT_TRUE(std::fabs(f) >= 1 && std::fabs(f) <= 5) << f;
    EXPECT_EQ(num(5), f + num(1));
    EXPECT_EQ(num(6), f + num(2));
    EXPECT_NE(num(5), 0);
    EXPECT_NE(num(6), 0);
    EXPECT_EQ(X_S, "x" + signed_(f));
    EXPECT_EQ(t(3), coefficient(num(3)));
    for (const int i : {1, 2, 4, 5, 6}) EXPECT_EQ(t(i), signed_(num(i))) << i;
  });
  EXPECT_EQ(shifts.size(), 10u);
}

// --- Example 2 on the screen --------------------------------------------------------------------

// Three problems in each practice part, after every seed the clock can give: each problem's
// lines equal its problem, with the expression put equal to M put back, and its last line is a
// complete factorisation.
TEST(FenwistExample2Mathematics, EveryLineEqualsItsProblemWithMPutBack) {
  const std::string keys = "6\n1\n" + steps(3) + "\n" + steps(3) + "\n" + steps(3) + "1\n" + steps(5) + steps(5) +
                           "\n" + steps(5) + "\n" + steps(5) + "1\n" + steps(7) + "\n" + steps(7) + "\n" + steps(7) +
                           "1\n" + steps(1);
  std::set<std::string> middles;
  for (const int seed : sweptSeeds()) {
    const HeadlessResult run = runFenwist(keys, clockFor(seed));
    ASSERT_FALSE(run.error);
    const std::vector<Op> ops = drawn(run);
    const std::vector<std::size_t> prompts = nextSteps(ops);
    ASSERT_EQ(prompts.size(), 9u) << "seed " << seed;
    for (int k = 0; k < 9; ++k) {
      // Parts (1) and (3) on the left under the heading, part (4) in the right-hand column.
      const float x1 = k < 6 ? 0 : 700, x2 = k < 6 ? 690 : 1366;
      std::vector<std::string> lines = columnLines(ops, prompts[k], {{x1, x2}});
      // On the left the heading comes first.
      if (k < 6) lines.erase(lines.begin());
      ASSERT_EQ(lines.size(), k < 6 ? 5u : 6u) << "seed " << seed << ", problem " << k;
      EXPECT_EQ(lines[0].substr(0, 3), "(" + std::to_string(k < 3 ? 1 : k < 6 ? 3 : 4) + ")");
      ASSERT_TRUE(isNote(lines[1])) << algebra::utf8(lines[1]);
      EXPECT_EQ(expectWorkedItems(lines), 1);
      // The line in M of parts (3) and (4) writes a coefficient 1 as its bare sign.
      if (k >= 3) middles.insert(lines[2].substr(0, 6));
      if (::testing::Test::HasFailure()) FAIL() << "seed " << seed << ", problem " << k;
    }
  }
  EXPECT_TRUE(middles.count("=M^2+M") == 1 && middles.count("=M^2-M") == 1) << "bare signs came";
}

}  // namespace
