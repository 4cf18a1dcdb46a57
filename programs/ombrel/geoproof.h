// Section 5, geometric proofs: the scenes of its sub-menu as row tables, with the steps of their
// pond-and-road figures as routines beside the rows.
#pragma once

#include <span>

#include "programs/common/page.h"

namespace ombrel {

extern const std::span<const common::PageRow> ROAD_SCENE;        // ① a round pond, road 4 m wide: S = 4l
extern const std::span<const common::PageRow> ROUND_POND_PROOF;  // ② example 2: S = al, round pond
extern const std::span<const common::PageRow> SQUARE_POND_PROOF; // ③ problem 6: S = al, square pond

}  // namespace ombrel
