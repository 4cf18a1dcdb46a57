// The canvas: the font and pen state the drawing operations carry, and the display list that
// keeps a long lesson's picture small.
#include <gtest/gtest.h>

#include "engine/platform/canvas.h"
#include "engine/platform/platform.h"
#include "engine/state.h"
#include "engine/strings.h"
#include "support/pictures.h"
#include "support/test_support.h"

namespace {

TEST(PenAndFont, GetDrawWidthReturnsWhatWasSet) {
  const std::pair<float, float> cases[] = {{1, 1}, {2, 2}, {3, 3}, {5, 5}, {6, 6}, {8, 8}, {10, 10}, {15, 15},
                                           {2.4f, 2}, {2.5f, 3}};
  for (const auto& [set, got] : cases) {
    FE_SETDRAWWIDTH(set);
    EXPECT_EQ(FE_GETDRAWWIDTH(), got) << set;
  }
  // The engine's save slot: save, change, put back.
  FE_SETDRAWWIDTH(6);
  DR = FE_GETDRAWWIDTH();
  FE_SETDRAWWIDTH(2);
  FE_SETDRAWWIDTH(DR);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 6);
}

// Face, size, bold, italic and pen stay as set until set again, whatever is drawn or cleared in
// between, and changing them changes nothing already drawn.
TEST(PenAndFont, StateStaysUntilSetAgainAndMarksWhatIsDrawn) {
  const HeadlessResult run = runRoutine([] {
    FE_SETFONTNAME("Times New Roman");
    FE_SETFONTSIZE(38);
    FE_SETFONTBOLD(true);
    FE_SETFONTITALIC(true);
    FE_SETDRAWWIDTH(5);
    PsSYMBOL40(10, 10, 1, 1, 0, "x");
    PsLINE(0, 0, 100, 100, 0);
    PsCLS();
    PsCIRCLE(50, 50, 20, 0);
    PsCONNECT({{0, 0}, {10, 10}, {20, 0}}, 0);
    PsSYMBOL40(10, 60, 2, 1, 0, "a");
    FE_SETFONTNAME("ゴシック");
    FE_SETFONTSIZE(16);
    FE_SETFONTBOLD(false);
    FE_SETFONTITALIC(false);
    FE_SETDRAWWIDTH(1);
    PsSYMBOL40(10, 110, 1, 1, 0, "ｱ");
  });
  const std::vector<Op> ops = drawn(run);
  const std::vector<Op> texts = [&] {
    std::vector<Op> t;
    for (const Op& op : ops)
      if (op.kind == OpKind::Text) t.push_back(op);
    return t;
  }();
  ASSERT_EQ(texts.size(), 3u);
  for (int i : {0, 1}) {
    EXPECT_EQ(texts[i].face, "Times New Roman");
    EXPECT_EQ(texts[i].size, 38);
    EXPECT_TRUE(texts[i].bold);
    EXPECT_TRUE(texts[i].italic);
  }
  EXPECT_EQ(texts[1].magX, 2);
  EXPECT_EQ(texts[2].face, toUtf8("ゴシック"));
  EXPECT_FALSE(texts[2].bold || texts[2].italic);
  for (const Op& op : ops) {
    if (op.kind == OpKind::Line || op.kind == OpKind::Circle || op.kind == OpKind::Polyline) {
      EXPECT_EQ(op.pen, 5);
    }
  }
  // The canvas still has the italic text in its own font.
  const std::vector<Op>& list = canvas().displayList();
  ASSERT_FALSE(list.empty());
  EXPECT_EQ(list[list.size() - 2].face, "Times New Roman");
}

// A shape drawn again at the same place takes the place of the earlier one when nothing drawn in
// between overlaps it: a dot erased in colour 15 leaves no trace of its antialiased rim, and a
// text highlighted in another colour shows no fringe of the first colour.
TEST(DisplayList, ShapeDrawnAgainReplacesTheEarlierOne) {
  FE_SETDRAWWIDTH(3);
  PsCIRCLE(200, 200, 4, 5, 0, 0, true);
  PsLINE(600, 600, 700, 700, 0);  // elsewhere: does not stand in the way
  PsCIRCLE(200, 200, 4, 15, 0, 0, true);
  PsSYMBOL40(400, 200, 1, 1, 0, "ABC");
  PsSYMBOL40(400, 200, 1, 1, 13, "ABC");
  const std::vector<Op>& list = canvas().displayList();
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].kind, OpKind::Circle);
  EXPECT_EQ(list[0].colour, 15);
  EXPECT_EQ(list[2].colour, 13);
  const auto picture = pictureOfCanvas("display-list-redrawn.png");
  for (int y = 190; y <= 210; ++y)
    for (int x = 190; x <= 210; ++x) ASSERT_TRUE(closeTo(picture->at(x, y), paletteColour(15), 0)) << x << "," << y;
  // Every pixel of the highlighted text is yellow or a blend of yellow and white, never black.
  for (int y = 195; y <= 220; ++y)
    for (int x = 395; x <= 440; ++x) ASSERT_GE(picture->at(x, y).r, 200) << x << "," << y;
}

// With something drawn over it in between, the earlier one goes all the same, and the shape
// drawn again comes last, over what was drawn in between, as it was drawn.
TEST(DisplayList, ShapeDrawnAgainOverSomethingInBetweenComesLast) {
  PsSYMBOL40(100, 100, 1, 1, 0, "ABC");
  PsLINE(90, 105, 150, 105, 3);
  PsSYMBOL40(100, 100, 1, 1, 5, "ABC");
  const std::vector<Op>& list = canvas().displayList();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].kind, OpKind::Line);
  EXPECT_EQ(list[1].colour, 5);
}

TEST(DisplayList, FilledBoxDropsWhatItHides) {
  for (int i = 0; i < 50; ++i) PsSYMBOL40(100 + 10 * static_cast<float>(i), 300, 1, 1, 0, "ｱ");
  PsLINE(50, 500, 1360, 500, 0);          // partly under the box: kept
  PsSYMBOL40(1340, 300, 1, 1, 0, "ｲ");    // beside it: kept
  PsLINE(0, 200, 1320, 600, 15, LineMode::FilledBox, 15);
  const std::vector<Op>& list = canvas().displayList();
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].kind, OpKind::Line);
  EXPECT_EQ(list[1].text, toUtf8("ｲ"));
  EXPECT_EQ(list[2].kind, OpKind::FilledBox);
  PsLINE(0, 0, 1760, 1800, 15, LineMode::FilledBox, 15, Corner::Step);  // the whole canvas
  EXPECT_EQ(canvas().displayList().size(), 1u);
  PsSYMBOL40(5000, 5000, 1, 1, 0, "ｳ");  // never on the canvas: not kept
  PsCLS();
  EXPECT_EQ(canvas().displayList().size(), 1u);
}

// A prompt that redraws its cursor dot on every poll, for as long as the class takes, must not
// pile up operations.
TEST(DisplayList, StaysSmallWhileADotFlickersForAnHour) {
  PsLINE(0, 0, 1366, 768, 15, LineMode::FilledBox, 15);
  PsSYMBOL40(1008, 648, 1, 1, 0, "入力");
  const std::size_t before = canvas().displayList().size();
  for (int i = 0; i < 360000; ++i) {
    PsCIRCLE(1064, 656, 4, 5, 0, 0, true);
    PsCIRCLE(1064, 656, 4, 15, 0, 0, true);
  }
  EXPECT_EQ(canvas().displayList().size(), before + 1);
}

}  // namespace
