#include "scene.h"

#include "engine/engine.h"

namespace common {

void textAt(float x, float y, float colour, const std::string& text) {
  CCC1 = colour;
  X = x;
  Y = y;
  AA_S = text;
  DRAWFORMULA();
}

void textLine(float x, float y, float colour, const std::string& text) {
  textAt(x, y, colour, text);
  XI2 = X;
  YI1 = Y;
}

void textAfter(float colour, const std::string& text) { textLine(XI2, YI1, colour, text); }

void eraseBox(float x, float y, float width, float height) {
  PsLINE(x, y, width, height, 15, LineMode::FilledBox, 15, Corner::Step);
}

void clearScene() { eraseBox(0, 0, 1320, 1300); }

void clearWindow() { eraseBox(0, 0, 1760, 1800); }

}  // namespace common
