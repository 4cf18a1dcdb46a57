#include "rect_figures.h"

#include <string>

#include "answer_box.h"
#include "engine/engine.h"

namespace fenwist {
namespace {

// A rectangle with its area label centred in it: frame colour 0, label colour 13.
void cell(float x, float y, float width, float height, float fill, const std::string& label) {
  formulaBox(x, y, width, height, 13, 0, fill, label);
}

// A dotted dimension arc 16 px off the side from (x0,y0) to (x1,y1), dots in colour 9 every
// `step` degrees, its label in colour 0 beyond the apex. houkou 1 bulges left of a side drawn
// downwards, -1 above a side drawn rightwards.
void arc(float x0, float y0, float x1, float y1, float houkou, float step, const std::string& label) {
  ZX0 = x0;
  ZY0 = y0;
  ZX1 = x1;
  ZY1 = y1;
  TAKASA = 1;
  HOUKOU = houkou;
  HABA = step;
  CCC2 = 9;
  CCC1 = 0;
  AAA_S = label;
  SPANARC();
}

}  // namespace

void RECTFIG() {
  cell(XI3, YI3, 220, 132, 3, F_S_A(3));
  arc(XI3, YI3, XI3, YI3 + 132, 1, 2, F_S_A(1));
  arc(XI3, YI3, XI3 + 220, YI3, -1, 1, F_S_A(2));
}

void RECT2FIG() {
  cell(XI3, YI3, 176, 110, 3, F_S_A(3));
  arc(XI3, YI3, XI3, YI3 + 110, 1, 2, F_S_A(1));
  arc(XI3, YI3, XI3 + 176, YI3, -1, 1, F_S_A(2));
  cell(XI3 + 176, YI3, 88, 110, 4, F_S_A(6));
  arc(XI3 + 176, YI3, XI3 + 264, YI3, -1, 1, F_S_A(5));
}

}  // namespace fenwist
