// Section 1's fixed mathematics as a pupil reads it, through the algebra checker: the card trick's
// worked example and its explanation with the figure's labels, the flower bed 2a by 3a extended
// by b (its lines, its cells and the arcs of the distributive law), the summary of example 1 and
// the answers of problem 1. One run per scene, every page read from its log.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "page_math.h"
#include "programs/corvale/corvale.h"
#include "support/algebra.h"
#include "support/line_chain.h"

using namespace page_math;

namespace {

// The keys to item `item` of section 1: four presses.
std::string toItem(int item) { return "1\\n" + std::to_string(item) + "\\n"; }
constexpr int ENTERED = 4;

// The labels of the card figure, as its arcs name its sides: a on top, then a-b and b under it;
// a+b down the left, then a and b beside it. They must add up, the filled area (a+b)(a-b)+b^2
// must be the square of side a, and a and b must be the cards.
void expectCardFigure(const HeadlessResult& run, const Page& page, const char* big, const char* small) {
  std::vector<Arc> arcs;
  for (const Arc& arc : arcsOf(run, page))
    if (run.ops[arc.first].colour == 3) arcs.push_back(arc);
  ASSERT_EQ(arcs.size(), 6u);
  std::vector<reading::Line> labels;
  std::vector<std::string> label;
  for (std::size_t k = 0; k < arcs.size(); ++k) {
    const auto line = labelOf(page, arcs, k);
    ASSERT_TRUE(line) << "arc " << k + 1 << " of the figure has no label";
    labels.push_back(*line);
    label.push_back("(" + line->text + ")");
  }
  SCOPED_TRACE("the figure's labels:" + reading::describe(labels));
  EXPECT_TRUE(algebra::sameValue(label[0], label[1] + "+" + label[2])) << "the top side";
  EXPECT_TRUE(algebra::sameValue(label[3], label[4] + "+" + label[5])) << "the left side";
  EXPECT_TRUE(algebra::sameValue(label[3] + label[1] + "+" + label[2] + "^2", label[0] + "^2")) << "the filled area";
  EXPECT_TRUE(algebra::sameValue(label[0], big)) << "the bigger card";
  EXPECT_TRUE(algebra::sameValue(label[2], small)) << "the smaller card";
}

}  // namespace

TEST(CorvalePageMathSection1, CardTrickExampleExplanationAndFigures) {
  // Page 1's fifteen steps, page 2's five, then the cards 13 and 2 once, and 1 to leave.
  const HeadlessResult run = runScript(corvale::PROGRAM, toItem(1) + steps(20) + "13\\n2\\n1\\n");
  ASSERT_FALSE(run.error.has_value());
  const std::vector<Page> pages = pagesOf(run.ops, ENTERED);
  ASSERT_EQ(pages.size(), 3u);  // the two pages, and the figure's side cleared for the cards

  // Page 1: each equation holds, its boxes filled in; D is A×B+C of the values found above it.
  const Page& example = pages[0];
  constexpr float ROW_END = 900;
  const auto a = mathAt(example, {66, 420, 0, "A=8+3=11", "A=", "", ROW_END});
  const auto b = mathAt(example, {66, 480, 0, "B=8-3=5", "B=", "", ROW_END});
  const auto c = mathAt(example, {66, 540, 0, "C=3\\2=9", "C=", "", ROW_END});
  const auto d = mathAt(example, {66, 600, 0, "D=11*5+9=64=8\\2", "D=", "", ROW_END});
  const auto rule = mathAt(example, {1016, 230, 3, "A*B+C"});
  ASSERT_TRUE(a && b && c && d && rule);
  for (const auto& line : {a, b, c, d}) EXPECT_TRUE(reading::sameChain({*line}));
  reading::Line byRule = *rule;
  for (const auto& [name, line] : {std::pair{"A", a}, std::pair{"B", b}, std::pair{"C", c}})
    byRule.text = reading::substituted(byRule.text, name, lastSide(line->text));
  EXPECT_TRUE(reading::sameChain({*d, byRule}));

  // Page 2: the area (8+3)(8-3)+3^2 is the square of side 8, and it is the D of page 1.
  const Page& explanation = pages[1];
  const auto area = mathAt(explanation, {66, 70, 0, "(8+3)*(8-3)+3^2で表される面積は、", "", "で表される面積は、"});
  const auto side =
      mathAt(explanation, {66, 120, 0, "1辺が8の正方形の面積と等しい。", "1辺が", "の正方形の面積と等しい。"});
  const auto yellow = mathAt(explanation, {66, 230, 0, "D=(8+3)*(8-3)+3^2 で黄色の面積", "D=", " で黄色の面積"});
  const auto square =
      mathAt(explanation, {66, 330, 0, "Dは1辺が8の正方形の面積と等しい。", "Dは1辺が", "の正方形の面積と等しい。"});
  ASSERT_TRUE(area && side && yellow && square);
  EXPECT_TRUE(reading::hasValue(*area, "(" + side->text + ")^2"));
  EXPECT_TRUE(reading::hasValue(*d, "(" + square->text + ")^2"));
  EXPECT_TRUE(reading::sameChain({*d, *yellow}));
  expectCardFigure(run, explanation, "8", "3");
  expectCardFigure(run, pages[2], "13", "2");
}

