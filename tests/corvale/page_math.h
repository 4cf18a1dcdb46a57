// The mathematics of Corvale's fixed pages, explanations and panels as a pupil reads it: lines
// found on a page (from one clear to the next) at the places the lessons give them, compared whole
// with the text the lesson writes (support/page_lines.h) and put through the algebra checker
// (support/line_chain.h): chains of "=" lines, stated formulas, and the terms that dotted arcs
// join on a product line.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "support/line_chain.h"
#include "support/page_lines.h"
#include "support/test_support.h"

namespace page_math {

using page::Page;
using page::pagesOf;
using reading::lastSide;

// A line as a lesson places it. Its mathematics is its text after the words or the name in front
// of it (lead) and before the words or the unit after it (trail).
struct Shown {
  float x, y;        // where the lesson starts drawing it: its leading blanks move its first glyph
  int colour;        // the colour of its first piece
  std::string text;  // the whole line as the lesson writes it, with the pieces that continue it
  std::string lead = "";
  std::string trail = "";
  // A row whose pieces stand apart (answer boxes between them): every line on the text line from
  // x to this x, in order across, read as one. 0 for a line whose pieces follow one another.
  float through = 0;
};

// The line a pupil reads where `shown` stands in colour, with the pieces that continue it on its
// text line whatever their colour. A page may draw at one place more than once: one of the lines
// there must read the shown text. A line missing, or reading otherwise, fails naming it. What
// comes back is its mathematics (reading::mathIn).
std::optional<reading::Line> mathAt(const Page& page, const Shown& shown);

// The lines found, as mathAt reads them; the missing ones are failures already.
std::vector<reading::Line> mathOf(const Page& page, const std::vector<Shown>& shown);

// Every line shown is written cleanly and equals the first: a problem and its working, or one line
// that states a formula (each side equal to its first side). A failure names the line.
void expectChain(const Page& page, const std::vector<Shown>& shown);

// A dotted arc: a run of dots of one colour, from its first dot to its last.
struct Arc {
  float x0, y0, x1, y1;
  std::size_t first, end;  // its dots in the log
};
std::vector<Arc> arcsOf(const HeadlessResult& run, const Page& page);

// The line drawn right after an arc and before the next one: its label, or nothing.
std::optional<reading::Line> labelOf(const Page& page, const std::vector<Arc>& arcs, std::size_t k);

// The term of a product line that x stands over, its sign with it: from the sign, bracket or "×"
// before it to the next one. The product (the line up to its first "=") must be of half-width
// characters, each 27 px wide.
std::string termAt(const reading::Line& product, float x);

// The terms of the last side of a line, their signs with them: "=6a^2-3ab+4ab" gives "6a^2",
// "-3ab", "4ab".
std::vector<std::string> termsOf(const std::string& line);

// Each arc joins two terms of the product line whose product is the partial product of its
// number: the arc labelled ① the first, ② the second, and so on, or the k-th arc drawn the k-th
// when the arcs carry no labels. Arcs that end over a boxed factor (`factor`) take it whole.
void expectArcsJoin(const Page& page, const std::vector<Arc>& arcs, const reading::Line& product,
                    const std::vector<std::string>& partials, bool labelled,
                    const std::optional<reading::Line>& factor = std::nullopt);

}  // namespace page_math
