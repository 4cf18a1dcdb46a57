// The number prompts: the main menu's, the bottom bar's and the next-step prompt after each
// practice problem, with the erases of their zones.
#include "engine.h"

namespace {
constexpr int BACKGROUND = 15;
}

void ASKNUMBER() {
  CCC1 = 0;
  X = KAIX - 240;
  Y = KAIY;
  AA_S = "番号を入力して下さい。";
  PROMPTTEXT();
  INPUTFIELD();
  INPUTVALUE();
}

void CLEARASK() { PsLINE(KAIX - 240, KAIY - 8, 1056, 50, BACKGROUND, LineMode::FilledBox, BACKGROUND, Corner::Step); }

void MENUBAR() {
  CCC1 = 0;
  X = 16;
  Y = 666;
  PROMPTTEXT();
  INPUTFIELD();
  INPUTVALUE();
}

// The input field lies right of x 992 and has been erased by the number entry already.
void CLEARMENUBAR() { PsLINE(0, 657, 992, 720, BACKGROUND, LineMode::FilledBox, BACKGROUND); }

void NEXTSTEP() {
  DR = FE_GETDRAWWIDTH();
  FE_SETDRAWWIDTH(2);
  PsLINE(96, 639, 400, 675, 13, LineMode::FilledBox, 12);
  CCC1 = 9;
  X = 128;
  Y = 648;
  AA_S = "次のステップは１を入力。";
  PROMPTTEXT();
  INPUTFIELD();
  INPUTVALUE();
  PsLINE(KAIX - 48, KAIY - 9, 160, 27, BACKGROUND, LineMode::FilledBox, BACKGROUND, Corner::Step);
  PsLINE(96, 639, 400, 675, BACKGROUND, LineMode::FilledBox, BACKGROUND);
  FE_SETDRAWWIDTH(DR);
}
