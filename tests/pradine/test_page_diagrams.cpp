// The area diagrams of the explanations as mathematics, read back from each scene's run: every
// labelled cell is the product of the sides its dimension arcs give, the cells together are the
// product the diagram pictures, a merged cell is the cells it joins, and a square less its
// corner is the line written beside it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "page_lines.h"

namespace {

// The lines of a step of the run, the key presses before the scene's first step counted.
struct SceneRun {
  SceneRun(const std::string& enter, int presses)
      : run(runScript(pradine::PROGRAM, enter + steps(presses))), before(static_cast<int>(enter.size())) {
    EXPECT_FALSE(run.error);
  }
  std::vector<reading::Line> step(int n) const { return reading::linesOfStep(run.ops, before + n); }
  // The row a pupil reads at (x, y) in step n, its pieces joined.
  std::string row(int n, float x, float y) const {
    const std::vector<reading::Line> rows = reading::joined(step(n));
    const std::vector<std::size_t> there = page::placedAt(rows, x, y);
    EXPECT_FALSE(there.empty()) << "step " << n << ": " << page::nothingAt(rows, "", x, y);
    return there.empty() ? "0" : rows[there.back()].text;
  }
  HeadlessResult run;
  int before;
};

std::vector<reading::Line> inColour(const std::vector<reading::Line>& lines, int colour) {
  std::vector<reading::Line> kept;
  std::copy_if(lines.begin(), lines.end(), std::back_inserter(kept),
               [&](const reading::Line& line) { return line.colour == colour; });
  return kept;
}

float middle(const reading::Line& line) { return (line.x + line.right) / 2; }

// The line nearest by distance (there is at least one).
template <typename Distance>
const reading::Line& nearest(const std::vector<reading::Line>& lines, Distance distance) {
  return *std::min_element(lines.begin(), lines.end(),
                           [&](const reading::Line& p, const reading::Line& q) { return distance(p) < distance(q); });
}

bool higher(const reading::Line& p, const reading::Line& q) { return p.y < q.y; }

// A diagram of four cells labelled with their areas: the scene and its steps, the step that
// labels it, its origin (its cells start 88 px right of it, the arcs of its top side stand above
// it), and the step of the product it pictures and where that product's first glyph stands.
struct FourCells {
  const char* name;
  std::string enter;
  int steps;
  int labelled;
  float originX, originY;
  int problemStep;
  float problemX, problemY;
};

const FourCells FOUR_CELLS[] = {
    {"(x+2)(x+3)", "1\r1\r 1\r", 3, 3, 660, 100, 1, 88, 338},
    {"(x+a)(x+b)", "1\r1\r 1\r", 7, 7, 660, 100, 5, 88, 338},
    {"(x+2)^2", "2\r1\r 1\r", 3, 3, 748, 90, 1, 84, 338},
    {"(a+b)^2", "2\r1\r 1\r", 6, 6, 748, 90, 5, 84, 30},
    {"(2x+3y)^2", "2\r4\r", 4, 4, 616, 100, 0, 67, 100},
};

TEST(PageDiagrams, EachCellIsTheProductOfItsSidesAndTheCellsMakeTheProduct) {
  for (const FourCells& d : FOUR_CELLS) {
    SCOPED_TRACE(d.name);
    const SceneRun scene(d.enter, d.steps);
    const std::vector<reading::Line> lines = scene.step(d.labelled);
    std::vector<reading::Line> tops, lefts;
    for (const reading::Line& arc : inColour(lines, 0)) {
      if (arc.y < d.originY) tops.push_back(arc);
      if (arc.x < d.originX + 88) lefts.push_back(arc);
    }
    const std::vector<reading::Line> cells = inColour(lines, 13);
    ASSERT_EQ(tops.size(), 2u) << reading::describe(lines);
    ASSERT_EQ(lefts.size(), 2u) << reading::describe(lines);
    ASSERT_EQ(cells.size(), 4u) << reading::describe(lines);
    std::string sum;
    for (const reading::Line& cell : cells) {
      // Its width is measured by the top arc over its column, its height by the left arc beside its row.
      const reading::Line& width =
          nearest(tops, [&](const reading::Line& a) { return std::abs(middle(a) - middle(cell)); });
      const reading::Line& height = nearest(lefts, [&](const reading::Line& a) { return std::abs(a.y - cell.y); });
      EXPECT_TRUE(algebra::sameValue(cell.text, "(" + width.text + ")*(" + height.text + ")"))
          << reading::describe(cell) << ", its sides " << reading::describe(width) << " and "
          << reading::describe(height);
      sum += (sum.empty() ? "" : "+") + cell.text;
    }
    const std::string problem = scene.row(d.problemStep, d.problemX, d.problemY);
    EXPECT_TRUE(algebra::sameValue(sum, problem)) << "the cells" << reading::describe(cells);
  }
}

// A merge: the right cell turned under the diagram, then joined with the lower cell.
struct Merge {
  const char* name;
  std::string enter;
  int labelled, turned, merged;
};

const Merge MERGES[] = {
    {"(x+a)(x+b)", "1\r1\r 1\r", 7, 9, 10},
    {"(a+b)^2", "2\r1\r 1\r", 6, 8, 9},
};

TEST(PageDiagrams, TheTurnedCellKeepsItsAreaAndTheMergedCellIsTheTwoItJoins) {
  for (const Merge& m : MERGES) {
    SCOPED_TRACE(m.name);
    const SceneRun scene(m.enter, m.merged);
    const std::vector<reading::Line> cells = inColour(scene.step(m.labelled), 13);
    ASSERT_EQ(cells.size(), 4u);
    // The right cell stands furthest right and up, the lower cell furthest left and down.
    const auto byPlace = [](float dx, float dy) {
      return [=](const reading::Line& p, const reading::Line& q) { return p.x * dx + p.y * dy < q.x * dx + q.y * dy; };
    };
    const reading::Line& right = *std::max_element(cells.begin(), cells.end(), byPlace(1, -1));
    const reading::Line& lower = *std::max_element(cells.begin(), cells.end(), byPlace(-1, 1));
    const std::vector<reading::Line> turned = inColour(scene.step(m.turned), 13);
    const std::vector<reading::Line> merged = inColour(scene.step(m.merged), 13);
    ASSERT_EQ(turned.size(), 1u) << reading::describe(scene.step(m.turned));
    ASSERT_EQ(merged.size(), 1u) << reading::describe(scene.step(m.merged));
    EXPECT_TRUE(algebra::sameValue(turned[0].text, right.text))
        << reading::describe(turned[0]) << " turned from " << reading::describe(right);
    EXPECT_TRUE(algebra::sameValue(merged[0].text, lower.text + "+" + turned[0].text))
        << reading::describe(merged[0]) << " joins " << reading::describe(lower) << " and "
        << reading::describe(turned[0]);
  }
}

// The square less its corner: the scene, the steps of the first picture (its arcs) and of the
// labelled result, the diagram's origin, and the step and place of the line it explains.
struct SquareLessCorner {
  const char* name;
  std::string enter;
  int area, result;
  float originX, originY;
  int lineStep;
  float lineX, lineY;
};

const SquareLessCorner SQUARES_LESS_CORNERS[] = {
    {"(x+2)(x-2)", "3\r1\r 1\r", 2, 6, 704, 100, 7, 44, 438},
    {"(a+b)(a-b)", "3\r1\r 1\r", 9, 13, 748, 100, 14, 44, 458},
    {"(a+b-2)(a+b+2)", "5\r3\r", 1, 8, 836, 100, 5, 44, 365},
};

TEST(PageDiagrams, TheSquareAndItsCornerAreTheSquaresOfTheirSidesAndMakeTheLine) {
  for (const SquareLessCorner& d : SQUARES_LESS_CORNERS) {
    SCOPED_TRACE(d.name);
    const SceneRun scene(d.enter, std::max(d.result, d.lineStep));
    // The side of the square: the arc down the left of the first picture's big cell, the upper one.
    std::vector<reading::Line> lefts;
    for (const reading::Line& arc : inColour(scene.step(d.area), 0))
      if (arc.x < d.originX + 88) lefts.push_back(arc);
    ASSERT_EQ(lefts.size(), 2u) << reading::describe(scene.step(d.area));
    const reading::Line& side = std::min(lefts[0], lefts[1], higher);
    // The labelled result: the square's label, the corner's (in it) and the arc's (under it).
    const std::vector<reading::Line> lines = scene.step(d.result);
    const std::vector<reading::Line> square = inColour(lines, 13), corner = inColour(lines, 0);
    ASSERT_EQ(square.size(), 1u) << reading::describe(lines);
    ASSERT_EQ(corner.size(), 2u) << reading::describe(lines);
    const auto [inCorner, underCorner] = std::minmax(corner[0], corner[1], higher);
    EXPECT_TRUE(algebra::sameValue(square[0].text, "(" + side.text + ")^2"))
        << reading::describe(square[0]) << ", its side " << reading::describe(side);
    EXPECT_TRUE(algebra::sameValue(inCorner.text, "(" + underCorner.text + ")^2"))
        << reading::describe(inCorner) << ", its side " << reading::describe(underCorner);
    const std::string line = scene.row(d.lineStep, d.lineX, d.lineY);
    EXPECT_TRUE(algebra::sameValue(line, square[0].text + "-" + inCorner.text))
        << "the line \"" << toUtf8(line) << "\" at (" << d.lineX << "," << d.lineY << ")";
  }
}

}  // namespace
