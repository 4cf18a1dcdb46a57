// Section 4's trinomial drills (items 2, 5 and 7) over every seed the clock gives: every problem
// walked on the operation log, its texts, boxes, table and step waits where the drill puts them;
// the table read back from the screen with its rows, exactly one marked ○, and the boxes showing
// that pair; the problem and its answer line checked as algebra.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/op_walk.h"
#include "engine/engine.h"
#include "engine/strings.h"
#include "fenwist_support.h"
#include "programs/fenwist/globals.h"
#include "programs/fenwist/pair_table.h"
#include "programs/fenwist/section4.h"
#include "section4_reading.h"
#include "support/algebra.h"
#include "support/page_lines.h"

namespace {

using namespace fenwist_test;
using namespace section4_test;
using walk::OpWalk;

// The signs the numbers of a drill take.
enum class Signs { Positive, Negative, Opposite, Any };

// One practice loop of the family as it shows on the screen.
struct Loop {
  const char* name;
  const char* heading;  // at (88, 18), or "" when the loop keeps the heading above it
  float top;            // the cursor line the problem is drawn from
  float haba;           // the answer boxes' width
  const char* frame[3];
  Signs signs;
  float firstGlyph;  // where the problem line's first glyph starts: after its label, or after two blanks
};

const Loop PART1 = {"practice (1)", "練習　次の式を因数分解しなさい。", 18, 88,
                   {"=(x+", ")(x+", ")"}, Signs::Positive, 22};
const Loop PART2 = {"practice (2)", "", 240, 88, {"=(x", ")(x", ")"}, Signs::Negative, 22};
const Loop EXAMPLE7 = {"example 7", "例7　次の式を因数分解しなさい。", 18, 132,
                       {"=(x", ")(x", ")"}, Signs::Opposite, 76};
const Loop FORMULA = {"formula practice", "問　次の式を因数分解しなさい。", 18, 132,
                      {"=(x", ")(x", ")"}, Signs::Any, 76};

bool isClear(const Op& op, float x, float y) {
  return op.kind == OpKind::FilledBox && op.x1 == x && op.y1 == y && op.x2 == x + 1320 && op.y2 == y + 1300 &&
         op.fill == 15;
}

// The rows that the table of the constant q must hold, in order: the factor pairs of |q|, smaller
// member first, with the second member taking q's sign, then the same pairs with both signs changed.
// The pair of two equal members counts once.
std::vector<std::pair<int, int>> expectedRows(int q) {
  const int n = std::abs(q), sign = q > 0 ? 1 : -1;
  std::vector<std::pair<int, int>> rows;
  for (int d = 1; d * d <= n; ++d)
    if (n % d == 0) rows.push_back({d, sign * (n / d)});
  const std::size_t k = rows.size();
  for (std::size_t i = 0; i < k; ++i) rows.push_back({-rows[i].first, -rows[i].second});
  return rows;
}

// What one problem left on the screen, as a pupil reads it (code page 932), for the checks of the
// mathematics.
struct Shown {
  std::string problem;
  std::string answerLine;
  std::string box1, box2;
  PairTable table;
};

// Walks one problem: the ops of run from the problem's clear to its next-step prompt.
Shown walkProblem(const HeadlessResult& run, std::size_t clear, std::size_t prompt, const Loop& loop) {
  HeadlessResult part;
  part.ops.assign(run.ops.begin() + static_cast<long>(clear), run.ops.begin() + static_cast<long>(prompt) + 1);
  const float problemY = loop.top + 80, frameY = loop.top + 160;
  const std::vector<reading::Line> screen = page::onScreen(part.ops, part.ops.size());
  Shown shown;
  shown.problem = lineIn(screen, 0, problemY - 5, 700, problemY + 5);
  shown.answerLine = lineIn(screen, 0, frameY - 5, 700, frameY + 5);
  shown.table = tableAt(screen, 728, 60);

  OpWalk w(part);
  if (*loop.heading != '\0') {
    w.fill(0, 0, 1320, 1300, 15, 15);
    w.reads(88, 18, 0, loop.heading);
  } else {
    w.fill(728, 0, 1320, 1300, 15, 15);
    w.fill(0, 240, 1320, 1300, 15, 15);
  }
  // The problem line from x 22: its label "(1)" and a blank before the problem, or two blanks.
  w.reads(22, problemY, 0, loop.firstGlyph == 22 ? shown.problem : "  " + shown.problem);
  w.reads(88, frameY, 0, loop.frame[0]);
  // The boxes centred on the frame line, 10 px after the text before them.
  const float left1 = w.fill(w.last().right + 10, frameY - 8, loop.haba, 60, 7, 6);
  w.readsCentred(left1, loop.haba, frameY, 13, "①");
  w.reads(left1 + loop.haba + 10, frameY, 0, loop.frame[1]);
  const float left2 = w.fill(w.last().right + 10, frameY - 8, loop.haba, 60, 7, 6);
  w.readsCentred(left2, loop.haba, frameY, 13, "②");
  w.reads(left2 + loop.haba + 10, frameY, 0, loop.frame[2]);
  EXPECT_GT(left1, 88);
  EXPECT_GT(left2, left1 + loop.haba + 10);
  // The table: header after one key, the rows after another, the marks after a third.
  const std::string product = std::to_string(shown.table.product), sum = std::to_string(shown.table.sum);
  w.cell(728, 60, 264, 50, 11, "積が" + product, 0, 1);
  w.cell(992, 60, 220, 50, 11, "和が" + sum, 0);
  for (std::size_t n = 0; n < shown.table.rows.size(); ++n) {
    const PairRow& row = shown.table.rows[n];
    const std::string pair = std::to_string(row.first) + "と" + std::to_string(row.second);
    w.cell(728, 60 + 50 * (n + 1.0f), 264, 50, 13, pair, 5, n == 0 ? 1 : 0);
  }
  for (std::size_t n = 0; n < shown.table.rows.size(); ++n) {
    w.cell(992, 60 + 50 * (n + 1.0f), 220, 50, 13, shown.table.rows[n].mark, 5, n == 0 ? 1 : 0);
  }
  // After the fourth key the same boxes again, with the numbers.
  shown.box1 = lineIn(screen, left1, frameY - 8, left1 + loop.haba, frameY + 52);
  shown.box2 = lineIn(screen, left2, frameY - 8, left2 + loop.haba, frameY + 52);
  w.fill(left1, frameY - 8, loop.haba, 60, 7, 6, 1);
  w.readsCentred(left1, loop.haba, frameY, 13, shown.box1);
  w.fill(left2, frameY - 8, loop.haba, 60, 7, 6);
  w.readsCentred(left2, loop.haba, frameY, 13, shown.box2);
  EXPECT_EQ(w.keysLeft(), 0) << "the answers come with the next-step prompt";
  return shown;
}

// The table of a problem: the rows of its constant in order, one ○ on the row whose sum is the
// coefficient; the boxes show that row's numbers, signed as the drill signs them.
void expectTableAndBoxes(const Shown& shown, const Loop& loop) {
  const PairTable& table = shown.table;
  const auto rows = expectedRows(table.product);
  ASSERT_EQ(table.rows.size(), rows.size()) << "constant " << table.product;
  int marked = 0;
  for (std::size_t n = 0; n < rows.size(); ++n) {
    const PairRow& row = table.rows[n];
    EXPECT_EQ(row.first, rows[n].first);
    EXPECT_EQ(row.second, rows[n].second);
    const bool fits = row.first + row.second == table.sum;
    EXPECT_EQ(row.mark, fits ? "○" : "×") << row.first << toUtf8("と") << row.second;
    if (row.mark != "○") continue;
    ++marked;
    std::vector<int> boxes = {std::stoi(shown.box1), std::stoi(shown.box2)};
    std::vector<int> pair = {row.first, row.second};
    std::sort(boxes.begin(), boxes.end());
    std::sort(pair.begin(), pair.end());
    EXPECT_EQ(boxes, pair) << "boxes " << algebra::utf8(shown.box1) << ", " << algebra::utf8(shown.box2);
  }
  EXPECT_EQ(marked, 1) << "exactly one row marked, constant " << table.product << ", sum " << table.sum;
  for (const std::string& box : {shown.box1, shown.box2}) {
    ASSERT_FALSE(box.empty());
    const bool negative = box[0] == '-';
    switch (loop.signs) {
      case Signs::Positive: EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(box[0]))) << box; break;
      case Signs::Negative: EXPECT_TRUE(negative) << box; break;
      case Signs::Opposite:
      case Signs::Any: EXPECT_TRUE(negative || box[0] == '+') << "a signed number: " << box; break;
    }
  }
  // The problem is x^2 + (sum)x + (product) of the header, and the answer line, the frame filled
  // with the boxes, is that problem factorised.
  const std::string problem = algebra::withoutLabel(shown.problem);
  const std::string& answer = shown.answerLine;
  EXPECT_EQ(algebra::formFault(problem), "") << algebra::utf8(shown.problem);
  EXPECT_EQ(algebra::formFault(answer), "") << algebra::utf8(shown.answerLine);
  EXPECT_TRUE(algebra::sameValue(problem, "x^2+(" + std::to_string(table.sum) + ")x+(" +
                                              std::to_string(table.product) + ")"));
  EXPECT_TRUE(algebra::sameValue(answer, problem));
  EXPECT_TRUE(algebra::completelyFactored(answer));
  if (loop.signs == Signs::Opposite) {
    EXPECT_NE(shown.box1[0], shown.box2[0]) << "one of each sign";
  }
}

