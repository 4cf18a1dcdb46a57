// The numbered answer boxes of the later sections' drills.
#pragma once

#include <string>

namespace fenwist {

// An answer box haba x 50 with its top-left corner at (x, y), framed in colour 0 and filled with
// 13, holding text in colour 5 (its circled number, or later the answer, which covers the number
// when the box is drawn again at the same corner). The layout cursor follows it: XI2 = its right
// edge, YI1 = its top.
void answerBox(float x, float y, float haba, const std::string& text);

}  // namespace fenwist
