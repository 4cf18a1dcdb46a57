// The glyph routine of the formula typesetter: draws the characters of A$ one after another
// from (X, Y), each through the same chain: the substitutions, the markup characters (exponent
// and index marks, root signs, the end of a root, the parallelogram sign), then the glyph
// classes of glyph_metrics.cpp followed by the root's bar. The markup state (JYOU, JYOUK,
// HROOT, TXM, KAKKO) lives in globals and carries over from one call to the next, so a root
// stays open and its bar keeps growing until a "ﾝ" closes it.
#include "loops.h"
#include "platform/platform.h"
#include "runtime.h"
#include "state.h"
#include "strings.h"
#include "typeset.h"
#include "typeset_parts.h"

namespace {

// Characters the formulas write with keyboard characters. A "#" reaching the glyph routine
// stands inside a fraction, where the tall root cannot go: it is drawn as the small root.
std::string substituted(const std::string& ch) {
  if (ch == "%") return "°";
  if (ch == "*") return "×";
  if (ch == "/") return "÷";
  if (ch == "@") return "±";
  if (ch == "!" || ch == "#") return "√";
  return ch;
}

// A root sign: a short rising tick, a falling stroke and a long rising stroke ending in a short
// horizontal piece at the height of its bar; its bar starts at the sign's end.
void rootSign(bool inFraction) {
  FE_SETDRAWWIDTH(3);
  if (inFraction) {
    PsCONNECT({{TX + 4, TY + 24}, {TX + 8, TY + 13}, {TX + 16, TY + 29}, {TX + 24, TY - 6}, {TX + 26, TY - 6}},
              textColour());
    HROOT = 11;
    TX = CHECKED(TX + 26);
  } else {
    PsCONNECT({{TX + 4, TY + 36}, {TX + 8, TY + 24}, {TX + 16, TY + 40}, {TX + 24, TY - 4}, {TX + 32, TY - 4}},
              textColour());
    HROOT = 1;
    TX = CHECKED(TX + 28);
  }
  TXM = TX;
}

void parallelogram() {
  FE_SETDRAWWIDTH(5);
  PsCONNECT({{TX + 4, TY + 40}, {TX + 25, TY + 40}, {TX + 32, TY + 8}, {TX + 11, TY + 8}, {TX + 4, TY + 40}},
            textColour());
  TX = CHECKED(TX + 36);
  TXM = TX;
}

// The markup characters: true when ch was one of them (nothing more is drawn for it).
bool markup(const std::string& ch) {
  if (ch == "^") {
    JYOU = 1;
  } else if (ch == "\\") {
    JYOUK = 1;
  } else if (ch == "ﾝ") {
    HROOT = 0;
  } else if (ch == "√") {
    rootSign(BUN == 1);
  } else if (ch == "&") {
    parallelogram();
  } else {
    return false;
  }
  return true;
}

// After each glyph the open root's bar is drawn again from its start to the glyph's right end;
// with no root open its start follows the cursor. Over a fraction under the tall root the
// fraction draws the bar itself.
void vinculumStep() {
  float lift;
  if (HROOT == 1) {
    lift = 4;
  } else if (HROOT == 11) {
    lift = 6;
  } else if (HROOT == 22 && BUN != 1) {
    lift = 14;
  } else {
    TXM = TX;
    return;
  }
  FE_SETDRAWWIDTH(3);
  PsLINE(TXM, TY - lift, TX, TY - lift, textColour());
}

}  // namespace

void DRAWGLYPHS() {
  TX = X;
  TY = Y;
  DR = FE_GETDRAWWIDTH();
  const int count = PfKLEN(A_S);
  FE_SETFONTNAME(GOTHIC);
  FE_SETFONTSIZE(16);
  FE_SETFONTBOLD(true);
  // An empty text (an empty numerator or denominator) draws nothing and takes no room.
  if (count > 0) {
    FOR(I, 1, count, [] {
      const std::string ch = substituted(PfKMID24(A_S, I, 1));
      if (markup(ch)) return;
      drawMetricGlyph(ch);
      vinculumStep();
    });
  }
  X = TX;
  Y = TY;
  FE_SETFONTBOLD(false);
  FE_SETDRAWWIDTH(DR);
}
