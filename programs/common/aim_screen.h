// The aim screen a section shows when it is entered from the main menu.
#pragma once

#include <initializer_list>

namespace common {

// Where the aim lines stand: indent px right of "<めあて>", each gap px below the text before it.
// Most sections indent their lines 32 px and set them 65 px apart; a section of Fenwist whose aim
// is one line sets it 90 px under the heading at the heading's x.
struct AimLayout {
  float indent = 32;
  float gap = 65;
};

// XI1 = 44, YI1 = 240; "<めあて>" at (44,240) in the heading colour (5, or 3 in Fenwist), then each
// aim line in colour 0 at XI1 + indent, gap px below the line before, as text lines. Leaves XI2 at
// the end of the last aim line and YI1 on its line.
void SHOWAIM(float headingColour, std::initializer_list<const char*> lines, AimLayout layout = {});

}  // namespace common
