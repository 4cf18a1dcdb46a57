#include "aim_screen.h"

#include "engine/engine.h"
#include "scene.h"

namespace common {

void SHOWAIM(float headingColour, std::initializer_list<const char*> lines, AimLayout layout) {
  XI1 = 44;
  YI1 = 240;
  textLine(XI1, YI1, headingColour, "<めあて>");
  for (const char* line : lines) textLine(XI1 + layout.indent, YI1 + layout.gap, 0, line);
}

}  // namespace common
