// The mathematics that sections 2 and 3 show: every random problem over the clock's seeds (every
// draw is met), the fixed answer pages and the proof of the card trick. Each shown expansion
// must equal the square or the product it expands, written as a textbook writes it.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <tuple>

#include "drill_checks.h"
#include "engine/engine.h"
#include "programs/pradine/answer_pages.h"
#include "programs/pradine/drill_kit.h"
#include "programs/pradine/globals.h"
#include "programs/pradine/section2.h"
#include "programs/pradine/section3.h"
#include "support/algebra.h"

namespace {

using namespace pradine;
using Row = common::PageRow;

const std::string& t(int n) { return T_S_A(static_cast<float>(n)); }

// Each line equals the reference and is written cleanly.
void expectLines(std::initializer_list<std::string> lines, const std::string& reference) {
  for (const std::string& line : lines) expectShows(line, reference);
}

// A number text with its sign: "+" or "-" and the digits of value.
void expectSigned(const std::string& text, float value) {
  EXPECT_EQ(text, (value > 0 ? "+" : "-") + std::to_string(static_cast<int>(std::fabs(value))));
}

TEST(SquareTaskNumbers, BoxOneIsTwiceTheNumberAndBoxTwoItsSquare) {
  std::set<float> seen;
  overSeeds([&](int) {
    SQUARETASKNUMBERS();
    const float m = T_A(1);
    seen.insert(m);
    EXPECT_TRUE(m != 0 && std::fabs(m) <= 8);
    EXPECT_EQ(F_A(1) * m, std::fabs(m));
    expectSigned(t(1), m);
    expectSigned(t(3), 2 * m);   // the sign of the number in the problem
    expectSigned(t(4), m * m);   // always "+"
    const std::string square = " (x" + t(1) + ")^2";
    expectLines({square, "=x^2" + t(3) + "x" + t(4)}, square);
  });
  EXPECT_EQ(seen.size(), 16u);  // every number from -8 to 8 but 0
}

TEST(SquareDrillNumbers, AlternatesThePlusAndTheMinusSquareAndExpandsBoth) {
  std::set<std::tuple<float, float, std::string>> draws;
  CheckedDraws checked;
  overAllSeeds([&](int pass) {
    NO = static_cast<float>(pass);
    SQUAREDRILLNUMBERS();
    const float n = T_A(5);
    EXPECT_TRUE(n >= 1 && n <= 8);
    EXPECT_EQ(KOUSIKI, ROUNDED(NO) % 2 == 0 ? 2 : 3);
    EXPECT_EQ(T_A(1), KOUSIKI == 2 ? n : -n);
    draws.insert({KOUSIKI, n, X_S});
    const DrillTexts lines = drillTexts();
    if (checked.next()) expectLines({lines.problem, lines.expansion, lines.result}, lines.problem);
  });
  EXPECT_EQ(draws.size(), 2u * 8u * 4u);  // both kinds, every number and every letter
}

TEST(BoxPracticeNumbers, PartOneBoxesCompleteTheSquare) {
  std::set<std::pair<float, std::string>> draws;
  CheckedDraws checked;
  overAllSeeds([&](int) {
    BOXSQUARENUMBERS();
    const float a = T_A(1);
    EXPECT_TRUE(a != 0 && std::fabs(a) <= 8);
    draws.insert({a, X_S});
    const BoxSquareTexts texts = boxSquareTexts(1);
    EXPECT_EQ(texts.box1, X_S + "^2");
    EXPECT_EQ(texts.box2, std::to_string(static_cast<int>(a * a)));  // no sign in box ②
    expectSigned(t(3), 2 * a);
    if (checked.next())
      expectLines({texts.problem, texts.before + texts.box1 + texts.between + texts.box2}, texts.problem);
  });
  EXPECT_EQ(draws.size(), 16u * 4u);
}

// Parts 2 and 3 share the binomial; part 2 boxes the two squares, part 3 the middle term.
TEST(BoxPracticeNumbers, PartsTwoAndThreeBoxesCompleteTheSquare) {
  std::set<std::tuple<float, float, std::string>> draws;
  CheckedDraws checked;
  overAllSeeds([&](int) {
    BINOMIALTERMS();
    const float p = T_A(1), q = T_A(2);
    EXPECT_NE(p, std::fabs(q));
    draws.insert({p, q, X_S_A(1)});
    const bool throughChecker = checked.next();
    for (const int part : {2, 3}) {
      const BoxSquareTexts texts = boxSquareTexts(part);
      if (throughChecker)
        expectLines({texts.problem, texts.before + texts.box1 + texts.between + texts.box2}, texts.problem);
    }
    const BoxSquareTexts third = boxSquareTexts(3);
    expectSigned(t(4), 2 * p * q);
    EXPECT_EQ(third.box1, t(4) + X_S_A(1) + X_S_A(2));  // the middle term, "+" written when positive
    EXPECT_TRUE(third.box2.empty());
  });
  EXPECT_EQ(draws.size(), 14u * 2u * 2u);  // every pair p, q with both signs and both letter pairs
}

TEST(SumDiffTaskNumbers, BoxOneVanishesAndBoxTwoIsTheProduct) {
  std::set<float> seen;
  overSeeds([&](int) {
    SUMDIFFTASKNUMBERS();
    const float n = T_A(1);
    seen.insert(n);
    EXPECT_TRUE(n >= 1 && n <= 11);
    expectSigned(t(1), n);
    expectSigned(t(2), -n);
    expectSigned(t(4), -n * n);
    const std::string product = " (x" + t(1) + ")(x" + t(2) + ")";
    expectLines({product, "=x^2" + t(4)}, product);
  });
  EXPECT_EQ(seen.size(), 11u);
}

TEST(SumDiffDrills, OneLetterProductsAreTheDifferenceOfTwoSquares) {
  std::set<std::pair<float, std::string>> draws;
  overSeeds([&](int) {
    SUMDIFFNUMBERS();
    const float n = T_A(1);
    EXPECT_TRUE(n >= 1 && n <= 8);
    draws.insert({n, X_S});
    const SumDiffTexts lines = sumDiffTexts(1);
    expectLines({lines.problem, lines.squares, lines.result}, lines.problem);
    EXPECT_TRUE(algebra::sameValue(lines.problem, "(" + X_S + "+" + t(5) + ")(" + X_S + "-" + t(5) + ")"));
  });
  EXPECT_EQ(draws.size(), 8u * 4u);
}

TEST(SumDiffDrills, TwoLetterProductsTakeTheSignsOfTheirFactors) {
  std::set<std::tuple<float, float, std::string>> draws;
  CheckedDraws checked;
  overAllSeeds([&](int) {
    SUMDIFFTERMS();
    const float p = T_A(1), q = std::fabs(T_A(2));
    EXPECT_NE(p, q);
    EXPECT_EQ(t(2), std::to_string(static_cast<int>(q)));  // the sign drawn with q is taken off
    draws.insert({p, q, X_S_A(1)});
    const SumDiffTexts lines = sumDiffTexts(2);
    if (!checked.next()) return;
    expectLines({lines.problem, lines.squares, lines.result}, lines.problem);
    const GiNaC::ex first = p * algebra::letter(X_S_A(1)[0]), second = q * algebra::letter(X_S_A(2)[0]);
    EXPECT_TRUE(algebra::sameValue(lines.problem, (first + second) * (first - second)));
  });
  EXPECT_EQ(draws.size(), 14u * 2u);
}

// Every answer row (colour 5) follows its problem and working rows (colour 0); returns how many.
int checkItems(PageRows rows) {
  int items = 0;
  for (std::size_t i = 2; i < rows.size(); ++i) {
    if (rows[i].kind != Row::Kind::Formula || rows[i].colour != 5) continue;
    ++items;
    const Row& problem = rows[i - 2];
    const Row& working = rows[i - 1];
    SCOPED_TRACE(algebra::utf8(problem.text));
    EXPECT_EQ(problem.colour, 0);
    EXPECT_EQ(working.colour, 0);
    expectLines({problem.text, working.text, rows[i].text}, problem.text);
  }
  return items;
}

TEST(AnswerPages, EveryResultIsTheExpansionOfItsProblem) {
  EXPECT_EQ(checkItems(PROBLEM2_PAGE), 3);
  EXPECT_EQ(checkItems(PROBLEM3_LEFT), 3);
  EXPECT_EQ(checkItems(PROBLEM3_RIGHT), 3);
  EXPECT_EQ(checkItems(PROBLEM4_LEFT), 3);
  EXPECT_EQ(checkItems(PROBLEM4_RIGHT), 3);
}

// Each case: A, B and C are the sum, the difference and the square of the smaller number, and
// every formula of D equals A*B+C and ends in the square of the larger number.
TEST(AnswerPages, TheProofOfTheCardTrickHolds) {
  int cases = 0;
  for (std::size_t i = 0; i < PROOF.size(); ++i) {
    if (std::string(PROOF[i].text) != "A") continue;
    ++cases;
    const std::string a = PROOF[i + 1].text, b = PROOF[i + 3].text, c = PROOF[i + 5].text;
    const std::string smaller = cases == 1 ? "5" : "y";
    EXPECT_TRUE(algebra::sameValue(a, "x+" + smaller));
    EXPECT_TRUE(algebra::sameValue(b, "x-" + smaller));
    EXPECT_TRUE(algebra::sameValue(c, smaller + "^2"));
    ASSERT_EQ(std::string(PROOF[i + 6].text), "D");
    int formulas = 0;
    for (std::size_t k = i + 7; k < PROOF.size() && std::string(PROOF[k].text) != "A"; ++k) {
      if (PROOF[k].kind != Row::Kind::After) continue;
      ++formulas;
      expectLines({PROOF[k].text}, "(" + a + ")*(" + b + ")+" + c);
      EXPECT_TRUE(algebra::sameValue(PROOF[k].text, "x^2"));
    }
    EXPECT_EQ(formulas, 3);
  }
  EXPECT_EQ(cases, 2);
}

}  // namespace
