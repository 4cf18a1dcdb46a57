// Sections 6 and 7, the answer sheets: their sub-menus, and every page walked from its choice to
// the sub-menu line drawn again: the page header (the section's title box and the page-number
// box) on each screen, the clears, the step waits, where the columns begin and end (the first
// and the last row of each column, each in its step), that no row reaches the bottom bar, and
// the pages' own departures from the form: page 5's beside-item, the partial erases of exercise
// pages 4 and 8, the continuation screens.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/strings.h"
#include "ombrel_support.h"
#include "support/page_lines.h"

namespace {

using namespace ombrel_test;

constexpr float KAIX_LEFT = 1056 - 48;  // the input field of the prompts, on the line 648

struct NumberBox {
  float x;
  float width;
  float height;
};

struct AnswerPage {
  const char* name;
  const char* choice;
  int waits;
  int headers;   // page headers drawn: a continuation screen may draw it again
  int clears;    // clears of the window from (0,0) over 1320 x 1300
  float lowest;  // the line of the lowest row
  NumberBox box;
  std::vector<page::Row> anchors;  // the first and the last row of each column (a fraction row skipped)
};

void PrintTo(const AnswerPage& page, std::ostream* os) { *os << page.name; }

// The ops of a page: from the sub-menu line that chose it to the one drawn after it.
std::vector<Op> pageOps(const std::vector<Op>& ops) {
  const auto lines = subMenuLines(ops);
  EXPECT_EQ(lines.size(), 2u) << "the sub-menu line follows the page's last row at once";
  if (lines.size() < 2) return {};
  return {ops.begin() + static_cast<long>(lines[0]), ops.begin() + static_cast<long>(lines[1])};
}

class OmbrelAnswerPage : public testing::TestWithParam<AnswerPage> {};

TEST_P(OmbrelAnswerPage, HeaderColumnsAndWaits) {
  const AnswerPage& page = GetParam();
  const HeadlessResult run =
      runOmbrel(std::string(page.choice) + steps(page.waits), "00:00:00", std::string("ombrel-") + page.name + ".png");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = pageOps(drawn(run));
  ASSERT_FALSE(ops.empty());
  EXPECT_EQ(stepWaits(ops, 0, ops.size()), page.waits);
  EXPECT_EQ(filledBoxes(ops, 0, 0, 1320, 1300, 15).size(), static_cast<std::size_t>(page.clears));

  // The header: the title box at (40,30), 360 x 48, edge 3 and inside 13, its text in colour 0;
  // the page number in colour 13 in its box, edge 4 and inside 3.
  const auto titles = filledBoxes(ops, 40, 30, 400, 78, 13);
  ASSERT_EQ(titles.size(), static_cast<std::size_t>(page.headers));
  EXPECT_EQ(ops[titles[0]].colour, 3);
  EXPECT_TRUE(glyphOn(ops, 40, 30, 0, "学"));
  const NumberBox& box = page.box;
  const auto numbers = filledBoxes(ops, box.x, 30, box.x + box.width, 30 + box.height, 3);
  ASSERT_EQ(numbers.size(), static_cast<std::size_t>(page.headers));
  EXPECT_EQ(ops[numbers[0]].colour, 4);
  const std::string number = std::string(page.name).substr(std::string(page.name).find_first_of("0123456789"));
  const Op* digit = glyphOn(ops, box.x, 30, 13, number.substr(0, 1));
  ASSERT_TRUE(digit) << "page number " << number;
  EXPECT_LT(digit->x1, box.x + box.width);

  page::StepRows(run.ops, static_cast<int>(std::string(page.choice).size()), page.name).read(page.anchors);
  EXPECT_EQ(page.anchors.back().step, page.waits) << "the last row comes after the last wait";

  // The lowest row stands on its line (glyphs of full height, not raised, lowered or italic);
  // nothing reaches the bottom bar at y 657.
  float lowest = 0;
  for (const Op& op : ops)
    if (op.kind == OpKind::Text && op.y1 < 639 && op.magY == 3 && !op.italic) lowest = std::max(lowest, op.y1);
  EXPECT_EQ(lowest, page.lowest);
  for (const Op& op : ops) {
    const bool inputField = op.x1 >= KAIX_LEFT && op.y1 == 648;
    if (op.kind == OpKind::Text && op.y1 >= 639 && !inputField) {
      EXPECT_GE(op.y1, 657) << describe(op);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, OmbrelAnswerPage,
    testing::Values(
        AnswerPage{
            "Review1",
            "6\n1\n",
            0,
            1,
            1,
            560,
            {410, 40, 44},
            {{0, 40, 90, 3, "(1)"}, {0, 94, 560, 5, "=2x+4"}, {0, 480, 30, 3, "(5)"}, {0, 534, 440, 5, "=-3xy+9y"}}},
        AnswerPage{"Review2",
                   "6\n2\n",
                   0,
                   1,
                   1,
                   610,
                   {410, 40, 44},
                   {{0, 40, 90, 3, "(1)"},
                    {0, 94, 610, 0, "=x(2x-8y)+3y(2x-8y)"},
                    {0, 574, 30, 0, "=2x^2-8xy+6xy-24y^2"},
                    {0, 574, 580, 5, "=2x^2+6x-3xy-2y^2+3y"}}},
        AnswerPage{"Review3",
                   "6\n3\n",
                   0,
                   1,
                   1,
                   570,
                   {410, 40, 44},
                   {{0, 40, 90, 3, "(1)"},
                    {0, 94, 570, 5, "=x^2-10x+21"},
                    {0, 600, 30, 3, "(5)"},
                    {0, 654, 560, 5, "=x^2-16"}}},
        AnswerPage{"Review4",
                   "6\n4\n",
                   0,
                   1,
                   1,
                   590,
                   {410, 40, 44},
                   {{0, 40, 90, 3, "(1)"},
                    {0, 94, 450, 5, "=-x^2+11x+54"},
                    {0, 600, 30, 3, "(3)"},
                    {0, 654, 590, 5, "=a^2+2ab+b^2+2a+2b-8"}}},
        AnswerPage{"Review5",
                   "6\n5\n",
                   0,
                   1,
                   1,
                   610,
                   {410, 40, 48},
                   {{0, 40, 90, 3, "(1)"},
                    {0, 94, 510, 5, "=(x+8)^2"},
                    {0, 440, 30, 3, "(4)"},
                    {0, 494, 610, 5, "=(x-2)(x+1)"}}},
        AnswerPage{"Review6",
                   "6\n6\n",
                   0,
                   1,
                   1,
                   540,
                   {410, 40, 44},
                   {{0, 40, 90, 3, "(1)"},
                    {0, 94, 350, 5, "=2b(a-5)(a+3)"},
                    {0, 600, 30, 3, "(3)"},
                    {0, 654, 540, 5, "=(x-7)(x+2)"}}},
        AnswerPage{
            "Review7",
            "6\n7\n",
            0,
            1,
            1,
            490,
            {410, 40, 44},
            {{0, 40, 90, 3, "(1)"}, {0, 94, 350, 0, "=100*56"}, {0, 600, 30, 3, "(3)"}, {0, 654, 490, 5, "=3591"}}},
        AnswerPage{
            "Review8",
            "6\n8\n",
            1,
            1,
            1,
            570,
            {410, 40, 44},
            {{0, 40, 90, 3, "(1)"}, {0, 94, 570, 0, "=180-10"}, {1, 680, 90, 3, "(2)"}, {1, 734, 510, 5, "=100"}}},
        AnswerPage{"Exercise1",
                   "7\n1\n",
                   3,
                   1,
                   1,
                   460,
                   {444, 44, 44},
                   {{0, 40, 100, 3, "(1)"},
                    {1, 94, 430, 5, "=10x^2-6xy+4x"},
                    {2, 600, 50, 3, "(3)"},
                    {3, 654, 460, 5, "=-6ab+2b"}}},
        AnswerPage{"Exercise2",
                   "7\n2\n",
                   8,
                   2,
                   2,
                   560,
                   {444, 44, 44},
                   {{0, 40, 90, 3, "(1)"},
                    {2, 40, 420, 3, "(3)"},
                    {3, 640, 30, 3, "(4)"},
                    {5, 694, 550, 5, "=4x^2+28x+45"},
                    {6, 40, 90, 3, "(7)"},
                    {7, 94, 550, 5, "=a^2-2ab+b^2-2ac+2bc+c^2"},
                    {8, 600, 90, 3, "(9)"},
                    {8, 654, 290, 5, "=x^2+4xy+4y^2-1"}}},
        AnswerPage{
            "Exercise3",
            "7\n3\n",
            0,
            1,
            1,
            540,
            {444, 44, 44},
            {{0, 40, 90, 3, "(1)"}, {0, 94, 500, 5, "=9x-17"}, {0, 680, 30, 3, "(3)"}, {0, 734, 540, 5, "=3x^2+3x+9"}}},
        AnswerPage{"Exercise4",
                   "7\n4\n",
                   1,
                   1,
                   1,
                   560,
                   {444, 44, 44},
                   {{0, 40, 90, 3, "(1)"},
                    {0, 40, 430, 3, "(4)"},
                    {0, 654, 30, 3, "(5)"},
                    {0, 708, 350, 5, "=(5x-3)^2"},
                    {1, 40, 90, 3, "(8)"},
                    {1, 94, 300, 5, "=(x-1)(x-9)"}}},
        AnswerPage{"Exercise5",
                   "7\n5\n",
                   4,
                   1,
                   1,
                   510,
                   {444, 44, 44},
                   {{1, 40, 100, 3, "(1)"},
                    {2, 94, 510, 5, "=(x-3)(x-4)"},
                    {3, 600, 30, 3, "(3)"},
                    {4, 654, 500, 5, "=(x-y-1)(x-y+5)"}}},
        AnswerPage{"Exercise6",
                   "7\n6\n",
                   2,
                   1,
                   1,
                   340,
                   {444, 44, 44},
                   {{1, 40, 90, 3, "(1)"},
                    {1, 94, 340, 5, "=(x-7)(y-1)"},
                    {2, 600, 90, 3, "(2)"},
                    {2, 654, 340, 5, "=(a+1)(2b-1)"}}},
        AnswerPage{"Exercise7",
                   "7\n7\n",
                   4,
                   1,
                   2,
                   560,
                   {444, 44, 44},
                   {{1, 40, 100, 3, "(1)"},
                    {2, 94, 560, 5, "=9"},
                    {3, 40, 30, 3, "(3)"},
                    {3, 94, 380, 0, "=-27-3"},
                    {4, 600, 30, 3, "(4)"},
                    {4, 654, 380, 0, "=20^2"}}},
        AnswerPage{"Exercise8",
                   "7\n8\n",
                   16,
                   2,
                   2,
                   590,
                   {444, 44, 44},
                   {{0, 488, 30, 3, "(1)"},  // right after the page-number box
                    {6, 76, 590, 0, "小さい方の数の2乗をひくと、8の倍数になる。"},
                    {7, 488, 30, 3, "(2)"},
                    {11, 76, 350, 3, "4の倍数になりそうだ"},
                    {12, 76, 100, 3, "<証明>"},
                    {16, 76, 500, 0, "小さい方の数の2乗をひくと、4の倍数になる。"}}},
        AnswerPage{
            "Exercise9", "7\n9\n", 2, 1, 1, 560, {444, 60, 44}, {{1, 40, 100, 3, "(1)"}, {2, 94, 560, 0, "=4+100+4"}}},
        AnswerPage{"Exercise10",
                   "7\n10\n",
                   3,
                   1,
                   1,
                   470,
                   {444, 60, 44},
                   {{0, 40, 100, 3, "ア  "}, {3, 94, 470, 5, "364*366 のほうが大きい。"}}}),
    [](const testing::TestParamInfo<AnswerPage>& info) { return std::string(info.param.name); });

// --- The sub-menus ---------------------------------------------------------------------------

// Section 6: a choice below 1, above 10 or empty writes the line again and nothing else; 2.2
// draws page 2; 10 goes back to the main menu. No aim screen.
TEST(OmbrelAnswerSheets, ReviewMenu) {
  const HeadlessResult run = runOmbrel("6\n0\n\n11\n10.5\n2.2\n10\n");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(subMenuLines(ops).size(), 6u);
  EXPECT_FALSE(glyphAt(ops, 71, 240, 5, "め")) << "no aim screen";
  EXPECT_EQ(filledBoxes(ops, 0, 0, 1320, 1300, 15).size(), 1u) << "only page 2 is drawn";
  EXPECT_EQ(filledBoxes(ops, 410, 30, 450, 74, 3).size(), 1u);
  EXPECT_TRUE(glyphAt(ops, 40, 90, 3, "(")) << "page 2's first label";
  EXPECT_EQ(menuPanels(ops), 2u) << "the main menu again after 10";
  EXPECT_EQ(ops[subMenuLines(ops)[0]].text, toUtf8("Ｐ"));
}

// Section 7: 12 asks again, 10 draws page 10, 11 goes back to the main menu.
TEST(OmbrelAnswerSheets, ExerciseMenu) {
  const HeadlessResult run = runOmbrel("7\n12\n10\n" + steps(3) + "11\n");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(subMenuLines(ops).size(), 3u);
  EXPECT_EQ(filledBoxes(ops, 444, 30, 504, 74, 3).size(), 1u) << "page 10's box, 60 px wide";
  EXPECT_EQ(menuPanels(ops), 2u);
}

// A page chosen again is drawn again the same from a cleared window; another page clears it.
TEST(OmbrelAnswerSheets, APageChosenAgainIsTheSame) {
  const HeadlessResult run = runOmbrel("6\n3\n4\n3\n");
  const std::vector<Op> ops = drawn(run);
  const auto lines = subMenuLines(ops);
  ASSERT_EQ(lines.size(), 4u);
  const auto describeAll = [&](std::size_t k) {
    std::vector<std::string> all;
    for (std::size_t i = lines[k]; i < lines[k + 1]; ++i) all.push_back(describe(ops[i]));
    return all;
  };
  EXPECT_EQ(describeAll(0), describeAll(2));
  // Page 4 clears the window before anything of its own is drawn above the bottom bar.
  const std::vector<Op> page4(ops.begin() + static_cast<long>(lines[1]), ops.begin() + static_cast<long>(lines[2]));
  const auto clear = filledBoxes(page4, 0, 0, 1320, 1300, 15);
  ASSERT_EQ(clear.size(), 1u);
  for (std::size_t i = 0; i < clear[0]; ++i) EXPECT_FALSE(page4[i].kind == OpKind::Text && page4[i].y1 < 639);
}

// --- The pages' own departures from the form ------------------------------------------------

// Review page 5: item (8) stands beside item (7): its label where the hint line of (7) ends, on
// the line y 460; its hint line and answer 54 px right of that, 50 and 100 px lower.
TEST(OmbrelAnswerSheets, ReviewPageFiveItemEightBesideItemSeven) {
  const std::vector<Op> ops = pageOps(drawn(runOmbrel("6\n5\n")));
  const Op* hintEnd = glyphOn(ops, 700, 560, 0, "1");  // the last glyph of "かけて2,ひいて-1"
  const Op* label = glyphOn(ops, 700, 460, 3, "(");
  ASSERT_TRUE(hintEnd && label);
  EXPECT_EQ(label->x1, hintEnd->x1 + 27) << "a half-width step after the hint's last digit";
  const Op* hint = glyphOn(ops, label->x1, 510, 0, "か");
  ASSERT_TRUE(hint);
  EXPECT_EQ(hint->x1, label->x1 + 54);
  const Op* answer = glyphOn(ops, label->x1 + 54, 560, 5, "(");
  ASSERT_TRUE(answer);
  EXPECT_LT(answer->x1, label->x1 + 54 + 40);
  EXPECT_TRUE(glyphOn(ops, 440, 30, 3, "(")) << "(4) over the number box's right end";
}

// Exercise page 4: after its one wait the first column below the header, from (40,80) to
// (654,1530), is erased; the header and answers (5) to (7) are not drawn again, and (8) takes
// the place of (1).
TEST(OmbrelAnswerSheets, ExercisePageFourErasesItsFirstColumn) {
  const std::vector<Op> ops = pageOps(drawn(runOmbrel("7\n4\n" + steps(1))));
  const auto erase = filledBoxes(ops, 40, 80, 654, 1530, 15);
  ASSERT_EQ(erase.size(), 1u);
  EXPECT_EQ(stepWaits(ops, 0, erase[0]), 1);
  const std::vector<Op> after(ops.begin() + static_cast<long>(erase[0]), ops.end());
  EXPECT_TRUE(glyphOn(after, 40, 90, 3, "(") && glyphOn(after, 60, 90, 3, "8"));
  EXPECT_FALSE(glyphOn(after, 654, 30, 3, "5"));
  EXPECT_TRUE(filledBoxes(after, 40, 30, 400, 78, 13).empty());
}

// Exercise page 8: the second screen erases its prediction from the line y 100 down after the
// ninth wait of the page (the second of that screen's own after "4の倍数になりそうだ") and proves
// on that line; its labels stand right after the number box.
TEST(OmbrelAnswerSheets, ExercisePageEightErasesThePrediction) {
  const std::vector<Op> ops = pageOps(drawn(runOmbrel("7\n8\n" + steps(16))));
  const auto erase = filledBoxes(ops, 0, 100, 1320, 1400, 15);
  ASSERT_EQ(erase.size(), 1u);
  EXPECT_EQ(stepWaits(ops, 0, erase[0]), 12);
  const auto clears = filledBoxes(ops, 0, 0, 1320, 1300, 15);
  ASSERT_EQ(clears.size(), 2u);
  EXPECT_EQ(stepWaits(ops, 0, clears[1]), 7);
  const Op* one = glyphOn(ops, 488, 30, 3, "(");
  ASSERT_TRUE(one);
  EXPECT_LT(one->x1, 498) << "right after the 44-px box that ends at 488";
  const std::vector<Op> after(ops.begin() + static_cast<long>(erase[0]), ops.end());
  EXPECT_TRUE(glyphOn(after, 76, 100, 3, "証"));
}

// Exercise page 7: its second screen has no header: (3) and (4) side by side from the top.
TEST(OmbrelAnswerSheets, ExercisePageSevenSecondScreenWithoutHeader) {
  const std::vector<Op> ops = pageOps(drawn(runOmbrel("7\n7\n" + steps(4))));
  const auto clears = filledBoxes(ops, 0, 0, 1320, 1300, 15);
  ASSERT_EQ(clears.size(), 2u);
  const std::vector<Op> second(ops.begin() + static_cast<long>(clears[1]), ops.end());
  EXPECT_TRUE(filledBoxes(second, 40, 30, 400, 78, 13).empty());
  EXPECT_TRUE(glyphOn(second, 40, 30, 3, "3"));
  EXPECT_TRUE(glyphOn(second, 600, 30, 3, "4"));
}

}  // namespace
