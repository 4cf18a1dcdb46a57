// Section 4's answer pages, problems 6 to 9: every line where and when the page draws it, the
// pieces of a long list of pairs continuing their line, the second screens of problems 8 and 9
// with the left part cleared and the right column kept, and the search lines true to their
// problems: every answer the problem completely factorised, every list of pairs complete, every
// signed pair the one that gives the coefficient and the constant.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <regex>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "common/op_walk.h"
#include "engine/strings.h"
#include "fenwist_support.h"
#include "section4_reading.h"
#include "support/algebra.h"
#include "support/page_lines.h"

namespace {

using namespace fenwist_test;
using namespace section4_test;
using walk::OpWalk;

// The advance of a plain text: 34 px a double-byte character, 27 a single-byte one.
float advance(const std::string& cp932) {
  float width = 0;
  for (std::size_t i = 0; i < cp932.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(cp932[i]);
    const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    width += lead ? 34 : 27;
    if (lead) ++i;
  }
  return width;
}

// One drawn line of a page, from x.
struct Item {
  float x, y;
  int colour;
  const char* text;
  int keys = 0;  // key presses before it
  bool continuation = false;
};

// A piece continuing the line of head at (xi1, y), right where head ends.
Item continuing(float xi1, const char* head, float y, const char* text, int keys = 0) {
  return {xi1 + advance(head), y, 0, text, keys, true};
}

// Walks the items in order. A continuation on its head's line reads as one line with it; the
// piece must then start exactly where the head ends, with its opening bracket.
void walkPage(OpWalk& w, const std::vector<Op>& ops, const std::vector<Item>& items) {
  std::vector<Item> lines;
  std::vector<std::string> texts;
  for (const Item& item : items) {
    if (item.continuation && !lines.empty() && lines.back().y == item.y) {
      texts.back() += item.text;
      const bool found = std::any_of(ops.begin(), ops.end(), [&](const Op& op) {
        return op.kind == OpKind::Text && op.x1 == item.x && op.y1 == item.y && op.colour == 0 && op.text == "(";
      });
      EXPECT_TRUE(found) << "\"" << toUtf8(item.text) << "\" at (" << item.x << "," << item.y << ")";
      continue;
    }
    lines.push_back(item);
    texts.push_back(item.text);
  }
  for (std::size_t i = 0; i < lines.size(); ++i)
    w.reads(lines[i].x, lines[i].y, lines[i].colour, texts[i], lines[i].keys);
}

// The pages of problems 6 and 7 share their places; heads of the continued product lines.
std::vector<Item> page67(bool six) {
  auto t = [six](const char* p6, const char* p7) { return six ? p6 : p7; };
  const char* head3 = t("かけて12…", "かけて18…");
  const char* head4 = t("かけて24…", "かけて16…");
  return {
      {40, 30, 3, t("問6 解答", "問7 解答")},
      {40, 90, 0, t("(1)x^2+3x+2", "(1)x^2-4x+3"), 1},
      {94, 140, 5, t("=(x+1)(x+2)", "=(x-1)(x-3)")},
      {94, 190, 0, t("かけて2…(1,2)", "かけて3…(1,3)")},
      {94, 240, 0, t("たして+3…(+1,+2)", "たして-4…(-1,-3)")},
      {40, 310, 0, t("(2)x^2+7x+6", "(2)x^2-8x+7"), 1},
      {94, 360, 5, t("=(x+1)(x+6)", "=(x-1)(x-7)")},
      {94, 410, 0, t("かけて6…(1,6),(2,3)", "かけて7…(1,7)")},
      {94, 460, 0, t("たして+7…(+1,+6)", "たして-8…(-1,-7)")},
      {600, 30, 0, t("(3)x^2+8x+12", "(3)x^2-9x+18"), 1},
      {654, 80, 5, t("=(x+2)(x+6)", "=(x-3)(x-6)")},
      {654, 130, 0, head3},
      continuing(654, head3, 130, t("(1,12),(2,6),", "(1,18),(2,9),")),
      continuing(654, head3, 180, t("(3,4)", "(3,6)")),
      {654, 230, 0, t("たして+8…(+2,+6)", "たして-9…(-3,-6)")},
      {600, 300, 0, t("(4)x^2+11x+24", "(4)x^2-10x+16"), 1},
      {654, 350, 5, t("=(x+3)(x+8)", "=(x-2)(x-8)")},
      {654, 400, 0, head4},
      continuing(654, head4, 400, t("(1,24),(2,12),", "(1,16),(2,8),")),
      continuing(654, head4, 450, t("(3,8),(4,6)", "(4,4)")),
      {654, 500, 0, t("たして+11…(+3,+8)", "たして-10…(-2,-8)")},
  };
}

class FenwistAnswers67 : public testing::TestWithParam<bool> {};

TEST_P(FenwistAnswers67, FourBlocksOneAKeyThenTheMenu) {
  const bool six = GetParam();
  const HeadlessResult run = runFenwist(std::string("4\n") + (six ? "3" : "4") + "\n" + steps(4));
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 2 + 2);
  walkPage(w, drawn(run), page67(six));
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(subMenuLines(drawn(run)).size(), 2u) << "the sub-menu at once after block (4)";
}

