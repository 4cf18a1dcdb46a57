// The fixed pages of sections 2 and 3 as data (rows of programs/common/page.h). On the answer
// pages an item is its label (colour 3), the problem and its working (colour 0) and the result
// (colour 5), one line step apart.
#pragma once

#include <span>

#include "programs/common/page.h"

namespace pradine {

using PageRows = std::span<const common::PageRow>;

// Problem 2: three parts, one per step.
extern const PageRows PROBLEM2_PAGE;
// Problems 3 and 4: items (1) to (3) in the left column, then (4) to (6) in the right one.
extern const PageRows PROBLEM3_LEFT;
extern const PageRows PROBLEM3_RIGHT;
extern const PageRows PROBLEM4_LEFT;
extern const PageRows PROBLEM4_RIGHT;
// Problem 5: the heading, then (after the card trick's legend) the proof with the smaller number
// 5 and with a letter: A, B and C, and D growing by a formula per step.
extern const PageRows PROOF_HEADING;
extern const PageRows PROOF;

}  // namespace pradine
