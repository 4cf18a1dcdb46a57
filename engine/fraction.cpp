// A stacked fraction: numerator over a bar over denominator, the narrower part centred on the
// wider, both in the fraction metrics. Afterwards TBSIYAKX, TBSIYAKY, TBBOYAKX and TBBOYAKY
// say where the numerator and the denominator were drawn, for the cancellation strokes of the
// lessons.
#include "platform/platform.h"
#include "state.h"
#include "strings.h"
#include "typeset.h"
#include "typeset_parts.h"

namespace {

// Measures A$ in the fraction metrics into LLT. The markup state comes back as it was, so each
// part is drawn from the state it was measured from; only a tall ")" uses up KAKKO, as a drawing would.
void measurePart(const std::string& part) {
  const float jyou = JYOU, jyouk = JYOUK, hroot = HROOT, txm = TXM;
  A_S = part;
  BUN = 1;
  MEASUREFORM();
  JYOU = jyou;
  JYOUK = jyouk;
  HROOT = hroot;
  TXM = txm;
}

// The fraction's horizontal bar, and the tall root's bar over it, each with its own pen width.
void bar(float y, float width) {
  FE_SETDRAWWIDTH(width);
  PsLINE(XT, y, NAGA, 0, textColour(), LineMode::Line, -1, Corner::Step);
  FE_SETDRAWWIDTH(DR);
}

void drawPart(float x, float y, const std::string& part) {
  X = x;
  Y = y;
  BUN = 1;
  A_S = part;
  DRAWGLYPHS();
}

}  // namespace

void DRAWFRACTION() {
  XT = X;
  YT = Y;
  // A root sign anywhere in the fraction needs room under the bar ("#" here draws the small root too).
  TA5 = static_cast<float>(PfINSTR(A_S, "!"));
  TA6 = static_cast<float>(PfKINSTR(A_S, "√"));
  const bool rootInside = TA5 != 0 || TA6 != 0 || PfINSTR(A_S, "#") != 0;
  // Split at the first "/". Without one the whole text is the numerator over an empty denominator.
  TA1 = static_cast<float>(PfINSTR(A_S, "/"));
  if (TA1 == 0) TA1 = static_cast<float>(PfLEN(A_S) + 1);
  RTASKAI1_S = PfLEFT24(A_S, TA1 - 1);
  RTASKAI2_S = PfMID24(A_S, TA1 + 1);
  measurePart(RTASKAI1_S);
  TBSI = LLT;
  measurePart(RTASKAI2_S);
  TBBO = LLT;
  NAGA = TBSI >= TBBO ? TBSI : TBBO;
  TBSI1 = (NAGA - TBSI) / 2;
  TBBO1 = (NAGA - TBBO) / 2;
  BSEN = YT + 25;
  bar(BSEN, 4);
  if (HROOT == 22) bar(YT - 14, 3);
  // The denominator sits lower when it carries a root or an exponent, and again lower when a
  // root stands anywhere in the fraction.
  TA1 = static_cast<float>(PfKINSTR(RTASKAI2_S, "√"));
  TA2 = static_cast<float>(PfKINSTR(RTASKAI2_S, "^"));
  float denominatorY = TA1 == 0 && TA2 == 0 ? YT + 28 : YT + 36;
  if (rootInside) denominatorY += 8;
  TBSIYAKX = XT + TBSI1;
  TBSIYAKY = YT - 10;
  TBBOYAKX = XT + TBBO1;
  TBBOYAKY = denominatorY;
  drawPart(XT + TBBO1, denominatorY, RTASKAI2_S);
  drawPart(XT + TBSI1, YT - 10, RTASKAI1_S);
  BUN = 0;
  X = XT + NAGA;
  Y = YT;
}
