// The drawing idioms that Corvale's scenes repeat on every line.
#pragma once

#include <string>

namespace corvale {

// A text line: CCC1, X, Y and AA$ set, the formula typesetter called, and the layout cursor
// moved to the text's end (XI2 = X) and line (YI1 = Y).
void textLine(float x, float y, float colour, const std::string& text);

// Wipes a rectangle to the background: a filled colour-15 box from (x, y) over width x height.
void clearBox(float x, float y, float width, float height);

}  // namespace corvale
