// The conjecture tables of section 2, read back from the picture: every cell's number is the
// arithmetic its row stands for, the cells come one per key, and the conjecture row lines up.
#include <gtest/gtest.h>

#include "ombrel_support.h"
#include "support/algebra.h"
#include "support/test_names.h"

namespace {

using namespace ombrel_test;

struct Table {
  const char* choice;
  int waits;
  long long first;       // the first number of row 1
  float questionX;       // where the question starts, under the task
};

void PrintTo(const Table& t, std::ostream* os) { *os << (t.first == 2 ? "even" : "odd"); }

class OmbrelConjecture : public testing::TestWithParam<Table> {};

struct Cell {
  int row;
  float x;
  std::string text;
  std::size_t index;  // place in the log
};

// The whole number a cell shows ("12", "3^2"), read through the algebra checker.
long long number(const std::string& text) {
  const GiNaC::ex value = algebra::parse(text);
  EXPECT_TRUE(value.info(GiNaC::info_flags::integer)) << text;
  return value.info(GiNaC::info_flags::integer) ? GiNaC::ex_to<GiNaC::numeric>(value).to_long() : 0;
}

// Row of a cell from the top of its box: rows 1 to 3 stand below their line, row 4 around it.
int rowOf(float top) {
  if (top == 150) return 1;
  if (top == 220) return 2;
  if (top == 290) return 3;
  if (top == 352) return 4;
  return 0;
}

TEST_P(OmbrelConjecture, CellsAreTheProductsPlusOneAndTheSquares) {
  const Table& table = GetParam();
  const HeadlessResult run = runOmbrel(std::string(table.choice) + steps(table.waits));
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  std::vector<Cell> cells;
  std::string order;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const Op& op = ops[i];
    if (op.kind != OpKind::FilledBox) continue;
    if (op.x1 == 96 && op.y1 == 657 && op.fill == 4) order += "W";
    if (op.colour != 3 || rowOf(op.y1) == 0) continue;
    EXPECT_EQ(op.x2 - op.x1, 120);
    EXPECT_EQ(op.y2 - op.y1, 60);
    EXPECT_EQ(op.fill, rowOf(op.y1) == 2 ? 11 : 13);
    const auto text = formulaLines(ops, i, ops.size(), op.x1, op.y1, op.x2, op.y2);
    ASSERT_EQ(text.size(), 1u) << "one number per cell";
    cells.push_back({rowOf(op.y1), op.x1, text.begin()->second, i});
    order += std::to_string(rowOf(op.y1));
  }
  // Row 1 at once after the first key; every other cell after a key of its own; the question
  // and the label of row 4 take a key each, and so does every closing line.
  std::string expected = "W111111111";
  for (int row = 2; row <= 4; ++row) {
    if (row == 4) expected += "W";
    for (int k = 0; k < 8; ++k) expected += "W" + std::to_string(row);
  }
  expected += std::string(static_cast<std::size_t>(table.waits) - 26, 'W');
  EXPECT_EQ(order, expected);

  std::vector<long long> numbers[5];
  std::vector<float> xs[5];
  for (const Cell& c : cells) {
    numbers[c.row].push_back(c.row == 4 ? 0 : number(c.text));
    xs[c.row].push_back(c.x);
  }
  ASSERT_EQ(numbers[1].size(), 9u);
  for (int row = 2; row <= 4; ++row) ASSERT_EQ(numbers[row].size(), 8u);
  for (std::size_t i = 0; i < 9; ++i) {
    EXPECT_EQ(numbers[1][i], table.first + 2 * static_cast<long long>(i));
    EXPECT_EQ(xs[1][i], 130 + 120.0f * i);
  }
  std::size_t k4 = 0;
  for (const Cell& c : cells) {
    if (c.row != 4) continue;
    const std::size_t i = k4++;
    EXPECT_EQ(numbers[2][i], numbers[1][i] * numbers[1][i + 1]);
    EXPECT_EQ(numbers[3][i], numbers[2][i] + 1);
    // The conjecture: the number between the two, squared, equals the cell above it.
    EXPECT_EQ(c.text, std::to_string(numbers[1][i] + 1) + "^2");
    EXPECT_TRUE(algebra::sameValue(c.text, GiNaC::ex(numbers[3][i])));
    EXPECT_EQ(xs[2][i], 196 + 120.0f * i);
    EXPECT_EQ(xs[3][i], xs[2][i]);
    EXPECT_EQ(c.x, xs[3][i]) << "each conjecture stands under the cell it explains";
  }
  // The question appears with the last cell of row 3, at the end of the heading.
  std::size_t question = 0;
  for (std::size_t i = 0; i < ops.size(); ++i)
    if (ops[i].kind == OpKind::Text && ops[i].x1 == table.questionX && ops[i].y1 == 80) question = i;
  ASSERT_NE(question, 0u);
  EXPECT_GT(question, cells[9 + 8 + 7].index);
  EXPECT_EQ(stepWaits(ops, cells[9 + 8 + 7].index, question), 0);
}

INSTANTIATE_TEST_SUITE_P(Tables, OmbrelConjecture,
                         testing::Values(Table{"2\n2\n", 29, 2, 101}, Table{"2\n4\n", 28, 1, 67}),
                         [](const testing::TestParamInfo<Table>& info) { return "Scene" + testName(info.param.choice); });

// Entered first after start-up the table has the pen of start-up; after the band figure, 5.
TEST(OmbrelConjecturePen, FramesWithThePenInForce) {
  const HeadlessResult run = runOmbrel("2\n4\n" + steps(1));
  const std::vector<Op> ops = drawn(run);
  const auto cells = filledBoxes(ops, 130, 150, 250, 210, 13);
  ASSERT_EQ(cells.size(), 1u);
  EXPECT_EQ(ops[cells[0]].pen, 3);
}

}  // namespace
