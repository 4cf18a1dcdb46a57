// What the product diagram and its merge draw at an origin, step by step, for the walker.
#pragma once

#include <array>

#include "op_walk.h"

namespace walk {

// The labels in F$() elements 1 to 8.
using Labels = std::array<const char*, 8>;

// The eight steps of PRODUCTAREA at the origin (ox, oy); keysBefore: key presses before its first cell.
inline void expectProductArea(OpWalk& w, float ox, float oy, const Labels& l, int keysBefore = 0) {
  w.cell(ox + 88, oy, 220, 220, 3, l[3], 13, keysBefore);
  w.arc(ox + 88, oy, ox + 88, oy + 220, 1, 91, l[0]);
  w.arc(ox + 88, oy, ox + 308, oy, -1, 181, l[0]);
  w.cell(ox + 308, oy, 132, 220, 4, l[5]);
  w.arc(ox + 308, oy, ox + 440, oy, -1, 181, l[2]);
  w.cell(ox + 88, oy + 220, 220, 88, 6, l[4]);
  w.arc(ox + 88, oy + 220, ox + 88, oy + 308, 1, 91, l[1]);
  w.cell(ox + 308, oy + 220, 132, 88, 8, l[6]);
}

// PRODUCTMERGE at the origin: the emptied right cell, a key, the turned strip and its arc, a key,
// the merged cell.
inline void expectProductMerge(OpWalk& w, float ox, float oy, const Labels& l, int keysBefore = 0) {
  w.cell(ox + 308, oy, 132, 220, 15, "", 13, keysBefore);
  w.cell(ox + 88, oy + 308, 220, 132, 4, l[5], 13, 1);
  w.arc(ox + 88, oy + 308, ox + 88, oy + 440, 1, 91, l[2]);
  w.cell(ox + 88, oy + 220, 220, 220, 6, l[7], 13, 1);
}

}  // namespace walk