// Every problem of a loop in a run: the clears start them, the next-step prompts end them.
std::vector<Shown> walkLoop(const HeadlessResult& run, const Loop& loop, std::size_t from, std::size_t& end,
                            int problems) {
  std::vector<Shown> shown;
  std::size_t at = from;
  for (int p = 0; p < problems; ++p) {
    const float clearX = *loop.heading != '\0' ? 0 : 728;
    while (at < run.ops.size() && !isClear(run.ops[at], clearX, 0)) ++at;
    std::size_t prompt = at;
    while (prompt < run.ops.size() && !isNextStep(run.ops[prompt])) ++prompt;
    if (prompt >= run.ops.size()) {
      ADD_FAILURE() << loop.name << ": problem " << p + 1 << " missing";
      break;
    }
    SCOPED_TRACE(std::string(loop.name) + ", problem " + std::to_string(p + 1));
    shown.push_back(walkProblem(run, at, prompt, loop));
    expectTableAndBoxes(shown.back(), loop);
    at = prompt + 1;
  }
  end = at;
  return shown;
}

// n problems of a loop: every entry but the last asks for another one, with a different number each time.
std::string problems(int n) {
  std::string keys;
  for (int p = 1; p < n; ++p) keys += "kkkk" + std::string(p % 2 ? "5" : "") + "\n";
  return keys + "kkkk1\n";
}

