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
    // Rows of pages laid out in columns, placed as a textbook page is: from a column or from the
    // end of the last text across, and on a line or some px below the last line down.
    Placed,     // formula text at (from + x, y) in colour; y counts from the last line when `below`
    Box,        // the text centred in a filled box at (from + x, y) of width x height, with the
                // edge in `line` and the inside in `fill` (BOXFORMULA); the cursor follows the box
    Columns,    // sets the page's columns: labels at x, the text at y, the notes at width
    NoteAtEnd,  // the note column moves to the end of the last text
    Erase,      // a filled colour-15 box at (from + x, y) over width x height
    Keep,       // remembers a corner: U(slot) = from + x, V(slot) = y
    EraseKept,  // a filled colour-15 box from (U(slot),V(slot)) to (U(slot2),V(slot2)), or over
                // width x height from (U(slot),V(slot)) when slot2 is 0
    Call,       // runs a routine: a step of a figure drawn beside the rows, or a setting
  };
  // Where the x of a placed row, box, erase or kept corner counts from.
  enum class From {
    Screen,  // the left edge
    Label,   // the label column, where the item labels "(1)", "(2)", ... stand
    Text,    // the text column, where the lines that continue an item stand
    Note,    // the note column, indented further
    End,     // the end of the last text (XI2)
  };
  Kind kind;
  float x = 0;
  float y = 0;
  int colour = 0;
  const char* text = "";
  From from = From::Screen;
  bool below = false;        // y counts from the last line (YI1 + y)
  bool keepsCursor = false;  // a text that leaves the layout cursor where it was
  float width = 0;
  float height = 0;
  int line = 0;
  int fill = 0;
  int slot = 0;
  int slot2 = 0;
  void (*routine)() = nullptr;
};

// Draws the rows in order. After each text the layout cursor follows it: XI2 = the text's end,
// YI1 = its line. The columns a table sets hold while it is drawn.
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

// Rows in columns, written as their step tables give them: row(LABEL, down(60), 3, "(1)"),
// row(END, SAME, 0, "..."), row(TEXT, down(50), 5, "=..."), row(NOTE + 54, line(460), ...).

// The x of a row: a column or the end of the last text, n px further right with "+ n".
struct Across {
  PageRow::From from;
  float offset;
};
constexpr Across operator+(Across across, float n) { return {across.from, across.offset + n}; }
inline constexpr Across LABEL{PageRow::From::Label, 0};
inline constexpr Across TEXT{PageRow::From::Text, 0};
inline constexpr Across NOTE{PageRow::From::Note, 0};
inline constexpr Across END{PageRow::From::End, 0};

// The y of a row: n px below the last line, or a line of its own.
struct Down {
  bool below;
  float y;
};
constexpr Down down(float n) { return {true, n}; }
constexpr Down line(float y) { return {false, y}; }
inline constexpr Down SAME{true, 0};  // the last line

constexpr PageRow row(Across x, Down y, int colour, const char* markup) {
  return {.kind = PageRow::Kind::Placed, .x = x.offset, .y = y.y, .colour = colour, .text = markup,
          .from = x.from, .below = y.below};
}
constexpr PageRow row(float x, Down y, int colour, const char* markup) {
  return row(Across{PageRow::From::Screen, x}, y, colour, markup);
}
// A text drawn ahead or into a figure: the layout cursor stays where it was.
constexpr PageRow at(Across x, Down y, int colour, const char* markup) {
  PageRow placed = row(x, y, colour, markup);
  placed.keepsCursor = true;
  return placed;
}
constexpr PageRow at(float x, Down y, int colour, const char* markup) {
  return at(Across{PageRow::From::Screen, x}, y, colour, markup);
}

// The columns of a page: its labels, its text lines and its notes.
constexpr PageRow COLUMNS(float label, float text, float note = 0) {
  return {.kind = PageRow::Kind::Columns, .x = label, .y = text, .width = note};
}
inline constexpr PageRow NOTE_AT_END{PageRow::Kind::NoteAtEnd};

// A boxed text: colour for the text, line for the box's edge, fill for its inside.
constexpr PageRow box(Across x, float y, float width, float height, int colour, int line, int fill,
                      const char* markup) {
  return {.kind = PageRow::Kind::Box, .x = x.offset, .y = y, .colour = colour, .text = markup, .from = x.from,
          .width = width, .height = height, .line = line, .fill = fill};
}
constexpr PageRow box(float x, float y, float width, float height, int colour, int line, int fill,
                      const char* markup) {
  return box(Across{PageRow::From::Screen, x}, y, width, height, colour, line, fill, markup);
}

// An erasing box of the background colour.
constexpr PageRow erase(Across x, Down y, float width, float height) {
  return {.kind = PageRow::Kind::Erase, .x = x.offset, .y = y.y, .from = x.from, .below = y.below,
          .width = width, .height = height};
}
// Remembers the corner (x, y) in U(slot), V(slot).
constexpr PageRow keep(int slot, Across x, Down y) {
  return {.kind = PageRow::Kind::Keep, .x = x.offset, .y = y.y, .from = x.from, .below = y.below, .slot = slot};
}
constexpr PageRow keep(int slot, float x, Down y) { return keep(slot, Across{PageRow::From::Screen, x}, y); }
// Erases from the corner kept in slot to the one kept in slot2.
constexpr PageRow eraseKept(int slot, int slot2) {
  return {.kind = PageRow::Kind::EraseKept, .slot = slot, .slot2 = slot2};
}
// Erases width x height from the corner kept in slot.
constexpr PageRow eraseKept(int slot, float width, float height) {
  return {.kind = PageRow::Kind::EraseKept, .width = width, .height = height, .slot = slot};
}

// Runs a routine between the rows.
constexpr PageRow call(void (*routine)()) { return {.kind = PageRow::Kind::Call, .routine = routine}; }

}  // namespace page_rows

}  // namespace common
