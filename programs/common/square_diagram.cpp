#include "square_diagram.h"

#include "area_kit.h"

namespace common {
namespace {

constexpr auto SQUARE_AREA = fourCells(176, 132, 132);
constexpr auto SQUARE_MERGE = mergeUnder(176, 132, 132);
constexpr auto WIDE_SQUARE_AREA = fourCells(220, 264, 264);

}  // namespace

void SQUAREAREA() { drawDiagram(SQUARE_AREA); }
void SQUAREMERGE() { drawDiagram(SQUARE_MERGE); }
void WIDESQUAREAREA() { drawDiagram(WIDE_SQUARE_AREA); }

}  // namespace common