// After the last problem's entry of 1 and one more key, the textbook problems to do, and the
// sub-menu under the picture.
void expectPointer(const HeadlessResult& run, std::size_t from, float x, const char* text) {
  HeadlessResult rest;
  rest.ops.assign(run.ops.begin() + static_cast<long>(from), run.ops.end());
  OpWalk w(rest);
  w.reads(x, 570, 0, text, 3);
  const std::vector<Op> ops = drawn(rest);
  EXPECT_EQ(stepWaits(ops, 0, ops.size()), 1);
  EXPECT_EQ(subMenuLines(ops).size(), 1u);
}

// Each test runs its drill after every seed the clock can give (overSeedClocks).
TEST(FenwistPracticeDrill, PositiveThenNegativeWithTheFirstPartKeptAbove) {
  overSeedClocks([](const std::string& clock) {
    const std::string picture = clock == clockFor(0) ? "fenwist-s4-practice.png" : "";
    const HeadlessResult run = runFenwist("4\n2\n" + problems(6) + problems(6) + "k", clock, picture);
    ASSERT_FALSE(run.error);
    std::size_t end = 0;
    const auto part1 = walkLoop(run, PART1, 0, end, 6);
    const auto part2 = walkLoop(run, PART2, end, end, 6);
    // Part (2) leaves the upper left as part (1) left it: the heading and its last problem.
    const auto rows = page::rowsIn(page::onScreen(run.ops, run.ops.size()), 0, 0, 727, 239);
    ASSERT_EQ(rows.size(), 3u) << reading::describe(rows);
    EXPECT_TRUE(page::reads(rows[0], "練習　次の式を因数分解しなさい。"));
    EXPECT_TRUE(page::reads(rows[1], part1.back().problem));
    EXPECT_TRUE(page::reads(rows[2], part1.back().answerLine));
    EXPECT_EQ(part2.size(), 6u);
    expectPointer(run, end, 484, "教科書P24 問6,問7　をしなさい。");
  });
}

// Example 7 and the formula practice: one loop each, every sign of the problem line and of the
// boxes written out.
struct SignedDrill {
  int item;
  const Loop* loop;
  const char* pointer;
};

