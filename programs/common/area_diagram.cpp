#include "area_diagram.h"

#include "area_kit.h"

namespace common {
namespace {

// x is 220 px, the lower row (a) 88 and the right column (b) 132: (x+2)(x+3) at 44 px to the unit.
constexpr auto PRODUCT_AREA = fourCells(220, 132, 88);
constexpr auto PRODUCT_MERGE = mergeUnder(220, 132, 88);

}  // namespace

void PRODUCTAREA() { drawDiagram(PRODUCT_AREA); }
void PRODUCTMERGE() { drawDiagram(PRODUCT_MERGE); }

}  // namespace common
