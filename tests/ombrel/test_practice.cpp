// The practice drills of section 3 read back from the picture over several seeds: every line of
// working equals the problem it works out, the key number never repeats, each problem erases
// only its own practice area, and the answers stand where and in the colour the scenes give.
#include <gtest/gtest.h>

#include <functional>

#include "engine/strings.h"
#include "ombrel_support.h"
#include "support/algebra.h"

namespace {

using namespace ombrel_test;

constexpr int PROBLEMS = 12;  // problems per loop in each run

struct Loop {
  float x1, y1, x2, y2;  // the practice area
  float readBottom;      // lines below this belong to the scene's closing text
  const char* label;     // drawn before the problem, if any
  std::size_t parts;     // problem and lines of working, joined by "="
  float problemX, problemY;
  int problemColour;
  float answerX, answerY;  // the answer's first digit, in colour 5
  // The number the generator keeps from repeating, read from the problem as shown.
  std::function<long long(const std::string&)> keyNumber;
};

struct Drill {
  const char* name;
  std::string keys;
  std::vector<Loop> loops;
};

void PrintTo(const Drill& drill, std::ostream* os) { *os << drill.name; }

std::vector<std::string> split(const std::string& text, const std::string& by) {
  std::vector<std::string> parts;
  std::size_t from = 0, at;
  while ((at = text.find(by, from)) != std::string::npos) {
    parts.push_back(text.substr(from, at - from));
    from = at + by.size();
  }
  parts.push_back(text.substr(from));
  return parts;
}

// a of a²−b², checking that a + b = 100 and a is not 60 or 70.
long long squareDifferenceKey(const std::string& problem) {
  const auto ab = split(problem, "^2-");
  EXPECT_EQ(ab.size(), 2u) << problem;
  const long long a = std::stoll(ab[0]), b = std::stoll(ab[1]);
  EXPECT_EQ(a + b, 100) << problem;
  EXPECT_NE(a, 60);
  EXPECT_NE(a, 70);
  return a;
}

// u of (t+u)×(t−u), checking that t is a multiple of 10.
long long sumDifferenceKey(const std::string& problem) {
  const auto pq = split(problem, "*");
  EXPECT_EQ(pq.size(), 2u) << problem;
  const long long p = std::stoll(pq[0]), q = std::stoll(pq[1]);
  EXPECT_EQ((p + q) % 20, 0) << problem;
  return (p - q) / 2;
}

// u of (t+u)².
long long squareKey(const std::string& problem) { return std::stoll(problem) % 10; }

Drill introduction() {
  return {"Introduction",
          "3\n1\n" + repeat("x2\n", PROBLEMS - 1) + "x1\n" + repeat("x\n", PROBLEMS - 1) + "x1\n",
          {{40, 80, 680, 380, 380, "(1)", 2, 121, 100, 0, 336, 100, squareDifferenceKey},
           {40, 180, 680, 480, 480, "(2)", 2, 121, 200, 0, 288, 200, sumDifferenceKey}}};
}

Drill example1() {
  return {"Example1",
          "3\n2\n" + steps(7) + repeat("xxx0\n", PROBLEMS - 1) + "xxx1\nx",
          {{680, 130, 1320, 430, 430, "", 4, 734, 150, 3, 739, 300, squareDifferenceKey}}};
}

Drill practice() {
  return {"Practice",
          "3\n5\n" + repeat("xxx\n", PROBLEMS - 1) + "xxx1\n" + repeat("xxxx2\n", PROBLEMS - 1) + "xxxx1\nx",
          {{40, 80, 680, 380, 380, "①", 4, 101, 100, 3, 99, 250, squareKey},
           {40, 300, 680, 600, 560, "②", 5, 101, 320, 3, 99, 520, sumDifferenceKey}}};
}

using Case = std::tuple<Drill, std::string>;

class OmbrelDrillPicture : public testing::TestWithParam<Case> {};

TEST_P(OmbrelDrillPicture, EveryLineEqualsItsProblemAndNoKeyNumberRepeats) {
  const auto& [drill, time] = GetParam();
  std::string png = "ombrel-" + std::string(drill.name) + "-" + time + ".png";
  std::erase(png, ':');
  const HeadlessResult run = runOmbrel(drill.keys, time, png);
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  const auto menus = subMenuLines(ops);
  ASSERT_EQ(menus.size(), 2u) << "the scene ends at its sub-menu";

  // Each problem starts with the erase of its loop's area and lasts until the next erase or,
  // after a loop's last problem, until the next loop starts or the scene ends.
  std::vector<std::vector<std::size_t>> erases;
  for (const Loop& loop : drill.loops) {
    erases.push_back(filledBoxes(ops, loop.x1, loop.y1, loop.x2, loop.y2, 15));
    ASSERT_EQ(erases.back().size(), static_cast<std::size_t>(PROBLEMS));
    if (erases.size() > 1) {
      EXPECT_GT(erases.back().front(), erases[erases.size() - 2].back()) << "the loops run one after the other";
    }
  }
  long long lastKey = -1;
  for (std::size_t l = 0; l < drill.loops.size(); ++l) {
    const Loop& loop = drill.loops[l];
    const std::size_t loopEnd = l + 1 < erases.size() ? erases[l + 1].front() : menus[1];
    for (std::size_t p = 0; p < erases[l].size(); ++p) {
      const std::size_t from = erases[l][p], to = p + 1 < erases[l].size() ? erases[l][p + 1] : loopEnd;
      std::string chain;
      for (const auto& [y, line] : formulaLines(ops, from, to, loop.x1, loop.y1, loop.x2, loop.readBottom))
        chain += line;
      const std::string label = toUtf8(loop.label);
      ASSERT_EQ(chain.substr(0, label.size()), label) << chain;
      const auto parts = split(chain.substr(label.size()), "=");
      ASSERT_EQ(parts.size(), loop.parts) << chain;
      for (const std::string& part : parts) EXPECT_TRUE(algebra::sameValue(part, parts[0])) << chain;
      const long long key = loop.keyNumber(parts[0]);
      EXPECT_NE(key, lastKey) << "the same key number twice in a row: " << chain;
      lastKey = key;
      const std::vector<Op> problem(ops.begin() + static_cast<long>(from), ops.begin() + static_cast<long>(to));
      EXPECT_NE(glyphTextAt(problem, loop.problemX, loop.problemY, loop.problemColour), "") << chain;
      EXPECT_NE(glyphTextAt(problem, loop.answerX, loop.answerY, 5), "") << chain;
    }
  }
  // Only the practice areas are erased: the heading's clear is the scene's only one.
  EXPECT_EQ(filledBoxes(ops, 0, 0, 1320, 1300, 15).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Seeds, OmbrelDrillPicture,
                         testing::Combine(testing::Values(introduction(), example1(), practice()),
                                          testing::Values("00:00:00", "10:20:30", "07:45:13", "23:59:59")),
                         [](const testing::TestParamInfo<Case>& info) {
                           std::string time = std::get<1>(info.param);
                           std::erase(time, ':');
                           return std::get<0>(info.param).name + std::string("_") + time;
                         });

// The drill of example 1 asks for one more key after the last problem; only then the textbook
// pointer stands under the explanation, and the sub-menu follows at once.
TEST(OmbrelExample1, TextbookPointerAfterOneMoreKey) {
  const HeadlessResult run = runOmbrel("3\n2\n" + steps(7) + "xxx1\nx");
  const std::vector<Op> ops = drawn(run);
  const auto menus = subMenuLines(ops);
  ASSERT_EQ(menus.size(), 2u);
  const auto prompts = nextSteps(ops);
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(stepWaits(ops, prompts[0], menus[1]), 1);
  EXPECT_TRUE(glyphAt(ops, 132, 570, 3, "教"));
  // The explanation's column and the drill's heading stay: nothing but the area is erased.
  EXPECT_TRUE(glyphAt(ops, 714, 30, 0, "因"));
  EXPECT_TRUE(glyphAt(ops, 707, 80, 0, "次"));
}

}  // namespace
