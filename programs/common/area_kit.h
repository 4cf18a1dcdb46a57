// The drawing steps every area diagram is made of: framed coloured cells and dotted dimension
// arcs at fixed offsets from the diagram's origin XI3, YI3, labelled from F$(), and step waits.
// A diagram is a constant list of such steps, drawn in order by drawDiagram.
#pragma once

#include <array>
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

// The four cells of a product of two binomials: a big square cell of side `big` at (88, 0), a
// right column `right` px wide and a lower row `lower` px high, with the arcs along the outer
// edges: left of the big cell and of the lower row, over the big cell and the right column.
constexpr std::array<DiagramStep, 8> fourCells(float big, float right, float lower) {
  return {
      cell(88, 0, big, big, 3, 4),                           // big cell
      arc(88, 0, 88, big, 1, 2, 1),                          // its left edge
      arc(88, 0, 88 + big, 0, -1, 1, 1),                     // its top edge
      cell(88 + big, 0, right, big, 4, 6),                   // right cell
      arc(88 + big, 0, 88 + big + right, 0, -1, 1, 3),       // its top edge
      cell(88, big, big, lower, 6, 5),                       // lower cell
      arc(88, big, 88, big + lower, 1, 2, 2),                // its left edge
      cell(88 + big, big, right, lower, 8, 7),               // corner cell
  };
}

// Over fourCells' picture: the right column emptied, a key, the column turned a quarter turn and
// laid under the lower row, a key, and one cell over the lower row and the strip.
constexpr std::array<DiagramStep, 6> mergeUnder(float big, float right, float lower) {
  return {
      cell(88 + big, 0, right, big, 15, 0),                  // the right cell emptied
      stepWait(),
      cell(88, big + lower, big, right, 4, 6),               // the turned strip
      arc(88, big + lower, 88, big + lower + right, 1, 2, 3),  // its left edge
      stepWait(),
      cell(88, big, big, lower + right, 6, 8),               // merged cell
  };
}

// Draws the steps in order at the origin XI3, YI3. After each cell XI2 and YI1 hold its right
// end and top.
void drawDiagram(std::span<const DiagramStep> steps);

}  // namespace common
