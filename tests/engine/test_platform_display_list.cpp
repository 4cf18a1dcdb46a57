// The display list keeps only what can still be seen: what it drops never changes the picture,
// and a lesson that goes on for a thousand steps keeps it no larger than after a few.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/platform/canvas.h"
#include "engine/platform/render.h"
#include "support/test_support.h"

namespace {

// The window sizes the picture is compared at: the canvas's own, and a 1920 x 1080 screen's.
constexpr std::pair<int, int> SIZES[] = {{CANVAS_WIDTH, CANVAS_HEIGHT}, {1920, 1080}};

// The operations painted in order, whole, into a window of w x h device pixels.
std::vector<unsigned char> painted(const std::vector<Op>& ops, int w, int h) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  paintWholeOnto(surface, ops);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  std::vector<unsigned char> pixels(data, data + cairo_image_surface_get_stride(surface) * h);
  cairo_surface_destroy(surface);
  return pixels;
}

// Every operation the run drew since its last clear, in order: the picture as it was drawn.
std::vector<Op> sinceLastClear(const HeadlessResult& run) {
  std::vector<Op> ops;
  for (const Op& op : drawn(run)) {
    if (op.kind == OpKind::Clear) ops.clear();
    ops.push_back(op);
  }
  return ops;
}

// The list paints, pixel for pixel, what every operation drawn paints.
void expectSamePictureAsEverythingDrawn(const HeadlessResult& run) {
  const std::vector<Op> everything = sinceLastClear(run);
  ASSERT_LT(canvas().displayList().size(), everything.size()) << "nothing was dropped";
  for (const auto& [w, h] : SIZES)
    EXPECT_TRUE(painted(canvas().displayList(), w, h) == painted(everything, w, h)) << w << "x" << h;
}

// Boxes erased where they stood, the texts in them, the prompts' boxes, echoes and cursor dots,
// shapes that reach a pixel past an erase or stop a pixel short of its edge.
TEST(DisplayListPicture, WhatItDropsNeverShows) {
  const HeadlessResult run = runRoutine(
      [] {
        PsCLS();
        PsLINE(22, 10, 1320, 600, 15, LineMode::FilledBox, 10, Corner::Step);
        PsSYMBOL40(264, 30, 2, 2, 15, "＜例題＞");
        X = 66;
        Y = 130;
        CCC1 = 0;
        AA_S = "(x+3)^2=x^2+6x+9";
        DRAWFORMULA();
        X = 66;
        Y = 230;
        AA_S = "ﾀx+1/2ﾀ+√3ﾝ";
        DRAWFORMULA();
        STEPWAIT();
        // Boxes that cut through the formulas, or end just short of them.
        PsLINE(60, 120, 200, 200, 15, LineMode::FilledBox, 15);
        PsLINE(66, 225, 300, 290, 15, LineMode::FilledBox, 15);
        PsLINE(400, 300, 600, 300, 3);
        PsLINE(400, 299, 600, 301, 15, LineMode::FilledBox, 15);
        PsCIRCLE(700, 400, 30, 9);
        PsLINE(669, 369, 731, 431, 15, LineMode::FilledBox, 15);
        PsCIRCLE(800, 400, 30, 9);
        PsLINE(765, 365, 835, 435, 15, LineMode::FilledBox, 15);
        NEXTSTEP();
        STEPWAIT();
      },
      "k12\b34\nk");
  expectSamePictureAsEverythingDrawn(run);
}

// The step box and its message, erased where they stood: nothing of them is kept, whatever
// margins their bounds carry.
TEST(DisplayList, StepBoxAndItsMessageAreGoneOnceErased) {
  runRoutine([] {
    PsCLS();
    const std::size_t before = canvas().displayList().size();
    STEPWAIT();
    const std::vector<Op>& list = canvas().displayList();
    ASSERT_EQ(list.size(), before + 1);
    EXPECT_EQ(list.back().kind, OpKind::FilledBox);
    EXPECT_EQ(list.back().fill, 15);
  },
             "k");
}

