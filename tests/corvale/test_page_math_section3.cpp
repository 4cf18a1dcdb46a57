// Section 3's fixed mathematics as a pupil reads it, through the algebra checker: the flower bed
// of (a+b)(c+d) (its cells and rows against the sides the arcs name, its lines, the substitution
// c+d = M and back), example 5, worked example 7 and its numbered arcs, the summary, and the
// answers of problems 3 to 6. One run per scene, every page read from its log.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "page_math.h"
#include "programs/corvale/corvale.h"
#include "support/algebra.h"
#include "support/line_chain.h"

using namespace page_math;

namespace {

// The keys from the main menu to item `item` of section 3, and how many presses they are.
std::string toItem(int item) { return "3\\n" + std::to_string(item) + "\\n"; }
int pressesTo(int item) { return 3 + static_cast<int>(std::to_string(item).size()); }

std::vector<Page> scene(int item, int keys) {
  const HeadlessResult run = runScript(corvale::PROGRAM, toItem(item) + steps(keys));
  EXPECT_FALSE(run.error.has_value());
  return pagesOf(run.ops, pressesTo(item));
}

// The x of a text of n half-width characters centred in a box from left, width wide.
float centred(float left, float width, int n) { return left + (width - 27 * static_cast<float>(n)) / 2; }

// The side labels of a bed: each labelled arc's label, with its span down (a row's height) or
// across (a column's width).
struct Side {
  std::string label;
  bool down;
  float from, to;
};

std::vector<Side> sidesOf(const Page& page, const std::vector<Arc>& arcs) {
  std::vector<Side> sides;
  for (std::size_t k = 0; k < arcs.size(); ++k) {
    const auto label = labelOf(page, arcs, k);
    if (!label) continue;
    const Arc& arc = arcs[k];
    const bool down = std::fabs(arc.x0 - arc.x1) < 1;
    sides.push_back({label->text, down, std::min(down ? arc.y0 : arc.x0, down ? arc.y1 : arc.x1),
                     std::max(down ? arc.y0 : arc.x0, down ? arc.y1 : arc.x1)});
  }
  return sides;
}

// The sides that span from..to, down or across, as a bracketed sum: "(a+b)".
std::string sumOfSides(const std::vector<Side>& sides, bool down, float from, float to) {
  std::string sum;
  for (const Side& side : sides)
    if (side.down == down && side.from >= from - 1 && side.to <= to + 1) sum += (sum.empty() ? "" : "+") + side.label;
  return "(" + sum + ")";
}

// Page 1: the bed a+b high and c+d wide, its cells, its rows and the three lines beside it.
void expectBed(const HeadlessResult& run, const Page& bed) {
  // The product, then the sum of the cells under it, then the rows' line between them.
  expectChain(bed, {{572, 270, 0, "(a+b)(c+d)"},
                    {528, 340, 0, "=a(c+d)+b(c+d)"},
                    {528, 410, 5, "=ac+ad+bc+bd (m^2)", "", " (m^2)"}});
  const auto product = mathAt(bed, {572, 270, 0, "(a+b)(c+d)"});
  ASSERT_TRUE(product);

  // The four sides a, c, d and b name the bed: the product is its height times its width.
  const std::vector<Arc> arcs = arcsOf(run, bed);
  ASSERT_EQ(arcs.size(), 6u);
  const std::vector<Side> sides = sidesOf(bed, std::vector<Arc>(arcs.begin(), arcs.begin() + 4));
  ASSERT_EQ(sides.size(), 4u);
  EXPECT_TRUE(reading::hasValue(*product, sumOfSides(sides, true, 270, 490) + sumOfSides(sides, false, 132, 484)));

  // Each cell, and each row they merge into, holds its height times its width; the four cells
  // and the two rows each add up to the product.
  std::string cells, rows;
  int texts = 0;
  for (const reading::Line& text : reading::within(bed.lines, 132, 270, 484, 490)) {
    const Op* box = nullptr;
    for (std::size_t i = bed.first; i < text.first; ++i) {
      const Op& op = run.ops[i];
      if (op.kind == OpKind::FilledBox && op.colour == 0 && op.x1 <= text.x && text.right <= op.x2 && op.y1 <= text.y &&
          text.y <= op.y2)
        box = &op;
    }
    ASSERT_NE(box, nullptr) << reading::describe(text);
    ++texts;
    EXPECT_TRUE(reading::hasValue(
        text, sumOfSides(sides, true, box->y1, box->y2) + sumOfSides(sides, false, box->x1, box->x2)));
    const bool row = box->x2 - box->x1 > 300;
    (row ? rows : cells) += ((row ? rows : cells).empty() ? "" : "+") + text.text;
  }
  EXPECT_EQ(texts, 6);
  EXPECT_TRUE(reading::hasValue(*product, cells)) << "the cells " << algebra::utf8(cells);
  EXPECT_TRUE(reading::hasValue(*product, rows)) << "the rows " << algebra::utf8(rows);

  // The arcs from a and b end over the boxed factor (c+d): a(c+d) and b(c+d), the rows' line.
  const auto factor = mathAt(bed, {centred(712, 176, 5), 270, 13, "(c+d)"});
  const auto rowsLine = mathAt(bed, {528, 340, 0, "=a(c+d)+b(c+d)"});
  ASSERT_TRUE(factor && rowsLine);
  EXPECT_TRUE(reading::hasValue(*factor, sumOfSides(sides, false, 132, 484)));
  expectArcsJoin(bed, {arcs[4], arcs[5]}, *product, termsOf(rowsLine->text), false, factor);
}

// Page 2: the product with (c+d) boxed and its expansions, then the same by putting c+d = M.
void expectSubstitution(const HeadlessResult& run, const Page& page) {
  // Left: (a+b) and the boxed (c+d) after it, the arcs from a and b to the box, and the two
  // expansions under them.
  const Shown product{88, 90, 0, "(a+b)(c+d)", "", "", 420};
  const Shown distributed{44, 160, 0, "=a(c+d)+b(c+d)"};
  expectChain(page, {product, distributed, {44, 230, 5, "=ac+ad+bc+bd "}});
  const auto factor = mathAt(page, {centred(243, 176, 5), 90, 13, "(c+d)"});
  const auto binomial = mathAt(page, {88, 90, 0, "(a+b)"});
  const auto distributedLine = mathAt(page, distributed);
  ASSERT_TRUE(factor && binomial && distributedLine);
  expectArcsJoin(page, arcsOf(run, page), *binomial, termsOf(distributedLine->text), false, factor);

  // Right: c+d is put as M, the product worked with M, and M put back as c+d.
  const auto definition = mathAt(page, {660, 160, 3, "  c+d=M とおくと、", "", "とおくと、"});
  ASSERT_TRUE(definition);
  const std::string value = reading::firstSide(definition->text);
  EXPECT_EQ(lastSide(definition->text), "M") << reading::describe(*definition);
  const auto back = mathAt(page, {660, 370, 3, "  Mをc+d　にもどすと、", "Mを", "　にもどすと、"});
  ASSERT_TRUE(back);
  EXPECT_TRUE(algebra::sameValue(back->text, value)) << reading::describe(*back);
  std::vector<reading::Line> chain = mathOf(page, {{704, 90, 0, "(a+b)(c+d)"},
                                                   {660, 230, 0, "=(a+b)M"},
                                                   {660, 300, 0, "=aM+bM"},
                                                   {660, 440, 0, "=a(c+d)+b(c+d)"},
                                                   {660, 510, 5, "=ac+ad+bc+bd "}});
  for (reading::Line& line : chain) line.text = reading::substituted(line.text, "M", value);
  EXPECT_EQ(chain.size(), 5u);
  EXPECT_TRUE(reading::sameChain(chain));
}

}  // namespace

