// Text rows of Ombrel's fixed pages and proofs, checked in drawing order on the operation log,
// and single glyphs found on a line.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "common/op_walk.h"
#include "engine/strings.h"

namespace ombrel_test {

// A text row: its first glyph within 40 px right of x (x AFTER: anywhere on the line from x 44,
// for a text that follows another on its line), on the line y, in colour, spelling the glyphs of
// text, after that many key presses since the row checked before it. A stacked fraction ends the
// glyphs compared, since its denominator lies below the line: rows are given up to one.
struct Row {
  float x;
  float y;
  int colour;
  const char* text;
  int keys;
};

inline constexpr float AFTER = -1;

// The rows of a scene or page chosen with the keys of choice, the first of them right after
// those keys. A row placed at an x also has a glyph standing exactly on its line near its start,
// unless it is only italic or script letters, which the typesetter raises.
inline void expectRows(walk::OpWalk& walk, const HeadlessResult& run, const std::string& choice,
                       const std::vector<Row>& rows) {
  int lead = static_cast<int>(choice.size());
  for (const Row& row : rows) {
    if (row.x == AFTER) {
      walk.lineIn(44, 1366, row.y, row.colour, row.text, row.keys + lead);
    } else {
      walk.line(row.x, row.y, row.colour, row.text, row.keys + lead);
      const bool raised = std::string(row.text).find_first_not_of("alxc") == std::string::npos;
      EXPECT_TRUE(raised || std::any_of(run.ops.begin(), run.ops.end(), [&](const Op& op) {
        return op.kind == OpKind::Text && op.colour == row.colour && op.y1 == row.y && op.x1 >= row.x - 0.01f &&
               op.x1 <= row.x + 120;
      })) << "no glyph of \"" << toUtf8(row.text) << "\" on the line " << row.y << " from x " << row.x;
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
