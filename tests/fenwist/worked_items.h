// Checks of worked factorisations as the pages and drills show them: a problem after its label,
// then its lines one under the other, each equal to the problem (a line in M once the expression
// put equal to M is back in its place), the last one a complete factorisation.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "fenwist_support.h"
#include "support/algebra.h"
#include "support/line_chain.h"
#include "support/page_lines.h"

namespace fenwist_test {

// Every side of line equals problem, with M replaced by the expression put equal to it
// (markup; empty for a line without M).
inline testing::AssertionResult equalsWithMPutBack(const std::string& line, const std::string& problem,
                                                   const std::string& putEqualToM) {
  try {
    const GiNaC::ex back = putEqualToM.empty() ? GiNaC::ex(algebra::letter('M')) : algebra::parse(putEqualToM);
    for (const GiNaC::ex& side : algebra::sides(line)) {
      testing::AssertionResult same = algebra::sameValue(problem, side.subs(algebra::letter('M') == back));
      if (!same) return same << " (line " << algebra::utf8(line) << ", M = " << algebra::utf8(putEqualToM) << ")";
    }
  } catch (const std::exception& e) {
    return testing::AssertionFailure() << e.what();
  }
  return testing::AssertionSuccess();
}

// Whether a line is a substitution note such as "x+y=M とおくと" or "a+b=Mとすると".
inline bool isNote(const std::string& line) {
  return line.find("とおくと") != std::string::npos || line.find("とすると") != std::string::npos;
}

// The expression a substitution note puts equal to M: what stands before "=M".
inline std::string putEqualToM(const std::string& note) { return note.substr(0, note.find("=M")); }

// What stays on the screen above the prompt zones when the operation `to` of ops comes, column by
// column (each from x1 to x2), as the rows a pupil reads (code page 932), in reading order.
inline std::vector<std::string> columnLines(const std::vector<Op>& ops, std::size_t to,
                                            std::initializer_list<std::pair<float, float>> columns) {
  const std::vector<reading::Line> screen = page::onScreen(ops, to);
  std::vector<std::string> lines;
  for (const auto& [x1, x2] : columns)
    for (const reading::Line& row : page::rowsIn(screen, x1, 0, x2, 630)) lines.push_back(row.text);
  return lines;
}

// Checks every worked item in lines (code page 932, in reading order: a page's left column, then
// its right one). An item starts at a line with a label "(n)"; its problem is what follows the
// label up to a "=", whose further sides belong to its lines. A substitution note sets the
// expression put equal to M for the lines after it. Lines of words (headings, hints) and the
// digit of an exercise's number box are passed over. Returns the number of items checked.
inline int expectWorkedItems(const std::vector<std::string>& lines) {
  struct Item {
    std::string problem;
    std::vector<std::string> lines;
  };
  std::vector<Item> items;
  for (std::string line : lines) {
    if (line.size() > 1 && std::isdigit(static_cast<unsigned char>(line[0])) && line[1] == '(') line.erase(0, 1);
    const bool label = line.size() > 3 && line[0] == '(' && std::isdigit(static_cast<unsigned char>(line[1])) &&
                       line[2] == ')';
    if (label) {
      const std::string rest = algebra::withoutLabel(line);
      const std::size_t equals = rest.find('=');
      items.push_back({rest.substr(0, equals), {}});
      if (equals != std::string::npos) items.back().lines.push_back(rest.substr(equals));
      continue;
    }
    // The lines of formulas hold no double-byte character but the signs × and ÷: words do.
    const std::vector<std::string> characters = reading::characters(line);
    const bool words = !isNote(line) && std::any_of(characters.begin(), characters.end(), [](const std::string& c) {
                         return c.size() == 2 && c != "×" && c != "÷";
                       });
    if (!items.empty() && !words) items.back().lines.push_back(line);
  }
  for (const Item& item : items) {
    EXPECT_EQ(algebra::formFault(item.problem), "") << algebra::utf8(item.problem);
    EXPECT_FALSE(item.lines.empty()) << algebra::utf8(item.problem);
    std::string m;
    std::string last;
    for (const std::string& line : item.lines) {
      if (isNote(line)) {
        m = putEqualToM(line);
        EXPECT_EQ(algebra::formFault(m), "") << algebra::utf8(line);
        continue;
      }
      EXPECT_EQ(algebra::formFault(line), "") << algebra::utf8(line);
      EXPECT_TRUE(equalsWithMPutBack(line, item.problem, m));
      last = line;
    }
    EXPECT_TRUE(algebra::completelyFactored(last));
  }
  return static_cast<int>(items.size());
}

}  // namespace fenwist_test