TEST(CorvalePageMathSection3, FlowerBedAndTheSubstitution) {
  const HeadlessResult run = runScript(corvale::PROGRAM, toItem(1) + steps(19));
  ASSERT_FALSE(run.error.has_value());
  const std::vector<Page> pages = pagesOf(run.ops, pressesTo(1));
  ASSERT_EQ(pages.size(), 2u);
  expectBed(run, pages[0]);
  expectSubstitution(run, pages[1]);
}

namespace {

// A fixed page of section 3: the item that shows it, the keys it takes, and its chains (a problem
// and its working, each line equal to the first) page by page.
struct FixedPage {
  const char* name;
  int item;
  int keys;
  std::vector<std::vector<std::vector<Shown>>> pages;
};

const FixedPage FIXED_PAGES[] = {
    {"Example5",
     2,
     6,
     {{{{44, 100, 0, "① (x-3)(y+5)"}, {88, 170, 0, "=x(y+5)-3(y+5)"}, {88, 240, 5, "=xy+5x-3y-15"}},
       {{660, 100, 0, "② (a+7)(b-2)"}, {704, 170, 0, "=a(b-2)+7(b-2)"}, {704, 240, 5, "=ab-2a+7b-14"}}}}},
    {"ProblemThree",
     3,
     11,
     {{{{94, 90, 0, " (a+b)(c-d)"}, {94, 140, 0, "=a(c-d)+b(c-d)"}, {94, 190, 5, "=ac-ad+bc-bd"}},
       {{94, 250, 0, " (a-b)(c-d)"}, {94, 300, 0, "=a(c-d)-b(c-d)"}, {94, 350, 5, "=ac-ad-bc+bd"}},
       {{694, 90, 0, " (x+2)(y+3)"}, {694, 140, 0, "=x(y+3)+2(y+3)"}, {694, 190, 5, "=xy+3x+2y+6"}},
       {{694, 250, 0, " (x-1)(y+4)"}, {694, 300, 0, "=x(y+4)-(y+4)"}, {694, 350, 5, "=xy+4x-y-4"}}}}},
    {"ProblemFour",
     5,
     3,
     {{{{94, 90, 0, " (x-2)(x-6)"},
        {94, 140, 0, "=x(x-6)-2(x-6)"},
        {94, 190, 0, "=x^2-6x-2x+12"},
        {94, 240, 5, "=x^2-8x+12"}},
       {{94, 300, 0, " (x-4)(x+5)"},
        {94, 350, 0, "=x(x+5)-4(x+5)"},
        {94, 400, 0, "=x^2+5x-4x-20"},
        {94, 450, 5, "=x^2+x-20"}},
       {{694, 90, 0, " (a+1)(a-3)"},
        {694, 140, 0, "=a(a-3)+(a-3)"},
        {694, 190, 0, "=a^2-3a+a-3"},
        {694, 240, 5, "=a^2-2a-3"}},
       {{694, 300, 0, " (a+8)(a+7)"},
        {694, 350, 0, "=a(a+7)+8(a+7)"},
        {694, 400, 0, "=a^2+7a+8a+56"},
        {694, 450, 5, "=a^2+15a+56"}}}}},
    {"ProblemSix",
     10,
     4,
     {{{{94, 80, 0, " (a+1)(a+b-1)"},
        {94, 130, 0, "=a(a+b-1)+(a+b-1)"},
        {94, 180, 0, "=a^2+ab-a+a+b-1"},
        {94, 230, 5, "=a^2+ab+b-1"}},
       {{94, 300, 0, " (a+2b)(2a+b+1)"},
        {94, 350, 0, "=a(2a+b+1)+2b(2a+b+1)"},
        {94, 400, 0, "=2a^2+ab+a+4ab+2b^2+2b"},
        {94, 450, 0, "=2a^2+ab+4ab+2b^2+a+2b"},
        {94, 500, 5, "=2a^2+5ab+2b^2+a+2b"}}},
      {{{94, 80, 0, " (x+2y-1)(2x-y)"},
        {94, 130, 0, "=x(2x-y)+2y(2x-y)-(2x-y)"},
        {94, 180, 0, "=2x^2-xy+4xy-2y^2-2x+y"},
        {94, 230, 5, "=2x^2+3xy-2y^2-2x+y"}},
       {{94, 300, 0, " (x-y+3)(3x-2y)"},
        {94, 350, 0, "=x(3x-2y)-y(3x-2y)+3(3x-2y)"},
        {94, 400, 0, "=3x^2-2xy-3xy+2y^2+9x-6y"},
        {94, 450, 5, "=3x^2-5xy+2y^2+9x-6y"}}}}},
};

}  // namespace

