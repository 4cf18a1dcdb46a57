// The area diagrams, each drawn at two origins with two label sets: cells, arcs, labels, key
// waits and what a call leaves behind. Pictures: build/test-output/diagram-*.png.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/engine.h"
#include "op_walk.h"
#include "product_diagram_expect.h"
#include "programs/common/area_diagram.h"
#include "programs/common/square_diagram.h"
#include "programs/common/sumdiff_diagram.h"
#include "square_diagram_expect.h"
#include "sumdiff_diagram_expect.h"
#include "support/pictures.h"
#include "support/test_support.h"

namespace {

using walk::Labels;
using walk::OpWalk;

const Labels NUMBERS = {"x", "2", "3", "x^2", "2x", "3x", "6", "5x"};
const Labels LETTERS = {"x", "a", "b", "x^2", "ax", "bx", "ab", "(a+b)x"};
const Labels SIDES_ONLY = {"x", "2", "3", "", "", "", "", ""};
const Labels FENWIST = {"x", "3", "4", "x^2", "", "", "12", "7x"};  // merged with the strips unlabelled

void setLabels(const Labels& labels) {
  for (int n = 1; n <= 8; ++n) F_S_A(static_cast<float>(n)) = labels[n - 1];
}

// What a diagram routine leaves behind.
struct After {
  float x, y, xi2, yi1, xi3, yi3;
  std::string f1, f8;
};
After after() { return {X, Y, XI2, YI1, XI3, YI3, F_S_A(1), F_S_A(8)}; }

// Draws with routine at the origin and the labels, and records what it left.
void drawAt(void (*routine)(), float x, float y, const Labels& labels, After& left) {
  XI3 = x;
  YI3 = y;
  setLabels(labels);
  routine();
  left = after();
}

using walk::expectProductArea;
using walk::expectProductMerge;
using walk::expectSquareArea;
using walk::expectSumDiffArea;
using walk::expectSumDiffMove;
using walk::expectSumDiffResult;
using walk::expectWideSquare;

TEST(ProductArea, TwoOriginsTwoLabelSets) {
  static After first, second;
  const HeadlessResult run = runRoutine([] {
    drawAt(common::PRODUCTAREA, 660, 100, SIDES_ONLY, first);
    drawAt(common::PRODUCTAREA, 0, 60, LETTERS, second);
  }, "", "diagram-product-area.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  // At (660,100): cells (748,100), (968,100), (748,320), (968,320); arcs' apexes at x 732 and y 84.
  expectProductArea(w, 660, 100, SIDES_ONLY);
  expectProductArea(w, 0, 60, LETTERS);
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(first.x, 1100);
  EXPECT_EQ(first.xi2, 1100);
  EXPECT_EQ(first.y, 320);
  EXPECT_EQ(first.yi1, 320);
  EXPECT_EQ(first.xi3, 660);
  EXPECT_EQ(first.yi3, 100);
  EXPECT_EQ(first.f1, "x");
  EXPECT_EQ(second.xi2, 440);
  EXPECT_EQ(second.yi1, 280);
  EXPECT_EQ(second.f8, "(a+b)x");
}

TEST(ProductMerge, TurnsTheRightColumnUnderAndMergesItStepByStep) {
  static After first, second;
  const HeadlessResult run = runRoutine([] {
    drawAt(common::PRODUCTAREA, 660, 100, NUMBERS, first);
    drawAt(common::PRODUCTMERGE, 660, 100, NUMBERS, first);
    drawAt(common::PRODUCTAREA, 0, 60, FENWIST, second);
    drawAt(common::PRODUCTMERGE, 0, 60, FENWIST, second);
  }, "abcd", "diagram-product-merge.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  expectProductArea(w, 660, 100, NUMBERS);
  // At (660,100): the emptied cell (968,100), the strip (748,408) 220 x 132, the merged cell
  // (748,320) 220 x 220.
  expectProductMerge(w, 660, 100, NUMBERS);
  expectProductArea(w, 0, 60, FENWIST);
  expectProductMerge(w, 0, 60, FENWIST);
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(first.x, 968);
  EXPECT_EQ(first.xi2, 968);
  EXPECT_EQ(first.y, 320);
  EXPECT_EQ(first.yi1, 320);
  EXPECT_EQ(second.xi2, 308);
  EXPECT_EQ(second.yi1, 280);
}

const Labels SQUARE_NUMBERS = {"x", "2", "2", "x^2", "2x", "2x", "4", ""};
const Labels SQUARE_LETTERS = {"a", "b", "b", "a^2", "ab", "ab", "b^2", "2ab"};

TEST(SquareArea, TwoOriginsTwoLabelSetsAndTheMerge) {
  static After first, second, merged;
  const HeadlessResult run = runRoutine([] {
    drawAt(common::SQUAREAREA, 748, 90, SQUARE_NUMBERS, first);
    drawAt(common::SQUAREAREA, 0, 60, SQUARE_LETTERS, second);
    drawAt(common::SQUAREMERGE, 0, 60, SQUARE_LETTERS, merged);
  }, "ab", "diagram-square.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  // At (748,90): cells (836,90), (1012,90), (836,266), (1012,266).
  expectSquareArea(w, 748, 90, SQUARE_NUMBERS);
  expectSquareArea(w, 0, 60, SQUARE_LETTERS);
  walk::expectSquareMerge(w, 0, 60, SQUARE_LETTERS);  // the strip (88,368), the merged cell (88,236)
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(first.x, 1144);
  EXPECT_EQ(first.xi2, 1144);
  EXPECT_EQ(first.yi1, 266);
  EXPECT_EQ(second.xi2, 396);
  EXPECT_EQ(merged.x, 264);
  EXPECT_EQ(merged.xi2, 264);
  EXPECT_EQ(merged.y, 236);
  EXPECT_EQ(merged.yi1, 236);
}

TEST(WideSquareArea, TwoOriginsTwoLabelSets) {
  static const Labels empty = {"2x", "3y", "3y", "", "", "", "", ""};
  static const Labels full = {"2x", "3y", "3y", "(2x)^2", "2x*3y", "2x*3y", "(3y)^2", ""};
  static After first, second;
  const HeadlessResult run = runRoutine([] {
    drawAt(common::WIDESQUAREAREA, 0, 90, empty, first);
    drawAt(common::WIDESQUAREAREA, 616, 100, full, second);
  }, "", "diagram-wide-square.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  expectWideSquare(w, 0, 90, empty);
  expectWideSquare(w, 616, 100, full);  // covers x 704 to 1188, y 100 to 584
  EXPECT_EQ(first.xi2, 572);
  EXPECT_EQ(first.yi1, 310);
  EXPECT_EQ(second.x, 1188);
  EXPECT_EQ(second.xi2, 1188);
  EXPECT_EQ(second.y, 320);
  EXPECT_EQ(second.yi1, 320);
}

const Labels SUMDIFF_EMPTY = {"x", "2", "2", "", "", "", "", ""};
const Labels SUMDIFF_FILLED = {"a", "b", "b", "a^2", "", "", "b^2", ""};

// Drawn as the callers draw it, with a step wait between the frames; a picture of every frame
// goes to build/test-output/diagram-sumdiff/.
TEST(SumDiff, AreaMoveAndResultAtTwoOrigins) {
  static After area, move, result, result2;
  static auto body = [] {
    drawAt(common::SUMDIFFAREA, 704, 100, SUMDIFF_EMPTY, area);
    STEPWAIT();
    drawAt(common::SUMDIFFMOVE, 704, 100, SUMDIFF_EMPTY, move);
    STEPWAIT();
    drawAt(common::SUMDIFFRESULT, 704, 100, SUMDIFF_EMPTY, result);
    drawAt(common::SUMDIFFAREA, 0, 60, SUMDIFF_FILLED, area);
    drawAt(common::SUMDIFFMOVE, 0, 60, SUMDIFF_FILLED, move);
    drawAt(common::SUMDIFFRESULT, 0, 60, SUMDIFF_FILLED, result2);
  };
  HeadlessOptions options;
  options.keys = "abcd";
  options.shotsDir = picturePath("diagram-sumdiff");
  options.pngPath = picturePath("diagram-sumdiff.png");
  const HeadlessResult run = runHeadless(ProgramInfo{"Test", [] { body(); }, false}, options);
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  // At (704,100): the big cell (792,100) 176 x 264, the arc inside the right strip with its apex
  // at (1012,116), the move's last arc with its apex at (1072,320), the result's at (1012,380).
  expectSumDiffArea(w, 704, 100, SUMDIFF_EMPTY);
  expectSumDiffMove(w, 704, 100, SUMDIFF_EMPTY, 1);
  expectSumDiffResult(w, 704, 100, SUMDIFF_EMPTY, 1);
  expectSumDiffArea(w, 0, 60, SUMDIFF_FILLED);
  expectSumDiffMove(w, 0, 60, SUMDIFF_FILLED);
  expectSumDiffResult(w, 0, 60, SUMDIFF_FILLED);
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(area.x, 352);
  EXPECT_EQ(area.xi2, 352);
  EXPECT_EQ(area.y, 60 + 264);
  EXPECT_EQ(area.yi1, 60 + 264);
  EXPECT_EQ(move.xi2, 352);
  EXPECT_EQ(move.yi1, 60 + 176);
  EXPECT_EQ(result.xi2, 1056);
  EXPECT_EQ(result.yi1, 276);
  EXPECT_EQ(result2.xi2, 352);
  EXPECT_EQ(result2.yi1, 236);
}

// The result square covers the arc inside the right strip whole: no stub of the dot that starts
// it stays above the square's top edge, whatever the pen, while the arc of element 1 over the
// whole width stays whole.
TEST(SumDiff, ResultSquareCoversTheArcOfTheRightStripWhole) {
  for (const float pen : {3.0f, 5.0f, 8.0f}) {
    SCOPED_TRACE(pen);
    static std::unique_ptr<Picture> picture;
    static After left;
    static float penNow;
    penNow = pen;
    const HeadlessResult run = runRoutine(
        [] {
          FE_SETDRAWWIDTH(penNow);
          drawAt(common::SUMDIFFAREA, 704, 100, SUMDIFF_EMPTY, left);
          drawAt(common::SUMDIFFMOVE, 704, 100, SUMDIFF_EMPTY, left);
          drawAt(common::SUMDIFFRESULT, 704, 100, SUMDIFF_EMPTY, left);
          picture = pictureOfCanvas("diagram-sumdiff-result-top.png");
        },
        "k");
    ASSERT_FALSE(run.error);
    // Above the square's top edge (y 100), along the right strip's top (x 968 to 1056).
    EXPECT_FALSE(picture->anyNear(904, 94, 1004, 99, paletteColour(9)));
    EXPECT_TRUE(picture->anyNear(960, 76, 976, 93, paletteColour(9)));
  }
}

}  // namespace
