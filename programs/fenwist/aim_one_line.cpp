#include "aim_one_line.h"

#include "engine/engine.h"
#include "programs/common/scene.h"

namespace fenwist {

void AIMONELINE(const char* line) {
  XI1 = 44;
  YI1 = 240;
  common::textLine(XI1, YI1, 3, "<めあて>");
  common::textLine(XI1, YI1 + 90, 0, line);
}

}  // namespace fenwist
