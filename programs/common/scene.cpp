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

void formulaBox(float x, float y, const BoxStyle& style, const std::string& text, BoxAt at) {
  X = x;
  Y = y;
  HABA = style.width;
  TATE = style.height;
  CCC1 = style.text;
  CCC2 = style.frame;
  CCC3 = style.fill;
  A_S = text;
  if (at == BoxAt::TextLine)
    BOXFORMULAMID();
  else
    BOXFORMULA();
}

void formulaBoxLine(float x, float y, const BoxStyle& style, const std::string& text, BoxAt at) {
  formulaBox(x, y, style, text, at);
  XI2 = X;
  YI1 = Y;
}

void spanArc(float x0, float y0, float x1, float y1, const ArcStyle& style, const std::optional<ArcLabel>& label) {
  ZX0 = x0;
  ZY0 = y0;
  ZX1 = x1;
  ZY1 = y1;
  HOUKOU = style.houkou;
  HABA = style.haba;
  TAKASA = style.takasa;
  CCC2 = style.dots;
  if (label) {
    AAA_S = label->text;
    CCC1 = label->colour;
    AAAY = label->dy;
  }
  SPANARC();
}

void eraseBox(float x, float y, float width, float height) {
  PsLINE(x, y, width, height, 15, LineMode::FilledBox, 15, Corner::Step);
}

void clearScene() { eraseBox(0, 0, 1320, 1300); }

void clearWindow() { eraseBox(0, 0, 1760, 1800); }

}  // namespace common
