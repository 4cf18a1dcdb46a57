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

}  // namespace common
