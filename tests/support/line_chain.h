// The mathematics of lines read back from a run (support/line_reader.h) through the algebra
// checker: a chain of "=" lines, and a line against the value it must have.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/strings.h"
#include "support/algebra.h"
#include "support/line_reader.h"

namespace reading {

// The first side of a line: its text up to the first "=" or full-width "＝" after its start.
inline std::string firstSide(const std::string& line) {
  for (std::size_t i = 0; i < line.size(); i += isLeadByte(static_cast<unsigned char>(line[i])) ? 2 : 1) {
    if (i > 0 && (line[i] == '=' || line.compare(i, 2, "＝") == 0)) return line.substr(0, i);
  }
  return line;
}

// Every side of every line equals the first side of the first line: a problem and the lines of
// its working, each "=" line equal to the line before it. Item labels are taken off. A line the
// checker cannot read fails with its place.
inline testing::AssertionResult sameChain(const std::vector<Line>& lines) {
  if (lines.empty()) return testing::AssertionFailure() << "no lines to chain";
  const std::string first = firstSide(algebra::withoutLabel(lines.front().text));
  for (const Line& line : lines) {
    const testing::AssertionResult same = algebra::sameValue(algebra::withoutLabel(line.text), first);
    if (!same) return testing::AssertionFailure() << describe(line) << ": " << same.message();
  }
  return testing::AssertionSuccess();
}

// The line (all its sides) has the value of reference (markup, code page 932).
inline testing::AssertionResult hasValue(const Line& line, const std::string& reference) {
  const testing::AssertionResult same = algebra::sameValue(algebra::withoutLabel(line.text), reference);
  if (!same) return testing::AssertionFailure() << describe(line) << ": " << same.message();
  return testing::AssertionSuccess();
}

}  // namespace reading
