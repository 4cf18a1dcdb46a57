// Waits for any key with a message box in the bottom bar: the step wait between the reveals of
// a scene, and the bar message.
#include "engine.h"

namespace {

constexpr int BOX_EDGE = 13;
constexpr int BOX_FILL = 4;
constexpr int MESSAGE_COLOUR = 9;
constexpr int BACKGROUND = 15;

// Keys pressed while the scene drew are still waiting and end the wait at once.
void waitForAnyKey() {
  do {
    I_S = PfINKEY24();
  } while (I_S.empty());
}

}  // namespace

void STEPWAIT() {
  CCC0 = CCC1;
  DR = FE_GETDRAWWIDTH();
  FE_SETDRAWWIDTH(3);
  PsLINE(96, 657, 400, 693, BOX_EDGE, LineMode::FilledBox, BOX_FILL);
  CCC1 = MESSAGE_COLOUR;
  X = 128;
  Y = 666;
  AA_S = "何かキーを押して下さい。";
  PROMPTTEXT();
  waitForAnyKey();
  // From x 0, so the left end of the bottom bar goes too.
  PsLINE(0, 657, 400, 693, BACKGROUND, LineMode::FilledBox, BACKGROUND);
  CCC1 = CCC0;
  FE_SETDRAWWIDTH(DR);
}

void BARMESSAGE() {
  CCC0 = CCC1;
  DR = FE_GETDRAWWIDTH();
  FE_SETDRAWWIDTH(3);
  PsLINE(16, 657, 480, 36, BOX_EDGE, LineMode::FilledBox, BOX_FILL, Corner::Step);
  CCC1 = MESSAGE_COLOUR;
  X = 48;
  Y = 666;
  PROMPTTEXT();
  waitForAnyKey();
  CLEARMENUBAR();
  CCC1 = CCC0;
  FE_SETDRAWWIDTH(DR);
}
