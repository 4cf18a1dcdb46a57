// Clears of the work area and of the band beside the prompt anchor: filled boxes of colour 15.
#include "numbers.h"
#include "platform/platform.h"
#include "state.h"

void CLEARWORK() { PsLINE(0, 54, 1440, 900, 15, LineMode::FilledBox, 15); }

void CLEARBAND() {
  X = KAIX + 80;
  Y = KAIY - 72;
  PsLINE(X, Y, 1440, 90, 15, LineMode::FilledBox, 15, Corner::Step);
}
