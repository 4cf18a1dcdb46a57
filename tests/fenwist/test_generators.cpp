// The random problems of sections 2 and 3 and the fixed tables of the common-factor drill, checked
// as mathematics: every shown answer expands to its problem, every hint and rewriting equals it,
// and no shown factor keeps a common factor. Random draws run over every seed the clock can give.
#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <string>
#include <utility>

#include "engine/engine.h"
#include "fenwist_support.h"
#include "programs/fenwist/genpair.h"
#include "programs/fenwist/globals.h"
#include "programs/fenwist/section1.h"
#include "programs/fenwist/section2.h"
#include "programs/fenwist/section3.h"
#include "support/algebra.h"

namespace {

using namespace fenwist;
using fenwist_test::num;
using fenwist_test::t;

// What GENPAIR leaves for the pair a, b with the letters and sign given, as a problem to draw.
void givenPair(float a, float b, const char* x, const char* y, const char* sign) {
  T_A(1) = a;
  T_A(2) = b;
  T_A(3) = a * a;
  T_A(4) = 2 * a * b;
  T_A(5) = b * b;
  NUMSTRINGS();
  X_S = x;
  Y_S = y;
  X_S_A(1) = X_S + "^2";
  X_S_A(2) = Y_S + "^2";
  T_S = sign;
}

// The answer is the problem written as a product factorised fully.
void expectCompleteFactorisation(const std::string& problem, const std::string& answer) {
  EXPECT_TRUE(algebra::sameValue(answer, algebra::withoutLabel(problem)));
  EXPECT_TRUE(algebra::completelyFactored(answer));
}

// --- The coprime pair generator -----------------------------------------------------------------

TEST(GenPair, DrawsCoprimePairsWithTheirSquaresLettersAndSign) {
  std::set<std::pair<int, int>> pairs;
  std::set<std::string> signs;
  std::set<std::string> letters;
  overSeeds(
      [] {
        REN = 0;
        GENPAIR();
      },
      [&] {
        const float a = num(1), b = num(2);
        pairs.insert({static_cast<int>(a), static_cast<int>(b)});
        EXPECT_TRUE(a >= 2 && a <= 6) << a;
        EXPECT_TRUE(b >= 1 && b <= 9) << b;
        EXPECT_EQ(std::gcd(static_cast<int>(a), static_cast<int>(b)), 1) << a << ", " << b;
        EXPECT_EQ(num(3), a * a);
        EXPECT_EQ(num(4), 2 * a * b);
        EXPECT_EQ(num(5), b * b);
        for (int n = 1; n <= 5; ++n) EXPECT_EQ(t(n), std::to_string(static_cast<int>(num(n))));
        EXPECT_TRUE((X_S == "x" && Y_S == "y") || (X_S == "a" && Y_S == "b")) << X_S << Y_S;
        EXPECT_EQ(X_S_A(1), X_S + "^2");
        EXPECT_EQ(X_S_A(2), Y_S + "^2");
        EXPECT_TRUE(T_S == "+" || T_S == "-");
        EXPECT_TRUE(P == 1 || P == 2);
        if (b == 6) {
          EXPECT_EQ(a, 5);
        }
        signs.insert(T_S);
        letters.insert(X_S);
      });
  EXPECT_EQ(pairs.size(), 27u);  // every coprime pair of 2..6 and 1..9 comes up
  EXPECT_EQ(signs.size(), 2u);
  EXPECT_EQ(letters.size(), 2u);
}

TEST(GenPair, FirstNumberOneOnRequestWithTheSecondStillFromACoprimePair) {
  int sixes = 0;
  int sevens = 0;
  overSeeds(
      [] {
        REN = 1;
        GENPAIR();
      },
      [&] {
        EXPECT_EQ(num(1), 1);
        EXPECT_EQ(num(3), 1);
        EXPECT_EQ(num(4), 2 * num(2));
        EXPECT_EQ(num(5), num(2) * num(2));
        EXPECT_EQ(t(1), "1");
        sixes += num(2) == 6;
        sevens += num(2) == 7;
      });
  // b = 7 passes with every first number, b = 6 only with 5: about five times as often.
  EXPECT_GT(sixes, 0);
  EXPECT_GT(sevens, 3 * sixes);
  EXPECT_EQ(REN, 1);
}

TEST(GenPair, RewritesEveryNumberText) {
  F_S_A(7) = "left over";
  T_S_A(40) = "left over";
  REN = 0;
  GENPAIR();
  EXPECT_EQ(F_S_A(7), "0");
  EXPECT_EQ(T_S_A(40), "0");
}

// --- Section 2: the difference of two squares ---------------------------------------------------

// The completed answer line of a drill: its texts with the boxes filled in.
std::string answerLine(const DiffSquaresTexts& texts) {
  return texts.pieces[0] + texts.box1 + texts.pieces[1] + texts.box2 + texts.pieces[2];
}

class DiffSquaresDrill : public testing::TestWithParam<int> {};

TEST_P(DiffSquaresDrill, HintAndAnswerAreTheProblemFullyFactorised) {
  const int drill = GetParam();
  // Each problem as if example 3 of section 3 had just left the first-number mode at 1.
  overSeeds([drill] {
              REN = 1;
              DIFFSQNUMBERS(drill);
            },
            [drill] {
              const DiffSquaresTexts texts = diffSquaresTexts(drill);
              EXPECT_EQ(texts.problem.substr(0, 4), "(" + std::to_string(drill) + ") ");
              EXPECT_EQ(REN, 0);
              EXPECT_GE(num(1), 2);
              // The first number shows only in drills 2 and 4, and it is never 1 there.
              const bool firstShown = drill == 2 || drill == 4;
              EXPECT_EQ(texts.problem.find(t(3) + X_S) == 4, firstShown) << texts.problem;
              EXPECT_TRUE(algebra::sameValue(texts.hint, algebra::withoutLabel(texts.problem)));
              expectCompleteFactorisation(texts.problem, answerLine(texts));
            });
}

INSTANTIATE_TEST_SUITE_P(Drills, DiffSquaresDrill, testing::Values(1, 2, 3, 4),
                         [](const testing::TestParamInfo<int>& info) { return "Drill" + std::to_string(info.param); });

TEST(DiffSquaresDrill, TheBoxesHoldTheDocumentedShapes) {
  givenPair(3, 5, "x", "y", "+");
  const struct {
    int drill;
    const char* problem;
    const char* hint;
    const char* answer;
  } cases[] = {
      {1, "(1) x^2-25", "=x^2-5^2", "=(x+5)(x-5)"},
      {2, "(2) 9x^2-25", "=(3x)\\2-5^2", "=(3x+5)(3x-5)"},
      {3, "(3) x^2-25y^2", "=x^2-(5y)\\2", "=(x+5y)(x-5y)"},
      {4, "(4) 9x^2-25y^2", "=(3x)\\2-(5y)\\2", "=(3x+5y)(3x-5y)"},
  };
  for (const auto& c : cases) {
    const DiffSquaresTexts texts = diffSquaresTexts(c.drill);
    EXPECT_EQ(texts.problem, c.problem);
    EXPECT_EQ(texts.hint, c.hint);
    EXPECT_EQ(answerLine(texts), c.answer);
    EXPECT_EQ(texts.haba, c.drill == 4 ? 150 : 88);
  }
}

// A second number 1 is shown as 1 in drills 1 and 2, as 3 in drill 3 and as 9 in drill 4; in
// drill 4 only with a first number that 9 shares no factor with.
TEST(DiffSquaresDrill, SecondNumberOneIsShownAsTheDrillWants) {
  std::set<int> firstWithNine;
  for (const int drill : {1, 2, 3, 4}) {
    bool seen = false;
    overSeeds([drill] { DIFFSQNUMBERS(drill); },
              [&] {
                if (num(2) != 1) return;
                seen = true;
                const char* root = drill == 3 ? "3" : drill == 4 ? "9" : "1";
                const char* square = drill == 3 ? "9" : drill == 4 ? "81" : "1";
                EXPECT_EQ(t(2), root);
                EXPECT_EQ(t(5), square);
                if (drill == 4) firstWithNine.insert(static_cast<int>(num(1)));
              });
    EXPECT_TRUE(seen) << "drill " << drill;
  }
  EXPECT_EQ(firstWithNine, (std::set<int>{2, 4, 5}));
}

// Shown as 9, the second number 1 with a first number 3 or 6 gave 9x^2-81y^2 = (3x+9y)(3x-9y),
// which keeps the common factor 9. Drill 4 draws such a pair again.
TEST(DiffSquaresDrill, DrillFourRedrawsAPairThatWouldLeaveACommonFactor) {
  int redrawn = 0;
  for (const int seed : sweptSeeds()) {
    for (int pass = 0; pass < 40; ++pass) {
      // What the generator would draw next, and what the drill shows.
      PaRandomize(static_cast<float>(seed * 1000 + pass));
      REN = 0;
      GENPAIR();
      const bool commonFactorLeft = num(2) == 1 && (num(1) == 3 || num(1) == 6);
      PaRandomize(static_cast<float>(seed * 1000 + pass));
      DIFFSQNUMBERS(4);
      if (!commonFactorLeft) continue;
      ++redrawn;
      EXPECT_FALSE(num(2) == 1 && (num(1) == 3 || num(1) == 6));
      const DiffSquaresTexts texts = diffSquaresTexts(4);
      expectCompleteFactorisation(texts.problem, answerLine(texts));
    }
  }
  EXPECT_GT(redrawn, 0);
}

// --- Section 3: perfect squares ----------------------------------------------------------------

class PerfectSquareDrill : public testing::TestWithParam<SquareDrill> {};

TEST_P(PerfectSquareDrill, RewritingAndSquareAreTheProblem) {
  const SquareDrill drill = GetParam();
  std::set<std::string> signs;
  overSeeds([drill] { SQUARENUMBERS(drill); },
            [&] {
              const SquareTexts texts = squareTexts(drill);
              EXPECT_EQ(REN, drill == SquareDrill::Example3 ? 1 : 0);
              EXPECT_TRUE(algebra::sameValue(texts.step, algebra::withoutLabel(texts.problem)));
              expectCompleteFactorisation(texts.problem, texts.answer);
              // Written as a textbook writes them: no coefficient 1 before a letter.
              for (const std::string& line : {algebra::withoutLabel(texts.problem), texts.step, texts.answer})
                EXPECT_EQ(algebra::formFault(line), "") << algebra::utf8(line);
              // The sign stands in the middle term and inside the bracket; the last term is added.
              // (In two letters the second term is the second number times its letter, 1y written y.)
              const std::string second =
                  drill == SquareDrill::TwoLetters ? (num(2) == 1 ? "" : t(2)) + Y_S + ")" : t(2) + ")";
              EXPECT_NE(texts.answer.find(T_S + second), std::string::npos) << texts.answer;
              signs.insert(T_S);
            });
  EXPECT_EQ(signs.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Drills, PerfectSquareDrill,
                         testing::Values(SquareDrill::Example3, SquareDrill::OneLetter, SquareDrill::TwoLetters),
                         [](const testing::TestParamInfo<SquareDrill>& info) {
                           switch (info.param) {
                             case SquareDrill::Example3: return "Example3";
                             case SquareDrill::OneLetter: return "Example4OneLetter";
                             case SquareDrill::TwoLetters: return "Example4TwoLetters";
                           }
                           return "";
                         });

TEST(PerfectSquareDrill, LinesHaveTheDocumentedShapes) {
  // Example 3 with x, "+" and q = 3; example 4 with a and b, "-", p = 3 and q = 2.
  givenPair(1, 3, "x", "y", "+");
  SquareTexts texts = squareTexts(SquareDrill::Example3);
  EXPECT_EQ(texts.problem, "x^2+6x+9");
  EXPECT_EQ(texts.step, "=x^2+2*x*3+3^2");
  EXPECT_EQ(texts.answer, "=(x+3)\\2");

  givenPair(3, 2, "a", "b", "-");
  texts = squareTexts(SquareDrill::OneLetter);
  EXPECT_EQ(texts.problem, "(1)9a^2-12a+4");
  EXPECT_EQ(texts.step, "=(3a)\\2-2*3a*2+2^2");
  EXPECT_EQ(texts.answer, "=(3a-2)\\2");
  texts = squareTexts(SquareDrill::TwoLetters);
  EXPECT_EQ(texts.problem, "(2)9a^2-12ab+4b^2");
  EXPECT_EQ(texts.step, "=(3a)\\2-2*3a*2b+(2b)\\2");
  EXPECT_EQ(texts.answer, "=(3a-2b)\\2");
}

// Example 4 (2) writes a second number 1 as a textbook does: y, not 1y, and y^2, not (1y)^2.
TEST(PerfectSquareDrill, SecondNumberOneIsNotWrittenBeforeTheSecondLetter) {
  givenPair(2, 1, "x", "y", "+");
  SquareTexts texts = squareTexts(SquareDrill::TwoLetters);
  EXPECT_EQ(texts.problem, "(2)4x^2+4xy+y^2");
  EXPECT_EQ(texts.step, "=(2x)\\2+2*2x*y+y^2");
  EXPECT_EQ(texts.answer, "=(2x+y)\\2");
  givenPair(5, 1, "a", "b", "-");
  texts = squareTexts(SquareDrill::TwoLetters);
  EXPECT_EQ(texts.problem, "(2)25a^2-10ab+b^2");
  EXPECT_EQ(texts.step, "=(5a)\\2-2*5a*b+b^2");
  EXPECT_EQ(texts.answer, "=(5a-b)\\2");
}

// --- Section 1: the common-factor tables --------------------------------------------------------

// Entry n: polynomial = factor x brackets, factorised fully.
void expectTable(void (*table)(), int size) {
  for (int n = 1; n <= 80; ++n) T_S_A(static_cast<float>(n)) = "untouched";
  table();
  for (int n = 1; n <= size; ++n) {
    const std::string& polynomial = t(n);
    const std::string& factor = t(10 + n);
    const std::string& rest = t(20 + n);
    EXPECT_TRUE(algebra::sameValue(factor + "(" + rest + ")", polynomial));
    EXPECT_TRUE(algebra::completelyFactored(factor + "(" + rest + ")"));
  }
  // Only the table's own elements are written.
  for (const int n : {size + 1, 10 + size + 1, 20 + size + 1}) EXPECT_EQ(t(n), "untouched") << n;
}

TEST(CommonFactorTables, EveryEntryTakesOutTheWholeCommonFactor) {
  expectTable(CFSETA, 8);
  expectTable(CFSETB, 6);
  CFSETA();
  EXPECT_EQ(t(1), "ab-ac");
  EXPECT_EQ(t(18), "y");
  CFSETB();
  EXPECT_EQ(t(26), "ac+4a-2c");
}

}  // namespace