INSTANTIATE_TEST_SUITE_P(Pages, FenwistAnswers67, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Problem6" : "Problem7"; });

TEST(FenwistAnswers8, SixBlocksOnTwoScreensTheRightColumnKept) {
  const HeadlessResult run = runFenwist("4\n6\n" + steps(7), "00:00:00", "fenwist-s4-problem8.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 2 + 2);
  walkPage(w, drawn(run), {
                  {40, 30, 3, "問8 解答"},
                  {40, 90, 0, "(1)x^2+7x-8", 1},
                  {94, 140, 5, "=(x-1)(x+8)"},
                  {94, 190, 0, "かけて8…(1,8),(2,4)"},
                  {94, 240, 0, "ひいて+7…(-1,+8)"},
                  {40, 310, 0, "(2)x^2+x-6", 1},
                  {94, 360, 5, "=(x-2)(x+3)"},
                  {94, 410, 0, "かけて6…(1,6),(2,3)"},
                  {94, 460, 0, "ひいて+1…(-2,+3)"},
                  {600, 30, 0, "(3)x^2+3x-10", 1},
                  {654, 80, 5, "=(x-2)(x+5)"},
                  {654, 130, 0, "かけて10…"},
                  continuing(654, "かけて10…", 130, "(1,10),(2,5)"),
                  {654, 180, 0, "ひいて+3…(-2,+5)"},
                  {600, 250, 0, "(4)x^2+2x-35", 1},
                  {654, 300, 5, "=(x-5)(x+7)"},
                  {654, 350, 0, "かけて35…"},
                  continuing(654, "かけて35…", 350, "(1,35),(5,7)"),
                  {654, 400, 0, "ひいて+2…(-5,+7)"},
              });
  // The second screen: the left part cleared up to the right column, the heading at once.
  w.fill(0, 0, 600, 1300, 15, 15, 1);
  walkPage(w, drawn(run), {
                  {40, 30, 3, "問8 解答"},
                  {40, 90, 0, "(5)x^2-8x-9", 1},
                  {94, 140, 5, "=(x-9)(x+1)"},
                  {94, 190, 0, "かけて9…(1,9),(3,3)"},
                  {94, 240, 0, "ひいて-8…(+1,-9)"},
                  {40, 310, 0, "(6)x^2-9x-10", 1},
                  {94, 360, 5, "=(x-10)(x+1)"},
                  {94, 410, 0, "かけて10…(1,10),(2,5)"},
                  {94, 460, 0, "ひいて-9…(+1,-10)"},
              });
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(subMenuLines(drawn(run)).size(), 2u);
  // Blocks (3) and (4) are drawn once and stay: the right column reads them whole at their places.
  const struct {
    float x, y;
    const char* text;
  } kept[] = {{600, 30, "(3)x^2+3x-10"},          {654, 80, "=(x-2)(x+5)"},  {654, 130, "かけて10…(1,10),(2,5)"},
              {654, 180, "ひいて+3…(-2,+5)"},      {600, 250, "(4)x^2+2x-35"}, {654, 300, "=(x-5)(x+7)"},
              {654, 350, "かけて35…(1,35),(5,7)"}, {654, 400, "ひいて+2…(-5,+7)"}};
  const auto rows = page::rowsIn(page::onScreen(w.lines(), run.ops, run.ops.size()), 600, 0, 1320, 640);
  ASSERT_EQ(rows.size(), std::size(kept)) << reading::describe(rows);
  for (std::size_t k = 0; k < rows.size(); ++k) {
    EXPECT_TRUE(page::standsAt(rows[k], kept[k].x, kept[k].y, "")) << reading::describe(rows[k]);
    EXPECT_TRUE(page::reads(rows[k], kept[k].text));
  }
}

TEST(FenwistAnswers9, SixBlocksOnTwoScreensInTwoColumnsAt40And640) {
  const HeadlessResult run = runFenwist("4\n8\n" + steps(7), "00:00:00", "fenwist-s4-problem9.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 2 + 2);
  walkPage(w, drawn(run), {
                  {40, 30, 3, "問9 解答"},
                  {40, 90, 0, "(1)x^2+x-30", 1},
                  {94, 140, 5, "=(x-5)(x+6)"},
                  {94, 190, 0, "かけて30…"},
                  continuing(94, "かけて30…", 190, "(1,30),"),
                  // The rest of the list 30 px into the text column.
                  {124, 240, 0, "(2,15),(3,10),(5,6)", 0, true},
                  {94, 290, 0, "ひいて+1…(-5,+6)"},
                  {40, 360, 0, "(2)x^2+7x+10", 1},
                  {94, 410, 5, "=(x+2)(x+5)"},
                  {94, 460, 0, "かけて10…(1,10),(2,5)"},
                  {94, 510, 0, "たして+7…(+2,+5)"},
                  {640, 30, 0, "(3)a^2-5a+4", 1},
                  {694, 80, 5, "=(a-4)(a-1)"},
                  {694, 130, 0, "かけて4…"},
                  continuing(694, "かけて4…", 130, "(1,4),(2,2)"),
                  {694, 180, 0, "たして-5…(-1,-4)"},
                  {640, 250, 0, "(4)a^2+2a-15", 1},
                  {694, 300, 5, "=(a-3)(a+5)"},
                  {694, 350, 0, "かけて15…"},
                  continuing(694, "かけて15…", 350, "(1,15),(3,5)"),
                  {694, 400, 0, "ひいて+2…(+5,-3)"},
              });
  w.fill(0, 0, 640, 1300, 15, 15, 1);
  walkPage(w, drawn(run), {
                  {40, 30, 3, "問9 解答"},
                  {40, 90, 0, "(5)y^2-y-2", 1},
                  {94, 140, 5, "=(y-2)(y+1)"},
                  {94, 190, 0, "かけて2…(1,2)"},
                  {94, 240, 0, "ひいて-1…(+1,-2)"},
                  {40, 310, 0, "(6)t^2+10t+21", 1},
                  {94, 360, 5, "=(t+3)(t+7)"},
                  {94, 410, 0, "かけて21…(1,21),(3,7)"},
                  {94, 460, 0, "たして+10…(+3,+7)"},
              });
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(subMenuLines(drawn(run)).size(), 2u);
}

// --- The mathematics of the pages ---------------------------------------------------------------

// One answered problem as it stays on the screen, its rows as a pupil reads them (code page 932).
struct Block {
  std::string problem, answer, product, sum;
};

// The blocks in a column of the screen when the operation `to` of ops comes, under its heading: a
// problem row opens a block, a row of pairs continues the product row before it.
std::vector<Block> blocksIn(const std::vector<Op>& ops, std::size_t to, float x1, float x2) {
  static const std::regex label("^\\(\\d\\)[a-z]");
  std::vector<Block> blocks;
  for (const reading::Line& row : page::rowsIn(page::onScreen(ops, to), x1, 0, x2, 640)) {
    const std::string& line = row.text;
    if (line.rfind("問", 0) == 0) continue;
    if (std::regex_search(line, label)) {
      blocks.push_back({line, "", "", ""});
    } else if (blocks.empty()) {
      ADD_FAILURE() << "a line before the first problem: " << reading::describe(row);
    } else if (line[0] == '=') {
      blocks.back().answer = line;
    } else if (line.rfind("かけて", 0) == 0 || line[0] == '(') {
      blocks.back().product += line;
    } else {
      blocks.back().sum = line;
    }
  }
  return blocks;
}

// The block's answer is its problem completely factorised; the product line lists every pair of
// whole numbers whose product is the constant's size, smaller first; the sum line ("たして" for a
// positive constant, "ひいて" for a negative one) names the coefficient and the signed pair that
// adds up to it, the numbers of the answer.
void expectTrue(const Block& block) {
  SCOPED_TRACE(algebra::utf8(block.problem));
  const std::string problem = algebra::withoutLabel(block.problem);
  const std::string& answer = block.answer;
  EXPECT_EQ(algebra::formFault(problem), "");
  EXPECT_EQ(algebra::formFault(answer), "");
  EXPECT_TRUE(algebra::sameValue(answer, problem));
  EXPECT_TRUE(algebra::completelyFactored(answer));
  const char letter = *std::find_if(problem.begin(), problem.end(), [](char c) { return std::isalpha(c); });
  const GiNaC::ex e = algebra::parse(problem).expand();
  const int p = GiNaC::ex_to<GiNaC::numeric>(e.coeff(algebra::letter(letter), 1)).to_int();
  const int q = GiNaC::ex_to<GiNaC::numeric>(e.coeff(algebra::letter(letter), 0)).to_int();

  const std::vector<int> product = numbersIn(block.product);
  std::vector<int> pairs = {std::abs(q)};
  for (int d = 1; d * d <= std::abs(q); ++d)
    if (std::abs(q) % d == 0) pairs.insert(pairs.end(), {d, std::abs(q) / d});
  EXPECT_EQ(product, pairs) << algebra::utf8(block.product);

  const std::string head = q > 0 ? "たして" : "ひいて";
  EXPECT_EQ(block.sum.rfind(head, 0), 0u) << algebra::utf8(block.sum);
  const std::vector<int> sum = numbersIn(block.sum);
  ASSERT_EQ(sum.size(), 3u) << algebra::utf8(block.sum);
  EXPECT_EQ(sum[0], p);
  EXPECT_EQ(sum[1] + sum[2], p);
  EXPECT_EQ(sum[1] * sum[2], q);
  const std::string x(1, letter);
  EXPECT_TRUE(algebra::sameValue(answer, "(" + x + "+(" + std::to_string(sum[1]) + "))(" + x + "+(" +
                                             std::to_string(sum[2]) + "))"));
}

// The index in ops of the filled box that clears the left part for the second screen.
std::size_t secondScreen(const std::vector<Op>& ops, float width) {
  for (std::size_t i = 0; i < ops.size(); ++i)
    if (ops[i].kind == OpKind::FilledBox && ops[i].x1 == 0 && ops[i].y1 == 0 && ops[i].x2 == width) return i;
  ADD_FAILURE() << "no second screen";
  return ops.size();
}

struct PageMath {
  int item;
  float rightColumn;
  int keys;
  bool twoScreens;
};

void PrintTo(const PageMath& page, std::ostream* os) { *os << "item " << page.item; }

class FenwistAnswerMath : public testing::TestWithParam<PageMath> {};

TEST_P(FenwistAnswerMath, EveryBlockTrueToItsProblem) {
  const PageMath& page = GetParam();
  const HeadlessResult run = runFenwist("4\n" + std::to_string(page.item) + "\n" + steps(page.keys));
  ASSERT_FALSE(run.error);
  const std::vector<Op>& ops = run.ops;
  const std::size_t first = page.twoScreens ? secondScreen(ops, page.rightColumn) : ops.size();
  std::vector<Block> blocks = blocksIn(ops, first, 0, page.rightColumn - 1);
  for (const Block& block : blocksIn(ops, ops.size(), page.rightColumn, 1320)) blocks.push_back(block);
  if (page.twoScreens) {
    for (const Block& block : blocksIn(ops, ops.size(), 0, page.rightColumn - 1)) blocks.push_back(block);
  }
  ASSERT_EQ(blocks.size(), page.twoScreens ? 6u : 4u);
  for (std::size_t n = 0; n < blocks.size(); ++n) {
    EXPECT_EQ(blocks[n].problem.rfind("(" + std::to_string(n + 1) + ")", 0), 0u) << algebra::utf8(blocks[n].problem);
    expectTrue(blocks[n]);
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, FenwistAnswerMath,
                         testing::Values(PageMath{3, 600, 4, false}, PageMath{4, 600, 4, false},
                                         PageMath{6, 600, 7, true}, PageMath{8, 640, 7, true}),
                         [](const testing::TestParamInfo<PageMath>& info) { return "Item" + std::to_string(info.param.item); });

}  // namespace
