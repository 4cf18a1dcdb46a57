// Section 5's random problems checked as mathematics: the generators' numbers and texts over every
// seed the clock can give, and every line example 1 shows, read back from the screen, equal to its
// problem, with each factorisation complete.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "answer_boxes.h"
#include "engine/engine.h"
#include "fenwist_support.h"
#include "programs/fenwist/globals.h"
#include "programs/fenwist/section5.h"
#include "support/algebra.h"
#include "support/page_lines.h"

namespace {

using namespace fenwist;
using namespace fenwist_test;

bool isSigned(const std::string& text) { return !text.empty() && (text[0] == '+' || text[0] == '-') && text.size() > 1; }

// --- Part (1)'s generator -----------------------------------------------------------------------

TEST(GenCfTerms, TheFactorIsTheGreatestCommonDivisorAndTheBracketKeepsCoprimeCofactors) {
  std::set<float> factors;
  overSeeds(GENCFTERMS, [&] {
    const float f = F_A(1), a = num(1), b = num(2);
    factors.insert(f);
    EXPECT_EQ(num(3), f * a);
    EXPECT_EQ(num(4), f * b);
    EXPECT_GE(a, 1);
    EXPECT_EQ(std::gcd(static_cast<int>(a), static_cast<int>(std::fabs(b))), 1) << a << ", " << b;
    // The texts: a cofactor 1 without its digit, the second term signed.
    EXPECT_EQ(t(1), a == 1 ? std::string() : std::to_string(static_cast<int>(a)));
    const std::string bDigits = std::fabs(b) == 1 ? "" : std::to_string(static_cast<int>(std::fabs(b)));
    EXPECT_EQ(t(2), (b > 0 ? "+" : "-") + bDigits);
    EXPECT_TRUE(isSigned(t(4))) << t(4);
    EXPECT_TRUE((X_S == "x^2" && Y_S == "y") || (X_S == "a^2" && Y_S == "b")) << X_S << Y_S;
    const std::string problem = t(3) + X_S + t(4) + Y_S;
    const std::string answer = F_S_A(1) + "(" + t(1) + X_S + t(2) + Y_S + ")";
    EXPECT_EQ(algebra::formFault(problem), "") << algebra::utf8(problem);
    EXPECT_EQ(algebra::formFault(answer), "") << algebra::utf8(answer);
    EXPECT_TRUE(algebra::sameValue(answer, problem));
    EXPECT_TRUE(algebra::completelyFactored(answer));
  });
  // The factor is at least the drawn 2 and reaches 25: 25x^2+25y, 5 times 5 with cofactors 1 and 1.
  EXPECT_EQ(*factors.begin(), 2);
  EXPECT_EQ(*factors.rbegin(), 25);
}

// --- GENCOMMON ----------------------------------------------------------------------------------

TEST(GenCommon, NumbersOfEachKindAndTheirSignedTexts) {
  overSeeds(GENCOMMON, [] {
    const float a = num(1), b = num(2), f = F_A(1);
    EXPECT_EQ(FMAESU, KOUSIKI);
    EXPECT_TRUE(std::fabs(f) >= 2 && std::fabs(f) <= 5) << f;
    EXPECT_GE(std::fabs(a), 1);
    EXPECT_LE(std::fabs(a), 9);
    if (KOUSIKI == 1) {
      EXPECT_NE(a, b);
      EXPECT_NE(a + b, 0);
      EXPECT_EQ(num(3), a + b);
      EXPECT_EQ(num(4), a * b);
    } else if (KOUSIKI == 2) {
      EXPECT_EQ(num(3), 2 * a);
      EXPECT_EQ(num(4), a * a);
    } else {
      EXPECT_EQ(KOUSIKI, 3);
      EXPECT_GT(a, 0);
      EXPECT_EQ(b, -a);
      EXPECT_EQ(num(3), 0);
      EXPECT_EQ(num(4), -a * a);
    }
    EXPECT_EQ(num(5), f * num(3));
    EXPECT_EQ(num(6), f * num(4));
    // Signed texts; the middle coefficient of the bracket written as a coefficient.
    for (const int i : {1, 2, 4, 6}) EXPECT_TRUE(isSigned(t(i))) << i << ": " << t(i);
    EXPECT_TRUE(KOUSIKI == 3 || isSigned(t(5))) << t(5);
    const float middle = num(3);
    EXPECT_EQ(t(3), middle == 1    ? std::string("+")
                    : middle == -1 ? std::string("-")
                    : middle > 0   ? "+" + std::to_string(static_cast<int>(middle))
                                   : std::to_string(static_cast<int>(middle)));
    EXPECT_EQ(F_S_A(1), std::to_string(static_cast<int>(f)));
  });
}

// The kind is never the one FMAESU held, except through the start-again of a dropped kind-1
// draw, which ends in kind 2 or 3; after 0, 4 or 5 (section 4's kinds) any kind can come first.
TEST(GenCommon, AvoidsTheKindDrawnBeforeUnlessItStartsAgain) {
  std::map<float, std::set<float>> firstKinds;  // by the FMAESU found
  for (const int seed : allSeeds()) {
    for (const float before : {0.0f, 1.0f, 2.0f, 3.0f, 4.0f, 5.0f}) {
      PaRandomize(static_cast<float>(seed));
      FMAESU = before;
      GENCOMMON();
      firstKinds[before].insert(KOUSIKI);
      EXPECT_TRUE(before != 1 || KOUSIKI != 1) << "seed " << seed;
    }
  }
  for (const float before : {0.0f, 4.0f, 5.0f}) EXPECT_EQ(firstKinds[before].size(), 3u) << before;
  EXPECT_EQ(firstKinds[1], (std::set<float>{2, 3}));
  // Over a long run, a kind repeats only as 2 after 2 or 3 after 3, and seldom.
  int repeats = 0, calls = 0;
  overSeeds(
      [&] {
        const float before = FMAESU;
        GENCOMMON();
        ++calls;
        if (KOUSIKI == before) {
          ++repeats;
          EXPECT_NE(KOUSIKI, 1);
        }
      },
      [] {});
  EXPECT_LT(repeats * 10, calls);
}

// --- Example 1 on the screen --------------------------------------------------------------------

// The rows that stay in an area when the operation `to` of ops (a problem's next-step prompt)
// comes, as a pupil reads them (code page 932).
std::vector<std::string> linesIn(const std::vector<Op>& ops, std::size_t to, float x1, float y1, float x2, float y2) {
  std::vector<std::string> lines;
  for (const reading::Line& row : page::rowsIn(page::onScreen(ops, to), x1, y1, x2, y2)) lines.push_back(row.text);
  return lines;
}

void expectClean(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) EXPECT_EQ(algebra::formFault(line), "") << algebra::utf8(line);
}

