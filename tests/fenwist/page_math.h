// The mathematics of Fenwist's fixed pages, explanations and panels, read back from a run: the rows
// a pupil reads at their places (support/page_lines.h), and what they state checked through the
// algebra checker (support/line_chain.h): chains of "=" lines, identities, areas of figures, and
// the factors a page names.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "support/line_chain.h"
#include "support/page_lines.h"
#include "support/test_support.h"

namespace page_math {

// A row of a page: where its first glyph stands, the part of it that is mathematics and, where no
// walk of its scene compares it, the text it must read.
struct At {
  float x = 0;
  float y = 0;
  const char* from = "";  // the mathematics starts after these words; "": at the start
  const char* to = "";    // and ends before these; "": at the end
  const char* text = "";  // the markup the lesson draws there, whole row; "": compared elsewhere
};

// The rows of one run.
class Page {
 public:
  explicit Page(const HeadlessResult& run);

  // The row whose first line is the first one drawn after `keys` key presses with its first
  // glyph at (x, y); the lines drawn later that continue it are part of it: each on its text line
  // where the one before ends or a few blanks after it, in any colour, until a box erases the row.
  // Fails, naming the place and the rows near it, when no line starts there, and when the row
  // does not read at.text.
  std::optional<reading::Line> row(int keys, const At& at) const;

 private:
  std::vector<Op> ops_;
  std::vector<reading::Line> lines_;
};

// The row with its text replaced by its mathematics, between the words of at, so that a failure
// names the place it stands.
std::optional<reading::Line> asMath(const reading::Line& row, const At& at);

// The polynomial divided by factor leaves a polynomial with whole coefficients (markup).
testing::AssertionResult divides(const std::string& factor, const std::string& polynomial);
// factor divides the polynomial and leaves nothing common to the terms of what is left: it is
// the greatest common factor of the terms.
testing::AssertionResult commonFactor(const std::string& factor, const std::string& polynomial);
// term, with either sign, is one of the terms of the polynomial multiplied out.
testing::AssertionResult termOf(const std::string& term, const std::string& polynomial);

// text with every placeholder (a key of values, "①", "○") put as its value (reading::substituted).
std::string substituted(std::string text, const std::map<std::string, std::string>& values);

using page::split;

}  // namespace page_math
