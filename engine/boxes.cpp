// Formulas centred in filled boxes: the box of HABA by TATE pixels first (edge CCC2, interior
// CCC3), then the formula over it in CCC1. X comes back as the box's right edge.
#include "platform/platform.h"
#include "runtime.h"
#include "state.h"
#include "strings.h"
#include "typeset.h"

namespace {

bool holdsFraction(const std::string& formula) { return PfKINSTR(formula, "ﾀ") != 0; }

// Measures A$ and gives the left offset that centres it in the box; the measuring run does not
// use up the tall-parenthesis switch meant for the drawing. A formula wider than the box starts
// at its left edge.
float centringOffset(float kakko) {
  MEASUREFORM();
  KAKKO = kakko;
  const float offset = (HABA - LLT) / 2;
  return offset < 0 ? 0 : offset;
}

void filledBox(float left, float top, float bottom) {
  PsLINE(left, top, left + HABA, bottom, ROUNDED(CCC2), LineMode::FilledBox, ROUNDED(CCC3));
}

void drawAt(float x, float y, const std::string& formula) {
  X = x;
  Y = y;
  AA_S = formula;
  DRAWFORMULA();
}

}  // namespace

void BOXFORMULA() {
  const float left = X, top = Y, kakko = KAKKO;
  const std::string formula = A_S;
  // A text line is 44 pixels high, 50 with a stacked fraction.
  const float line = top + PnFInt((TATE - (holdsFraction(formula) ? 50 : 44)) / 2);
  const float offset = centringOffset(kakko);
  filledBox(left, top, top + TATE);
  drawAt(left + offset, line, formula);
  X = left + HABA;
  Y = top;
}

void BOXFORMULAMID() {
  const float left = X, line = Y, kakko = KAKKO;
  const std::string formula = A_S;
  const float offset = centringOffset(kakko);
  // The box is centred on the text line, also around a fraction.
  const float shift = PnFInt((TATE - 44) / 2);
  filledBox(left, line - shift, line + TATE - shift);
  drawAt(left + offset, line, formula);
  X = left + HABA;
}

void BOXTWOLINES() {
  const float left = X, top = Y, kakko = KAKKO;
  const std::string first = A1_S, second = A2_S;
  A_S = first;
  const float offset1 = centringOffset(kakko);
  float y1 = top + (holdsFraction(first) ? PnFInt((TATE / 2 - 50) / 2) : PnFInt((TATE / 2 - 44) / 2));
  if (second.empty()) y1 += 25;
  filledBox(left, top, top + TATE);
  drawAt(left + offset1, y1, first);
  A_S = second;
  const float offset2 = centringOffset(kakko);
  const float y2 = holdsFraction(second) ? top + 50 + PnFInt((TATE / 2 - 50) / 2) : top + 44 + PnFInt((TATE / 2 - 44) / 2);
  drawAt(left + offset2, y2, second);
  X = left + HABA;
  Y = top;
}
