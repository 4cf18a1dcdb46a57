#include "answer_box.h"

#include "engine/engine.h"

namespace fenwist {

void answerBox(float x, float y, float haba, const std::string& text) {
  X = x;
  Y = y;
  HABA = haba;
  TATE = 50;
  CCC1 = 5;
  CCC2 = 0;
  CCC3 = 13;
  A_S = text;
  BOXFORMULA();
  XI2 = X;
  YI1 = Y;
}

}  // namespace fenwist