TEST(CorvalePageMathSection3, FixedPagesEveryLineOfEveryChain) {
  for (const FixedPage& fixed : FIXED_PAGES) {
    SCOPED_TRACE(fixed.name);
    const std::vector<Page> pages = scene(fixed.item, fixed.keys);
    ASSERT_EQ(pages.size(), fixed.pages.size());
    for (std::size_t p = 0; p < pages.size(); ++p)
      for (const std::vector<Shown>& chain : fixed.pages[p]) expectChain(pages[p], chain);
  }
}

TEST(CorvalePageMathSection3, ExampleSevenWorkedTwiceAndItsNumberedArcs) {
  const HeadlessResult run = runScript(corvale::PROGRAM, toItem(6) + steps(9));
  ASSERT_FALSE(run.error.has_value());
  const std::vector<Page> pages = pagesOf(run.ops, pressesTo(6));
  ASSERT_GE(pages.size(), 1u);
  const Page& page = pages[0];
  // Term by term, then by the arcs: the product line with the four partial products after it.
  const Shown byArcs{88, 460, 0, " (3a+2b)(2a-b)=6a^2-3ab+4ab-2b^2"};
  expectChain(page, {{94, 90, 0, " (3a+2b)(2a-b)"},
                     {94, 140, 0, "=3a(2a-b)+2b(2a-b)"},
                     {94, 190, 0, "=6a^2-3ab+4ab-2b^2"},
                     {94, 240, 5, "=6a^2+ab-2b^2"},
                     byArcs});
  // Arc ① joins the terms whose product is the first partial product, ② the second, ...
  const auto line = mathAt(page, byArcs);
  ASSERT_TRUE(line);
  expectArcsJoin(page, arcsOf(run, page), *line, termsOf(line->text), true);
}

