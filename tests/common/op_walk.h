// Walks through a headless run's operation log in drawing order and checks what a scene drew:
// text lines, filled boxes, the cells and dimension arcs of diagrams, and how many key presses
// came between one checked drawing and the next (the scene's step waits and prompts).
//
// A text line is what a pupil reads (support/line_reader.h), found and compared as the page
// support finds and compares it (support/page_lines.h): its whole text, signs, brackets,
// fractions, exponents and roots included, at its place to within page::PLACE. The expected text
// is the markup as the lesson writes it; its leading blanks move the place of its first glyph.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "engine/strings.h"
#include "support/line_reader.h"
#include "support/page_lines.h"
#include "support/test_support.h"

namespace walk {

class OpWalk {
 public:
  // Walks the run's log, which must outlive it.
  explicit OpWalk(const HeadlessResult& run) : ops_(run.ops), lines_(reading::readLines(run.ops)) {}

  // The next line drawn in colour at (x, y), where x is where the lesson starts drawing text
  // (its leading blanks are counted); it must read text (code page 932 markup). Returns it.
  reading::Line reads(float x, float y, int colour, const std::string& text, int keysBefore = 0) {
    return expectLine(x, y, colour, text, keysBefore, "");
  }
  // The next line drawn right where the line checked last ends (its trailing blanks counted),
  // on its text line.
  reading::Line follows(int colour, const std::string& text, int keysBefore = 0) {
    return expectLine(page::endOf(last_, lastText_), last_.y, colour, text, keysBefore,
                      " after " + reading::describe(last_));
  }
  // The next line centred in a box from left, width wide, on the text line y: a formula boxed as
  // BOXFORMULA does (its width measured with its blanks; from the left edge when it is wider).
  reading::Line readsCentred(float left, float width, float y, int colour, const std::string& text,
                             int keysBefore = 0) {
    const std::size_t at = find(colour, [&](const reading::Line& l) {
      const float measured = l.width() + l.blank() * static_cast<float>(blanksAround(text));
      return page::standsAt(l, left + std::max(0.0f, (width - measured) / 2), y, text);
    });
    if (at == lines_.size()) {
      missing(left, y, colour, text, " centred in " + std::to_string(width) + " px");
      return {};
    }
    return check(at, text, keysBefore);
  }
  // The line checked last.
  const reading::Line& last() const { return last_; }

  // The next filled box with these corners and colours. Returns its left edge.
  float fill(float x, float y, float width, float height, int colour, int fillColour, int keysBefore = 0) {
    for (std::size_t i = cursor_; i < ops_.size(); ++i) {
      const Op& op = ops_[i];
      if (op.kind == OpKind::FilledBox && op.colour == colour && op.fill == fillColour && near(op.x1, x) &&
          near(op.y1, y) && near(op.x2, x + width) && near(op.y2, y + height)) {
        step(i, i + 1, keysBefore, "box");
        return op.x1;
      }
    }
    ADD_FAILURE() << "no filled box at (" << x << "," << y << ") " << width << " x " << height << " c" << colour
                  << " f" << fillColour;
    return x;
  }

  // The next filled box on y with these sizes and colours that stands gap px after the end of the
  // last line drawn before it (a box that continues a line of text). Returns its left edge.
  float fillAfter(float gap, float y, float width, float height, int colour, int fillColour, int keysBefore = 0) {
    std::size_t i = cursor_;
    while (i < ops_.size() &&
           !(ops_[i].kind == OpKind::FilledBox && ops_[i].colour == colour && ops_[i].fill == fillColour &&
             near(ops_[i].y1, y) && near(ops_[i].y2, y + height) && near(ops_[i].x2 - ops_[i].x1, width)))
      ++i;
    if (i == ops_.size()) {
      ADD_FAILURE() << "no filled box on y " << y << ", " << width << " x " << height << " c" << colour << " f"
                    << fillColour;
      return 0;
    }
    const auto before =
        std::find_if(lines_.rbegin(), lines_.rend(), [&](const reading::Line& l) { return l.end <= i; });
    EXPECT_TRUE(before != lines_.rend() && page::atPlace(ops_[i].x1, before->right + gap))
        << "box at x " << ops_[i].x1 << ", expected " << gap << " px after "
        << (before != lines_.rend() ? reading::describe(*before) : "a line");
    step(i, i + 1, keysBefore, "box");
    return ops_[i].x1;
  }

