#include "area_diagram.h"

#include "area_kit.h"

namespace common {
namespace {

// x is 220 px, the lower row 88 and the right column 132: (x+2)(x+3) at 44 px to the unit.
constexpr DiagramStep PRODUCT_AREA[] = {
    cell(88, 0, 220, 220, 3, 4),         // big cell
    arc(88, 0, 88, 220, 1, 2, 1),        // its left edge
    arc(88, 0, 308, 0, -1, 1, 1),        // its top edge
    cell(308, 0, 132, 220, 4, 6),        // right cell
    arc(308, 0, 440, 0, -1, 1, 3),       // its top edge
    cell(88, 220, 220, 88, 6, 5),        // lower cell
    arc(88, 220, 88, 308, 1, 2, 2),      // its left edge
    cell(308, 220, 132, 88, 8, 7),       // corner cell
};

constexpr DiagramStep PRODUCT_MERGE[] = {
    cell(308, 0, 132, 220, 15, 0),       // the right cell emptied
    stepWait(),
    cell(88, 308, 220, 132, 4, 6),       // the right column turned and laid under the lower cell
    arc(88, 308, 88, 440, 1, 2, 3),      // its left edge
    stepWait(),
    cell(88, 220, 220, 220, 6, 8),       // merged cell over the lower cell and the strip
};

}  // namespace

void PRODUCTAREA() { drawDiagram(PRODUCT_AREA); }
void PRODUCTMERGE() { drawDiagram(PRODUCT_MERGE); }

}  // namespace common
