#include "answer_box.h"

#include "engine/engine.h"
#include "programs/common/scene.h"

namespace fenwist {

void answerBox(float x, float y, float haba, const std::string& text) {
  common::formulaBoxLine(x, y, {haba, 50, 5, 0, 13}, text);
}

void nextAnswerBox(float& x, float& y, float haba, const std::string& label) {
  x = XI2 + 10;
  y = YI1;
  answerBox(x, y, haba, label);
}

}  // namespace fenwist
