// Prompt text: one-line texts of the prompts, drawn character by character in 16-pixel cells
// through the glyph tables.
#include "engine.h"

namespace {
const std::string FULL_STOP = "．";
}

void PROMPTCHARS() {
  STRIPBLANKS();
  LE = static_cast<float>(PfKLEN(A_S));
  XT = X;
  FE_SETFONTBOLD(true);
  // One pass even for an empty text: the blank that PROMPTTEXT hands over still takes its cell.
  FOR(I, 1, LE, [] {
    B_S = PfKMID24(A_S, I, 1);
    if (B_S == "^") {
      JYOU = 1;  // the next character bypasses the tables; "^" itself takes no room
      return;
    }
    if (JYOU != 1) {
      GLYPHMAP();
    } else {
      JYOU = 0;
    }
    // Characters the tables leave half-width sit 4 pixels higher than full-width ones.
    L = PfLEN(B_S) == 1 ? 4 : 0;
    // A full-width period is drawn in the gap before its cell and takes no room.
    if (B_S == FULL_STOP) XT -= 4;
    if (!B_S.empty()) PsSYMBOL40(XT, Y - L, 1, 1, ROUNDED(CCC1), B_S);
    if (B_S == FULL_STOP) XT -= 12;
    XT += 16;
  });
}

void PROMPTTEXT() {
  while (!AA_S.empty()) {
    LEM = static_cast<float>(PfKLEN(AA_S));
    A_S = PfKLEFT24(AA_S, 1);
    AA_S = PfKRIGHT24(AA_S, LEM - 1);
    if (A_S == "^") {
      JYOU = 1;
      continue;
    }
    PROMPTCHARS();
    X = XT;
  }
}