TEST(CorvalePageMathSection1, FlowerBedItsLinesCellsAndArcs) {
  const HeadlessResult run = runScript(corvale::PROGRAM, toItem(2) + steps(9));
  ASSERT_FALSE(run.error.has_value());
  const std::vector<Page> pages = pagesOf(run.ops, ENTERED);
  ASSERT_EQ(pages.size(), 1u);
  const Page& page = pages[0];
  const Shown product{528, 210, 0, "(2a+b)*3a"}, distributed{484, 280, 0, "=2a*3a+b*3a"};
  const Shown area{484, 350, 5, "=6a^2+3ab (m^2)", "", " (m^2)"};
  expectChain(page, {product, distributed, area});
  const auto productLine = mathAt(page, product);
  const auto distributedLine = mathAt(page, distributed);
  const auto areaLine = mathAt(page, area);
  ASSERT_TRUE(productLine && distributedLine && areaLine);

  // The arcs name the sides: 2a and b down, 3a across; the formula is height times width.
  const std::vector<Arc> arcs = arcsOf(run, page);
  ASSERT_EQ(arcs.size(), 5u);
  std::vector<std::string> side;
  for (std::size_t k = 0; k < 3; ++k) {
    const auto label = labelOf(page, arcs, k);
    ASSERT_TRUE(label) << "side arc " << k + 1;
    side.push_back(label->text);
  }
  EXPECT_TRUE(reading::hasValue(*productLine, "(" + side[0] + "+" + side[2] + ")(" + side[1] + ")"));

  // Counting the cells gives the area: six a^2 and three ab.
  std::string cells;
  const std::vector<reading::Line> inside = reading::within(page.lines, 144, 210, 408, 456);
  for (const reading::Line& cell : inside) cells += (cells.empty() ? "" : "+") + cell.text;
  EXPECT_EQ(inside.size(), 9u);
  EXPECT_TRUE(reading::hasValue(*areaLine, cells)) << "the cells " << algebra::utf8(cells);

  // The distributive law: the arcs join 3a to 2a and to b, the terms of the line under it.
  expectArcsJoin(page, {arcs[3], arcs[4]}, *productLine, termsOf(distributedLine->text), false);
}

TEST(CorvalePageMathSection1, ExampleOneSummaryStatesTheLawInBothOrders) {
  // Problems 1, 2 and 3 once each, then the summary and its pointer.
  const HeadlessResult run =
      runScript(corvale::PROGRAM, toItem(3) + steps(5) + "1\\n" + steps(5) + "1\\n" + steps(6) + "1\\n" + steps(1));
  ASSERT_FALSE(run.error.has_value());
  const std::vector<Page> pages = pagesOf(run.ops, ENTERED);
  ASSERT_EQ(pages.size(), 1u);
  expectChain(pages[0], {{680, 460, 7, "(a+b)*c=ac+bc"}, {680, 510, 7, "c(a+b)=ac+bc"}});
}

TEST(CorvalePageMathSection1, AnswersOfProblemOneEveryItem) {
  struct Item {
    float x, y;  // the label's place; the problem beside it, the step and the answer under it
    const char* problem;
    const char* step;
    const char* answer;
  };
  const std::vector<std::vector<Item>> items = {
      {{40, 80, " (2x+y)*7x", "=2x*7x+y*7x", "=14x^2+7xy"},
       {40, 240, " (3a-b)*4a", "=3a*4a-b*4a", "=12a^2-4ab"},
       {40, 400, " (5a-6b)*(-2b)", "=5a*(-2b)-6b*(-2b)", "=-10ab+12b^2"},
       {640, 30, " 4x(2x-1)", "=4x*2x+4x*(-1)", "=8x^2-4x"},
       {640, 190, " 2x(x+3y)", "=2x*x+2x*3y", "=2x^2+6xy"},
       {640, 350, " -3a(8a+7b)", "=-3a*8a-3a*7b", "=-24a^2-21ab"},
       {640, 510, " -2x(-3x+2y)", "=-2x*(-3x)-2x*2y", "=6x^2-4xy"}},
      {{40, 90, " (x-3y-2)*4x", "=x*4x-3y*4x-2*4x", "=4x^2-12xy-8x"},
       {40, 250, " -3x(4x-3y+2)", "=-3x*4x-3x*(-3y)-3x*2", "=-12x^2+9xy-6x"},
       {40, 410, " 3a(-a+2b-1)", "=3a*(-a)+3a*2b+3a*(-1)", "=-3a^2+6ab-3a"}},
  };
  const HeadlessResult run = runScript(corvale::PROGRAM, toItem(4) + steps(2));
  ASSERT_FALSE(run.error.has_value());
  const std::vector<Page> pages = pagesOf(run.ops, ENTERED);
  ASSERT_EQ(pages.size(), items.size());
  for (std::size_t p = 0; p < pages.size(); ++p)
    for (const Item& item : items[p]) {
      const float x = item.x + 81;
      expectChain(pages[p],
                  {{x, item.y, 0, item.problem}, {x, item.y + 50, 0, item.step}, {x, item.y + 100, 5, item.answer}});
    }
}
