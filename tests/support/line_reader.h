// Reads back from a run's operation log the lines a pupil reads: every formula the typesetter
// drew, every small plain text and every prompt line, each as one line of formula markup (code
// page 932, the markup the algebra checker reads) with the place and the colour it was drawn in.
//
// The typesetter draws a formula glyph by glyph, and some of it as strokes: "+" and "-" are
// lines, a fraction is a bar with its denominator and numerator in smaller metrics, a root is a
// polyline and a bar over what it covers. The reader takes every glyph's face, size and
// magnification for its class, which tells its offset from the glyph cursor and its advance, so
// it knows each glyph's cursor and the line it stands on, and joins into one line the glyphs and
// strokes that follow one another on one text line in one colour without a gap, or with a gap of
// whole blanks. What it gives back:
//   - glyphs as drawn ("３", "ｘ", "①", "(1)"), italic and script letters as "x", "l";
//   - "+" and "-" read from their strokes, "×", "÷", "±", "°" as those characters, "=", brackets
//     (tall ones too), "'", ".", "&" for the parallelogram sign;
//   - "^c" for an exponent, "\c" for a small high index;
//   - "ﾀnumerator/denominatorﾀ" for a stacked fraction;
//   - "!...ﾝ" for a root and "#...ﾝ" for the tall root, "ﾝ" where its bar ends;
//   - inner blanks as half-width blanks, one for each blank's advance.
// Small plain text and prompt lines (the sub-menu line, the step wait) have no markup: they read
// as the characters drawn, the prompt's as its glyph tables show them ("①課題　②例１").
// asRead() gives the same for a markup text, so that a test compares the line a lesson means to
// draw with the line a pupil reads.
#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

#include "engine/platform/oplog.h"

namespace reading {

// The advance of a half-width blank in formulas, and in small plain text; a prompt's cell.
inline constexpr float BLANK = 27;
inline constexpr float PLAIN_BLANK = 20;
inline constexpr float PROMPT_CELL = 16;

// Who drew a line: the formula typesetter, the small plain text, or the prompt text.
enum class Kind { Formula, Plain, Prompt };

struct Line {
  std::string text;  // what a pupil reads, formula markup in code page 932
  float x = 0;       // the glyph cursor where its first glyph, stroke or sign starts
  float y = 0;       // the line: the top of its text line (a fraction's bar lies 25 below)
  float right = 0;   // the glyph cursor after its last glyph: where a text drawn next would start
  int colour = 0;
  Kind kind = Kind::Formula;
  std::size_t first = 0;  // its operations in the log: [first, end)
  std::size_t end = 0;

  float width() const { return right - x; }
  // What a half-width blank advances in this line.
  float blank() const { return kind == Kind::Formula ? BLANK : kind == Kind::Plain ? PLAIN_BLANK : PROMPT_CELL; }
  std::string utf8() const;  // the text in UTF-8, for messages
};

inline constexpr std::size_t TO_END = std::numeric_limits<std::size_t>::max();

// The lines drawn by ops[from, to), in drawing order. A key press, a clear, a box, a circle or a
// figure's line between two pieces ends a line.
std::vector<Line> readLines(const std::vector<Op>& ops, std::size_t from = 0, std::size_t to = TO_END);

// A formula markup text (code page 932) as readLines reads it when the typesetter draws it: the
// substitutions made ("*" is "×", "/" outside a fraction's split is "÷", "√" is "!", ...), the
// markup that draws nothing dropped (an unclosed "ﾀ", a "ﾝ" with no root open, a "^" with
// nothing after it), every root closed, and no blank at either end.
std::string asRead(const std::string& markup);
// A small plain text or a prompt line (as its glyph tables show it) as readLines reads it: no
// blank at either end.
std::string asReadPlain(const std::string& text);
// The half-width blanks at the start of a text: they move its first glyph right, one advance each.
int leadingBlanks(const std::string& text);
// The half-width blanks at its end, after its last glyph (none in a text of blanks only, whose
// blanks are leading): they move what is drawn after it right.
int trailingBlanks(const std::string& text);

// The index of the operation after the n-th key press of the log (0 for n = 0; the log's end when
// it has fewer), so that keysSlice(ops, 2, 3) are the operations between the second and the third.
std::size_t afterKeys(const std::vector<Op>& ops, int presses);
// The lines drawn between the n-th and the (n+1)-th key press: what one step shows.
std::vector<Line> linesOfStep(const std::vector<Op>& ops, int presses);
// The lines whose place (x, y) lies in the rectangle, edges included.
std::vector<Line> within(const std::vector<Line>& lines, float left, float top, float right, float bottom);
// The lines with pieces joined: a line that starts where the one before it ends, on the same text
// line (with whole blanks between them), is appended to it whatever its colour. The rows of a
// worked step drawn in several colours read as one.
std::vector<Line> joined(const std::vector<Line>& lines);
// "(x,y) cN "text"", for messages; lines one per row.
std::string describe(const Line& line);
std::string describe(const std::vector<Line>& lines);

}  // namespace reading
