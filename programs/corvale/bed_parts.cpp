#include "bed_parts.h"

#include "engine/engine.h"

namespace corvale {

void bedCell(float x, float y, float width, float height, float fill, float textColour, const std::string& text) {
  X = x;
  Y = y;
  HABA = width;
  TATE = height;
  CCC1 = textColour;
  CCC2 = 0;
  CCC3 = fill;
  A_S = text;
  BOXFORMULA();
}

void spanArc(float x0, float y0, float x1, float y1, float colour, float houkou, float haba, float takasa,
             const std::string& label, float labelColour, float labelDy) {
  ZX0 = x0;
  ZY0 = y0;
  ZX1 = x1;
  ZY1 = y1;
  CCC2 = colour;
  HOUKOU = houkou;
  HABA = haba;
  TAKASA = takasa;
  if (!label.empty()) {
    CCC1 = labelColour;
    AAAY = labelDy;
    AAA_S = label;
  }
  SPANARC();
}

}  // namespace corvale
