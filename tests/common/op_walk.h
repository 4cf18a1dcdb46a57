// Walks through a headless run's operation log in drawing order and checks what a scene drew:
// text lines, filled boxes, the cells and dimension arcs of diagrams, and how many key presses
// came between one checked drawing and the next (the scene's step waits and prompts).
//
// A text line is matched by its glyphs: the letters, digits and non-ASCII characters it draws, in
// order. Signs, brackets and blanks are left out, since the typesetter may draw them as strokes.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <vector>

#include "engine/strings.h"
#include "support/test_support.h"

namespace walk {

inline constexpr float ANY_X = std::numeric_limits<float>::quiet_NaN();

// The glyphs a UTF-8 text shows: ASCII letters and digits and every non-ASCII character but the multiplication sign (UTF-8 C3 97).
inline std::string glyphsOf(const std::string& utf8) {
  std::string kept;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    const std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    const std::string ch = utf8.substr(i, n);
    if ((n == 1 && std::isalnum(c)) || (n > 1 && ch != "\xC3\x97")) kept += ch;
    i += n;
  }
  return kept;
}

class OpWalk {
 public:
  explicit OpWalk(const HeadlessResult& run) : ops_(run.ops) {}

  // The next text line in colour whose first glyph starts between xFrom and xTo on the line y
  // (letters drawn raised count too), spelling the glyphs of text (code page 932 markup).
  void lineIn(float xFrom, float xTo, float y, int colour, const std::string& text, int keysBefore = 0) {
    const std::string want = glyphsOf(toUtf8(text));
    std::string seen;
    for (std::size_t i = cursor_; i < ops_.size(); ++i) {
      const Op& op = ops_[i];
      if (op.kind != OpKind::Text || op.colour != colour || !inBand(op, y) || op.x1 < xFrom - 0.5f ||
          op.x1 > xTo + 0.5f)
        continue;
      std::size_t end = i;
      const std::string got = glyphsFrom(i, y, colour, end);
      if (got == want) {
        step(i, end, keysBefore, "line \"" + toUtf8(text) + "\"");
        return;
      }
      seen += " [" + got + "]";
    }
    ADD_FAILURE() << "no line \"" << toUtf8(text) << "\" at x " << xFrom << ".." << xTo << ", y " << y << " in colour "
                  << colour << "; lines there:" << seen;
  }
  // A text line starting at (x, y): its first glyph within 40 px right of x (a leading blank).
  void line(float x, float y, int colour, const std::string& text, int keysBefore = 0) {
    lineIn(x, x + 40, y, colour, text, keysBefore);
  }

  // The next filled box with these corners and colours; x may be ANY_X for a box whose left
  // edge depends on the text before it. Returns the box's left edge.
  float fill(float x, float y, float width, float height, int colour, int fillColour, int keysBefore = 0) {
    for (std::size_t i = cursor_; i < ops_.size(); ++i) {
      const Op& op = ops_[i];
      const float left = std::isnan(x) ? op.x1 : x;
      if (op.kind == OpKind::FilledBox && op.colour == colour && op.fill == fillColour && near(op.x1, left) &&
          near(op.y1, y) && near(op.x2, left + width) && near(op.y2, y + height)) {
        step(i, i + 1, keysBefore, "box");
        return op.x1;
      }
    }
    ADD_FAILURE() << "no filled box at (" << x << "," << y << ") " << width << " x " << height << " c" << colour
                  << " f" << fillColour;
    return x;
  }

  // The next diagram cell: the next box framed in colour 0 must be this one; its label (if any)
  // drawn inside it, INT((height - 44) / 2) below its top.
  void cell(float x, float y, float width, float height, int fillColour, const std::string& label = "",
            int labelColour = 13, int keysBefore = 0) {
    std::size_t i = cursor_;
    while (i < ops_.size() && !(ops_[i].kind == OpKind::FilledBox && ops_[i].colour == 0)) ++i;
    ASSERT_LT(i, ops_.size()) << "no further cell; expected (" << x << "," << y << ")";
    const Op& op = ops_[i];
    EXPECT_TRUE(near(op.x1, x) && near(op.y1, y) && near(op.x2, x + width) && near(op.y2, y + height) &&
                op.fill == fillColour)
        << "cell at (" << op.x1 << "," << op.y1 << ")-(" << op.x2 << "," << op.y2 << ") f" << op.fill
        << ", expected (" << x << "," << y << ") " << width << " x " << height << " f" << fillColour;
    step(i, i + 1, keysBefore, "cell");
    if (!label.empty()) {
      lineIn(x, x + width, y + std::floor((height - 44) / 2), labelColour, label);
    } else {
      EXPECT_TRUE(nextTextOutside(x, y, width, height)) << "unlabelled cell at (" << x << "," << y << ") has text";
    }
  }

