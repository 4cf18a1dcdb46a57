#include "page_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "ombrel_support.h"

namespace ombrel_page {

namespace {

bool cursorStays(const Row& row) { return row.math == Math::ERASED || row.math == Math::ASIDE; }
bool joinsLine(const Row& row) { return row.math == Math::ON || row.math == Math::ASIDE; }

std::string placeOf(float x, float y) {
  std::ostringstream s;
  s << '(' << x << ',' << y << ')';
  return s.str();
}

bool skipped(const reading::Line& line, const std::vector<Skip>& skips) {
  return std::any_of(skips.begin(), skips.end(), [&](const Skip& s) {
    return line.x >= s.left && line.x <= s.right && line.y >= s.top && line.y <= s.bottom &&
           (s.colour < 0 || s.colour == line.colour);
  });
}

}  // namespace

std::vector<Skip> answerHeader() { return {{40, 30, 400, 78, 0}, {410, 30, 504, 78, 13}}; }

std::vector<MathLine> mathLines(const std::vector<Row>& rows, const std::vector<std::optional<reading::Line>>& read) {
  std::vector<MathLine> lines;
  for (std::size_t i = 0; i < rows.size();) {
    // A blank form erased before the line is completed is no piece of it.
    std::size_t end = i + 1;
    while (end < rows.size() && (joinsLine(rows[end]) || rows[end].math == Math::ERASED)) ++end;
    std::vector<const reading::Line*> pieces;
    bool whole = true;
    for (std::size_t k = i; k < end; ++k) {
      if (rows[k].math == Math::ERASED) continue;
      if (read[k])
        pieces.push_back(&*read[k]);
      else
        whole = false;
    }
    if (whole && !pieces.empty() && rows[i].math != Math::ERASED) {
      std::stable_sort(pieces.begin(), pieces.end(), [](const reading::Line* a, const reading::Line* b) {
        return a->y != b->y ? a->y < b->y : a->x < b->x;
      });
      MathLine line{rows[i].math, "", rows[i].ref, "at " + placeOf(pieces.front()->x, pieces.front()->y)};
      for (const reading::Line* piece : pieces) line.text += piece->text;
      lines.push_back(line);
    }
    i = end;
  }
  return lines;
}

void expectPage(const Page& page) {
  const HeadlessResult run = ombrel_test::runOmbrel(page.choice + page.keys);
  ASSERT_FALSE(run.error) << page.name << " ends on the error screen at line " << run.error->line;
  page::StepRows steps(run.ops, static_cast<int>(page.choice.size()), page.name);
  std::vector<bool> aside;
  for (const Row& row : page.rows) aside.push_back(cursorStays(row));
  const auto read = steps.read({page.rows.begin(), page.rows.end()}, aside);
  for (const auto& [step, line] : steps.untaken())
    if (!skipped(line, page.skips))
      ADD_FAILURE() << page.name << ": step " << step << " draws a line that no row names: " << reading::describe(line);

  PageMath math(page.name);
  for (const MathLine& line : mathLines(page.rows, read)) math.line(line);
  for (const std::string& fault : math.faults()) ADD_FAILURE() << fault;
}

}  // namespace ombrel_page
