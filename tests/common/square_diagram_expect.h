// What the square diagrams and the square merge draw at an origin, step by step, for the walker.
#pragma once

#include "op_walk.h"
#include "product_diagram_expect.h"

namespace walk {

// The eight steps of SQUAREAREA at the origin (ox, oy); keysBefore: key presses before its first cell.
inline void expectSquareArea(OpWalk& w, float ox, float oy, const Labels& l, int keysBefore = 0) {
  w.cell(ox + 88, oy, 176, 176, 3, l[3], 13, keysBefore);
  w.arc(ox + 88, oy, ox + 88, oy + 176, 1, 91, l[0]);
  w.arc(ox + 88, oy, ox + 264, oy, -1, 181, l[0]);
  w.cell(ox + 264, oy, 132, 176, 4, l[5]);
  w.arc(ox + 264, oy, ox + 396, oy, -1, 181, l[2]);
  w.cell(ox + 88, oy + 176, 176, 132, 6, l[4]);
  w.arc(ox + 88, oy + 176, ox + 88, oy + 308, 1, 91, l[1]);
  w.cell(ox + 264, oy + 176, 132, 132, 8, l[6]);
}

// SQUAREMERGE at the origin: the emptied right cell, a key, the turned strip under the lower cell
// and its arc, a key, the merged cell.
inline void expectSquareMerge(OpWalk& w, float ox, float oy, const Labels& l, int keysBefore = 0) {
  w.cell(ox + 264, oy, 132, 176, 15, "", 13, keysBefore);
  w.cell(ox + 88, oy + 308, 176, 132, 4, l[5], 13, 1);
  w.arc(ox + 88, oy + 308, ox + 88, oy + 440, 1, 91, l[2]);
  w.cell(ox + 88, oy + 176, 176, 264, 6, l[7], 13, 1);
}

// The eight steps of WIDESQUAREAREA at the origin.
inline void expectWideSquare(OpWalk& w, float ox, float oy, const Labels& l, int keysBefore = 0) {
  w.cell(ox + 88, oy, 220, 220, 3, l[3], 13, keysBefore);
  w.arc(ox + 88, oy, ox + 88, oy + 220, 1, 91, l[0]);
  w.arc(ox + 88, oy, ox + 308, oy, -1, 181, l[0]);
  w.cell(ox + 308, oy, 264, 220, 4, l[5]);
  w.arc(ox + 308, oy, ox + 572, oy, -1, 181, l[2]);
  w.cell(ox + 88, oy + 220, 220, 264, 6, l[4]);
  w.arc(ox + 88, oy + 220, ox + 88, oy + 484, 1, 91, l[1]);
  w.cell(ox + 308, oy + 220, 264, 264, 8, l[6]);
}

}  // namespace walk
