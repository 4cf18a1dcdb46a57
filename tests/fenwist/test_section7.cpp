// Section 7, the exercise answers: the sub-menu without aim screen, the answer-page frame and the
// four pages, each item where its page puts it, the page of exercises 1 and 2 in two steps.
#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "answer_boxes.h"
#include "common/op_walk.h"
#include "engine/engine.h"
#include "fenwist_support.h"
#include "worked_items.h"

namespace {

using namespace fenwist_test;
using walk::OpWalk;

// The menu line as the prompt shows it: half-width characters full-width.
const char* const MENU = "Ｐ２７練習問題　①１，２　②３　③４　④５　⑤終了";

TEST(FenwistSection7, MenuWithoutAimScreenAsksAgainOutsideItsItemsAndLeavesWithItsLast) {
  const HeadlessResult run = runFenwist("7\n0.9\n5.1\n0\n6\n-1\n\n5\n", "00:00:00", "fenwist-s7-menu.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.reads(264, 30, 15, "＜Ｆｅｎｗｉｓｔ　メニュー＞");
  w.fill(0, 0, 1760, 1800, 15, 15, 2);
  w.reads(16, 666, 0, MENU);
  for (const int keys : {4, 4, 2, 2, 3, 1}) w.reads(16, 666, 0, MENU, keys);
  w.reads(264, 30, 15, "＜Ｆｅｎｗｉｓｔ　メニュー＞", 2);
  EXPECT_TRUE(textsEqual(run, "<").empty()) << "no aim screen";
}

// One drawing of a page: a text line, or an exercise's number box.
struct Row {
  enum Kind { Text, Number } kind;
  float x;  // below 0: right where the text before it ends, on its line
  float y;
  int colour;
  const char* text;
  int keys = 0;
};

Row text(float x, float y, int colour, const char* markup, int keys = 0) { return {Row::Text, x, y, colour, markup, keys}; }
// A text continuing the line, where the text before it ended.
Row then(float y, int colour, const char* markup) { return {Row::Text, -1, y, colour, markup}; }
Row number(float x, float y, const char* digit, int keys = 0) { return {Row::Number, x, y, 13, digit, keys}; }

struct Page {
  const char* name;
  const char* choice;
  int waits;
  float secondColumn;  // its label x
  int items;
  std::vector<Row> rows;
};

void PrintTo(const Page& page, std::ostream* os) { *os << page.name; }

class FenwistExercisePage : public testing::TestWithParam<Page> {};

TEST_P(FenwistExercisePage, DrawsItsItemsOnTheFrame) {
  const Page& page = GetParam();
  const HeadlessResult run = runFenwist(std::string("7\n") + page.choice + "\n" + steps(page.waits), "00:00:00",
                                        std::string("fenwist-s7-") + page.name + ".png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.reads(16, 666, 0, MENU, 2);
  // The frame: the cleared window and the heading box.
  w.fill(0, 0, 1320, 1300, 15, 15, 2);
  w.fill(94, 30, 360, 46, 3, 13);
  w.readsCentred(94, 360, 31, 0, "練習問題(P27)");
  for (const Row& row : page.rows) {
    if (row.kind == Row::Number) {
      w.fill(row.x, row.y, 40, 44, 4, 3, row.keys);
      w.readsCentred(row.x, 40, row.y, 13, row.text);
    } else if (row.x < 0) {
      EXPECT_EQ(row.y, w.last().y) << toUtf8(row.text);
      w.follows(row.colour, row.text, row.keys);
    } else {
      w.reads(row.x, row.y, row.colour, row.text, row.keys);
    }
  }
  // No wait after the last answer: the menu line at once, under the page.
  w.reads(16, 666, 0, MENU);
  EXPECT_EQ(w.keysLeft(), 0);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(stepWaits(ops, 0, ops.size()), page.waits);
  // Every item's lines equal its problem, and its answer is complete.
  EXPECT_EQ(expectWorkedItems(columnLines(ops, ops.size(), {{0, page.secondColumn - 2}, {page.secondColumn - 1, 1366}})),
            page.items);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, FenwistExercisePage,
    testing::Values(
        Page{"exercises1and2", "1", 1, 494, 12,
             {number(40, 90, "1"),
              text(40, 140, 3, "(1)"), text(121, 140, 0, "mx-my"), then(140, 5, "=m(x-y)"),
              text(40, 200, 3, "(2)"), text(121, 200, 0, "2ab-4b^2"), text(94, 250, 5, "=2b(a-2b)"),
              text(40, 310, 3, "(3)"), text(121, 310, 0, "axy+ay+a"), text(94, 360, 5, "=a(xy+y+1)"),
              text(40, 420, 3, "(4)"), text(121, 420, 0, "-14a^2-21ab+7a"), text(94, 470, 5, "=-7a(2a+3b-1)"),
              text(40, 530, 3, "(5)"), text(121, 530, 0, "18a^2b-12ab"), text(94, 580, 5, "=6ab(3a-2)"),
              text(494, 30, 3, "(6)"), text(575, 30, 0, "4abc+16ab-8bc"), text(548, 80, 5, "=4b(ac+4a-2c)"),
              // One key, then exercise 2 in the right column, its first item beside its number.
              number(494, 130, "2", 1),
              text(534, 130, 3, "(1)"), text(615, 130, 0, "x^2+10x+25"), then(130, 5, "=(x+5)^2"),
              text(494, 190, 3, "(2)"), text(575, 190, 0, "a^2-14a+49"), then(190, 5, "=(a-7)^2"),
              text(494, 250, 3, "(3)"), text(575, 250, 0, "x^2-64"), then(250, 5, "=(x+8)(x-8)"),
              text(494, 310, 3, "(4)"), text(575, 310, 0, "25a^2-16b^2=(5a)^2-(4b)^2"),
              text(548, 360, 5, "=(5a+4b)(5a-4b)"),
              text(494, 420, 3, "(5)"), text(575, 420, 0, "4a^2-1=(2a)^2-1^2"), text(548, 470, 5, "=(2a+1)(2a-1)"),
              text(494, 530, 3, "(6)"), text(575, 530, 0, "y^2+12y+36"), text(548, 580, 5, "=(y+6)^2")}},
        Page{"exercise3", "2", 0, 494, 6,
             {number(474, 30, "3"),
              text(40, 100, 3, "(1)"), text(121, 100, 0, "x^2+4x+3"), text(94, 150, 5, "=(x+1)(x+3)"),
              text(40, 210, 3, "(2)"), text(121, 210, 0, "x^2+x-2"), text(94, 260, 5, "=(x-1)(x+2)"),
              text(40, 320, 3, "(3)"), text(121, 320, 0, "x^2-x-6"), text(94, 370, 5, "=(x+2)(x-3)"),
              text(40, 430, 3, "(4)"), text(121, 430, 0, "x^2-3x-18"), text(94, 480, 5, "=(x+3)(x-6)"),
              text(494, 90, 3, "(5)"), text(575, 90, 0, "x^2+5x-14"), text(548, 140, 5, "=(x+7)(x-2)"),
              text(494, 200, 3, "(6)"), text(575, 200, 0, "x^2-6x-16"), text(548, 250, 5, "=(x+2)(x-8)")}},
        Page{"exercise4", "3", 0, 600, 6,
             {number(474, 30, "4"),
              text(40, 100, 3, "(1)"), text(121, 100, 0, "x^2-8x+12"), text(94, 150, 5, "=(x-2)(x-6)"),
              text(40, 210, 3, "(2)"), text(121, 210, 0, "a^2+2a-3"), text(94, 260, 5, "=(a+3)(a-1)"),
              text(40, 320, 3, "(3)"), text(121, 320, 0, "36y^2+84y+49"), text(94, 370, 0, "=(6y)^2+2*7*6y+7^2"),
              text(94, 420, 5, "=(6y+7)^2"),
              text(600, 90, 3, "(4)"), text(681, 90, 0, "100-20y+y^2"), text(654, 140, 5, "=(10-y)^2"),
              text(600, 200, 3, "(5)"), text(681, 200, 0, "28-16a+a^2"), text(654, 250, 0, "=a^2-16a+28"),
              text(654, 300, 5, "=(a-2)(a-14)"),
              text(600, 370, 3, "(6)"), text(681, 370, 0, "-2x-3+x^2"), text(654, 420, 0, "=x^2-2x-3"),
              text(654, 470, 5, "=(x+1)(x-3)")}},
        // Item (4) is split: its problem closes the left column, its solution opens the right one.
        Page{"exercise5", "4", 0, 600, 6,
             {number(474, 30, "5"),
              text(40, 100, 3, "(1)"), text(121, 100, 0, "4x^2-12x-40"), text(94, 150, 0, "=4(x^2-3x-10)"),
              text(94, 200, 5, "=4(x+2)(x-5)"),
              text(40, 260, 3, "(2)"), text(121, 260, 0, "-3ax^2+6ax-3a"), text(94, 310, 0, "=-3a(x^2-2x+1)"),
              text(94, 360, 5, "=-3a(x-1)^2"),
              text(40, 420, 3, "(3)"), text(121, 420, 0, "x^2y-y"), text(94, 470, 0, "=y(x^2-1)"),
              text(94, 520, 5, "=y(x+1)(x-1)"),
              text(40, 580, 3, "(4)"), text(121, 580, 0, "a(x+y)-3(x+y)"),
              text(774, 30, 3, "x+y=M とおくと"), text(654, 80, 0, "=aM-3M=M(a-3)"), text(654, 130, 5, "=(x+y)(a-3)"),
              text(600, 190, 3, "(5)"), text(681, 190, 0, "(a+b)^2-4(a+b)+4"), text(774, 240, 3, "a+b=M とおくと"),
              text(654, 290, 0, "=M^2-4M+4=(M-2)^2"), text(654, 340, 5, "=(a+b-2)^2"),
              text(600, 410, 3, "(6)"), text(681, 410, 0, "(a-b)^2-c^2"), text(774, 460, 3, "a-b=M とおくと"),
              text(654, 510, 0, "=M^2-c^2=(M+c)(M-c)"), text(654, 560, 5, "=(a-b+c)(a-b-c)")}}),
    [](const testing::TestParamInfo<Page>& info) { return std::string(info.param.name); });

// While the step box of the page of exercises 1 and 2 is shown, the page holds exercise 1 only.
TEST(FenwistSection7, ExerciseTwoFollowsTheStepWaitOnly) {
  const HeadlessResult run = runFenwist("7\n1\n");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(stepWaits(ops, 0, ops.size()), 1);
  for (const Op& op : ops) {
    EXPECT_FALSE(op.kind == OpKind::FilledBox && op.x1 == 494 && op.y1 == 130) << "number box 2";
    EXPECT_FALSE(op.kind == OpKind::Text && op.y1 > 100 && op.x1 > 494 && op.y1 < 600) << "exercise 2's items";
  }
  EXPECT_EQ(subMenuLines(ops).size(), 1u) << "the page is not finished";
}

// Choosing a page again draws exactly the same page; choosing another leaves nothing of it.
TEST(FenwistSection7, APageChosenAgainIsDrawnTheSame) {
  const HeadlessResult run = runFenwist("7\n4\n4\n3\n");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  const std::vector<std::size_t> clears = clearsOf(ops, 0, 0, 1320, 1300);
  const std::vector<std::size_t> menus = subMenuLines(ops);
  ASSERT_EQ(clears.size(), 3u);
  ASSERT_EQ(menus.size(), 4u);
  const std::vector<Op> first(ops.begin() + clears[0], ops.begin() + menus[1]);
  const std::vector<Op> second(ops.begin() + clears[1], ops.begin() + menus[2]);
  ASSERT_EQ(first.size(), second.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    EXPECT_TRUE(first[i].kind == second[i].kind && first[i].x1 == second[i].x1 && first[i].y1 == second[i].y1 &&
                first[i].text == second[i].text)
        << "op " << i;
  }
}

}  // namespace
