// The drawing idioms every lesson scene is written with: text lines through the formula
// typesetter, erasing boxes and the two clears.
#pragma once

#include <string>

namespace common {

// A text line: CCC1, X, Y and AA$ set and the formula typesetter called; then the layout cursor
// follows it, XI2 = the text's end and YI1 = its line.
void textLine(float x, float y, float colour, const std::string& text);
// A text line that continues the last one: at (XI2, YI1).
void textAfter(float colour, const std::string& text);
// A text drawn at a remembered place or into a figure: the layout cursor stays. X comes back as
// the text's end.
void textAt(float x, float y, float colour, const std::string& text);

// A filled colour-15 box from (x, y) over width x height: erases that area to the background.
void eraseBox(float x, float y, float width, float height);
// The scene clear: from (0,0) over 1320 x 1300.
void clearScene();
// The clear of the whole window: from (0,0) over 1760 x 1800.
void clearWindow();

}  // namespace common
