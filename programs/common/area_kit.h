// The drawing steps every area diagram is made of: framed coloured cells and dotted dimension
// arcs at fixed offsets from the diagram's origin XI3, YI3, labelled from F$(), and step waits.
// A diagram is a constant list of such steps, drawn in order by drawDiagram.
#pragma once

#include <span>

namespace common {

struct DiagramStep {
  enum class Kind { Cell, Arc, Wait };
  Kind kind = Kind::Wait;
  float dx = 0, dy = 0;        // a cell's top-left corner, or an arc's start
  float dx1 = 0, dy1 = 0;      // a cell's width and height, or an arc's end
  int fill = 0;                // a cell's fill colour
  int houkou = 0, haba = 0;    // an arc's side and the degrees between its dots
  int label = 0;               // the element of F$() that labels it; 0 for no label
  int labelColour = 0;
};

// A cell: framed in colour 0, filled with fill, labelled in colour 13 unless another is given.
constexpr DiagramStep cell(float dx, float dy, float width, float height, int fill, int label, int labelColour = 13) {
  return {DiagramStep::Kind::Cell, dx, dy, width, height, fill, 0, 0, label, labelColour};
}
// A dotted arc of bulge 16 px along the edge from (dx, dy) to (dx1, dy1): dots in colour 9, label
// in colour 0 unless another is given. houkou 1 bulges left of a downward edge and below a
// rightward one, -1 the other way.
constexpr DiagramStep arc(float dx, float dy, float dx1, float dy1, int houkou, int haba, int label,
                          int labelColour = 0) {
  return {DiagramStep::Kind::Arc, dx, dy, dx1, dy1, 0, houkou, haba, label, labelColour};
}
constexpr DiagramStep stepWait() { return {}; }

// Draws the steps in order at the origin XI3, YI3. After each cell XI2 and YI1 hold its right
// end and top.
void drawDiagram(std::span<const DiagramStep> steps);

}  // namespace common