  // The next dimension arc: the next run of colour-9 dots, from (x0,y0) to (x1,y1) with `dots`
  // dots, bulging 16 px to the side houkou gives (1: clockwise of the direction on screen), and
  // its label in labelColour beyond the apex.
  void arc(float x0, float y0, float x1, float y1, int houkou, int dots, const std::string& label,
           int labelColour = 0, int keysBefore = 0) {
    std::size_t i = cursor_;
    while (i < ops_.size() && !isDot(ops_[i])) ++i;
    ASSERT_LT(i, ops_.size()) << "no further arc; expected (" << x0 << "," << y0 << ")";
    std::size_t end = i;
    while (end < ops_.size() && isDot(ops_[end])) ++end;
    EXPECT_EQ(static_cast<int>(end - i), dots) << "arc from (" << x0 << "," << y0 << ")";
    const Op& first = ops_[i];
    const Op& last = ops_[end - 1];
    // Its dots run from one end to the other, in either direction.
    const bool forward = near(first.cx, x0) && near(first.cy, y0) && near(last.cx, x1) && near(last.cy, y1);
    const bool backward = near(first.cx, x1) && near(first.cy, y1) && near(last.cx, x0) && near(last.cy, y0);
    EXPECT_TRUE(forward || backward)
        << "arc runs (" << first.cx << "," << first.cy << ")-(" << last.cx << "," << last.cy << "), expected (" << x0
        << "," << y0 << ")-(" << x1 << "," << y1 << ")";
    const float length = std::hypot(x1 - x0, y1 - y0);
    const float dx = (x1 - x0) / length, dy = (y1 - y0) / length;
    const float nx = houkou > 0 ? -dy : dy, ny = houkou > 0 ? dx : -dx;
    const float apexX = (x0 + x1) / 2 + 16 * nx, apexY = (y0 + y1) / 2 + 16 * ny;
    float far = 0, farX = 0, farY = 0;
    for (std::size_t k = i; k < end; ++k) {
      const float d = (ops_[k].cx - x0) * -dy + (ops_[k].cy - y0) * dx;
      if (std::fabs(d) > far) far = std::fabs(d), farX = ops_[k].cx, farY = ops_[k].cy;
    }
    EXPECT_TRUE(near(farX, apexX, 1) && near(farY, apexY, 1))
        << "apex at (" << farX << "," << farY << "), expected (" << apexX << "," << apexY << ")";
    step(i, end, keysBefore, "arc");
    if (label.empty()) return;
    // The label's top: 22 px above the apex beside the arc, 44 above it over, at it under.
    const float labelY = ny < -0.5f ? apexY - 44 : ny > 0.5f ? apexY : apexY - 22;
    lineIn(apexX - 120, apexX + 10, labelY, labelColour, label);
  }

  // Key presses between the last checked drawing and the end of the run.
  int keysLeft() const { return keysBetween(cursor_, ops_.size()); }
  std::size_t position() const { return cursor_; }

 private:
  static bool near(float a, float b, float tolerance = 0.01f) { return std::fabs(a - b) <= tolerance; }
  static bool inBand(const Op& op, float y) { return op.y1 >= y - 30 && op.y1 <= y + 12; }
  static bool isDot(const Op& op) { return op.kind == OpKind::Circle && op.colour == 9 && op.radius == 0.5f; }

  // The glyphs of the line whose first glyph is ops_[i]: the ops that follow while they are texts
  // or strokes of its colour on its line, each text a little right of the one before. end is set
  // past the last of them.
  std::string glyphsFrom(std::size_t i, float y, int colour, std::size_t& end) const {
    std::string got;
    float lastX = ops_[i].x1;
    for (end = i; end < ops_.size(); ++end) {
      const Op& op = ops_[end];
      if (op.colour != colour) break;
      if (op.kind == OpKind::Text && inBand(op, y) && op.x1 >= lastX - 5 && op.x1 <= lastX + 160) {
        got += glyphsOf(op.text);
        lastX = op.x1;
      } else if (op.kind != OpKind::Line) {
        break;
      }
    }
    return got;
  }
  bool nextTextOutside(float x, float y, float width, float height) const {
    const std::size_t next = cursor_;
    if (next >= ops_.size() || ops_[next].kind != OpKind::Text) return true;
    const Op& op = ops_[next];
    return !(op.x1 >= x && op.x1 <= x + width && op.y1 >= y - 25 && op.y1 <= y + height);
  }
  int keysBetween(std::size_t from, std::size_t to) const {
    int keys = 0;
    for (std::size_t k = from; k < to; ++k) keys += ops_[k].kind == OpKind::Key;
    return keys;
  }
  void step(std::size_t found, std::size_t end, int keysBefore, const std::string& what) {
    EXPECT_EQ(keysBetween(cursor_, found), keysBefore) << "key presses before " << what;
    cursor_ = end;
  }

  std::vector<Op> ops_;
  std::size_t cursor_ = 0;
};

}  // namespace walk
