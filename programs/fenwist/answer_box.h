// The numbered answer boxes of the later sections' drills.
#pragma once

#include <string>

namespace fenwist {

// An answer box of the later sections' drills: haba x 50, framed in colour 0 and filled with 13,
// holding text in colour 5 (its circled number, or later the answer, which covers the number when
// the box is drawn again at the same corner). The layout cursor follows it: XI2 = its right edge,
// YI1 = its top.
void answerBox(float x, float y, float haba, const std::string& text);
// The next answer box of the line, 10 px after its last item (XI2, YI1), holding its label; its
// top-left corner is kept in (x, y), where the box that fills it is drawn later.
void nextAnswerBox(float& x, float& y, float haba, const std::string& label);

}  // namespace fenwist
