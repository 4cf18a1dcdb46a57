// A translation on graph paper shown as its two components, a horizontal and a vertical arrow,
// labelled with their lengths in cells.
#include "figures.h"
#include "plane.h"
#include "platform/platform.h"
#include "prompts.h"
#include "state.h"
#include "strings.h"
#include "typeset.h"

namespace {

void arrowFromTo(float x0, float y0, float x1, float y1, float colour) {
  ZX0 = x0;
  ZY0 = y0;
  ZX = x1;
  ZY = y1;
  MUKI = 1;
  CCC2 = colour;
  NAGASA = 16;
  ARROW();
}

// A count of cells as text without blanks; none on a grid without a cell size.
std::string cellCount(float pixels) {
  if (SIZE == 0) return "";
  A_S = PfSTR244(pixels / SIZE);
  STRIPBLANKS();
  return A_S;
}

}  // namespace

void GRIDVECTOR() {
  if (GX4 < GX3) {
    std::swap(GX3, GX4);
    std::swap(GY3, GY4);
  }
  FE_SETDRAWWIDTH(4);
  arrowFromTo(GX3, GY3, GX4, GY3, 7);
  arrowFromTo(GX4, GY3, GX4, GY4, 3);
  X_S = cellCount(GX4 - GX3);
  Y_S = cellCount(GY3 - GY4);
  if (PfLEFT24(HYOUJI_S, 1) == "y") VECTORXLABEL();
  if (PfMID24(HYOUJI_S, 2, 1) == "y") VECTORYLABEL();
}

// On the side of the horizontal arrow towards which the vertical one runs.
void VECTORXLABEL() {
  CCC1 = 7;
  X = (GX3 + GX4) / 2 - 14;
  Y = GY4 < GY3 ? GY3 - 44 : GY3;
  AA_S = X_S;
  DRAWFORMULA();
}

// To the right of the vertical arrow, at its middle.
void VECTORYLABEL() {
  CCC1 = 3;
  X = GX4;
  Y = (GY3 + GY4) / 2 - 16;
  AA_S = Y_S;
  DRAWFORMULA();
}
