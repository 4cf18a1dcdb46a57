#include "square_diagram.h"

#include "area_kit.h"

namespace common {
namespace {

constexpr DiagramStep SQUARE_AREA[] = {
    cell(88, 0, 176, 176, 3, 4),         // big cell
    arc(88, 0, 88, 176, 1, 2, 1),        // its left edge
    arc(88, 0, 264, 0, -1, 1, 1),        // its top edge
    cell(264, 0, 132, 176, 4, 6),        // right cell
    arc(264, 0, 396, 0, -1, 1, 3),       // its top edge
    cell(88, 176, 176, 132, 6, 5),       // lower cell
    arc(88, 176, 88, 308, 1, 2, 2),      // its left edge
    cell(264, 176, 132, 132, 8, 7),      // corner cell
};

constexpr DiagramStep SQUARE_MERGE[] = {
    cell(264, 0, 132, 176, 15, 0),       // the right cell emptied
    stepWait(),
    cell(88, 308, 176, 132, 4, 6),       // the right column turned and laid under the lower cell
    arc(88, 308, 88, 440, 1, 2, 3),      // its left edge
    stepWait(),
    cell(88, 176, 176, 264, 6, 8),       // merged cell over the lower cell and the strip
};

constexpr DiagramStep WIDE_SQUARE_AREA[] = {
    cell(88, 0, 220, 220, 3, 4),         // big cell
    arc(88, 0, 88, 220, 1, 2, 1),        // its left edge
    arc(88, 0, 308, 0, -1, 1, 1),        // its top edge
    cell(308, 0, 264, 220, 4, 6),        // right cell
    arc(308, 0, 572, 0, -1, 1, 3),       // its top edge
    cell(88, 220, 220, 264, 6, 5),       // lower cell
    arc(88, 220, 88, 484, 1, 2, 2),      // its left edge
    cell(308, 220, 264, 264, 8, 7),      // corner cell
};

}  // namespace

void SQUAREAREA() { drawDiagram(SQUARE_AREA); }
void SQUAREMERGE() { drawDiagram(SQUARE_MERGE); }
void WIDESQUAREAREA() { drawDiagram(WIDE_SQUARE_AREA); }

}  // namespace common
