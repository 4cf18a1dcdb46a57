// Every mathematical row of Fenwist's fixed explanations, worked examples, formula panels and
// answer pages of sections 1 to 4, read back from one run of its scene at the place where the
// scene draws it, and checked through the algebra checker: each "=" row equal to the row before
// it, each answer its problem completely factorised, each identity and each formula true, and
// each figure's area label the product of its side labels. (The scene tests read the answer pages
// of problems 6 to 10 and of the exercises, and section 6's fixed pages, through the checker.)
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "fenwist_support.h"
#include "page_math.h"
#include "support/algebra.h"

namespace {

using fenwist_test::runFenwist;
using page_math::At;

// What a group of rows states.
struct Math {
  enum Kind {
    Factorised,  // each row equal to the first (a problem and its working), the last one ending in
                 // a complete factorisation
    Identities,  // each row an identity on its own: all its sides equal
    Area,        // a figure: its area label, its side labels down, then across
  } kind;
  int keys;             // key presses before the rows are drawn
  std::vector<At> rows;
  int down = 0;         // Area: how many of the side labels after the area label are heights
};

struct Scene {
  const char* name;
  std::string keys;
  std::vector<Math> math;
};

void PrintTo(const Scene& scene, std::ostream* os) { *os << scene.name; }

// The product of the side labels, each in brackets: (h1+h2)*(w1+w2).
std::string areaOf(const std::vector<reading::Line>& sides, int down) {
  std::string heights, widths;
  for (int i = 0; i < static_cast<int>(sides.size()); ++i) {
    std::string& sum = i < down ? heights : widths;
    sum += (sum.empty() ? "(" : "+(") + sides[static_cast<std::size_t>(i)].text + ")";
  }
  return "(" + heights + ")*(" + widths + ")";
}

void expectHolds(const page_math::Page& page, const Math& math) {
  std::vector<reading::Line> rows;
  for (const At& at : math.rows) {
    const std::optional<reading::Line> row = page.row(math.keys, at);
    const std::optional<reading::Line> math = row ? page_math::asMath(*row, at) : std::nullopt;
    if (!math) return;
    rows.push_back(*math);
  }
  switch (math.kind) {
    case Math::Factorised:
      EXPECT_TRUE(reading::cleanChain(rows));
      EXPECT_TRUE(reading::factoredAtEnd(rows.back()));
      break;
    case Math::Identities:
      for (const reading::Line& row : rows) {
        EXPECT_NE(row.text.find('='), std::string::npos) << reading::describe(row) << " states nothing";
        EXPECT_TRUE(reading::cleanChain({row}));
      }
      break;
    case Math::Area: {
      const std::vector<reading::Line> sides(rows.begin() + 1, rows.end());
      EXPECT_TRUE(algebra::sameValue(rows.front().text, areaOf(sides, math.down)))
          << "the area " << reading::describe(rows.front()) << " of the sides" << reading::describe(sides);
      break;
    }
  }
}

class FenwistPageMath : public testing::TestWithParam<Scene> {};

TEST_P(FenwistPageMath, EveryRowHoldsWhereItStands) {
  const Scene& scene = GetParam();
  const HeadlessResult run = runFenwist(scene.keys);
  ASSERT_FALSE(run.error);
  const page_math::Page page(run);
  for (const Math& math : scene.math) expectHolds(page, math);
}

// A row that no walk of its scene reads whole: the markup it must read, as the lesson writes it.
At reads(float x, float y, const char* markup) { return {.x = x, .y = y, .text = markup}; }
// A row of words around its mathematics, which stands between the two markers.
At between(float x, float y, const char* from, const char* to = "") { return {.x = x, .y = y, .from = from, .to = to}; }

// A rectangle of section 1's page of factors, drawn after `keys` key presses: its product line
// beside it, its area label centred in it (from areaX), its height on the left and its width on
// top (from widthX).
std::vector<Math> rectangle(int keys, float areaX, float widthX) {
  return {{Math::Identities, keys, {{528, 469}}},
          {Math::Area, keys, {{areaX, 469}, {177, 469}, {widthX, 365}}, 1}};
}

// The area diagram of x^2+5x+6 in section 1's first scene: the sides x and 2 down, x and 3 across.
Math productDiagram(int keys) {
  return {Math::Area, keys, {{902, 445}, {837, 413}, {837, 567}, {976.5, 265}, {1152.5, 265}}, 2};
}

// A cell of example 5's diagram drawn after `keys` key presses, by the line of its row and the
// column of its area label: its height on the left of its row, its width on top of its column.
// The diagram of (x+3)(x+4) has the heights x and 3, the widths x and 4.
Math cell(int keys, float y, float areaX, float widthX) {
  return {Math::Area, keys, {{areaX, y}, {837, y}, {widthX, 40}}, 1};
}

// Section 1's first scene: the two tasks, the diagram of x^2+5x+6 on pages 1 and 2, the five
// rectangles of page 3 (three of 6 and two of 2ab).
std::vector<Math> meaning() {
  std::vector<Math> math = {{Math::Identities, 4, {{330, 90}}},
                            {Math::Factorised, 4, {{330, 210}}},
                            productDiagram(4),
                            {Math::Factorised, 14, {{198, 30}}},
                            productDiagram(14)};
  for (const int keys : {22, 24, 28, 30, 32}) {
    const bool six = keys < 28;
    for (const Math& each : rectangle(keys, six ? 316.5f : 289.5f, six ? 316.5f : 303)) math.push_back(each);
  }
  return math;
}

// The answer pages of problems 2, 3 and 4: four items in two columns, each a problem with its
// working; on the page of problem 2 the first item has no working line.
std::vector<Math> answerItems(int firstItemLines) {
  const float second = firstItemLines == 2 ? 210 : 260, fourth = 200;
  std::vector<At> first = {{40, 90}, {94, 140}};
  if (firstItemLines == 3) first.push_back({94, 190});
  return {{Math::Factorised, 4, first},
          {Math::Factorised, 4, {{40, second}, {94, second + 50}, {94, second + 100}}},
          {Math::Factorised, 4, {{600, 30}, {654, 80}, {654, 130}}},
          {Math::Factorised, 4, {{600, fourth}, {654, fourth + 50}, {654, fourth + 100}}}};
}

std::vector<Scene> scenes() {
  return {
      {"Section1Meaning", "1\n1\n" + steps(29), meaning()},
      {"Section1FirstSummary", "1\n2\n", {{Math::Factorised, 4, {{132, 217}, {652, 217}}}}},
      {"Section1CommonFactors",
       "1\n3\n" + steps(17),
       {{Math::Identities, 4, {{88, 90}, between(88, 150, "(", " だから"), between(88, 210, "(", " だから")}},
        {Math::Area, 4, {{267.5, 533}, {150, 533}, {281, 440}}, 1},
        {Math::Area, 4, {{413, 533}, {150, 533}, {426.5, 440}}, 1},
        {Math::Identities, 14, {{198, 340}, {198, 400}, {198, 520}}}}},
      {"Section1SecondSummary",
       "1\n5\n" + steps(9),
       {{Math::Factorised, 4, {{132, 97}}},
        {Math::Identities, 4, {{132, 232}, {132, 292}, {506, 172}, {563, 367}, {563, 427}}}}},
      // No walk of the page reads all its rows: their texts are given here.
      {"Section1Problem1Answers",
       "1\n6\n" + steps(4),
       {{Math::Factorised, 4, {reads(40, 90, "(1)ab-ac"), reads(94, 140, "=a(b-c)")}},
        {Math::Identities, 4, {reads(94, 190, "ab=a*b"), reads(94, 240, "ac=a*c")}},
        {Math::Factorised, 4, {reads(40, 310, "(2)4ax-2a"), reads(94, 360, "=2a(2x-1)")}},
        {Math::Identities, 4, {reads(94, 410, "4ax=2a*2x"), reads(94, 460, "2a=2a*1")}},
        {Math::Factorised, 4, {reads(400, 30, "(3)2ax+3ay"), reads(454, 80, "=a(2x+3y)")}},
        {Math::Identities, 4, {reads(454, 130, "2ax=a*2x"), reads(454, 180, "3ay=a*3y")}},
        {Math::Factorised, 4, {reads(400, 250, "(4)8a^2b-4b^2"), reads(454, 300, "=4b(2a^2-b)")}},
        {Math::Identities, 4, {reads(454, 350, "8a^2b=4b*2a^2"), reads(454, 400, "4b^2=4b*b")}},
        {Math::Factorised, 4, {reads(800, 30, "(5)a^2b-ab^2"), reads(854, 80, "=ab(a-b)")}},
        {Math::Identities, 4, {reads(854, 130, "a^2b=ab*a"), reads(854, 180, "ab^2=ab*b")}},
        {Math::Factorised, 4, {reads(800, 250, "(6)ax+bx+cx"), reads(854, 300, "=x(a+b+c)")}},
        {Math::Identities, 4,
         {reads(854, 350, "ax=x*a"), reads(854, 400, "bx=x*b"), reads(854, 450, "cx=x*c")}}}},
      {"Section2Panel", "2\n1\n", {{Math::Factorised, 4, {{907, 110}, {880, 180}}}}},
      {"Section2Problem2Answers", "2\n2\n" + steps(4), answerItems(2)},
      {"Section3Panel",
       "3\n1\n",
       {{Math::Factorised, 4, {{907, 160}, {880, 210}}}, {Math::Factorised, 4, {{907, 280}, {880, 330}}}}},
      {"Section3Problem3Answers", "3\n2\n" + steps(4), answerItems(3)},
      {"Section3Problem4Answers", "3\n4\n" + steps(5), answerItems(3)},
      // The problem and, in place of the line with the unknowns, the answer line, whose "=" stands
      // 12 px left of theirs; the formula after the search.
      {"Section4Example5",
       "4\n1\n" + steps(15),
       {{Math::Factorised, 4, {{110, 110}, {54, 170}}},
        {Math::Identities, 4, {between(66, 590, "公式 ")}},
        // The square x by x of the diagram with the unknown sides; the cells of (x+3)(x+4).
        cell(4, 188, 964.5, 976.5), cell(10, 188, 964.5, 976.5), cell(10, 188, 1139, 1152.5),
        cell(10, 342, 963, 976.5), cell(10, 342, 1139, 1152.5)}},
  };
}

INSTANTIATE_TEST_SUITE_P(Scenes, FenwistPageMath, testing::ValuesIn(scenes()),
                         [](const testing::TestParamInfo<Scene>& info) { return std::string(info.param.name); });

}  // namespace