TEST(CorvalePageMathSection3, ProblemFiveEachItemAndItsNumberedArcs) {
  struct Item {
    float x, y;
    const char* product;
    const char* expansion;
    const char* result;
  };
  const Item items[] = {
      {94, 150, " (3a+2b)(2a+3b)", "=6a^2+9ab+4ab+6b^2", "=6a^2+13ab+6b^2"},
      {94, 420, " (9a-2b)(5a+6b)", "=45a^2+54ab-10ab-12b^2", "=45a^2+44ab-12b^2"},
      {721, 90, " (7x+4y)(x-5y)", "=7x^2-35xy+4xy-20y^2", "=7x^2-31xy-20y^2"},
      {721, 360, " (2x-3y)(8x-y)", "=16x^2-2xy-24xy+3y^2", "=16x^2-26xy+3y^2"},
  };
  const HeadlessResult run = runScript(corvale::PROGRAM, toItem(7) + steps(4));
  ASSERT_FALSE(run.error.has_value());
  const std::vector<Page> pages = pagesOf(run.ops, pressesTo(7));
  ASSERT_EQ(pages.size(), 1u);
  const Page& page = pages[0];
  const std::vector<Arc> arcs = arcsOf(run, page);
  ASSERT_EQ(arcs.size(), 4 * std::size(items));
  for (std::size_t k = 0; k < std::size(items); ++k) {
    const Item& item = items[k];
    const Shown product{item.x, item.y, 0, item.product}, expansion{item.x, item.y + 100, 0, item.expansion};
    expectChain(page, {product, expansion, {item.x, item.y + 150, 5, item.result}});
    // The expansion lists the partial products in the order of the arcs.
    const auto productLine = mathAt(page, product);
    const auto expansionLine = mathAt(page, expansion);
    if (!productLine || !expansionLine) continue;
    const std::vector<Arc> itemArcs(arcs.begin() + static_cast<std::ptrdiff_t>(4 * k),
                                    arcs.begin() + static_cast<std::ptrdiff_t>(4 * k + 4));
    expectArcsJoin(page, itemArcs, *productLine, termsOf(expansionLine->text), true);
  }
}

TEST(CorvalePageMathSection3, SummaryFormulasAndTheFourCombinations) {
  const HeadlessResult run = runScript(corvale::PROGRAM, toItem(8));
  ASSERT_FALSE(run.error.has_value());
  const std::vector<Page> pages = pagesOf(run.ops, pressesTo(8));
  ASSERT_EQ(pages.size(), 1u);
  const Page& page = pages[0];
  const Shown expansion{132, 88, 0, "(a+b)(c+d)＝ac+ad+bc+bd"}, diagram{572, 458, 0, " (a+b)(c+d)"};
  expectChain(page, {expansion, {132, 308, 0, "(a+b)(c+d)=a(c+d)+b(c+d)"}, diagram});
  // ① to ④ name ac, ad, bc and bd, the terms of the expansion in their order.
  const auto sum = mathAt(page, expansion);
  const auto product = mathAt(page, diagram);
  ASSERT_TRUE(sum && product);
  expectArcsJoin(page, arcsOf(run, page), *product, termsOf(sum->text), true);
}
