// The card trick's figure drawn again for other cards: the labels of the round before go whole,
// also a long one that reaches left of the part of the window the scene clears.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "corvale_checks.h"
#include "engine/engine.h"
#include "programs/corvale/corvale.h"
#include "programs/corvale/monomul.h"
#include "support/pictures.h"

using namespace corvale;

namespace {

// The card trick up to the first card prompt: 15 steps on page 1 and 5 on page 2.
const std::string TO_THE_CARDS = "1\\n1\\n" + std::string(20, 'k');

bool isFigure(const Op& op) {
  return op.kind == OpKind::FilledBox && op.x1 == 880 && op.y1 == 90 && op.x2 == 1080 && op.y2 == 530;
}

bool inside(const Op& glyph, const Op& box) {
  const float cellWidth = glyph.size * glyph.magX / 2, cellHeight = glyph.size * glyph.magY;
  return glyph.x1 >= box.x1 && glyph.x1 + cellWidth <= box.x2 + 1 && glyph.y1 >= box.y1 &&
         glyph.y1 + cellHeight <= box.y2 + 1;
}

bool overlaps(const Op& glyph, const Op& box) {
  const float cellWidth = glyph.size * glyph.magX, cellHeight = glyph.size * glyph.magY;
  return glyph.x1 < box.x2 && glyph.x1 + cellWidth > box.x1 && glyph.y1 < box.y2 && glyph.y1 + cellHeight > box.y1;
}

// 13/3 and 2 label the figure 4.333333, 2, 4.333333-2 and 4.333333+2; the label left of the
// figure then starts at x 663, left of the scene's clear from x 800. Another pass with 5 and 3
// must leave nothing of those labels: every glyph of them lies in an erase made before the
// figure is drawn again, and no red is left of the figure's side beside the explanation.
TEST(CorvaleCardFigure, AnotherPassErasesTheLabelsOfTheOneBeforeWhole) {
  const HeadlessResult run = runScript(PROGRAM, TO_THE_CARDS + "13/3\\n2\\n3\\n5\\n3\\n", "00:00:00",
                                       "corvale-card-figure-again.png");
  ASSERT_FALSE(run.error.has_value());
  std::vector<std::size_t> figures;
  for (std::size_t i = 0; i < run.ops.size(); ++i)
    if (isFigure(run.ops[i])) figures.push_back(i);
  ASSERT_EQ(figures.size(), 3u);  // page 2, the pass with 13/3 and 2, the pass with 5 and 3

  std::vector<Op> labels, erases;
  for (std::size_t i = figures[1]; i < figures[2]; ++i) {
    const Op& op = run.ops[i];
    if (op.kind == OpKind::Text && op.colour == 3) labels.push_back(op);
    if (op.kind == OpKind::FilledBox && op.fill == 15 && op.colour == 15) erases.push_back(op);
  }
  ASSERT_FALSE(labels.empty());
  EXPECT_LT(std::min_element(labels.begin(), labels.end(), [](const Op& a, const Op& b) { return a.x1 < b.x1; })->x1,
            800);
  for (const Op& glyph : labels)
    EXPECT_TRUE(std::any_of(erases.begin(), erases.end(), [&](const Op& box) { return inside(glyph, box); }))
        << glyph.text << " at (" << glyph.x1 << "," << glyph.y1 << ")";

  const auto picture = pictureOfCanvas("corvale-card-figure-again.png");
  EXPECT_FALSE(picture->anyNear(560, 200, 799, 300, paletteColour(3)));

  // The label had been drawn over the end of the line "D=... で黄色の面積": after the erase the
  // line is written again, whole, at its place, before the new figure.
  const std::vector<Op> yellow = textsEqual(run, "黄");
  ASSERT_FALSE(yellow.empty());
  const std::vector<Op> area = textsEqual(run, "面");
  const auto onTheLine = std::find_if(area.begin(), area.end(), [&](const Op& op) { return op.y1 == yellow.front().y1; });
  ASSERT_NE(onTheLine, area.end());
  const Op& written = *onTheLine;
  std::size_t lastErase = 0, rewritten = 0;
  for (std::size_t i = figures[1]; i < figures[2]; ++i) {
    const Op& op = run.ops[i];
    if (op.kind == OpKind::FilledBox && op.fill == 15 && overlaps(written, op)) lastErase = i;
    if (op.kind == OpKind::Text && op.text == written.text && op.x1 == written.x1 && op.y1 == written.y1 &&
        op.colour == 0)
      rewritten = i;
  }
  ASSERT_GT(lastErase, 0u) << "the long label over the line was not erased";
  EXPECT_GT(rewritten, lastErase) << "the line under the erased label was not written again";
}

// The figure of page 2 is the first after the lattice: it erases nothing.
TEST(CorvaleCardFigure, TheFirstFigureAfterTheLatticeErasesNothing) {
  const HeadlessResult run = runRoutine([] {
    CARDLATTICE();
    T_S_A(1) = "8";
    T_S_A(2) = "3";
    T_S_A(3) = "8-3";
    T_S_A(4) = "8+3";
    CARDFIGURE();
    CARDLATTICE();
    CARDFIGURE();
  });
  ASSERT_FALSE(run.error.has_value());
  for (const Op& op : drawn(run)) EXPECT_FALSE(op.kind == OpKind::FilledBox && op.fill == 15);
}

}  // namespace
