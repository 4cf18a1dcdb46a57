// Section 5, the geometric proofs, and review page 9 with the same kind of figure: the section's
// entry and sub-menu, and every scene walked from its choice to the sub-menu line drawn again
// (its lines are read, each in its step, with the proof pages: test_pages_proofs.cpp): the
// labels beside the dotted arcs of review page 9, the figure's elements step by step
// (discs, boxes, the centre line, dimension lines with a head at each end, the pointer arrow
// with one head, the dotted side arcs), all drawn with pen 6, the blank fills' erase boxes, and
// the pen width the scene leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

#include "common/op_walk.h"
#include "engine/strings.h"
#include "ombrel_support.h"

namespace {

using namespace ombrel_test;
using walk::OpWalk;

// --- The figure, step by step ------------------------------------------------------------------

// A figure element as the tests name it: "DISC r200 c0 f13" (a circle around the pond's centre),
// "RING r160 c3" (a circle outline), "FILL 704,80 1104,480 c3 f12", "BOX 744,120 1064,440 c11",
// "LINE 904,80 904,160 c13" (a segment, its ends in reading order), "HEAD 904,80 c13" (one
// stroke of an arrowhead whose tip is there). The dots of a dimension arc are counted apart.
std::string elementOf(const Op& op) {
  std::ostringstream key;
  const auto point = [&](float x, float y) { key << x << ',' << y; };
  switch (op.kind) {
    case OpKind::Circle:
      if (op.filled)
        key << "DISC r" << op.radius << " c" << op.colour << " f" << op.fill;
      else
        key << "RING r" << op.radius << " c" << op.colour;
      break;
    case OpKind::FilledBox:
      key << "FILL ";
      point(op.x1, op.y1);
      key << ' ';
      point(op.x2, op.y2);
      key << " c" << op.colour << " f" << op.fill;
      break;
    case OpKind::Box:
      key << "BOX ";
      point(op.x1, op.y1);
      key << ' ';
      point(op.x2, op.y2);
      key << " c" << op.colour;
      break;
    case OpKind::Line: {
      // A head stroke runs NAGASA = 16 back along the shaft and 8 to its side: to the tip.
      if (std::fabs(std::hypot(op.x2 - op.x1, op.y2 - op.y1) - std::hypot(16.0f, 8.0f)) < 0.5f) {
        key << "HEAD ";
        point(op.x2, op.y2);
      } else {
        const bool inOrder = op.y1 < op.y2 || (op.y1 == op.y2 && op.x1 < op.x2);
        key << "LINE ";
        point(inOrder ? op.x1 : op.x2, inOrder ? op.y1 : op.y2);
        key << ' ';
        point(inOrder ? op.x2 : op.x1, inOrder ? op.y2 : op.y1);
      }
      key << " c" << op.colour;
      break;
    }
    default: break;
  }
  return key.str();
}

bool isArcDot(const Op& op) { return op.kind == OpKind::Circle && op.radius == 0.5f; }

// The figure's elements drawn in each step of ops[from, to): the shapes at the right of x 700
// above the prompt zones, split at the step waits. Every one of them has pen 6.
std::vector<std::vector<std::string>> figureSteps(const std::vector<Op>& ops, std::size_t from, std::size_t to,
                                                  std::vector<std::vector<Op>>* dots = nullptr) {
  std::vector<std::vector<std::string>> steps(1);
  if (dots) dots->assign(1, {});
  for (std::size_t i = from; i < to; ++i) {
    const Op& op = ops[i];
    if (stepWaits(ops, i, i + 1) == 1) {
      steps.emplace_back();
      if (dots) dots->emplace_back();
      continue;
    }
    const bool shape = op.kind == OpKind::Circle || op.kind == OpKind::Line || op.kind == OpKind::Box ||
                       op.kind == OpKind::FilledBox;
    const float x = op.kind == OpKind::Circle ? op.cx : std::min(op.x1, op.x2);
    const float y = op.kind == OpKind::Circle ? op.cy : std::min(op.y1, op.y2);
    if (!shape || x < 700 || y >= 639) continue;
    EXPECT_EQ(op.pen, 6) << describe(op);
    if (isArcDot(op)) {
      if (dots) dots->back().push_back(op);
      continue;
    }
    steps.back().push_back(elementOf(op));
  }
  for (auto& step : steps) std::sort(step.begin(), step.end());
  return steps;
}

std::vector<std::string> sorted(std::vector<std::string> keys) {
  std::sort(keys.begin(), keys.end());
  return keys;
}

// A dimension line from p to q: two arrows over the same segment, a head at each end.
std::vector<std::string> dimensionLine(const std::string& p, const std::string& q, const std::string& line,
                                       int colour) {
  const std::string c = " c" + std::to_string(colour);
  return {line + c, line + c, "HEAD " + p + c, "HEAD " + p + c, "HEAD " + q + c, "HEAD " + q + c};
}

// The pointer arrow from 20 px below the outer edge up to the centre line: one head, at the top.
std::vector<std::string> pointerArrow(const std::string& top, const std::string& line) {
  return {line + " c7", "HEAD " + top + " c7", "HEAD " + top + " c7"};
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The steps of the round pond, the same in scenes ① and ②: nothing before the first key, the
// disc of pond and road, the ring with the centre dot and the pond's radius, the road's width,
// the centre line with the width over it and the pointer arrow, then the caption alone.
std::vector<std::vector<std::string>> roundPondSteps() {
  const auto width = dimensionLine("1024,280", "1104,280", "LINE 1024,280 1104,280", 7);
  return {{},
          {"DISC r200 c0 f13"},
          sorted(std::vector<std::string>{"DISC r200 c0 f11", "DISC r120 c0 f13", "DISC r6 c0 f0"} +
                 dimensionLine("904,280", "1024,280", "LINE 904,280 1024,280", 7)),
          sorted(width),
          sorted(std::vector<std::string>{"RING r160 c3"} + width +
                 pointerArrow("904,440", "LINE 904,440 904,500")),
          {}};
}

// The steps of the square pond: the whole square, then road and pond with the road's width, the
// centre line with the width over it and the pointer arrow, the caption, the side arc.
std::vector<std::vector<std::string>> squarePondSteps() {
  const auto width = dimensionLine("904,80", "904,160", "LINE 904,80 904,160", 13);
  return {{},
          {"FILL 704,80 1104,480 c3 f12"},
          sorted(std::vector<std::string>{"FILL 704,80 1104,480 c3 f8", "FILL 784,160 1024,400 c15 f12"} + width),
          sorted(std::vector<std::string>{"BOX 744,120 1064,440 c11"} + width +
                 pointerArrow("904,440", "LINE 904,440 904,500")),
          {},
          {}};
}

// The steps of review page 9: the header and nothing else, the outer edge, the pond and the
// road's width, the centre line with the width over it and the pointer arrow, the caption, the
// two side arcs.
std::vector<std::vector<std::string>> rectPondSteps() {
  const auto width = dimensionLine("904,80", "904,160", "LINE 904,80 904,160", 0);
  return {{},
          sorted(std::vector<std::string>{"BOX 704,80 1104,400 c0", "FILL 784,160 1024,320 c0 f13"} + width),
          sorted(std::vector<std::string>{"BOX 744,120 1064,360 c3"} + width +
                 pointerArrow("904,360", "LINE 904,360 904,420")),
          {},
          {}};
}

// A dotted side arc: a dot every 7 degrees over the half turn from one end of the side, none
// lying off the side's span or further than the bulge of 32 px into the pond; the dot furthest
// in is the one nearest the apex, at most 4 degrees from it.
void expectSideArc(const std::vector<Op>& dots, float x0, float y0, float x1, float y1, float apexX, float apexY,
                   int colour) {
  ASSERT_EQ(dots.size(), 26u) << "dots from 0 to 175 degrees";
  const bool down = x0 == x1;  // a side drawn downwards, else rightwards
  const auto near = [](const Op& dot, float x, float y) { return std::hypot(dot.cx - x, dot.cy - y) < 0.5f; };
  EXPECT_TRUE(near(dots.front(), x0, y0) || near(dots.front(), x1, y1))
      << "first dot at (" << dots.front().cx << "," << dots.front().cy << ")";
  const Op* apex = &dots.front();
  for (const Op& dot : dots) {
    EXPECT_EQ(dot.colour, colour);
    EXPECT_TRUE(dot.filled);
    const float along = down ? dot.cy : dot.cx;
    EXPECT_GE(along, (down ? std::min(y0, y1) : std::min(x0, x1)) - 0.5f);
    EXPECT_LE(along, (down ? std::max(y0, y1) : std::max(x0, x1)) + 0.5f);
    const float inward = down ? dot.cx - x0 : dot.cy - y0;
    EXPECT_GE(inward, -0.5f) << "the arc bulges into the pond";
    EXPECT_LE(inward, 32.5f);
    if (inward > (down ? apex->cx - x0 : apex->cy - y0)) apex = &dot;
  }
  EXPECT_NEAR(down ? apex->cx : apex->cy, down ? apexX : apexY, 0.5f);
  EXPECT_NEAR(down ? apex->cy : apex->cx, down ? apexY : apexX, 10.0f);
}

// --- The texts, in order -------------------------------------------------------------------------

// The ops of the k-th scene or page of a run: from the sub-menu line before it to the one after.
std::vector<Op> between(const std::vector<Op>& ops, std::size_t k) {
  const auto lines = subMenuLines(ops);
  EXPECT_GT(lines.size(), k + 1);
  if (lines.size() <= k + 1) return {};
  return {ops.begin() + static_cast<long>(lines[k]), ops.begin() + static_cast<long>(lines[k + 1])};
}

// --- The section ---------------------------------------------------------------------------------

TEST(OmbrelGeoProof, AimScreenAndSubMenu) {
  const HeadlessResult run = runOmbrel("5\n", "00:00:00", "ombrel-geoproof-aim.png");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  OpWalk walk(run);
  walk.reads(44, 240, 5, "<めあて>", 2);
  walk.reads(76, 305, 0, "式の計算を利用して、図形の性質を証明しよう。");
  ASSERT_EQ(subMenuLines(ops).size(), 1u);
  EXPECT_EQ(toUtf8("①"), ops[subMenuLines(ops)[0]].text);
}

// A choice outside 1 to 4, an empty entry included, writes the line again and nothing else; 4
// goes back to the main menu.
TEST(OmbrelGeoProof, AChoiceOutsideTheListAsksAgainAndFourLeaves) {
  const HeadlessResult run = runOmbrel("5\n0\n5\n\n4\n");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(subMenuLines(ops).size(), 4u);
  EXPECT_TRUE(filledBoxes(ops, 0, 0, 1320, 1300, 15).empty()) << "no scene was drawn";
  EXPECT_EQ(menuPanels(ops), 2u) << "the main menu again after 4";
}

// 2.6 passes the range test and is made whole: item 3, the square pond.
TEST(OmbrelGeoProof, AChoiceBetweenItemsIsMadeWhole) {
  const HeadlessResult run = runOmbrel("5\n2.6\n");
  EXPECT_TRUE(glyphAt(drawn(run), 44, 30, 3, "問"));
}

// --- The scenes ------------------------------------------------------------------------------

// A scene: its choice, its step waits and its figure step by step. Its lines are read with the
// proof pages (test_pages_proofs.cpp), each in its step.
struct Scene {
  const char* name;
  const char* choice;
  int waits;
  std::vector<std::vector<std::string>> figure;
};

void PrintTo(const Scene& scene, std::ostream* os) { *os << scene.name; }

class OmbrelPondScene : public testing::TestWithParam<Scene> {};

TEST_P(OmbrelPondScene, FigureStepByStep) {
  const Scene& scene = GetParam();
  const HeadlessResult run = runOmbrel(std::string(scene.choice) + steps(scene.waits), "00:00:00",
                                       std::string("ombrel-") + scene.name + ".png");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  const auto lines = subMenuLines(ops);
  ASSERT_EQ(lines.size(), 2u) << "the sub-menu line follows the last row without a further wait";
  EXPECT_EQ(stepWaits(ops, lines[0], lines[1]), scene.waits);
  EXPECT_EQ(figureSteps(ops, lines[0], lines[1]).size(), static_cast<std::size_t>(scene.waits) + 1);
  const auto figure = figureSteps(ops, lines[0], lines[1]);
  for (std::size_t k = 0; k < scene.figure.size() && k < figure.size(); ++k)
    EXPECT_EQ(figure[k], scene.figure[k]) << "figure step " << k;
  // Once the figure is done, the proof adds nothing to it.
  for (std::size_t k = scene.figure.size(); k < figure.size(); ++k) EXPECT_TRUE(figure[k].empty()) << "step " << k;
}

INSTANTIATE_TEST_SUITE_P(Scenes, OmbrelPondScene,
                         testing::Values(Scene{"RoadScene", "5\n1\n", 18, roundPondSteps()},
                                         Scene{"RoundPond", "5\n2\n", 18, roundPondSteps()},
                                         Scene{"SquarePond", "5\n3\n", 17, squarePondSteps()}),
                         [](const testing::TestParamInfo<Scene>& info) { return std::string(info.param.name); });

// Review page 9 builds its rectangular pond under the page header, then proves S = al (its lines
// are read with the proof pages).
TEST(OmbrelPondPage, ReviewPageNine) {
  const HeadlessResult run = runOmbrel("6\n9\n" + steps(15), "00:00:00", "ombrel-review-9.png");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  const auto lines = subMenuLines(ops);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(stepWaits(ops, lines[0], lines[1]), 15);
  std::vector<std::vector<Op>> dots;
  const auto figure = figureSteps(ops, lines[0], lines[1], &dots);
  const auto expected = rectPondSteps();
  ASSERT_EQ(figure.size(), 16u);
  for (std::size_t k = 0; k < figure.size(); ++k)
    EXPECT_EQ(figure[k], k < expected.size() ? expected[k] : std::vector<std::string>{}) << "step " << k;
  // The fifth step: the side p down the pond's left side, bulging right; the side q along its top,
  // bulging down.
  ASSERT_EQ(dots[4].size(), 52u);
  const std::vector<Op> left(dots[4].begin(), dots[4].begin() + 26), top(dots[4].begin() + 26, dots[4].end());
  expectSideArc(left, 784, 160, 784, 320, 816, 240, 0);
  expectSideArc(top, 784, 160, 1024, 160, 904, 192, 0);
  for (std::size_t k = 0; k < dots.size(); ++k)
    if (k != 4) {
      EXPECT_TRUE(dots[k].empty()) << "step " << k;
    }
  // The side letters inside the pond, beside the apexes of their arcs: right of the left side's,
  // under the top side's.
  OpWalk walk(run);
  walk.arcLabel(816, 240, 1, 0, 5, "pm", 8);
  walk.arcLabel(904, 192, 0, 1, 5, "qm");
  // The "=" of the l line's second row stands under the one that begins its first row.
  const std::vector<Op> page(ops.begin() + static_cast<long>(lines[0]), ops.begin() + static_cast<long>(lines[1]));
  const Op* first = glyphOn(page, 80, 310, 0, "=");
  const Op* second = glyphOn(page, 80, 365, 0, "=");
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->x1, second->x1);
  const Op* indented = glyphOn(page, 90, 480, 0, "=");
  ASSERT_TRUE(indented);
  EXPECT_LT(indented->x1, 110) << "the = of the al line's answer stands at x 100";
}

// The square pond's side arc: down the pond's left side, bulging into the pond, labelled "pm".
TEST(OmbrelPondPage, SquarePondSideArc) {
  const HeadlessResult run = runOmbrel("5\n3\n" + steps(17));
  const std::vector<Op> ops = drawn(run);
  const auto lines = subMenuLines(ops);
  ASSERT_EQ(lines.size(), 2u);
  std::vector<std::vector<Op>> dots;
  figureSteps(ops, lines[0], lines[1], &dots);
  ASSERT_GT(dots.size(), 5u);
  expectSideArc(dots[5], 784, 160, 784, 400, 816, 280, 13);
  const std::vector<Op> picture(ops.begin() + static_cast<long>(lines[0]), ops.begin() + static_cast<long>(lines[1]));
  const Op* label = glyphOn(picture, 815, 280, 5, "p");
  ASSERT_TRUE(label);
  EXPECT_LT(label->x1, 1024) << "the label stands inside the pond";
}

// The blank fills: each blank form is erased by a box of 528 x 55 from 4 px above its line, from
// where it began (after "l=") or 2 px right of it (over the "=" that the completed form draws
// again); in the l line of the square pond the form begins 10 px after the script l.
TEST(OmbrelPondPage, BlankFillsEraseTheirForms) {
  {
    const HeadlessResult run = runOmbrel("5\n2\n" + steps(18));
    const std::vector<Op> ops = between(drawn(run), 0);
    const auto boxes = [&](float y) {
      std::vector<Op> found;
      for (const Op& op : ops)
        if (op.kind == OpKind::FilledBox && op.y1 == y && op.fill == 15 && op.x2 - op.x1 == 528 && op.y2 - op.y1 == 55)
          found.push_back(op);
      return found;
    };
    const auto l = boxes(86), s = boxes(186);
    ASSERT_EQ(l.size(), 1u);
    ASSERT_EQ(s.size(), 1u);
    const Op* two = glyphOn(ops, 60, 90, 0, "2");
    ASSERT_TRUE(two);
    EXPECT_EQ(l[0].x1, two->x1) << "the l line's erase starts where its form begins";
    const Op* equals = glyphOn(ops, 60, 190, 0, "=");
    ASSERT_TRUE(equals);
    EXPECT_LT(s[0].x1, equals->x1) << "the S line's erase covers the = of its form";
    EXPECT_EQ(s[0].x1, 44 + 27 + 2) << "2 px after the S";
  }
  {
    const HeadlessResult run = runOmbrel("5\n3\n" + steps(17));
    const std::vector<Op> ops = between(drawn(run), 0);
    EXPECT_EQ(filledBoxes(ops, 73, 156, 601, 211, 15).size(), 1u) << "S line: 2 px after the S";
    EXPECT_EQ(filledBoxes(ops, 86, 336, 614, 391, 15).size(), 1u) << "l line: 10 px after the script l";
  }
}

// Pen widths: the scenes of section 5 leave 2, review page 9 leaves 6; the next page's header
// box is drawn with it.
TEST(OmbrelPondPage, PenWidthLeftForWhatComesNext) {
  const auto headerPen = [](const std::string& keys) {
    const HeadlessResult run = runOmbrel(keys);
    const std::vector<Op> ops = drawn(run);
    const auto boxes = filledBoxes(ops, 40, 30, 400, 78, 13);
    EXPECT_FALSE(boxes.empty());
    return boxes.empty() ? -1 : ops[boxes.back()].pen;
  };
  EXPECT_EQ(headerPen("6\n1\n"), 3) << "after start-up";
  EXPECT_EQ(headerPen("5\n1\n" + steps(18) + "4\n6\n1\n"), 2);
  EXPECT_EQ(headerPen("5\n2\n" + steps(18) + "4\n6\n1\n"), 2);
  EXPECT_EQ(headerPen("5\n3\n" + steps(17) + "4\n6\n1\n"), 2);
  EXPECT_EQ(headerPen("6\n9\n" + steps(15) + "1\n"), 6);
}

// The example's pen goes back to 2 before its last wait: the textbook pointer is drawn with it.
TEST(OmbrelPondPage, RoundPondPointerAfterThePen) {
  const HeadlessResult run = runOmbrel("5\n2\n" + steps(18));
  const std::vector<Op> ops = drawn(run);
  const Op* conclusion = glyphOn(ops, 44, 560, 5, "S");
  const Op* pointer = glyphOn(ops, 44, 610, 3, "教");
  ASSERT_TRUE(conclusion && pointer);
  EXPECT_EQ(conclusion->pen, 6);
  EXPECT_EQ(pointer->pen, 2);
}

// A scene chosen again is drawn again the same from a cleared window; the aim screen is not.
TEST(OmbrelPondPage, ASceneChosenAgainIsTheSame) {
  const HeadlessResult run = runOmbrel("5\n2\n" + steps(18) + "2\n" + steps(18));
  const std::vector<Op> ops = drawn(run);
  ASSERT_EQ(subMenuLines(ops).size(), 3u);
  const auto describeAll = [](const std::vector<Op>& part) {
    std::vector<std::string> all;
    for (const Op& op : part)
      if (op.kind != OpKind::Key) all.push_back(describe(op));
    return all;
  };
  const std::vector<Op> first = between(ops, 0), second = between(ops, 1);
  EXPECT_EQ(describeAll(first), describeAll(second));
  EXPECT_FALSE(glyphAt(second, 71, 240, 5, "め")) << "no aim screen again";
  EXPECT_EQ(filledBoxes(second, 0, 0, 1320, 1300, 15).size(), 1u);
}

}  // namespace
