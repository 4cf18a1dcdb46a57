// Section 4's formula-choice drill (item 9): each problem's three lines where and when the drill
// draws them, and its draws: the kind never the one drawn before it (FMAESU), the trap built from
// the pair below the equal pair of a square, kind 1 never a square or a difference of squares;
// over every seed, each answer the problem completely factorised by the formula its kind names,
// and each reason true of the problem.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "common/op_walk.h"
#include "engine/engine.h"
#include "engine/strings.h"
#include "fenwist_support.h"
#include "programs/fenwist/globals.h"
#include "programs/fenwist/section4.h"
#include "programs/fenwist/sign_coef.h"
#include "section4_reading.h"
#include "support/algebra.h"
#include "support/page_lines.h"
#include "support/test_names.h"

namespace {

using namespace fenwist_test;
using namespace section4_test;
using walk::OpWalk;
using fenwist::KOUSIKI;

bool isSceneClear(const Op& op) {
  return op.kind == OpKind::FilledBox && op.x1 == 0 && op.y1 == 0 && op.x2 == 1320 && op.y2 == 1300 && op.fill == 15;
}

class FenwistFormulaChoice : public testing::TestWithParam<const char*> {};

TEST_P(FenwistFormulaChoice, TrinomialThenReasonThenAnswerEachAfterAKey) {
  constexpr int problems = 10;
  std::string keys = "4\n9\n";
  for (int p = 1; p < problems; ++p) keys += "kk\n";
  const HeadlessResult run = runFenwist(keys + "kk1\n", GetParam(), "fenwist-s4-choice.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  const std::vector<Op> ops = drawn(run);
  const auto prompts = nextSteps(ops);
  ASSERT_EQ(prompts.size(), static_cast<std::size_t>(problems));
  for (int p = 0; p < problems; ++p) {
    SCOPED_TRACE("problem " + std::to_string(p + 1));
    // The three rows on the screen at the problem's next-step prompt: each the line drawn at its
    // place, whole, and the answer the problem factorised.
    const std::vector<reading::Line> screen = page::onScreen(ops, prompts[static_cast<std::size_t>(p)]);
    const std::string problem = lineIn(screen, 100, 88, 1320, 108);
    const std::string reason = lineIn(screen, 150, 168, 1320, 188);
    const std::string answer = lineIn(screen, 60, 248, 1320, 268);
    w.fill(0, 0, 1320, 1300, 15, 15, p == 0 ? 0 : 1);
    w.reads(44, 18, 0, "問　次の式を因数分解しなさい。");
    w.reads(132, 98, 0, problem);
    w.reads(176, 178, 3, reason, 1);
    w.reads(88, 258, 5, answer, 1);
    EXPECT_EQ(answer.rfind("=(", 0), 0u) << algebra::utf8(answer);
    EXPECT_TRUE(algebra::sameValue(answer, problem));
    EXPECT_TRUE(algebra::completelyFactored(answer));
  }
  // Typing 1 leaves the last problem on the screen under the sub-menu.
  const auto menus = subMenuLines(ops);
  ASSERT_EQ(menus.size(), 2u);
  for (std::size_t i = prompts.back(); i < ops.size(); ++i) EXPECT_FALSE(isSceneClear(ops[i]));
  EXPECT_EQ(w.keysLeft(), 2);
}

INSTANTIATE_TEST_SUITE_P(Clocks, FenwistFormulaChoice, testing::Values("00:00:00", "07:30:15", "23:59:59"),
                         textParamName);

// Runs check after every problem over every seed the clock can give, from the memory given.
template <typename Check>
void overSeeds(float memory, int passes, Check check) {
  for (const int seed : allSeeds()) {
    PaRandomize(static_cast<float>(seed));
    FMAESU = memory;
    for (int pass = 0; pass < passes; ++pass) {
      const float before = FMAESU;
      fenwist::GENCHOICE();
      check(before);
      if (testing::Test::HasFailure()) FAIL() << "seed " << seed << ", pass " << pass;
    }
  }
}

TEST(FenwistChoiceDraws, TheKindDrawnNeverRepeatsTheMemoryExceptThroughADroppedKindOne) {
  std::map<std::pair<int, int>, int> seen;  // (memory before, kind drawn) -> count
  overSeeds(0, 60, [&](float before) {
    const int drawn = static_cast<int>(FMAESU);
    ASSERT_GE(drawn, 1);
    ASSERT_LE(drawn, 5);
    ++seen[{static_cast<int>(before), drawn}];
    // The kind shown: a trap shows as kind 1.
    EXPECT_EQ(KOUSIKI, drawn == 5 ? 1 : drawn);
  });
  EXPECT_EQ(seen[std::make_pair(1, 1)], 0) << "after kind 1 never kind 1";
  // After a kind j from 2 to 5 the same kind comes back only through a dropped kind-1 draw
  // (1/144), far less often than kind 1 (2/9).
  for (int kind = 2; kind <= 5; ++kind) {
    EXPECT_LT(seen[std::make_pair(kind, kind)] * 10, seen[std::make_pair(kind, 1)]) << "kind " << kind;
  }
  // The first problem after start-up can be any kind.
  for (int kind = 1; kind <= 5; ++kind) EXPECT_GT(seen[std::make_pair(0, kind)], 0) << kind;
  // Two problems in a row can show kind 1: a trap, then a kind-1 problem.
  EXPECT_GT(seen[std::make_pair(5, 1)], 0);
}

// The kind of a problem of section 5's example from its three rows: 2 a square, 3 a difference of
// two squares (no middle term in the bracket), 1 the product form.
int combinedKind(const std::vector<reading::Line>& rows) {
  if (rows.size() != 3) return 0;
  if (rows[2].text.find(")^2") != std::string::npos) return 2;
  return algebra::parse(rows[1].text).expand().coeff(algebra::letter('x'), 1).is_zero() ? 3 : 1;
}

// Section 5's example and this drill remember the kind drawn last in one memory: after section 5's
// last problem, of kind k, the drill's first kind is never k when k is 1, and for k = 2 or 3 only
// through a dropped kind-1 draw (1 in 144), where a memory of its own would repeat k once in five.
TEST(FenwistChoiceDraws, TheFirstKindAvoidsTheKindThatSectionFiveDrewLast) {
  std::map<int, int> afterKind, repeats;
  for (const int seed : sweptSeeds()) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    // One problem in each part of section 5's example, then the main menu, section 4, item 9.
    const HeadlessResult run = runFenwist("5\n1\nk1\nkkkk1\nkkkk1\nk3\n4\n9\nkk1\n", clockFor(seed));
    ASSERT_FALSE(run.error);
    const std::vector<Op> ops = drawn(run);
    std::size_t pointer = 0;
    while (pointer < ops.size() && ops[pointer].text != toUtf8("教")) ++pointer;
    ASSERT_LT(pointer, ops.size());
    const int k = combinedKind(page::rowsIn(page::onScreen(ops, pointer), 600, 30, 1200, 270));
    ASSERT_GE(k, 1);
    ASSERT_EQ(nextSteps(ops).size(), 4u) << "three problems of section 5, one of the drill";
    // The drill's problem was the last draw: FMAESU holds its kind (5 for a trap).
    const int drawnKind = static_cast<int>(FMAESU);
    ++afterKind[k];
    if (drawnKind == k) ++repeats[k];
  }
  EXPECT_EQ(repeats[1], 0);
  for (const int k : {1, 2, 3}) EXPECT_GT(afterKind[k], 0) << "section 5 ended with kind " << k;
  EXPECT_LE((repeats[2] + repeats[3]) * 20, afterKind[2] + afterKind[3]);
}

TEST(FenwistChoiceDraws, EachKindHasItsNumbers) {
  std::set<float> traps;
  for (const float memory : {0.0f, 1.0f, 2.0f, 3.0f, 4.0f, 5.0f}) {
    overSeeds(memory, 10, [&](float) {
      const float a = T_A(1), b = T_A(2), p = T_A(3), q = T_A(4);
      EXPECT_EQ(T_A(5), std::fabs(a));
      EXPECT_EQ(T_A(6), std::fabs(p));
      EXPECT_EQ(T_A(7), std::fabs(q));
      const std::set<std::string> letters = {"x", "y", "a", "b"};
      EXPECT_TRUE(letters.count(X_S)) << X_S;
      switch (static_cast<int>(FMAESU)) {
        case 1:
          EXPECT_NE(std::fabs(a), std::fabs(b)) << a << ", " << b;
          EXPECT_TRUE(a != 0 && b != 0 && std::fabs(a) <= 9 && std::fabs(b) <= 9) << a << ", " << b;
          EXPECT_EQ(p, a + b);
          EXPECT_EQ(q, a * b);
          break;
        case 2:
        case 3:
          EXPECT_TRUE(FMAESU == 2 ? a >= 1 && a <= 9 : a >= -9 && a <= -1) << a;
          EXPECT_EQ(p, 2 * a);
          EXPECT_EQ(q, a * a);
          break;
        case 4:
          EXPECT_TRUE(a >= 1 && a <= 9) << a;
          EXPECT_EQ(b, -a);
          EXPECT_EQ(p, 0);
          EXPECT_EQ(q, -a * a);
          break;
        case 5:
          traps.insert(p);
          EXPECT_EQ(q, a * b);
          EXPECT_EQ(p, a + b);
          break;
      }
    });
  }
  // Every trap: 4, 16, 36 or 64 from the pair just below the equal one, either sign.
  EXPECT_EQ(traps, (std::set<float>{5, 10, 13, 20, -5, -10, -13, -20}));
}

TEST(FenwistChoiceDraws, TheTrapTakesThePairBelowTheEqualPair) {
  std::map<float, std::pair<float, float>> pairs;  // constant -> the positive pair taken
  for (const int seed : allSeeds()) {
    PaRandomize(static_cast<float>(seed));
    fenwist::GENTRAP();
    EXPECT_EQ(KOUSIKI, 1);
    EXPECT_EQ(T_A(1) * T_A(2), T_A(4));
    EXPECT_EQ(T_A(3), T_A(1) + T_A(2));
    EXPECT_EQ(T_A(1) < 0, P == 1) << "both negative when P is 1";
    EXPECT_EQ(T_A(2) < 0, P == 1);
    pairs[T_A(4)] = {std::fabs(T_A(1)), std::fabs(T_A(2))};
  }
  const std::map<float, std::pair<float, float>> expected = {
      {4, {1, 4}}, {16, {2, 8}}, {36, {4, 9}}, {64, {4, 16}}};
  EXPECT_EQ(pairs, expected);
}

TEST(FenwistChoiceDraws, TheLetterComesFromItsDraw) {
  std::map<float, std::string> letters;
  for (const int seed : allSeeds()) {
    PaRandomize(static_cast<float>(seed));
    fenwist::PICKLETTER();
    letters[P] = X_S;
  }
  EXPECT_EQ(letters, (std::map<float, std::string>{{1, "x"}, {2, "y"}, {3, "a"}, {4, "b"}}));
}

// --- The three lines ----------------------------------------------------------------------------

// A problem given by its numbers, its kind and its letter, with its texts made as the drill makes
// them.
void givenProblem(float kind, float a, float b, float p, float q, const char* letter) {
  T_A(1) = a;
  T_A(2) = b;
  T_A(3) = p;
  T_A(4) = q;
  T_A(5) = std::fabs(a);
  T_A(6) = std::fabs(p);
  T_A(7) = std::fabs(q);
  NUMSTRINGS();
  fenwist::SIGNCOEF(1, 4);
  KOUSIKI = kind;
  X_S = letter;
}

struct Lines {
  float kind, a, b, p, q;
  const char* letter;
  const char* problem;
  const char* reason;
  const char* answer;
};

void PrintTo(const Lines& lines, std::ostream* os) { *os << algebra::utf8(lines.problem); }

class FenwistChoiceTexts : public testing::TestWithParam<Lines> {};

TEST_P(FenwistChoiceTexts, ProblemReasonAndAnswerOfEachKind) {
  const Lines& l = GetParam();
  givenProblem(l.kind, l.a, l.b, l.p, l.q, l.letter);
  EXPECT_EQ(algebra::utf8(fenwist::selProblemText()), algebra::utf8(l.problem));
  EXPECT_EQ(algebra::utf8(fenwist::selReasonText()), algebra::utf8(l.reason));
  EXPECT_EQ(algebra::utf8(fenwist::selAnswerText()), algebra::utf8(l.answer));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FenwistChoiceTexts,
    testing::Values(
        // Kind 1: a square constant is not enough (every trap), also when it is negative.
        Lines{1, 1, 4, 5, 4, "x", "x^2+5x+4", "5≠2*2だから", "=(x+1)(x+4)"},
        Lines{1, -4, -16, -20, 64, "b", "b^2-20b+64", "20≠2*8だから", "=(b-4)(b-16)"},
        Lines{1, -1, 4, 3, -4, "x", "x^2+3x-4", "3≠2*2だから", "=(x-1)(x+4)"},
        // Kind 1 with a constant that is no square, and a middle coefficient 1 or -1.
        Lines{1, -3, 4, 1, -12, "y", "y^2+y-12", "12が2乗でないから", "=(y-3)(y+4)"},
        Lines{1, 1, -5, -4, -5, "x", "x^2-4x-5", "5が2乗でないから", "=(x+1)(x-5)"},
        Lines{1, 3, -4, -1, -12, "a", "a^2-a-12", "12が2乗でないから", "=(a+3)(a-4)"},
        // Kinds 2, 3 and 4.
        Lines{2, 1, 6, 2, 1, "x", "x^2+2x+1", "2=2*1,1=1^2で、＋だから", "=(x+1)^2"},
        Lines{3, -3, 5, -6, 9, "x", "x^2-6x+9", "6=2*3,9=3^2で、－だから", "=(x-3)^2"},
        Lines{4, 1, -1, 0, -1, "x", "x^2-1", "2乗－2乗 だから", "=(x+1)(x-1)"},
        Lines{4, 9, -9, 0, -81, "a", "a^2-81", "2乗－2乗 だから", "=(a+9)(a-9)"}),
    [](const testing::TestParamInfo<Lines>& info) { return testName(info.param.problem); });

// The problem line's coefficients of its letter: x^2 + p x + q.
struct Coefficients {
  int p, q;
};
Coefficients coefficients(const std::string& problem, char letter) {
  const GiNaC::ex e = algebra::parse(problem).expand();
  const GiNaC::symbol& x = algebra::letter(letter);
  EXPECT_EQ(e.degree(x), 2) << algebra::utf8(problem);
  EXPECT_EQ(e.coeff(x, 2), 1) << algebra::utf8(problem);
  return {GiNaC::ex_to<GiNaC::numeric>(e.coeff(x, 1)).to_int(), GiNaC::ex_to<GiNaC::numeric>(e.coeff(x, 0)).to_int()};
}

// The whole root of n when n is a square, else -1.
int rootOf(int n) {
  for (int r = 0; r * r <= n; ++r)
    if (r * r == n) return r;
  return -1;
}

// The reason of a square, "A=2*B,C=B^2" and the sign: both equations hold, A is the middle
// coefficient's size and C the constant.
void expectSquareReason(const std::string& reason, Coefficients c) {
  const std::string plus = "で、＋だから", minus = "で、－だから";
  auto endsWith = [&reason](const std::string& end) {
    return reason.size() > end.size() && reason.compare(reason.size() - end.size(), end.size(), end) == 0;
  };
  const bool positive = endsWith(plus), negative = endsWith(minus);
  ASSERT_TRUE(positive || negative) << algebra::utf8(reason);
  EXPECT_EQ(positive, c.p > 0) << "the sign said is the middle term's";
  const std::size_t comma = reason.find(',');
  ASSERT_NE(comma, std::string::npos);
  const auto twice = algebra::sides(reason.substr(0, comma));
  const auto square = algebra::sides(reason.substr(comma + 1, reason.size() - plus.size() - comma - 1));
  ASSERT_EQ(twice.size(), 2u);
  ASSERT_EQ(square.size(), 2u);
  EXPECT_EQ(twice[0], twice[1]) << algebra::utf8(reason);
  EXPECT_EQ(square[0], square[1]) << algebra::utf8(reason);
  EXPECT_EQ(twice[0], std::abs(c.p));
  EXPECT_EQ(square[0], c.q);
}

// A kind-1 reason: the constant is no square, or the middle coefficient is not twice its root.
void expectProductReason(const std::string& reason, Coefficients c) {
  const int root = rootOf(std::abs(c.q));
  const std::string notSquare = "が2乗でないから", notTwice = "≠2*", because = "だから";
  const std::size_t at = reason.find(notTwice);
  if (root < 0) {
    EXPECT_EQ(reason, std::to_string(std::abs(c.q)) + notSquare);
    return;
  }
  ASSERT_NE(at, std::string::npos) << algebra::utf8(reason) << ": the constant is a square";
  const std::string said = reason.substr(at + notTwice.size(), reason.size() - at - notTwice.size() - because.size());
  EXPECT_EQ(reason.substr(0, at), std::to_string(std::abs(c.p)));
  EXPECT_EQ(said, std::to_string(root));
  EXPECT_NE(std::abs(c.p), 2 * root) << "the reason must be true";
}

TEST(FenwistChoiceTexts, OverEverySeedTheAnswerAndTheReasonFitTheProblem) {
  std::set<float> kinds;
  CheckedDraws checked;
  for (const float memory : {0.0f, 2.0f, 5.0f}) {
    overSeeds(memory, 20, [&](float) {
      const std::string problem = fenwist::selProblemText();
      const std::string reason = fenwist::selReasonText();
      const std::string answer = fenwist::selAnswerText();
      kinds.insert(FMAESU);
      if (!checked.next()) return;
      EXPECT_EQ(algebra::formFault(problem), "") << algebra::utf8(problem);
      EXPECT_EQ(algebra::formFault(answer), "") << algebra::utf8(answer);
      EXPECT_TRUE(algebra::sameValue(answer, problem));
      EXPECT_TRUE(algebra::completelyFactored(answer));
      const Coefficients c = coefficients(problem, X_S[0]);
      const bool square = answer.size() > 2 && answer.substr(answer.size() - 2) == "^2";
      switch (static_cast<int>(KOUSIKI)) {
        case 1:
          // Neither a perfect square nor a difference of squares: two different brackets.
          EXPECT_NE(c.p, 0);
          EXPECT_NE(c.p * c.p, 4 * c.q) << algebra::utf8(problem);
          EXPECT_FALSE(square);
          expectProductReason(reason, c);
          break;
        case 2:
        case 3:
          EXPECT_TRUE(square) << algebra::utf8(answer);
          EXPECT_EQ(c.p > 0, KOUSIKI == 2);
          expectSquareReason(reason, c);
          break;
        case 4:
          EXPECT_EQ(c.p, 0);
          EXPECT_GT(rootOf(-c.q), 0) << algebra::utf8(problem);
          EXPECT_EQ(reason, "2乗－2乗 だから");
          break;
        default: ADD_FAILURE() << "kind " << KOUSIKI;
      }
    });
  }
  EXPECT_EQ(kinds, (std::set<float>{1, 2, 3, 4, 5}));
}

}  // namespace