  // The next diagram cell: the next box framed in colour 0 must be this one; its label (if any)
  // centred in it, INT((height - 44) / 2) below its top (50 for a stacked fraction).
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
      const float lineHeight = label.find("ﾀ") != std::string::npos ? 50 : 44;
      readsCentred(x, width, y + std::floor((height - lineHeight) / 2), labelColour, label);
    } else {
      EXPECT_TRUE(nextTextOutside(x, y, width, height)) << "unlabelled cell at (" << x << "," << y << ") has text";
    }
  }

  // The next dimension arc: the next run of colour-9 dots, from (x0,y0) to (x1,y1) with `dots`
  // dots, bulging 16 px to the side houkou gives (1: clockwise of the direction on screen), and
  // its label in labelColour just outside the apex.
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
    if (!label.empty()) arcLabel(apexX, apexY, nx, ny, labelColour, label);
  }

  // The label of an arc (or of any mark placed as the arc routines place it): its box, as wide
  // as the label and 44 px high (80 with a stacked fraction), touches the point (px, py) from
  // the side the unit vector (nx, ny) points to. The label must be the next line drawn.
  void arcLabel(float px, float py, float nx, float ny, int colour, const std::string& label, int keysBefore = 0) {
    const float halfHeight = label.find("ﾀ") != std::string::npos ? 40 : 22;
    const float top = py - halfHeight * (1 - ny);
    const std::size_t at = find(colour, [&](const reading::Line& l) {
      const float width = l.width() + l.blank() * static_cast<float>(blanksAround(label));
      return page::standsAt(l, px + width * (nx / 2 - 0.5f), top, label);
    });
    if (at == lines_.size()) {
      missing(px, top, colour, label, " beside the point (" + std::to_string(px) + "," + std::to_string(py) + ")");
      return;
    }
    check(at, label, keysBefore);
  }

  // Key presses between the last checked drawing and the end of the run.
  int keysLeft() const { return keysBetween(cursor_, ops_.size()); }
  std::size_t position() const { return cursor_; }
  // The lines read from the whole run.
  const std::vector<reading::Line>& lines() const { return lines_; }

 private:
  static bool near(float a, float b, float tolerance = 0.01f) { return std::fabs(a - b) <= tolerance; }
  static bool isDot(const Op& op) { return op.kind == OpKind::Circle && op.colour == 9 && op.radius == 0.5f; }
  static int blanksAround(const std::string& text) {
    return reading::leadingBlanks(text) + reading::trailingBlanks(text);
  }

  // The first line not yet passed in colour that placed(line) accepts.
  template <typename Placed>
  std::size_t find(int colour, Placed placed) const {
    for (std::size_t k = 0; k < lines_.size(); ++k) {
      const reading::Line& l = lines_[k];
      if (l.first >= cursor_ && l.colour == colour && placed(l)) return k;
    }
    return lines_.size();
  }

  reading::Line expectLine(float x, float y, int colour, const std::string& text, int keysBefore,
                           const std::string& where) {
    const std::size_t at = find(colour, [&](const reading::Line& l) { return page::standsAt(l, x, y, text); });
    if (at == lines_.size()) {
      missing(x, y, colour, text, where);
      return {};
    }
    return check(at, text, keysBefore);
  }

  // The line at lines_[at] must read text; the walk goes on after it.
  reading::Line check(std::size_t at, const std::string& text, int keysBefore) {
    const reading::Line& l = lines_[at];
    EXPECT_TRUE(page::reads(l, text));
    step(l.first, l.end, keysBefore, "line \"" + toUtf8(text) + "\"");
    last_ = l;
    lastText_ = text;
    return l;
  }

  void missing(float x, float y, int colour, const std::string& text, const std::string& where) {
    ADD_FAILURE() << page::nothingAt(lines_, text, x, y, colour, cursor_, where);
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

  const std::vector<Op>& ops_;
  std::vector<reading::Line> lines_;
  std::size_t cursor_ = 0;
  reading::Line last_;
  std::string lastText_;  // the markup it was expected to read
};

}  // namespace walk
