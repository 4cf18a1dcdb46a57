// The rows of fixed pages laid out in columns: where a placed row lands (a column, the end of the
// last text, lines below the last), a text drawn ahead that leaves the cursor, a boxed text the
// cursor follows, the note column moved to a text's end, erases next to the cursor, remembered
// corners and the erases between them, and routines run between the rows.
#include <gtest/gtest.h>

#include <vector>

#include "engine/engine.h"
#include "programs/common/page.h"
#include "support/test_support.h"

namespace {

using namespace common::page_rows;

// The first glyph op of each text in the run (every text below starts with a digit or "M").
std::vector<Op> starts(const HeadlessResult& run) {
  std::vector<Op> found;
  for (const Op& op : drawn(run))
    if (op.kind == OpKind::Text && (op.text == "M" || (op.text[0] >= '1' && op.text[0] <= '9'))) found.push_back(op);
  return found;
}

std::vector<Op> fills(const HeadlessResult& run, int colour) {
  std::vector<Op> found;
  for (const Op& op : drawn(run))
    if (op.kind == OpKind::FilledBox && op.colour == colour) found.push_back(op);
  return found;
}

// The filled boxes of the background colour with these corners.
std::size_t erasesAt(const HeadlessResult& run, float x1, float y1, float x2, float y2) {
  std::size_t n = 0;
  for (const Op& op : fills(run, 15)) n += op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2 && op.fill == 15;
  return n;
}

float endOfText = 0;  // XI2 as a routine between the rows sees it

void noteEnd() { endOfText = XI2; }

constexpr PageRow PAGE[] = {
    COLUMNS(40, 94, 121),
    row(LABEL, line(30), 3, "1"),                 // (40,30)
    row(TEXT, down(50), 0, "2"),                  // (94,80)
    row(NOTE + 10, down(60), 0, "3"),             // (131,140)
    at(END + 5, SAME, 0, "4"),                    // ahead of the cursor; the cursor stays after "3"
    call(noteEnd),
    row(END, SAME, 0, "5"),                       // starts where "4" started
    NOTE_AT_END,
    row(NOTE, down(70), 0, "6"),                  // (end of "5", 210)
    COLUMNS(600, 654),
    row(TEXT + 2, SAME, 0, "7"),                  // (656,210)
    row(700, line(400), 0, "8"),
};

TEST(PageRows, PlacedRowsFollowColumnsAndLines) {
  const HeadlessResult run = runRoutine([] { common::drawPage(PAGE); });
  ASSERT_FALSE(run.error);
  const std::vector<Op> texts = starts(run);
  ASSERT_EQ(texts.size(), 8u);
  const float expected[][2] = {{40, 30}, {94, 80}, {131, 140}, {-1, 140}, {-1, 140}, {-1, 210}, {656, 210}, {700, 400}};
  for (std::size_t k = 0; k < texts.size(); ++k) {
    if (expected[k][0] >= 0) {
      EXPECT_EQ(texts[k].x1, expected[k][0]) << "text " << k + 1;
    }
    EXPECT_EQ(texts[k].y1, expected[k][1]) << "text " << k + 1;
  }
  EXPECT_EQ(texts[3].x1, endOfText + 5) << "drawn 5 px after the end of \"3\"";
  EXPECT_EQ(texts[4].x1, endOfText) << "the cursor stayed after \"3\"";
  EXPECT_GT(texts[5].x1, texts[4].x1) << "the note column moved to the end of \"5\"";
}

constexpr PageRow BOXES[] = {
    COLUMNS(40, 94),
    box(LABEL, 30, 360, 48, 0, 3, 13, "M"),
    box(END + 10, 30, 40, 44, 13, 4, 3, "1"),
    row(END, SAME, 3, "2"),
    erase(END + 2, down(-4), 100, 55),
};

TEST(PageRows, BoxesMoveTheCursorAndErasesFollowIt) {
  const HeadlessResult run = runRoutine([] { common::drawPage(BOXES); });
  ASSERT_FALSE(run.error);
  const auto header = fills(run, 3);
  ASSERT_EQ(header.size(), 1u);
  EXPECT_EQ(header[0].x1, 40);
  EXPECT_EQ(header[0].x2, 400);
  EXPECT_EQ(header[0].fill, 13);
  const auto number = fills(run, 4);
  ASSERT_EQ(number.size(), 1u);
  EXPECT_EQ(number[0].x1, 410) << "10 px after the first box";
  EXPECT_EQ(number[0].x2, 450);
  EXPECT_EQ(number[0].y2, 74);
  const std::vector<Op> texts = starts(run);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[2].x1, 450) << "right after the number box";
  EXPECT_EQ(texts[2].y1, 30);
  const auto erases = fills(run, 15);
  ASSERT_EQ(erases.size(), 1u);
  EXPECT_GT(erases[0].x1, 452) << "2 px after the end of \"2\"";
  EXPECT_EQ(erases[0].y1, 26);
  EXPECT_EQ(erases[0].x2 - erases[0].x1, 100);
  EXPECT_EQ(erases[0].y2, 81);
}

constexpr PageRow KEPT[] = {
    COLUMNS(40, 94),
    row(LABEL, line(30), 0, "1"),
    keep(1, LABEL, down(50)),   // (40,80)
    keep(2, 654, line(1530)),   // (654,1530)
    eraseKept(1, 2),
    row(TEXT, line(100), 0, "2"),
    keep(3, 0, SAME),           // (0,100)
    eraseKept(3, 1320, 1300),
};

TEST(PageRows, KeptCornersAndTheirErases) {
  const HeadlessResult run = runRoutine([] { common::drawPage(KEPT); });
  ASSERT_FALSE(run.error);
  EXPECT_EQ(U_A(1), 40);
  EXPECT_EQ(V_A(1), 80);
  EXPECT_EQ(U_A(2), 654);
  EXPECT_EQ(V_A(2), 1530);
  EXPECT_EQ(V_A(3), 100);
  EXPECT_EQ(erasesAt(run, 40, 80, 654, 1530), 1u);
  EXPECT_EQ(erasesAt(run, 0, 100, 1320, 1400), 1u);
}

}  // namespace
