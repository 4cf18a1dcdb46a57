// The fixed answer pages of sections 4 to 6 as mathematics: every line of an item equals its
// problem (a line in a substitution letter once the expression put equal to it is back in its
// place), and every item ends in its answer, written cleanly and fully simplified.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "programs/pradine/answer_pages.h"
#include "support/algebra.h"

namespace {

using namespace pradine;
using Row = common::PageRow;

// The lines a page shows, in drawing order: a text row starts a new line unless it stands on the
// line of the one before (a label and its problem or note); a row drawn after another continues
// its line.
std::vector<std::string> pageLines(PageRows rows) {
  std::vector<std::string> lines;
  float lastY = -1;
  for (const Row& row : rows) {
    const bool onLine = row.kind == Row::Kind::After || (row.kind == Row::Kind::Formula && row.y == lastY);
    if (onLine && !lines.empty()) {
      lines.back() += row.text;
    } else if (row.kind == Row::Kind::Formula) {
      lines.emplace_back(row.text);
      lastY = row.y;
    }
  }
  return lines;
}

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? "" : text.substr(first);
}

bool isNote(const std::string& line) {
  return line.find("とおくと") != std::string::npos || line.find("とすると") != std::string::npos;
}

// A worked item: its problem and its lines, and the substitution its note makes (the letter and
// the expression put equal to it), if any.
struct Item {
  std::string problem;
  std::vector<std::string> lines;
  char letter = 0;
  std::string putBack;
};

// The items of a page's lines: each starts at a label "(n)", followed on its line by the problem
// or by a substitution note, whose problem then comes on the next line. A heading with "解答"
// in front of the first label is passed over.
std::vector<Item> pageItems(const std::vector<std::string>& lines) {
  std::vector<Item> items;
  for (std::string line : lines) {
    const std::size_t heading = line.find("解答");
    if (heading != std::string::npos) line.erase(0, heading + std::string("解答").size());
    line = trimmed(line);
    if (line.empty()) continue;
    if (line.size() > 2 && line[0] == '(' && std::isdigit(static_cast<unsigned char>(line[1]))) {
      items.emplace_back();
      line = trimmed(line.substr(line.find(')') + 1));
    }
    if (items.empty()) continue;
    Item& item = items.back();
    if (isNote(line)) {
      const std::size_t equals = line.find('=');
      item.putBack = line.substr(0, equals);
      item.letter = line[equals + 1];
    } else if (item.problem.empty()) {
      item.problem = line;
    } else {
      item.lines.push_back(line);
    }
  }
  return items;
}

// How many terms an answer writes: its signs outside stacked fractions, the first one aside.
std::size_t writtenTerms(const std::string& answer) {
  std::size_t terms = 1;
  bool inFraction = false;
  for (std::size_t i = 0; i < answer.size(); ++i) {
    if (answer[i] == static_cast<char>(0xC0)) inFraction = !inFraction;
    if (i > 0 && !inFraction && (answer[i] == '+' || answer[i] == '-')) ++terms;
  }
  return terms;
}

// Checks every item of a page; returns how many there are.
int checkPage(PageRows rows) {
  const std::vector<Item> items = pageItems(pageLines(rows));
  for (const Item& item : items) {
    SCOPED_TRACE(algebra::utf8(item.problem));
    EXPECT_EQ(algebra::formFault(item.problem), "");
    EXPECT_FALSE(item.lines.empty());
    if (item.lines.empty()) continue;
    for (const std::string& line : item.lines) {
      for (GiNaC::ex side : algebra::sides(line)) {
        if (item.letter != 0) side = side.subs(algebra::letter(item.letter) == algebra::parse(item.putBack));
        EXPECT_TRUE(algebra::sameValue(item.problem, side)) << algebra::utf8(line);
      }
    }
    // The answer: no brackets, and as many terms as its expansion has.
    const std::string answer = item.lines.back().substr(1);
    EXPECT_EQ(algebra::formFault(answer), "");
    EXPECT_EQ(answer.find('('), std::string::npos) << algebra::utf8(answer);
    const GiNaC::ex expanded = algebra::parse(answer).expand();
    EXPECT_EQ(writtenTerms(answer), GiNaC::is_a<GiNaC::add>(expanded) ? expanded.nops() : 1u)
        << algebra::utf8(answer);
  }
  return static_cast<int>(items.size());
}

TEST(LaterPages, ProblemSixWorksBothExpressionsToTheirAnswers) { EXPECT_EQ(checkPage(PROBLEM6_PAGE), 2); }

TEST(LaterPages, ProblemSevenWorksBySubstitutionBothWays) {
  EXPECT_EQ(checkPage(PROBLEM7_LEFT), 2);
  EXPECT_EQ(checkPage(PROBLEM7_RIGHT), 1);
}

TEST(LaterPages, TheThreeAnswerSheetsWorkEveryExercise) {
  EXPECT_EQ(checkPage(SHEET1_PAGE1_LEFT), 3);
  EXPECT_EQ(checkPage(SHEET1_PAGE1_RIGHT), 3);
  EXPECT_EQ(checkPage(SHEET1_PAGE2_LEFT), 3);
  EXPECT_EQ(checkPage(SHEET1_PAGE2_RIGHT), 3);
  EXPECT_EQ(checkPage(SHEET2_PAGE1), 2);
  EXPECT_EQ(checkPage(SHEET2_PAGE2), 2);
  EXPECT_EQ(checkPage(SHEET3_LEFT), 2);
  EXPECT_EQ(checkPage(SHEET3_RIGHT), 2);
}

}  // namespace
