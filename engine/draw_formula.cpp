// The formula typesetter's entry: takes the formula text AA$ one character at a time (a
// double-byte character is one), draws stacked fractions, the tall root sign and the exponent
// mark itself, and hands every other character to the glyph routine. X comes back as the end
// of the drawn text.
#include "platform/platform.h"
#include "runtime.h"
#include "state.h"
#include "strings.h"
#include "typeset.h"
#include "typeset_parts.h"

namespace {

// The tall root sign, high enough for a stacked fraction; its bar runs 14 px above the line.
void tallRoot() {
  FE_SETDRAWWIDTH(3);
  PsCONNECT({{X + 4, Y + 36}, {X + 8, Y + 24}, {X + 16, Y + 60}, {X + 30, Y - 14}, {X + 38, Y - 14}}, textColour());
  HROOT = 22;
  FE_SETDRAWWIDTH(DR);
  X = CHECKED(X + 32);
  TXM = X;
}

}  // namespace

void DRAWFORMULA() {
  for (;;) {
    DR = FE_GETDRAWWIDTH();
    LEM = PfKLEN(AA_S);
    if (LEM == 0) {
      FE_SETDRAWWIDTH(DR);
      return;
    }
    A_S = PfKLEFT24(AA_S, 1);
    AA_S = PfKRIGHT24(AA_S, LEM - 1);
    if (A_S == "ﾀ") {
      // A fraction runs to the next "ﾀ"; an opening "ﾀ" without one is dropped.
      N = PfKINSTR(AA_S, "ﾀ");
      if (N == 0) continue;
      A_S = PfKLEFT24(AA_S, N - 1);
      AA_A_S = PfKRIGHT24(AA_S, LEM - N - 1);
      DRAWFRACTION();
      AA_S = AA_A_S;
    } else if (A_S == "#" && BUN != 1) {
      tallRoot();
    } else if (A_S == "^") {
      JYOU = 1;
    } else {
      DRAWGLYPHS();
    }
  }
}
