// The pieces of Corvale's flower-bed figures and product lines: the coloured cells of a bed and
// the dotted arcs that span a side or join two terms.
#pragma once

#include <string>

namespace corvale {

// A cell of a bed: BOXFORMULA at (x, y), width x height, framed in colour 0 and filled with fill,
// holding text in textColour ("" for an empty cell). X and Y come back as BOXFORMULA leaves them.
void bedCell(float x, float y, float width, float height, float fill, float textColour, const std::string& text);

// A dotted arc by SPANARC from (x0, y0) to (x1, y1): a dot in colour every haba degrees, bulging
// takasa to the side houkou. A label, when there is one, stands at the apex in labelColour, its
// top moved down by labelDy; an arc without one leaves CCC1 and AAAY as they are.
void spanArc(float x0, float y0, float x1, float y1, float colour, float houkou, float haba, float takasa,
             const std::string& label = "", float labelColour = 0, float labelDy = 0);

}  // namespace corvale
