#include "rect_figures.h"

#include "engine/engine.h"
#include "programs/common/scene.h"

namespace fenwist {
namespace {

// The dimension arcs, 16 px off a side, dots in colour 9: beside a left side drawn downwards, a
// dot every 2 degrees, and over a top side drawn rightwards, a dot every degree. Their labels
// stand beyond the apex in colour 0.
constexpr common::ArcStyle LEFT_SIDE{1, 2, 1, 9}, TOP_SIDE{-1, 1, 1, 9};

common::ArcLabel label(float element) { return {F_S_A(element), 0}; }

}  // namespace

// The rectangles are framed in colour 0 with their area labels centred in colour 13.
void RECTFIG() {
  common::formulaBox(XI3, YI3, {220, 132, 13, 0, 3}, F_S_A(3));
  common::spanArc(XI3, YI3, XI3, YI3 + 132, LEFT_SIDE, label(1));
  common::spanArc(XI3, YI3, XI3 + 220, YI3, TOP_SIDE, label(2));
}

void RECT2FIG() {
  common::formulaBox(XI3, YI3, {176, 110, 13, 0, 3}, F_S_A(3));
  common::spanArc(XI3, YI3, XI3, YI3 + 110, LEFT_SIDE, label(1));
  common::spanArc(XI3, YI3, XI3 + 176, YI3, TOP_SIDE, label(2));
  common::formulaBox(XI3 + 176, YI3, {88, 110, 13, 0, 4}, F_S_A(6));
  common::spanArc(XI3 + 176, YI3, XI3 + 264, YI3, TOP_SIDE, label(5));
}

}  // namespace fenwist
