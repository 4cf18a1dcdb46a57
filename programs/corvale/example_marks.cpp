#include "example_marks.h"

#include "engine/engine.h"
#include "programs/common/scene.h"

namespace corvale {

void anchoredPiece(int k, float x, const std::string& text) {
  X_A(k) = x + 27;
  common::textLine(x, YI1, 0, text);
}

void productArc(float x0, float y0, float x1, float y1, float colour, float houkou, float takasa) {
  ZX0 = x0;
  ZY0 = y0;
  ZX1 = x1;
  ZY1 = y1;
  CCC2 = colour;
  HOUKOU = houkou;
  HABA = 1;
  TAKASA = takasa;
  SPANARC();
  STEPWAIT();
}

void STRIKEOUT(float x, float y, float width, float count, float height, int colour) {
  PsLINE(x, y + height, x + width * count, y, colour);
}

void REDUCEDVALUE(float x, float y, const std::string& value) {
  CCC1 = 3;
  X = x;
  Y = y;
  AA_S = value;
  PLAINTEXT();
}

}  // namespace corvale
