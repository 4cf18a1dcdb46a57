// The marks of Corvale's worked examples: the dotted arcs of the distributive law, and the
// strokes through cancelled numbers, letters and exponents with the values left after them.
#pragma once

#include <string>

namespace corvale {

// A piece of a formula line in colour 0 at (x, YI1), as a text line, whose arc anchor X(k) is
// recorded 27 px right of where it begins.
void anchoredPiece(int k, float x, const std::string& text);
// A dotted arc without label from (x0, y0) to (x1, y1), one dot per degree in colour with the
// pen in force, bulging takasa (x 16 px) to the side houkou gives (SPANARC); then a step wait.
void productArc(float x0, float y0, float x1, float y1, float colour, float houkou, float takasa);

// A stroke through count characters, each width px wide, whose top-left corner is (x, y): a
// straight line in colour with the pen in force, rising from the bottom-left corner, height px
// below the top, to the top-right corner.
void STRIKEOUT(float x, float y, float width, float count, float height, int colour);
// The value left after a cancellation, in small plain type in colour 3 at (x, y).
void REDUCEDVALUE(float x, float y, const std::string& value);
// A cancellation across the digits of a product line: a stroke in colour 3 through the LE
// characters of struck (27 px each, height px high) whose top-left corner is (x, y), and the
// value left at (x, y + valueDy).
void cancelDigits(float x, float y, float height, const std::string& struck, const std::string& value, float valueDy);

}  // namespace corvale
