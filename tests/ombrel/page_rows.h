// Ombrel's fixed pages, explanations and worked examples as tables of rows: every line a pupil
// reads on the page, with the key presses before it, its exact place, colour and text, and what
// its mathematics must satisfy. A page is run once; each row is read back at its place in its step
// and compared whole, signs and brackets included (support/page_lines.h); a line that no row names
// is a fault too; then the rows' mathematics goes through the algebra checker (page_math.h).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "page_math.h"
#include "support/page_lines.h"

namespace ombrel_page {

// Where a row starts: n px after the end of the row before it in the table (its trailing and its
// own leading blanks counted), on its line.
using page::after;
inline constexpr page::At AFTER = after();

// A line of the page (page::Row: its step since the page's choice, place, colour and text), and
// what its mathematics must satisfy.
struct Row : page::Row {
  Math math = Math::PROSE;
  const char* ref = "";  // what VALUE, FORM, PAIRS, SET, MULTIPLE and LARGER compare with
};

// Lines that no row names: a random drill's practice area, the page header's boxes.
struct Skip {
  float left, top, right, bottom;
  int colour;  // -1: any
};

struct Page {
  const char* name;
  std::string choice;  // the keys from the main menu to the page
  std::string keys;    // the keys on the page: its step waits (and a drill's answers)
  std::vector<Row> rows;
  std::vector<Skip> skips = {};
};

// The title and page-number boxes of an answer page of section 6 or 7.
std::vector<Skip> answerHeader();

// Runs the page and checks every row at its place and its text, that no other line is drawn
// outside the skips, and the mathematics of the rows' lines.
void expectPage(const Page& page);

// The lines of the page's mathematics: a row and the ON and ASIDE rows after it, their texts as
// read in reading order (line by line, left to right). Rows not read are left out, and so are
// the lines that lost a piece.
std::vector<MathLine> mathLines(const std::vector<Row>& rows, const std::vector<std::optional<reading::Line>>& read);

}  // namespace ombrel_page
