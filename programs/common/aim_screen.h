// The aim screen a section shows when it is entered from the main menu.
#pragma once

#include <initializer_list>

namespace common {

// XI1 = 44, YI1 = 240; "<めあて>" at (44,240) in the heading colour (5, or 3 in Fenwist), then each
// aim line in colour 0 at XI1 + 32, 65 px below the line before, as text lines. Leaves XI2 at the
// end of the last aim line and YI1 on its line.
void SHOWAIM(float headingColour, std::initializer_list<const char*> lines);

}  // namespace common
