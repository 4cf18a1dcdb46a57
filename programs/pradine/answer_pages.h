// The fixed answer pages of sections 2 to 6 as data (rows of programs/common/page.h). On the
// answer pages an item is its label (colour 3), the problem and its working (colour 0) and the
// result (colour 5).
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
// Problem 6: two combined expressions worked line by line, one line per step.
extern const PageRows PROBLEM6_PAGE;
// Problem 7: (1) and (2) by substitution in the left column, (2) another way in the right one.
extern const PageRows PROBLEM7_LEFT;
extern const PageRows PROBLEM7_RIGHT;
// The answer sheets of textbook page 20, below their frames: sheet 1's two pages of two columns,
// sheet 2's two pages, sheet 3's two columns.
extern const PageRows SHEET1_PAGE1_LEFT;
extern const PageRows SHEET1_PAGE1_RIGHT;
extern const PageRows SHEET1_PAGE2_LEFT;
extern const PageRows SHEET1_PAGE2_RIGHT;
extern const PageRows SHEET2_PAGE1;
extern const PageRows SHEET2_PAGE2;
extern const PageRows SHEET3_LEFT;
extern const PageRows SHEET3_RIGHT;

}  // namespace pradine