// A text a box covers but for a sliver of one glyph is kept: the sliver still shows.
TEST(DisplayList, TextThatShowsPastABoxIsKept) {
  PsSYMBOL40(100, 300, 1, 1, 0, "ABC");
  PsLINE(102, 290, 200, 330, 15, LineMode::FilledBox, 15);
  EXPECT_EQ(canvas().displayList().size(), 2u);
  PsLINE(90, 290, 200, 330, 15, LineMode::FilledBox, 15);
  EXPECT_EQ(canvas().displayList().size(), 1u);
}

// A filled circle drops the circle at its centre that it covers: a cursor dot erased by a larger
// dot in the background colour is gone, where its antialiased rim would otherwise show round the
// erase as a faint ring in a window that scales the canvas down. A circle that reaches past the
// disc's edge, or comes within its antialiased half pixel, is kept; an outline or a sector hides
// nothing.
TEST(DisplayList, AFilledCircleDropsTheCircleItCovers) {
  struct Row {
    const char* what;
    void (*draw)();
    void (*cover)();
    bool dropped;
  };
  const Row rows[] = {
      {"the cursor dot, erased", [] { PsCIRCLE(600, 300, 4, 5, 0, 0, true); },
       [] { PsCIRCLE(600, 300, 5, 15, 0, 0, true); }, true},
      {"the cursor dot, a larger dot a pixel aside", [] { PsCIRCLE(600, 300, 4, 5, 0, 0, true); },
       [] { PsCIRCLE(601, 300, 5, 15, 0, 0, true); }, false},
      {"a circle's outline, a disc its size and a pixel", [] { PsCIRCLE(600, 300, 20, 3); },
       [] { PsCIRCLE(600, 300, 21, 15, 0, 0, true, 15); }, true},
      {"a circle's outline, a disc its size", [] { PsCIRCLE(600, 300, 20, 3); },
       [] { PsCIRCLE(600, 300, 20.5f, 15, 0, 0, true, 15); }, false},
      {"the cursor dot, a line drawn across it, erased",
       [] {
         PsCIRCLE(600, 300, 4, 5, 0, 0, true);
         PsLINE(590, 300, 610, 300, 0);
       },
       [] { PsCIRCLE(600, 300, 5, 15, 0, 0, true); }, true},
      {"a dot under a ring", [] { PsCIRCLE(600, 300, 4, 5, 0, 0, true); }, [] { PsCIRCLE(600, 300, 10, 15); },
       false},
      {"a dot under an arc's sector", [] { PsCIRCLE(600, 300, 4, 5, 0, 0, true); },
       [] { PsCIRCLE(600, 300, 10, 15, 0.1f, 0.9f, true); }, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    FE_SETDRAWWIDTH(2);
    PsLINE(0, 0, CANVAS_WIDTH, CANVAS_HEIGHT, 15, LineMode::FilledBox, 15);  // the list starts afresh
    row.draw();
    row.cover();
    const std::vector<Op>& list = canvas().displayList();
    const bool dotKept =
        std::any_of(list.begin(), list.end() - 1, [](const Op& op) { return op.kind == OpKind::Circle; });
    EXPECT_EQ(dotKept, !row.dropped);
    EXPECT_EQ(list.back().kind, OpKind::Circle);
  }
}

// A row of dots, each crossed by a line drawn after it, drawn again round after round in other
// colours with its line, as a dotted arc is highlighted: each dot and line drawn again leaves
// the middle of the list and comes last. The list holds each once, in the order of the last
// round, after what was never drawn again; and what the list knows of an operation, read before
// the list itself, is that of the list's operation at that place.
TEST(DisplayList, ShapesDrawnAgainFromTheMiddleLeaveTheListInTheOrderOfTheirLastDrawing) {
  constexpr int DOTS = 40;
  const auto x = [](int k) { return 100 + 12 * static_cast<float>(k); };
  const auto drawRow = [&](int colour) {
    for (int k = 0; k < DOTS; ++k) {
      PsCIRCLE(x(k), 300, 3, colour, 0, 0, true);
      PsLINE(x(k), 290, x(k), 310, 0);
    }
  };
  // A text n, then the row in colour n: the text stands at place 1 + n of the list, where before
  // the row went again one of its dots or lines stood.
  const auto textThenRow = [&](int n) {
    PsSYMBOL40(100, 400 + 40 * static_cast<float>(n), 1, 1, 0, "T" + std::to_string(n));
    drawRow(n);
    return static_cast<std::size_t>(1 + n);
  };
  const auto same = [](const Bounds& a, const Bounds& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  };
  PsCLS();
  PsSYMBOL40(100, 50, 1, 1, 0, "ABC");
  drawRow(0);
  std::size_t text = textThenRow(1);
  const Bounds bounds = canvas().bounds(text);
  EXPECT_TRUE(same(bounds, boundsOf(canvas().displayList()[text])));
  text = textThenRow(2);
  const Bounds ink = canvas().ink(text);
  EXPECT_TRUE(ink.inside(boundsOf(canvas().displayList()[text])));
  text = textThenRow(3);
  const std::uint64_t serial = canvas().serial(text);
  canvas().displayList();
  EXPECT_EQ(serial, canvas().serial(text));
  constexpr int LAST_COLOUR = 12;
  for (int round = 0; round < 20; ++round) drawRow(round % 2 ? LAST_COLOUR : 5);

  const std::vector<Op>& list = canvas().displayList();
  constexpr std::size_t FIRST_DOT = 5;
  ASSERT_EQ(list.size(), FIRST_DOT + 2 * DOTS);
  EXPECT_EQ(list[0].kind, OpKind::Clear);
  EXPECT_EQ(list[1].text, "ABC");
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(list[1 + n].text, "T" + std::to_string(n));
  for (int k = 0; k < DOTS; ++k) {
    const Op& dot = list[FIRST_DOT + 2 * k];
    const Op& line = list[FIRST_DOT + 2 * k + 1];
    ASSERT_EQ(dot.kind, OpKind::Circle) << k;
    EXPECT_EQ(dot.cx, x(k));
    EXPECT_EQ(dot.colour, LAST_COLOUR);
    ASSERT_EQ(line.kind, OpKind::Line) << k;
    EXPECT_EQ(line.x1, x(k));
  }
  for (std::size_t i = 0; i < list.size(); ++i) {
    EXPECT_TRUE(same(canvas().bounds(i), boundsOf(list[i]))) << i;
    if (i > FIRST_DOT) {
      EXPECT_GT(canvas().serial(i), canvas().serial(i - 1)) << i;
    }
  }
}

// A drill's steps, as the practice scenes draw them: the work area cleared but for the
// heading, which is drawn again over a box that cuts into it; a new problem with a fraction and
// a dotted arc; the step waits and the next-step prompt. The list after a thousand steps is
// the size it was after a few.
TEST(DisplayList, StaysTheSameSizeThroughAThousandStepsOfADrill) {
  constexpr int STEPS = 1000;
  std::vector<std::size_t> sizes;
  runRoutine(
      [&] {
        PsCLS();
        for (int step = 1; step <= STEPS; ++step) {
          PsLINE(88, 30, 1012, 240, 15, LineMode::FilledBox, 15);
          PsLINE(660, 20, 1980, 920, 15, LineMode::FilledBox, 15);
          CCC1 = 0;
          X = 66;
          Y = 30;
          AA_S = "①次の式を計算しなさい。";
          PROMPTTEXT();
          X = 100;
          Y = 130;
          AA_S = "(x+" + PfSTR244(static_cast<float>(step % 9 + 1)).substr(1) + ")^2=ﾀ1/" +
                 PfSTR244(static_cast<float>(step % 90 + 10)).substr(1) + "ﾀ";
          DRAWFORMULA();
          ZX0 = 700;
          ZY0 = 400;
          ZX1 = 900;
          ZY1 = 400;
          TAKASA = 2;
          HOUKOU = 1;
          HABA = 2;
          CCC2 = 7;
          SPANARC();
          STEPWAIT();
          NEXTSTEP();
          sizes.push_back(canvas().displayList().size());
        }
      },
      [] {
        std::string keys;
        for (int step = 0; step < STEPS; ++step) keys += step % 2 ? "k\n" : "k5\n";
        return keys;
      }());
  ASSERT_EQ(sizes.size(), static_cast<std::size_t>(STEPS));
  EXPECT_EQ(sizes.back(), sizes[9]);
  EXPECT_LT(*std::max_element(sizes.begin(), sizes.end()), 400u);
}

}  // namespace
