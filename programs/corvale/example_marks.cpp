#include "example_marks.h"

#include "engine/engine.h"
#include "programs/common/scene.h"

namespace corvale {

void anchoredPiece(int k, float x, const std::string& text) {
  X_A(k) = x + 27;
  common::textLine(x, YI1, 0, text);
}

void productArc(float x0, float y0, float x1, float y1, float colour, float houkou, float takasa) {
  common::spanArc(x0, y0, x1, y1, {houkou, 1, takasa, colour});
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

void cancelDigits(float x, float y, float height, const std::string& struck, const std::string& value, float valueDy) {
  LE = PfKLEN(struck);
  STRIKEOUT(x, y, 27, LE, height, 3);
  REDUCEDVALUE(x, y + valueDy, value);
}

}  // namespace corvale
