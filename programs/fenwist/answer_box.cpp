#include "answer_box.h"

#include "engine/engine.h"

namespace fenwist {

namespace {

// The parameters of BOXFORMULA and BOXFORMULAMID.
void setBox(float x, float y, float haba, float tate, float textColour, float lineColour, float fill,
            const std::string& text) {
  X = x;
  Y = y;
  HABA = haba;
  TATE = tate;
  CCC1 = textColour;
  CCC2 = lineColour;
  CCC3 = fill;
  A_S = text;
}

}  // namespace

void formulaBox(float x, float y, float haba, float tate, float textColour, float lineColour, float fill,
                const std::string& text) {
  setBox(x, y, haba, tate, textColour, lineColour, fill, text);
  BOXFORMULA();
}

void formulaBoxMid(float x, float y, float haba, float tate, float textColour, float lineColour, float fill,
                   const std::string& text) {
  setBox(x, y, haba, tate, textColour, lineColour, fill, text);
  BOXFORMULAMID();
}

void formulaBoxOnLine(float x, float y, float haba, float tate, float textColour, float lineColour, float fill,
                      const std::string& text) {
  formulaBox(x, y, haba, tate, textColour, lineColour, fill, text);
  XI2 = X;
  YI1 = Y;
}

void answerBox(float x, float y, float haba, const std::string& text) {
  formulaBoxOnLine(x, y, haba, 50, 5, 0, 13, text);
}

void nextAnswerBox(float& x, float& y, float haba, const std::string& label) {
  x = XI2 + 10;
  y = YI1;
  answerBox(x, y, haba, label);
}

}  // namespace fenwist
