#include "scene.h"

#include "engine/engine.h"

namespace corvale {

void textLine(float x, float y, float colour, const std::string& text) {
  CCC1 = colour;
  X = x;
  Y = y;
  AA_S = text;
  DRAWFORMULA();
  XI2 = X;
  YI1 = Y;
}

void clearBox(float x, float y, float width, float height) {
  PsLINE(x, y, width, height, 15, LineMode::FilledBox, 15, Corner::Step);
}

}  // namespace corvale
