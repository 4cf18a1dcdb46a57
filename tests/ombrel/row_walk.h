// Text rows of Ombrel's fixed pages and proofs, checked in drawing order on the operation log,
// and single glyphs found on a line.
#pragma once

#include <string>
#include <vector>

#include "common/op_walk.h"
#include "engine/strings.h"

namespace ombrel_test {

// A text row: drawn from x on the line y, in colour, reading text as a pupil reads it, after that
// many key presses since the row checked before it. x may be AFTER (gap px after the end of the
// row checked before it, on its line) or OVER (where the row before it was drawn: a completed
// form over its blank form).
struct Row {
  float x;
  float y;
  int colour;
  const char* text;
  int keys;
  float gap = 0;
};

inline constexpr float AFTER = -1;
inline constexpr float OVER = -2;

// The rows of a scene or page chosen with the keys of choice, the first of them right after
// those keys.
inline void expectRows(walk::OpWalk& walk, const std::string& choice, const std::vector<Row>& rows) {
  int lead = static_cast<int>(choice.size());
  float x = 0;  // where the row checked last was drawn from
  for (const Row& row : rows) {
    if (row.x == AFTER || row.x == OVER) {
      EXPECT_EQ(row.y, walk.last().y) << "a row AFTER or OVER another stands on its line: \"" << toUtf8(row.text)
                                      << "\"";
    }
    if (row.x == AFTER && row.gap == 0) {
      walk.follows(row.colour, row.text, row.keys + lead);
      x = walk.last().x - reading::BLANK * static_cast<float>(reading::leadingBlanks(row.text));
    } else {
      x = row.x == AFTER ? walk.last().right + row.gap : row.x == OVER ? x : row.x;
      walk.reads(x, row.y, row.colour, row.text, row.keys + lead);
    }
    lead = 0;
  }
}

// The first text op drawn in colour on the line y (within its band) at or right of x.
inline const Op* glyphOn(const std::vector<Op>& ops, float x, float y, int colour, const std::string& text) {
  const std::string utf8 = toUtf8(text);
  for (const Op& op : ops)
    if (op.kind == OpKind::Text && op.colour == colour && op.text == utf8 && op.x1 >= x && op.y1 >= y - 30 &&
        op.y1 <= y + 12)
      return &op;
  return nullptr;
}

}  // namespace ombrel_test
