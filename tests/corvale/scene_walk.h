// Walks a scene of Corvale's section 3 in drawing order: its text lines, boxes and cells through
// the shared OpWalk, and its dotted arcs, which may have any colour, bulge, number of dots and
// pen, and a label beyond the apex. Key presses are counted between one checked drawing and the
// next, arcs included.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "common/op_walk.h"
#include "engine/strings.h"
#include "support/test_support.h"

namespace polymul_test {

// An arc as SPANARC is asked to draw it, in pixels: from (x0,y0) to (x1,y1), bulging `bulge` px
// to the side houkou gives, `dots` dots in `colour`, drawn with pen width `pen`. Its label (code
// page 932, leading blanks included) stands at the apex in labelColour, moved down by labelDy.
struct ArcExpect {
  float x0, y0, x1, y1;
  float bulge;
  int houkou;
  int dots;
  int colour;
  int pen;
  std::string label = "";
  int labelColour = 0;
  float labelDy = 0;
};

class SceneWalk {
 public:
  explicit SceneWalk(const HeadlessResult& run) : ops_(run.ops), texts_(run) {}

  // The next text line drawn from (x, y), reading text (see walk::OpWalk::reads).
  reading::Line reads(float x, float y, int colour, const std::string& text, int keysBefore = 0) {
    const reading::Line line = texts_.reads(x, y, colour, text, keysBefore + carried_);
    afterText("line \"" + toUtf8(text) + "\"");
    return line;
  }
  // The next text line drawn right where the line checked last ends.
  reading::Line follows(int colour, const std::string& text, int keysBefore = 0) {
    const reading::Line line = texts_.follows(colour, text, keysBefore + carried_);
    afterText("line \"" + toUtf8(text) + "\"");
    return line;
  }
  // A filled box.
  float fill(float x, float y, float width, float height, int colour, int fillColour, int keysBefore = 0) {
    const float left = texts_.fill(x, y, width, height, colour, fillColour, keysBefore + carried_);
    afterText("box");
    return left;
  }
  // A cell framed in colour 0, with its label inside it (or none).
  void cell(float x, float y, float width, float height, int fillColour, const std::string& label = "",
            int labelColour = 13, int keysBefore = 0) {
    texts_.cell(x, y, width, height, fillColour, label, labelColour, keysBefore + carried_);
    afterText("cell");
  }

  // The next dotted arc.
  void arc(const ArcExpect& e, int keysBefore = 0) {
    std::size_t i = cursor();
    while (i < ops_.size() && !isDot(ops_[i])) ++i;
    ASSERT_LT(i, ops_.size()) << "no further arc; expected (" << e.x0 << "," << e.y0 << ")";
    EXPECT_EQ(keysBetween(cursor(), i), keysBefore)
        << "key presses before the arc from (" << e.x0 << "," << e.y0 << ")";
    std::size_t end = i;
    while (end < ops_.size() && isDot(ops_[end]) && ops_[end].colour == ops_[i].colour) ++end;
    const Op& first = ops_[i];
    const Op& last = ops_[end - 1];
    SCOPED_TRACE("arc from (" + std::to_string(e.x0) + "," + std::to_string(e.y0) + ") to (" + std::to_string(e.x1) +
                 "," + std::to_string(e.y1) + ")");
    EXPECT_EQ(static_cast<int>(end - i), e.dots);
    EXPECT_EQ(first.colour, e.colour);
    for (std::size_t k = i; k < end; ++k) ASSERT_EQ(ops_[k].pen, e.pen) << "pen of dot " << k - i;
    const bool forward = near(first.cx, e.x0) && near(first.cy, e.y0) && near(last.cx, e.x1) && near(last.cy, e.y1);
    const bool backward = near(first.cx, e.x1) && near(first.cy, e.y1) && near(last.cx, e.x0) && near(last.cy, e.y0);
    EXPECT_TRUE(forward || backward) << "dots run (" << first.cx << "," << first.cy << ")-(" << last.cx << ","
                                     << last.cy << ")";
    const float length = std::hypot(e.x1 - e.x0, e.y1 - e.y0);
    const float dx = (e.x1 - e.x0) / length, dy = (e.y1 - e.y0) / length;
    // HOUKOU 1: the right-hand side of the direction of travel on the screen.
    const float nx = e.houkou > 0 ? -dy : dy, ny = e.houkou > 0 ? dx : -dx;
    const float apexX = (e.x0 + e.x1) / 2 + e.bulge * nx, apexY = (e.y0 + e.y1) / 2 + e.bulge * ny;
    float far = -1, farX = 0, farY = 0;
    for (std::size_t k = i; k < end; ++k) {
      const float d = (ops_[k].cx - e.x0) * nx + (ops_[k].cy - e.y0) * ny;
      if (d > far) far = d, farX = ops_[k].cx, farY = ops_[k].cy;
    }
    EXPECT_TRUE(near(farX, apexX, 1) && near(farY, apexY, 1))
        << "apex at (" << farX << "," << farY << "), expected (" << apexX << "," << apexY << ")";
    arcEnd_ = end;
    if (!e.label.empty()) expectLabel(e, apexX, apexY, nx, ny);
    carried_ = keysBetween(texts_.position(), arcEnd_);
  }

  // Key presses between the last checked drawing and the end of the run.
  int keysLeft() const { return keysBetween(cursor(), ops_.size()); }

 private:
  static bool near(float a, float b, float tolerance = 0.01f) { return std::fabs(a - b) <= tolerance; }
  static bool isDot(const Op& op) { return op.kind == OpKind::Circle && op.radius == 0.5f; }

  std::size_t cursor() const { return std::max(texts_.position(), arcEnd_); }

  void afterText(const std::string& what) {
    EXPECT_GT(texts_.position(), arcEnd_) << what << " drawn before the last arc";
    carried_ = 0;
  }

  // The label: the next line drawn after the arc, centred on the apex by its whole width (its
  // blanks counted), its top 2 x 22 px above an apex over the chord, at one under it, 22 px
  // above one beside it; then moved down by labelDy.
  void expectLabel(const ArcExpect& e, float apexX, float apexY, float nx, float ny) {
    const auto& lines = texts_.lines();
    auto next = std::find_if(lines.begin(), lines.end(), [&](const reading::Line& l) { return l.first >= arcEnd_; });
    ASSERT_NE(next, lines.end()) << "no label after the arc";
    const reading::Line& label = *next;
    // The typesetter counts the label's blanks at both ends in its width.
    const int blanks = reading::leadingBlanks(e.label) + reading::trailingBlanks(e.label);
    const float width = label.width() + label.blank() * static_cast<float>(blanks);
    const float left = apexX + (nx / 2 - 0.5f) * width;
    const float top = apexY - 22 * (-ny + 1) + e.labelDy;
    EXPECT_TRUE(page::reads(label, e.label));
    EXPECT_EQ(label.colour, e.labelColour);
    EXPECT_TRUE(page::standsAt(label, left, top, e.label))
        << reading::describe(label) << ", expected from (" << left << "," << top << ")";
    arcEnd_ = label.end;
  }

  int keysBetween(std::size_t from, std::size_t to) const {
    int keys = 0;
    for (std::size_t k = from; k < to && k < ops_.size(); ++k) keys += ops_[k].kind == OpKind::Key;
    return keys;
  }

  std::vector<Op> ops_;
  walk::OpWalk texts_;
  std::size_t arcEnd_ = 0;
  int carried_ = 0;  // key presses already counted by arcs since the last text
};

}  // namespace polymul_test
