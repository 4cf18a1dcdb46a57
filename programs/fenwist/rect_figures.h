// The rectangle figures of section 1: a product pictured as a rectangle whose sides are its
// factors. Inputs, set by the caller: the top-left corner XI3, YI3 of the (left) rectangle and the
// labels in F$(): 1 the height (arc beside the left side), 2 the width of the left rectangle (arc
// above it), 3 its area; for the two-rectangle figure also 5 the width of the right rectangle
// and 6 its area. The arcs and their labels lie outside the rectangles. Both routines leave the
// layout cursor, XI3, YI3 and F$() alone and draw with the pen width in force.
#pragma once

namespace fenwist {

// One rectangle, 220 x 132, with its area and the arcs of its left and top sides.
void RECTFIG();
// Two rectangles of one height side by side, 176 x 110 and 88 x 110 (2a(2x+3) = 4ax+6a): one arc
// at the left side, one over each top side.
void RECT2FIG();

}  // namespace fenwist
