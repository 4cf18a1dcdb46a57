// Small plain text: bold 15-point characters with fixed advances, no formula markup; only the
// half-width a, x and c are set apart as small italic letters.
#include "engine.h"

namespace {

void drawItalicLetter() {
  FE_SETFONTNAME("Times New Roman");
  FE_SETFONTSIZE(8);
  FE_SETFONTITALIC(true);
  PsSYMBOL40(TX + 4, TY - 12, 7, 4, ROUNDED(CCC1), A_S);
  FE_SETFONTNAME("ゴシック");
  FE_SETFONTITALIC(false);
}

}  // namespace

void PLAINTEXT() {
  DR = FE_GETDRAWWIDTH();
  TX = X;
  TY = Y;
  I = 0;
  while (!AA_S.empty()) {
    A_S = PfKLEFT24(AA_S, 1);
    AA_S = PfKMID24(AA_S, 2);
    ++I;
    FE_SETFONTBOLD(true);
    FE_SETFONTSIZE(15);
    const int colour = ROUNDED(CCC1);
    if (A_S == "." || A_S == ",") {
      PsSYMBOL40(TX, TY, 3, 2, colour, A_S);
      TX += 8;
    } else if (A_S == "(") {
      PsSYMBOL40(TX - 8, TY, 3, 2, colour, A_S);
      TX += 12;
    } else if (A_S == ")") {
      PsSYMBOL40(TX, TY, 3, 2, colour, A_S);
      TX += 8;
    } else if (A_S == " ") {
      TX += 20;
    } else if (PfLEN(A_S) == 2) {
      PsSYMBOL40(TX, TY, 2, 2, colour, A_S);
      TX += 30;
    } else if (A_S == "a" || A_S == "x" || A_S == "c") {
      drawItalicLetter();
      TX += 20;
    } else if (A_S == "y") {
      PsSYMBOL40(TX, TY - 6, 3, 2, colour, A_S);
      TX += 20;
    } else {
      PsSYMBOL40(TX, TY, 3, 2, colour, A_S);
      TX += 20;
    }
  }
  FE_SETFONTBOLD(false);
  FE_SETFONTSIZE(16);
  FE_SETDRAWWIDTH(DR);
  X = TX;
}
