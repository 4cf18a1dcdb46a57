// The mathematics of Fenwist's fixed pages, explanations and panels, read back from a run: the rows
// a pupil reads at their places (support/line_reader.h), and what they state checked through the
// algebra checker (support/algebra.h): chains of "=" lines, identities, areas of figures, factors.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "support/line_reader.h"
#include "support/test_support.h"

namespace page_math {

// A row of a page: where its first glyph stands, the part of it that is mathematics and, where no
// walk of its scene compares it, the text it must read.
struct At {
  float x = 0;
  float y = 0;
  const char* from = "";  // the mathematics starts after this marker (code page 932); "": at the start
  const char* to = "";    // and ends before this one; "": at the end
  const char* text = "";  // the markup the lesson draws there, whole row; "": compared elsewhere
};

// The rows of one run.
class Page {
 public:
  explicit Page(const HeadlessResult& run);

  // The row whose first line is the first one drawn after `keys` key presses with its first
  // glyph at (x, y), to within a pixel; the lines drawn later that continue it are part of it:
  // each on its text line where the one before ends or a few blanks after it, in any colour,
  // until a box erases the row. Fails, naming the place and the rows near it, when no line starts
  // there, and when the row does not read at.text.
  std::optional<reading::Line> row(int keys, const At& at) const;

 private:
  bool erases(const Op& op, const reading::Line& line) const;

  std::vector<Op> ops_;
  std::vector<reading::Line> lines_;
};

// The mathematics of a row (code page 932): its text between the markers of at, without an item
// label ("(1)", "①") in front.
std::string mathOf(const reading::Line& row, const At& at);
// The row with its text replaced by its mathematics, so that a failure names the place it stands.
reading::Line asMath(const reading::Line& row, const At& at);

// Every side of every row equals the first side of the first row, and each is written cleanly
// (no "+-", no written-out coefficient 1, ...).
testing::AssertionResult chain(const std::vector<reading::Line>& rows);
// The last side of the row is a product that does not factorise further.
testing::AssertionResult factorisedAtEnd(const reading::Line& row);

// The polynomial divided by factor leaves a polynomial with whole coefficients (markup).
testing::AssertionResult divides(const std::string& factor, const std::string& polynomial);
// factor divides the polynomial and leaves nothing common to the terms of what is left: it is
// the greatest common factor of the terms.
testing::AssertionResult commonFactor(const std::string& factor, const std::string& polynomial);
// term, with either sign, is one of the terms of the polynomial multiplied out.
testing::AssertionResult termOf(const std::string& term, const std::string& polynomial);

// text with every placeholder (a key of values, "①", "○") put as its value in braces, which no
// item label takes: "②^2=9" with ② = 3 reads "{3}^2=9".
std::string substituted(std::string text, const std::map<std::string, std::string>& values);

// The pieces of text between the separators, each without blanks at its ends.
std::vector<std::string> split(const std::string& text, const std::string& separator);

}  // namespace page_math
