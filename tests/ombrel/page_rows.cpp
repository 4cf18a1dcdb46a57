#include "page_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>
#include <utility>

#include "engine/strings.h"
#include "ombrel_support.h"

namespace ombrel_page {

namespace {

// How far a line may stand from its place: the places are whole pixels, and the label that a
// dotted arc places beside its apex comes within a hair of one.
constexpr float PLACE = 1;

int trailingBlanks(const std::string& text) {
  const std::size_t last = text.find_last_not_of(' ');
  return static_cast<int>(last == std::string::npos ? text.size() : text.size() - 1 - last);
}

bool cursorStays(const Row& row) { return row.math == Math::ERASED || row.math == Math::ASIDE; }
bool joinsLine(const Row& row) { return row.math == Math::ON || row.math == Math::ASIDE; }

std::string describeRow(const Row& row) {
  return "step " + std::to_string(row.step) + " c" + std::to_string(row.colour) + " \"" + toUtf8(row.text) + "\"";
}

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

// The lines of each step of a run's page, and which of them a row has named.
class StepLines {
 public:
  StepLines(const std::vector<Op>& ops, int choiceKeys, int lastStep) {
    for (int s = 0; s <= lastStep; ++s) {
      lines_.push_back(reading::linesOfStep(ops, choiceKeys + s));
      named_.emplace_back(lines_.back().size(), false);
    }
  }

  // The first line of the step not named yet in colour on the line y at x (any x when x is NaN).
  const reading::Line* take(int step, float x, float y, int colour) {
    const auto s = static_cast<std::size_t>(step);
    for (std::size_t k = 0; k < lines_[s].size(); ++k) {
      const reading::Line& line = lines_[s][k];
      if (!named_[s][k] && line.colour == colour && std::fabs(line.y - y) <= PLACE &&
          (std::isnan(x) || std::fabs(line.x - x) <= PLACE)) {
        named_[s][k] = true;
        return &line;
      }
    }
    return nullptr;
  }

  std::vector<reading::Line> near(int step, float y) const {
    std::vector<reading::Line> found;
    for (const reading::Line& line : lines_[static_cast<std::size_t>(step)])
      if (std::fabs(line.y - y) <= 40) found.push_back(line);
    return found;
  }

  // The lines no row named, but those in the skips.
  std::vector<std::pair<int, reading::Line>> unnamed(const std::vector<Skip>& skips) const {
    std::vector<std::pair<int, reading::Line>> found;
    for (std::size_t s = 0; s < lines_.size(); ++s)
      for (std::size_t k = 0; k < lines_[s].size(); ++k)
        // The engine's prompts (the step wait, the sub-menu line) are not the page's lines.
        if (!named_[s][k] && lines_[s][k].kind != reading::Kind::Prompt && !skipped(lines_[s][k], skips))
          found.emplace_back(static_cast<int>(s), lines_[s][k]);
    return found;
  }

 private:
  std::vector<std::vector<reading::Line>> lines_;
  std::vector<std::vector<bool>> named_;
};

// Reads every row at its place; a row placed after the row before it, when that one was not
// found, is looked for anywhere on its line.
std::vector<std::optional<reading::Line>> readRows(const Page& page, StepLines& steps) {
  std::vector<std::optional<reading::Line>> read(page.rows.size());
  const reading::Line* before = nullptr;
  const Row* beforeRow = nullptr;
  for (std::size_t i = 0; i < page.rows.size(); ++i) {
    const Row& row = page.rows[i];
    const float lead = reading::BLANK * static_cast<float>(reading::leadingBlanks(row.text));
    float x = row.x + lead;
    if (row.x < 0)
      x = before ? before->right + reading::BLANK * static_cast<float>(trailingBlanks(beforeRow->text)) + (-1 - row.x) +
                       lead
                 : std::numeric_limits<float>::quiet_NaN();
    const reading::Line* line = steps.take(row.step, x, row.y, row.colour);
    if (!line) {
      ADD_FAILURE() << page.name << ": no line at " << placeOf(x, row.y) << ", " << describeRow(row)
                    << "; lines of that step near it:" << reading::describe(steps.near(row.step, row.y));
    } else {
      EXPECT_EQ(line->utf8(), toUtf8(reading::asRead(row.text)))
          << page.name << ": " << describeRow(row) << " reads " << reading::describe(*line);
      read[i] = *line;
    }
    if (!cursorStays(row)) {
      before = read[i] ? &*read[i] : nullptr;
      beforeRow = &row;
    }
  }
  return read;
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
  int lastStep = 0;
  for (const Row& row : page.rows) lastStep = std::max(lastStep, row.step);
  StepLines steps(run.ops, static_cast<int>(page.choice.size()), lastStep);
  const auto read = readRows(page, steps);
  for (const auto& [step, line] : steps.unnamed(page.skips))
    ADD_FAILURE() << page.name << ": step " << step << " draws a line that no row names: " << reading::describe(line);

  PageMath math(page.name);
  for (const MathLine& line : mathLines(page.rows, read)) math.line(line);
  for (const std::string& fault : math.faults()) ADD_FAILURE() << fault;
}

}  // namespace ombrel_page
