// The area diagram of a product of two binomials, (x+a)(x+b): a rectangle of four coloured cells
// with dotted dimension arcs along its outer edges, and the animation that turns its right column
// under it and merges it with the lower row into one cell of area (a+b)x.
//
// Inputs, set by the caller before every call: the origin XI3, YI3 (every cell and arc lies at a
// fixed offset from it; the cells start 88 px right of it) and the labels in F$() elements 1 to 8:
//   1 the side of the big cell (left and top arcs)   5 the lower cell
//   2 the height of the lower row (left arc)          6 the right cell, and the turned strip
//   3 the width of the right column (top arc)         7 the corner cell
//   4 the big cell                                    8 the merged cell
// An empty label leaves its cell or arc unlabelled. The routines only read XI3, YI3 and F$();
// they leave XI2, YI1, X, Y, CCC1 to CCC3, HABA, TATE and A$ as the last cell drew them, the
// arc parameters as the last SPANARC left them, and the pen width as it was.
#pragma once

namespace common {

// Draws the product diagram; never waits for a key.
void PRODUCTAREA();
// Over PRODUCTAREA's picture at the same origin: empties the right cell, waits for a key, lays
// the turned strip under the lower cell, waits again, and draws the merged cell (label 8).
void PRODUCTMERGE();

}  // namespace common
