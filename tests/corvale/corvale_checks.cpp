#include "corvale_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "common/prompt_marks.h"

std::size_t stepBoxes(const HeadlessResult& run) {
  return static_cast<std::size_t>(walk::stepWaits(run.ops, 0, run.ops.size()));
}

std::size_t nextStepBoxes(const HeadlessResult& run) { return walk::nextSteps(run.ops).size(); }

std::vector<Op> arcDots(const std::vector<Op>& ops, int colour) {
  std::vector<Op> dots;
  for (const Op& op : ops)
    if (op.kind == OpKind::Circle && op.radius == 0.5f && op.colour == colour) dots.push_back(op);
  return dots;
}

void expectDistributiveArc(const std::vector<Op>& dots, float x0, float y0, float x1, float y1, float bulge) {
  ASSERT_EQ(dots.size(), 181u);
  EXPECT_NEAR(dots.front().cx, x0, 0.01f);
  EXPECT_NEAR(dots.front().cy, y0, 0.01f);
  EXPECT_NEAR(dots.back().cx, x1, 0.01f);
  EXPECT_NEAR(dots.back().cy, y1, 0.01f);
  const float chord = std::hypot(x1 - x0, y1 - y0);
  float farthest = 0, farthestY = 0;
  for (const Op& dot : dots) {
    EXPECT_EQ(dot.pen, 5);
    const float d = std::fabs((dot.cx - x0) * (y1 - y0) - (dot.cy - y0) * (x1 - x0)) / chord;
    if (d > farthest) farthest = d, farthestY = dot.cy;
  }
  EXPECT_NEAR(farthest, bulge, 1);
  EXPECT_LT(farthestY, std::min(y0, y1));
}

std::vector<Op> glyphsAt(const HeadlessResult& run, const std::string& glyph, float x, float y) {
  std::vector<Op> found;
  for (const Op& op : textsEqual(run, glyph))
    if (op.x1 == x && op.y1 == y) found.push_back(op);
  return found;
}

bool drewGlyph(const HeadlessResult& run, const std::string& glyph, float x, float y, int colour) {
  for (const Op& op : glyphsAt(run, glyph, x, y))
    if (op.colour == colour) return true;
  return false;
}

std::vector<Op> filledBoxes(const HeadlessResult& run, float x1, float y1, float x2, float y2) {
  std::vector<Op> found;
  for (const Op& op : run.ops)
    if (op.kind == OpKind::FilledBox && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2) found.push_back(op);
  return found;
}

std::vector<std::string> keysRead(const HeadlessResult& run) {
  std::vector<std::string> keys;
  for (const Op& op : run.ops)
    if (op.kind == OpKind::Key) keys.push_back(op.text);
  return keys;
}

std::string joined(const std::vector<std::string>& pieces) {
  std::string all;
  for (const std::string& piece : pieces) all += piece;
  return all;
}
