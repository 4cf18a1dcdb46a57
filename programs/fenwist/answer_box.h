// Boxes holding a formula: the numbered answer boxes of the drills, the cells of tables and
// figures and the frame boxes of the answer pages.
#pragma once

#include <string>

namespace fenwist {

// A BOXFORMULA box haba x tate with its top-left corner at (x, y), framed in lineColour and
// filled with fill, holding text centred in textColour. Drawn again at the same corner and size it
// covers what the box showed. The layout cursor stays; X comes back as the box's right edge.
void formulaBox(float x, float y, float haba, float tate, float textColour, float lineColour, float fill,
                const std::string& text);
// The same box centred on the text line y (BOXFORMULAMID), its text on that line.
void formulaBoxMid(float x, float y, float haba, float tate, float textColour, float lineColour, float fill,
                   const std::string& text);
// A formulaBox followed by the layout cursor: XI2 = its right edge, YI1 = its top.
void formulaBoxOnLine(float x, float y, float haba, float tate, float textColour, float lineColour, float fill,
                      const std::string& text);

// An answer box of the later sections' drills: haba x 50, framed in colour 0 and filled with 13,
// holding text in colour 5 (its circled number, or later the answer, which covers the number when
// the box is drawn again at the same corner). The layout cursor follows it: XI2 = its right edge,
// YI1 = its top.
void answerBox(float x, float y, float haba, const std::string& text);
// The next answer box of the line, 10 px after its last item (XI2, YI1), holding its label; its
// top-left corner is kept in (x, y), where the box that fills it is drawn later.
void nextAnswerBox(float& x, float& y, float haba, const std::string& label);

}  // namespace fenwist
