#include "task_kit.h"

#include "engine/engine.h"

namespace pradine {

void TASKBOX(float x, float y, float frame, float fill, const std::string& text) {
  X = x;
  Y = y;
  HABA = 120;
  TATE = 50;
  CCC1 = 13;
  CCC2 = frame;
  CCC3 = fill;
  A_S = text;
  BOXFORMULA();
  XI2 = X;
  YI1 = Y;
}

void DIAGRAMLABELS(std::initializer_list<const char*> labels) {
  float n = 1;
  for (const char* label : labels) F_S_A(n++) = label;
  for (; n <= 8; ++n) F_S_A(n) = "";
}

}  // namespace pradine
