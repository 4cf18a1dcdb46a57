#include "sumdiff_diagram.h"

#include "area_kit.h"
#include "engine/engine.h"
#include "scene.h"

namespace common {
namespace {

// x is 264 px and a 88: columns x-a and a, rows x and a.
constexpr DiagramStep SUMDIFF_AREA[] = {
    cell(88, 0, 176, 264, 3, 4),         // big cell
    arc(88, 0, 88, 264, 1, 2, 1),        // its left edge
    arc(88, 0, 352, 0, -1, 1, 1),        // the top edge of the big cell and the right strip
    cell(264, 0, 88, 264, 15, 6),        // right strip, empty
    arc(264, 0, 352, 0, 1, 1, 3),        // its top edge, bulging down into it
    cell(88, 264, 176, 88, 6, 5),        // lower strip
    arc(88, 264, 88, 352, 1, 2, 2),      // its left edge
    cell(264, 264, 88, 88, 15, 0),       // corner cell, empty
};

constexpr DiagramStep SUMDIFF_MOVE[] = {
    cell(88, 264, 176, 88, 15, 5, 5),    // the lower strip emptied
    stepWait(),
    cell(264, 0, 88, 176, 6, 6),         // the strip turned and set into the top of the right column
    arc(264, 0, 352, 0, 1, 1, 3, 13),    // its top edge, bulging down into it
    cell(264, 176, 88, 88, 15, 7),       // corner cell, empty
    arc(352, 176, 352, 264, -1, 2, 2),   // its right edge, bulging right
};

constexpr DiagramStep SUMDIFF_RESULT[] = {
    cell(88, 0, 264, 264, 3, 4),         // the square
    cell(264, 176, 88, 88, 15, 7, 0),    // its corner cut out
    arc(264, 264, 352, 264, 1, 2, 2),    // the corner's bottom edge, bulging down
};

// The arc of element 3 starts with a dot on the square's top edge, at (264, 0): the square covers
// its lower half, and its upper half would stay above the edge as a stub of the covered arc. It
// is erased first, up to 6 px above the edge, enough for the dots of any pen up to 8; the arc of
// element 1 passes 13 px or more above the edge there.
void eraseArcStartAboveSquare() { eraseBox(XI3 + 256, YI3 - 6, 16, 5); }

}  // namespace

void SUMDIFFAREA() { drawDiagram(SUMDIFF_AREA); }
void SUMDIFFMOVE() { drawDiagram(SUMDIFF_MOVE); }
void SUMDIFFRESULT() {
  eraseArcStartAboveSquare();
  drawDiagram(SUMDIFF_RESULT);
}

}  // namespace common
