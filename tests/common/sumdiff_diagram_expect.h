// What the three sum-and-difference diagrams draw at an origin, step by step, for the walker.
#pragma once

#include "op_walk.h"
#include "product_diagram_expect.h"

namespace walk {

// SUMDIFFAREA at the origin (ox, oy); keysBefore: key presses before its first cell.
inline void expectSumDiffArea(OpWalk& w, float ox, float oy, const Labels& l, int keysBefore = 0) {
  w.cell(ox + 88, oy, 176, 264, 3, l[3], 13, keysBefore);
  w.arc(ox + 88, oy, ox + 88, oy + 264, 1, 91, l[0]);
  w.arc(ox + 88, oy, ox + 352, oy, -1, 181, l[0]);
  w.cell(ox + 264, oy, 88, 264, 15, l[5]);
  w.arc(ox + 264, oy, ox + 352, oy, 1, 181, l[2]);
  w.cell(ox + 88, oy + 264, 176, 88, 6, l[4]);
  w.arc(ox + 88, oy + 264, ox + 88, oy + 352, 1, 91, l[1]);
  w.cell(ox + 264, oy + 264, 88, 88, 15);
}

// SUMDIFFMOVE at the origin: the lower strip emptied, a key, the strip set upright in the right
// column with its arc, the corner and the arc on its right.
inline void expectSumDiffMove(OpWalk& w, float ox, float oy, const Labels& l, int keysBefore = 0) {
  w.cell(ox + 88, oy + 264, 176, 88, 15, l[4], 5, keysBefore);
  w.cell(ox + 264, oy, 88, 176, 6, l[5], 13, 1);
  w.arc(ox + 264, oy, ox + 352, oy, 1, 181, l[2], 13);
  w.cell(ox + 264, oy + 176, 88, 88, 15, l[6]);
  w.arc(ox + 352, oy + 176, ox + 352, oy + 264, -1, 91, l[1]);
}

// SUMDIFFRESULT at the origin: the first dot of the right strip's arc erased above the square's
// top edge, the square, its corner cut out and the arc under the corner.
inline void expectSumDiffResult(OpWalk& w, float ox, float oy, const Labels& l, int keysBefore = 0) {
  w.fill(ox + 256, oy - 6, 16, 5, 15, 15, keysBefore);
  w.cell(ox + 88, oy, 264, 264, 3, l[3], 13);
  w.cell(ox + 264, oy + 176, 88, 88, 15, l[6], 0);
  w.arc(ox + 264, oy + 264, ox + 352, oy + 264, 1, 91, l[1]);
}

}  // namespace walk
