// Short spellings of the rows of a fixed page (programs/common/page.h), so that a page reads
// like its step table: text(x, y, colour, "..."), after(colour, "...") for a continuation of
// the line, WAIT between the steps.
#pragma once

#include "programs/common/page.h"

namespace ombrel {

using common::PageRow;

// A formula text at (x, y).
constexpr PageRow text(float x, float y, int colour, const char* markup) {
  return {PageRow::Kind::Formula, x, y, colour, markup};
}
// A formula text on the same line, gap px after the end of the last one: at (XI2 + gap, YI1).
constexpr PageRow after(int colour, const char* markup, float gap = 0) {
  return {PageRow::Kind::After, gap, 0, colour, markup};
}

inline constexpr PageRow WAIT{PageRow::Kind::Wait};
inline constexpr PageRow CLEAR{PageRow::Kind::Clear};           // 1320 x 1300
inline constexpr PageRow CLEARWIDE{PageRow::Kind::ClearWide};   // 1760 x 1800

}  // namespace ombrel
