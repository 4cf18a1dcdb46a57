// Fixed-content pages (answer sheets, summaries, aim screens) as data: rows of position,
// colour and text, drawn in order by one small routine that every program shares.
#pragma once

#include <span>

namespace common {

struct PageRow {
  enum class Kind {
    Formula,  // text through the formula typesetter at (x, y) in colour
    Plain,    // small plain text at (x, y) in colour
    Wait,     // the step wait
    Clear,    // clears the scene area: a colour-15 box from (0,0) over 1320 x 1300
    After,    // formula text continuing the line x px after the last text's end: at (XI2 + x, YI1)
    ClearWide,  // clears the whole window: a colour-15 box from (0,0) over 1760 x 1800
  };
  Kind kind;
  float x = 0;
  float y = 0;
  int colour = 0;
  const char* text = "";
};

// Draws the rows in order. After each text the layout cursor follows it: XI2 = the text's end,
// YI1 = its line.
void drawPage(std::span<const PageRow> rows);

// Short spellings of the rows, so that a page reads like its step table: text(x, y, colour, "..."),
// after(colour, "...") for a continuation of the line, WAIT between the steps. A page's file takes
// them with `using namespace common::page_rows;`.
namespace page_rows {

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
inline constexpr PageRow CLEAR{PageRow::Kind::Clear};          // 1320 x 1300
inline constexpr PageRow CLEARWIDE{PageRow::Kind::ClearWide};  // 1760 x 1800

}  // namespace page_rows

}  // namespace common
