// The small idioms every Fenwist scene is written with.
#pragma once

#include <string>

namespace fenwist {

// One text line: CCC1, X, Y and AA$ set, the formula typesetter called, then XI2 = the text's end
// and YI1 = its line.
void textLine(float colour, float x, float y, const std::string& text);
// A text line that continues the last one: at (XI2, YI1).
void textAfter(float colour, const std::string& text);
// A text drawn at a remembered place or into a figure: the layout cursor stays. X comes back as
// the text's end.
void textAt(float colour, float x, float y, const std::string& text);

// A filled colour-15 box from (x, y) over width x height: erases that area to the background.
void eraseBox(float x, float y, float width, float height);
// The scene clear: the window from (0,0) over 1320 x 1300.
void clearScene();
// The clear of the whole window: from (0,0) over 1760 x 1800.
void clearWindow();


// A section menu: writes the item line in the bottom bar and reads the choice into SENTAKU, asking
// again until it lies within 1 to items. Returns the choice as a whole number.
int SECTIONMENU(const std::string& line, int items);

}  // namespace fenwist
