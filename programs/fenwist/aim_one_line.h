// The aim screen of a section whose aim is one line.
#pragma once

namespace fenwist {

// XI1 = 44, YI1 = 240; "<めあて>" at (44,240) in colour 3, then the aim line 90 px lower at
// (44,330) in colour 0, both as text lines. An aim line that begins with a half-width blank
// starts one advance to the right. Leaves XI2 at the end of the aim line and YI1 = 330.
void AIMONELINE(const char* line);

}  // namespace fenwist
