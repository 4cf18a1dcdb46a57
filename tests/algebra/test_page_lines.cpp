// A scene's table of rows read step by step (support/page_lines.h), on a small page typeset
// headless: rows placed after the row before them, a piece drawn ahead that keeps the place for the
// next row, and the faults a table must name: a row missing from its step, a line drawn over a row.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/platform/platform.h"
#include "support/page_lines.h"
#include "support/test_support.h"

namespace {

using page::after;

// Draws markup at (x, y) in colour and gives the X the typesetter returns.
float draw(const std::string& markup, float x, float y, int colour = 0) {
  CCC1 = static_cast<float>(colour);
  X = x;
  Y = y;
  AA_S = markup;
  DRAWFORMULA();
  return X;
}

// Step 0: a problem and "=" after it. Step 1: its answer after the "=", and "=a(" with its bracket
// drawn ahead, 6 px on. Step 2: the bracket filled in where "=a(" ends; a line with a flipped sign
// drawn over the last one.
HeadlessResult page() {
  return runRoutine(
      [] {
        const float equals = draw("=", draw("(x+1)(x-1)", 94, 90), 90, 3);
        STEPWAIT();
        draw("x^2-1", equals, 90, 5);
        const float open = draw("=a(", 94, 150);
        draw("    )", open + 6, 150);
        STEPWAIT();
        draw("4p+4a", open, 150, 3);
        draw("=x^2-1", 94, 210);
        draw("=x^2+1", 94, 210);
      },
      "kk");
}

const std::vector<page::Row> ROWS = {
    {0, 94, 90, 0, "(x+1)(x-1)"},   {0, after(), 90, 3, "="},      {1, after(), 90, 5, "x^2-1"}, {1, 94, 150, 0, "=a("},
    {1, after(6), 150, 0, "    )"}, {2, after(), 150, 3, "4p+4a"}, {2, 94, 210, 0, "=x^2-1"},
};
// The bracket drawn ahead keeps the place: the row after it follows "=a(".
const std::vector<bool> ASIDE = {false, false, false, false, true, false, false};

void readRows(const std::vector<page::Row>& rows) {
  const HeadlessResult run = page();
  ASSERT_FALSE(run.error);
  page::StepRows steps(run.ops, 0, "the page");
  steps.read(rows, ASIDE);
  steps.expectNothingOver();
}

TEST(PageLines, RowsPlacedAfterOthersAndAPieceDrawnAhead) {
  const HeadlessResult run = page();
  ASSERT_FALSE(run.error);
  page::StepRows steps(run.ops, 0, "the page");
  const auto read = steps.read(ROWS, ASIDE);
  ASSERT_EQ(read.size(), ROWS.size());
  for (std::size_t i = 0; i < ROWS.size(); ++i) EXPECT_TRUE(read[i]) << ROWS[i].markup;
  // Only the line drawn over the last row, and the step waits' prompts, are left.
  const auto left = steps.untaken();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].first, 2);
  EXPECT_EQ(left[0].second.utf8(), "=x^2+1");
}

TEST(PageLines, NamesARowMissingFromItsStepAndALineDrawnOverARow) {
  EXPECT_NONFATAL_FAILURE(readRows(ROWS), "the page: step 2: (94,210) c0 \"=x^2+1\" is drawn over");
  // The answer looked for a step late, without the last row.
  static std::vector<page::Row> late;
  late.assign(ROWS.begin(), ROWS.end() - 1);
  late[2].step = 2;
  EXPECT_NONFATAL_FAILURE(readRows(late), "the page: step 2: no line \"x^2-1\" at (396,90) in colour 5");
}

// A step's rows are drawn in the table's order: a row whose line comes before the line of the
// row above it in the table is named.
TEST(PageLines, NamesARowDrawnBeforeTheRowBeforeIt) {
  static std::vector<page::Row> swapped;
  swapped.assign(ROWS.begin(), ROWS.begin() + 4);
  std::swap(swapped[2], swapped[3]);
  swapped[3].x = 396;
  EXPECT_NONFATAL_FAILURE(readRows(swapped), "the page: step 1: (396,90) c5 \"x^2-1\" is drawn before the row "
                                             "before it, (94,150) c0 \"=a(\"");
}

// What stays on the screen: a line a box covers goes, a line drawn at the place of another takes
// its place, and a number written into an answer box reads as part of its row.
TEST(PageLines, WhatStaysOnTheScreenReadRowByRow) {
  std::size_t beforeErase = 0;
  const HeadlessResult run = runRoutine([] {
    draw("x^2-1", 94, 90);
    PsLINE(0, 80, 700, 130, 15, LineMode::FilledBox, 15);
    draw("=(x+1)(x+1)", 94, 150);
    draw("=(x+1)(x-1)", 94, 150);
    const float box = draw("x+", 94, 210) + 10;
    PsLINE(box, 202, box + 60, 262, 7, LineMode::FilledBox, 6);
    draw("3", box + 20, 210 + page::IN_BOX, 13);
  });
  ASSERT_FALSE(run.error);
  while (beforeErase < run.ops.size() && run.ops[beforeErase].kind != OpKind::FilledBox) ++beforeErase;
  const auto early = page::rowsIn(page::onScreen(run.ops, beforeErase), 0, 0, 700, 300);
  ASSERT_EQ(early.size(), 1u) << reading::describe(early);
  EXPECT_TRUE(page::reads(early[0], "x^2-1"));

  const auto rows = page::rowsIn(page::onScreen(run.ops, run.ops.size()), 0, 0, 700, 300);
  ASSERT_EQ(rows.size(), 2u) << reading::describe(rows);
  EXPECT_TRUE(page::standsAt(rows[0], 94, 150, "")) << reading::describe(rows[0]);
  EXPECT_TRUE(page::reads(rows[0], "=(x+1)(x-1)"));
  EXPECT_TRUE(page::standsAt(rows[1], 94, 210, "")) << reading::describe(rows[1]);
  EXPECT_TRUE(page::reads(rows[1], "x+3"));
}

}  // namespace