// Four problems in each part, after every seed the clock can give: each problem's lines equal
// its problem, and its last line is a complete factorisation.
TEST(FenwistExample1Mathematics, EveryLineEqualsItsProblemAndEveryFactorisationIsComplete) {
  const int perPart = 4;
  std::string keys = "5\n1\n";
  for (int i = 1; i < perPart; ++i) keys += "k\n";
  keys += "k1\n";
  // Four keys a problem: a square takes three, and its next-step prompt ignores the fourth.
  for (int part = 2; part <= 3; ++part) {
    for (int i = 1; i < perPart; ++i) keys += "kkkk\n";
    keys += "kkkk1\n";
  }
  keys += "k";
  std::set<std::string> shapes;
  for (const int seed : sweptSeeds()) {
    const HeadlessResult run = runFenwist(keys, clockFor(seed));
    ASSERT_FALSE(run.error);
    const std::vector<Op> ops = drawn(run);
    const std::vector<std::size_t> prompts = nextSteps(ops);
    ASSERT_EQ(prompts.size(), 3u * perPart) << "seed " << seed;
    for (int k = 0; k < 3 * perPart; ++k) {
      const int part = k / perPart + 1;
      const float x0 = part == 3 ? 600 : 40, top = part == 1 ? 80 : part == 2 ? 230 : 30;
      const std::vector<std::string> lines = linesIn(ops, prompts[k], x0, top, x0 + 600, top + 240);
      ASSERT_EQ(lines.size(), part == 1 ? 2u : 3u) << "seed " << seed << ", problem " << k;
      const std::string problem = algebra::withoutLabel(lines[0]);
      EXPECT_EQ(lines[0].substr(0, 3), "(" + std::to_string(part) + ")");
      expectClean({problem, lines[1], lines.back()});
      for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_TRUE(algebra::sameValue(lines[i], problem));
      EXPECT_TRUE(algebra::completelyFactored(lines.back()));
      shapes.insert(std::to_string(part) + (lines.back().find(")^2") != std::string::npos ? "square" : "product"));
      if (::testing::Test::HasFailure()) FAIL() << "seed " << seed << ", problem " << k;
    }
  }
  // Both shapes came in parts (2) and (3).
  EXPECT_EQ(shapes.size(), 5u);
}

}  // namespace
