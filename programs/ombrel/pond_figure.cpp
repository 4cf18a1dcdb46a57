#include "programs/ombrel/pond_figure.h"

#include "engine/engine.h"

namespace ombrel {

void PONDGRID() {
  GGX = 704;
  GGY = 80;
  YOKO = 10;
  TATE = 10;
  SIZE = 40;
  CCC2 = 15;
  SQUAREGRID();
}

void GRIDPOINTS(float last) {
  float i = 0;
  FOR(i, 1, last, [&] {
    X_A(i) = GX0 + SIZE * X_A(i);
    Y_A(i) = GY0 - SIZE * Y_A(i);
  });
}

void DIMENSIONLINE(float x0, float y0, float x1, float y1, float colour) {
  // ARROW may hand its points back exchanged: both calls set them afresh.
  for (const float muki : {-1.0f, 1.0f}) {
    ZX0 = x0;
    ZY0 = y0;
    ZX = x1;
    ZY = y1;
    MUKI = muki;
    NAGASA = 16;
    CCC2 = colour;
    ARROW();
  }
}

void POINTERARROW(float x, float y) {
  ZX0 = x;
  ZY0 = y + 20;
  ZX = x;
  ZY = y - 40;
  MUKI = 1;
  NAGASA = 16;
  CCC2 = 7;
  ARROW();
}

void RECTPOINTS(float bottom) {
  PONDGRID();
  FE_SETDRAWWIDTH(6);
  X_A(1) = 0;
  Y_A(1) = 10;
  X_A(2) = 10;
  Y_A(2) = bottom;
  X_A(3) = X_A(1) + 2;
  Y_A(3) = Y_A(1) - 2;
  X_A(4) = X_A(2) - 2;
  Y_A(4) = Y_A(2) + 2;
  X_A(5) = X_A(1) + 5;
  Y_A(5) = Y_A(1);
  X_A(6) = X_A(5);
  Y_A(6) = Y_A(2);
  GRIDPOINTS(6);
}

void TOPWIDTH(float colour) { DIMENSIONLINE(X_A(5), Y_A(5), X_A(5), Y_A(5) + 2 * SIZE, colour); }

void CENTREBOX(float colour) {
  PsLINE(X_A(1) + SIZE, Y_A(1) + SIZE, X_A(2) - SIZE, Y_A(2) - SIZE, static_cast<int>(colour), LineMode::Box);
}

void BOTTOMPOINTER() { POINTERARROW(X_A(6), Y_A(6)); }

void PENTWO() { FE_SETDRAWWIDTH(2); }

}  // namespace ombrel
