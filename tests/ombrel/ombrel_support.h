// Helpers for Ombrel's scene tests: key scripts, glyphs at fixed places, the step waits of a
// stretch of the log, and readers that turn the typesetter's glyphs and strokes back into
// formula text so that the mathematics on screen can be checked.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "common/prompt_marks.h"
#include "support/test_support.h"

namespace ombrel_test {

using walk::nextSteps;
using walk::stepWaits;
using walk::subMenuLines;

// The key script s written n times over.
std::string repeat(const std::string& s, int n);

// A run of Ombrel with the keys (Enter written \n) at the clock time.
HeadlessResult runOmbrel(const std::string& keys, const std::string& time = "00:00:00", const std::string& png = "");

// True when a glyph text (code page 932) was drawn with its top-left corner at (x, y) in colour.
bool glyphAt(const std::vector<Op>& ops, float x, float y, int colour, const std::string& text);

// The glyph drawn with its top-left corner at (x, y) in colour (UTF-8), or "" when none was.
std::string glyphTextAt(const std::vector<Op>& ops, float x, float y, int colour);

// The first glyph text (code page 932) drawn in colour on the line y (its top from y - 30 to
// y + 12, so raised italic letters count) at or right of x; none when there is none.
const Op* glyphOn(const std::vector<Op>& ops, float x, float y, int colour, const std::string& text);

// The keys the run read.
std::size_t keysRead(const HeadlessResult& run);

// The glyphs of one line (UTF-8), in the order drawn, from ops[from] on while they stand on line y.
std::string lineText(const std::vector<Op>& ops, std::size_t from, float y);

// Positions in the log: the indices of the filled boxes with these corners and colours.
std::vector<std::size_t> filledBoxes(const std::vector<Op>& ops, float x1, float y1, float x2, float y2, int fill);

// How often the main-menu panel was drawn: once per visit of the main menu.
std::size_t menuPanels(const std::vector<Op>& ops);

// The indices of the filled colour-15 boxes that erase a practice area from (x, y) over
// 1320 x 1300.
std::vector<std::size_t> areaErases(const std::vector<Op>& ops, float x, float y);

// The formula lines drawn in ops[from, to) inside the rectangle (x1,y1)-(x2,y2), by the y of their
// line, read back into markup: digits and letters as drawn, an exponent as "^" and its
// character, × as "*", the drawn plus and minus strokes as "+" and "-".
std::map<float, std::string> formulaLines(const std::vector<Op>& ops, std::size_t from, std::size_t to, float x1,
                                          float y1, float x2, float y2);

// The formula line whose glyphs stand on line y (tops from y - 30 to y + 12, so raised italic
// letters count) with x from x1 up to x2, in ops[from, to), read back into markup in code page
// 932 as formulaLines reads it. Texts of other lines and the prompts' boxes are left out.
std::string formulaAt(const std::vector<Op>& ops, std::size_t from, std::size_t to, float x1, float x2, float y);

}  // namespace ombrel_test
