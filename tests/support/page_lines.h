// Finds on a fixed page the lines its lesson places there, as a pupil reads them
// (support/line_reader.h): a line at the place a lesson gives it, the pieces drawn after it that
// continue it, its whole text against the markup the lesson writes, and a scene's table of rows,
// each in the step that shows it. The mathematics of the lines found goes through
// support/line_chain.h.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/line_reader.h"

namespace page {

using reading::Line;

// How far a line may stand from the place its lesson gives it: the places are whole or half
// pixels, and a label placed beside an arc's apex comes within a hair of one.
inline constexpr float PLACE = 1;
inline constexpr int ANY_COLOUR = -1;

// Whether two coordinates stand for the same place, to within PLACE.
bool atPlace(float a, float b);

// Where the first glyph of a formula stands when its lesson starts drawing it at x: each leading
// blank moves it one blank on.
float firstGlyph(float x, const std::string& markup);
// Whether the line's first glyph stands where its lesson, drawing it from x on the text line y
// and writing it as markup, puts it: each leading blank moves it one blank of the line's kind on.
bool standsAt(const Line& line, float x, float y, const std::string& markup);
// Where a text drawn right after the line starts, the line written as markup: each of its
// trailing blanks moves it one blank of the line's kind on.
float endOf(const Line& line, const std::string& markup);

// The lines whose first glyph stands at (x, y), to within PLACE, in colour (any: ANY_COLOUR), drawn
// from the operation `from` on; their indices in lines, in drawing order.
std::vector<std::size_t> placedAt(const std::vector<Line>& lines, float x, float y, int colour = ANY_COLOUR,
                                  std::size_t from = 0);

// The line reads the markup whole, as the typesetter draws it (plain and prompt text as written).
// A failure names the line and what it should read.
testing::AssertionResult reads(const Line& line, const std::string& markup);

// A failure's text when no line reading markup ("": any text) stands at (x, y), or with x NaN
// anywhere on the text line y: the place, the colour (unless ANY_COLOUR), how the place was found
// (`where`, as " after ..."), and the lines drawn near that text line from the operation `from` on.
std::string nothingAt(const std::vector<Line>& lines, const std::string& markup, float x, float y,
                      int colour = ANY_COLOUR, std::size_t from = 0, const std::string& where = "");

// How the pieces that continue a line are found: each is drawn later, on its text line, of its
// kind (formula, plain or prompt text), in any colour, where the one before it ends or up to
// `blanks` blanks after it (kept in the text), before the operation `until`.
struct Continuing {
  int blanks = 0;
  std::size_t until = reading::TO_END;
};
// lines[start] with the pieces that continue it.
Line continued(const std::vector<Line>& lines, std::size_t start, const Continuing& how = {});

// The pieces of a text between the separators, each without blanks at its ends.
std::vector<std::string> split(const std::string& text, const std::string& separator);

// Every line on the text line y that starts from x to through, in order across, read as one: a row
// whose pieces stand apart (answer boxes between them). None when there is no line there.
std::optional<Line> across(const std::vector<Line>& lines, float x, float y, float through);

// The first operation from the line's end on that erases it: a box of the background colour over
// its first glyph. The log's end when nothing does.
std::size_t erasedAt(const std::vector<Op>& ops, const Line& line);

// What stays on the screen of the lines read from ops when the operation `to` comes: those drawn
// before it that no filled box drawn after them covers at their first glyph and no line drawn
// after them at their place replaces, in drawing order.
std::vector<Line> onScreen(const std::vector<Line>& lines, const std::vector<Op>& ops, std::size_t to);
// The same of the lines ops[0, to) draw.
std::vector<Line> onScreen(const std::vector<Op>& ops, std::size_t to);
// How far under its row's text line a text written into a box on the row stands (an answer box's
// number, a factor in its frame).
inline constexpr float IN_BOX = 3;
// The rows a pupil reads in the rectangle, from the top down: the lines whose place lies in it,
// those on one text line or in boxes on it read across as one (as across() reads them).
std::vector<Line> rowsIn(const std::vector<Line>& lines, float left, float top, float right, float bottom);

// What one screen of a scene showed: the operations from one clear (a box of the background colour
// from the top edge) to the next, and the lines they drew.
struct Page {
  std::size_t first = 0, end = 0;
  std::vector<Line> lines;
};
// The pages of a run from the key press `entered` on: one per clear, from the first clear.
std::vector<Page> pagesOf(const std::vector<Op>& ops, int entered);

// Where a row of a table starts across: at x, or right where the row read before it ends (its
// trailing blanks counted), gap px further. Its own leading blanks move its first glyph on.
struct At {
  constexpr At(float column) : x(column) {}  // a column is written as its x alone
  float x;
  bool after = false;
};
constexpr At after(float gap = 0) {
  At at(gap);
  at.after = true;
  return at;
}

// One row of a scene's table: a line a pupil reads, the key presses into the scene before the
// step that shows it, its place, its colour and its text as the lesson writes it (markup, code
// page 932). Pieces the typesetter draws one after another in one colour read as one line, and are
// one row.
struct Row {
  int step;
  At x;
  float y;
  int colour;
  const char* markup;
};

// The rows of a scene read from its run, step by step: the lines each step draws (between one key
// press and the next), and which of them a row has taken. Failures name the scene.
class StepRows {
 public:
  // The steps of the run from the key press `entered` on; ops must outlive it.
  StepRows(const std::vector<Op>& ops, int entered, std::string scene);

  // Reads the rows in order. Each takes the first line of its step not taken yet at its place in
  // its colour, drawn after the line the row before it took when that row is of the same step,
  // and that line must read its text; a row placed after() follows the last row before it that
  // is not drawn aside (aside[i]: row i keeps the place for the row after it, as a piece drawn
  // ahead or a form erased later does). A row after one that is missing is looked for anywhere
  // on its text line. Gives the line each row took, none where a row is missing.
  std::vector<std::optional<Line>> read(const std::vector<Row>& rows, const std::vector<bool>& aside = {});

  // No line that no row took covers a line a row took: drawn later in its step at its place,
  // reading otherwise or in another colour.
  void expectNothingOver() const;
  // The lines of the steps read that no row took, but the engine's prompt lines; with their steps.
  std::vector<std::pair<int, Line>> untaken() const;

 private:
  struct Step {
    std::vector<Line> lines;
    std::vector<bool> taken;
  };
  Step& step(int n);

  const std::vector<Op>& ops_;
  int entered_;
  std::string scene_;
  std::map<int, Step> steps_;
};

}  // namespace page