void PrintTo(const SignedDrill& drill, std::ostream* os) { *os << drill.loop->name; }

class FenwistSignedDrill : public testing::TestWithParam<SignedDrill> {};

TEST_P(FenwistSignedDrill, EveryProblemOnAClearedWindowThenTheTextbookProblem) {
  const SignedDrill& drill = GetParam();
  overSeedClocks([&](const std::string& clock) {
    const HeadlessResult run = runFenwist("4\n" + std::to_string(drill.item) + "\n" + problems(12) + "k", clock);
    ASSERT_FALSE(run.error);
    std::size_t end = 0;
    const auto shown = walkLoop(run, *drill.loop, 0, end, 12);
    EXPECT_EQ(shown.size(), 12u);
    for (const Shown& problem : shown) EXPECT_EQ(problem.problem.rfind("x^2", 0), 0u) << problem.problem;
    expectPointer(run, end, 132, drill.pointer);
  });
}

INSTANTIATE_TEST_SUITE_P(Drills, FenwistSignedDrill,
                         testing::Values(SignedDrill{5, &EXAMPLE7, "教科書 問8　をしなさい。"},
                                         SignedDrill{7, &FORMULA, "教科書 問9　をしなさい。"}),
                         [](const testing::TestParamInfo<SignedDrill>& info) {
                           return "Item" + std::to_string(info.param.item);
                         });

// --- The draws ----------------------------------------------------------------------------------

// Over every seed: a and b of different sizes, |a| from 1 to 7, |b| from 1 to 8 and 8 only after
// a 7 (two 7s make 7 and 8), signed by the drill's rule, with their sum, product and copies.
TEST(FenwistTrinomialDraws, NumbersAndSignsOfEachDrill) {
  using fenwist::TrinomialDrill;
  for (const TrinomialDrill drill : {TrinomialDrill::BothPositive, TrinomialDrill::BothNegative,
                                     TrinomialDrill::OneNegative, TrinomialDrill::AnySigns}) {
    std::set<std::pair<bool, bool>> signs;
    bool sevenAndEight = false;
    for (const int seed : allSeeds()) {
      PaRandomize(static_cast<float>(seed));
      for (int pass = 0; pass < 20; ++pass) {
        T_A(5) = T_A(6) = 99;
        fenwist::GENTRINOMIAL(drill);
        const float a = T_A(1), b = T_A(2);
        ASSERT_TRUE(std::fabs(a) >= 1 && std::fabs(a) <= 7) << a;
        ASSERT_TRUE(std::fabs(b) >= 1 && std::fabs(b) <= 8) << b;
        ASSERT_NE(std::fabs(a), std::fabs(b));
        if (std::fabs(b) == 8) {
          ASSERT_EQ(std::fabs(a), 7);
          sevenAndEight = true;
        }
        ASSERT_EQ(T_A(3), a + b);
        ASSERT_EQ(T_A(4), a * b);
        signs.insert({a < 0, b < 0});
        switch (drill) {
          case TrinomialDrill::BothPositive:
            ASSERT_TRUE(T_A(3) >= 3 && T_A(3) <= 15) << T_A(3);
            break;
          case TrinomialDrill::BothNegative:
            ASSERT_TRUE(T_A(3) >= -15 && T_A(3) <= -3) << T_A(3);
            break;
          case TrinomialDrill::OneNegative:
            ASSERT_EQ(a < 0, P == 1) << "the first number negative exactly when P is 1";
            ASSERT_EQ(T_A(5), T_A(3));
            ASSERT_EQ(T_A(6), 99);
            break;
          case TrinomialDrill::AnySigns:
            ASSERT_EQ(b < 0, P == 1) << "the second number negative when its own draw is 1";
            ASSERT_EQ(T_A(5), T_A(3));
            ASSERT_EQ(T_A(6), T_A(4));
            break;
        }
      }
    }
    EXPECT_TRUE(sevenAndEight);
    const std::map<TrinomialDrill, std::set<std::pair<bool, bool>>> expected = {
        {TrinomialDrill::BothPositive, {{false, false}}},
        {TrinomialDrill::BothNegative, {{true, true}}},
        {TrinomialDrill::OneNegative, {{true, false}, {false, true}}},
        {TrinomialDrill::AnySigns, {{false, false}, {true, false}, {false, true}, {true, true}}}};
    EXPECT_EQ(signs, expected.at(drill));
  }
}

}  // namespace
