// The random problems of section 1 and the drill kit, checked over many seeds: the numbers keep
// their rules and every shown expansion equals the product it expands.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "drill_checks.h"
#include "engine/engine.h"
#include "programs/pradine/drill_kit.h"
#include "programs/pradine/globals.h"
#include "programs/pradine/section1.h"
#include "support/algebra.h"

namespace {

using namespace pradine;

const std::string& t(int n) { return T_S_A(static_cast<float>(n)); }

// A signed number text: "+" or "-" and digits, and its value.
void expectSigned(const std::string& text, float value) {
  ASSERT_GE(text.size(), 2u) << text;
  EXPECT_TRUE(text[0] == '+' || text[0] == '-') << text;
  EXPECT_EQ(std::stof(text), value) << text;
}

TEST(TaskNumbers, TheBoxesHoldTheSumAndTheProduct) {
  std::set<float> seen;
  std::set<std::pair<float, float>> pairs;
  CheckedDraws checked;
  overAllSeeds([&](int) {
    TASKNUMBERS();
    const float a = T_A(1), b = T_A(2);
    seen.insert(a);
    pairs.insert({a, b});
    EXPECT_TRUE(a != 0 && b != 0 && std::fabs(a) <= 8 && std::fabs(b) <= 8);
    EXPECT_NE(std::fabs(a), std::fabs(b));
    EXPECT_EQ(F_A(1) * a, std::fabs(a));
    EXPECT_EQ(F_A(2) * b, std::fabs(b));
    for (int n = 1; n <= 4; ++n) expectSigned(t(n), T_A(static_cast<float>(n)));
    // Box 1: a sign and 2 to 15; box 2: a sign and 2 to 56.
    EXPECT_TRUE(std::fabs(T_A(3)) >= 2 && std::fabs(T_A(3)) <= 15);
    EXPECT_TRUE(std::fabs(T_A(4)) >= 2 && std::fabs(T_A(4)) <= 56);
    if (checked.next()) {
      EXPECT_TRUE(algebra::sameValue("(x" + t(1) + ")(x" + t(2) + ")", "x^2" + t(3) + "x" + t(4)));
    }
  });
  EXPECT_EQ(seen.size(), 16u);  // every nonzero number from -8 to 8
  EXPECT_EQ(pairs.size(), 196u);  // every pair with a != b and a + b not 0, 1 or -1: each line checked
}

TEST(ExampleNumbers, TheThreeLinesAgreeAndAChangesEveryTime) {
  std::set<std::string> letters;
  std::set<std::pair<float, float>> pairs;
  bool unitSum = false;
  float previous = 0;
  CheckedDraws checked;
  overAllSeeds([&](int) {
    EXAMPLENUMBERS();
    const float a = T_A(1), b = T_A(2);
    pairs.insert({a, b});
    EXPECT_TRUE(a != 0 && b != 0 && std::fabs(a) <= 8 && std::fabs(b) <= 8);
    EXPECT_NE(a, b);
    EXPECT_NE(a + b, 0);
    EXPECT_NE(a, previous);
    EXPECT_EQ(FMAESU, a);
    EXPECT_EQ(T_A(5), a);
    EXPECT_EQ(KOUSIKI, 1);
    previous = a;
    letters.insert(X_S);
    ASSERT_EQ(X_S.size(), 1u);
    const DrillTexts lines = drillTexts();
    if (checked.next())
      for (const std::string& line : {lines.problem, lines.expansion, lines.result}) expectShows(line, lines.problem);
    // b is bracketed in the product term exactly when it is negative.
    EXPECT_EQ(t(6), b < 0 ? "(" + std::to_string(static_cast<int>(b)) + ")" : std::to_string(static_cast<int>(b)));
    // A sum of 1 or -1 leaves a bare sign before the letter; the expansion keeps its brackets.
    if (std::fabs(a + b) == 1) {
      unitSum = true;
      EXPECT_NE(lines.result.find(std::string(a + b > 0 ? "+" : "-") + X_S + (T_A(4) > 0 ? "+" : "-")),
                std::string::npos)
          << lines.result;
    }
  });
  EXPECT_EQ(letters, (std::set<std::string>{"a", "b", "x", "y"}));
  EXPECT_EQ(pairs.size(), 224u);  // every pair with a != b and a + b != 0: each one's lines checked
  EXPECT_TRUE(unitSum);
}

// The draws in their order, read from the same random stream: the two numbers 1 to 8, then the
// sign of a and the sign of b (the task negates on a draw of 1 for both; example 1 negates a on
// 1 and b on 2), then example 1's letter. Seeds whose first draw is refused are left out.
TEST(SectionOneNumbers, DrawInTheirOrderWithTheirSignRules) {
  auto draw = [](float n) { return PnFInt(PaRnd() * n) + 1; };
  int checked = 0;
  for (const int seed : allSeeds()) {
    PaRandomize(static_cast<float>(seed));
    float a = draw(8), b = draw(8);
    a *= draw(2) == 1 ? -1 : 1;
    b *= draw(2) == 1 ? -1 : 1;
    const bool taskTakes = a != b && std::fabs(a + b) >= 2;
    PaRandomize(static_cast<float>(seed));
    float c = draw(8), d = draw(8);
    c *= draw(2) == 1 ? -1 : 1;
    d *= draw(2) == 2 ? -1 : 1;
    const bool exampleTakes = c != d && c + d != 0;
    const char* const letters[] = {"x", "y", "a", "b"};
    const std::string letter = letters[static_cast<int>(draw(4)) - 1];
    if (taskTakes) {
      PaRandomize(static_cast<float>(seed));
      TASKNUMBERS();
      EXPECT_EQ(T_A(1), a) << seed;
      EXPECT_EQ(T_A(2), b) << seed;
      ++checked;
    }
    if (exampleTakes) {
      PaRandomize(static_cast<float>(seed));
      FMAESU = 0;
      EXAMPLENUMBERS();
      EXPECT_EQ(T_A(1), c) << seed;
      EXPECT_EQ(T_A(2), d) << seed;
      EXPECT_EQ(X_S, letter) << seed;
      ++checked;
    }
  }
  EXPECT_GT(checked, 150);
}

// After section 4's practice has left a formula kind in the memory, the first a differs from it.
TEST(ExampleNumbers, AvoidsTheKindLeftBySection4) {
  for (const int seed : sweptSeeds()) {
    PaRandomize(static_cast<float>(seed));
    FMAESU = 3;
    EXAMPLENUMBERS();
    EXPECT_NE(T_A(1), 3) << seed;
  }
}

TEST(PickLetter, DrawsOneOfFourLetters) {
  PaRandomize(5);
  std::set<std::string> letters;
  for (int i = 0; i < 200; ++i) {
    PICKLETTER();
    letters.insert(X_S);
    const char* const byPick[] = {"x", "y", "a", "b"};
    EXPECT_EQ(X_S, byPick[static_cast<int>(P) - 1]);
  }
  EXPECT_EQ(letters.size(), 4u);
}

TEST(BinomialTerms, TheTermsAreTheSquaresOfTheBinomial) {
  std::set<std::pair<float, float>> pairs;
  overSeeds([&](int) {
    BINOMIALTERMS();
    const float p = T_A(1), q = T_A(2);
    pairs.insert({p, q});
    EXPECT_TRUE(p >= 2 && p <= 5);
    EXPECT_TRUE(std::fabs(q) >= 2 && std::fabs(q) <= 6);
    EXPECT_NE(std::fabs(q), p);
    if (p == 2) {
      EXPECT_GE(std::fabs(q), 3);  // q's own draw is 3 to 6; only an equal draw is lowered
    }
    const bool xy = X_S_A(1) == "x";
    EXPECT_EQ(X_S_A(1) + X_S_A(2), xy ? "xy" : "ab");
    EXPECT_EQ(X_S_A(3), X_S_A(1) + "^2");
    EXPECT_EQ(X_S_A(4), X_S_A(1) + X_S_A(2));
    EXPECT_EQ(X_S_A(5), X_S_A(2) + "^2");
    // Elements 1, 3 and 5 carry no sign; 2 and 4 always do, and agree.
    for (const int n : {1, 3, 5}) EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(t(n)[0]))) << t(n);
    expectSigned(t(2), q);
    expectSigned(t(4), T_A(4));
    EXPECT_EQ(t(2)[0], t(4)[0]);
    const std::string binomial = t(1) + X_S_A(1) + t(2) + X_S_A(2);
    const std::string square = t(3) + X_S_A(3) + t(4) + X_S_A(4) + "+" + t(5) + X_S_A(5);
    EXPECT_TRUE(algebra::sameValue(square, "(" + binomial + ")^2"));
  });
  // q with p: 2 with 3-6; 3 with 2, 4-6; 4 with 3, 5, 6; 5 with 3, 4, 6; each with both signs.
  EXPECT_EQ(pairs.size(), 14u * 2u);
}

// Four draws per call, so the callers' later draws are the same whatever the numbers came out.
TEST(BinomialTerms, DrawsExactlyFourRandomNumbers) {
  for (const float seed : {0.0f, 17.0f, 99.0f}) {
    PaRandomize(seed);
    for (int i = 0; i < 4; ++i) PaRnd();
    const float fifth = PaRnd();
    PaRandomize(seed);
    BINOMIALTERMS();
    EXPECT_EQ(PaRnd(), fifth);
  }
}

}  // namespace
