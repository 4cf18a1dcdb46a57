// The square diagrams: (a+b)^2 as four cells, the merge of its two equal ab cells into one cell of
// area 2ab, and the larger diagram of (2x+3y)^2. Inputs and leftovers are those of the product
// diagram (area_diagram.h): origin XI3, YI3 and labels in F$() elements 1 to 8.
#pragma once

namespace common {

// Draws the (a+b)^2 diagram: big cell 176 x 176, right column and lower row 132; no key wait.
void SQUAREAREA();
// Over SQUAREAREA's picture: empties the right cell, waits, lays it turned under the lower cell,
// waits, and draws the merged cell (label 8).
void SQUAREMERGE();
// Draws the (2x+3y)^2 diagram: big cell 220 x 220, right column and lower row 264; no key wait.
void WIDESQUAREAREA();

}  // namespace common
