// The card trick's legend, which Corvale's card trick and Pradine's proof of it both draw.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "op_walk.h"
#include "programs/common/card_legend.h"
#include "support/test_support.h"

namespace {

// Drawn where Corvale's rules put it: from x 30, 60 px under the line 170. Each label is 27 px
// wide ("D " 54) and each rule follows its label directly; the next label stands 30 px after
// the rule (half-width 27, full-width 34 px a character).
TEST(CardLegend, AlternatesLabelsAndRulesOnOneLine) {
  const HeadlessResult run = runRoutine([] {
    YI1 = 170;
    common::CARDLEGEND(30);
  }, "", "card-legend.png");
  ASSERT_FALSE(run.error);
  walk::OpWalk w(run);
  struct Piece {
    float x;
    int colour;
    const char* text;
  };
  const Piece pieces[] = {
      {30, 7, "A"},   {57, 3, "2つの数の和"},  {284, 7, "B"},   {311, 3, "2つの数の差の絶対値"},
      {674, 7, "C"},  {701, 3, "小さい数の2乗"}, {962, 7, "D "}, {1016, 3, "A*B+C"},
  };
  for (const Piece& piece : pieces) w.reads(piece.x, 230, piece.colour, piece.text);
  EXPECT_EQ(XI2, 1016 + 5 * 27);
  EXPECT_EQ(YI1, 230);
}

}  // namespace
