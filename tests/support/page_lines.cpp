// Places, pieces and tables of the lines of a fixed page.
#include "support/page_lines.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>

#include "engine/strings.h"

namespace page {

namespace {

// The background colour: a box of it erases what it covers.
constexpr int BACKGROUND = 15;

// The pieces of a row read as one, from left to right: at the place of the leftmost, on the
// highest text line among them.
Line joinedAcross(std::vector<Line> pieces) {
  std::stable_sort(pieces.begin(), pieces.end(), [](const Line& a, const Line& b) { return a.x < b.x; });
  Line whole = pieces.front();
  for (std::size_t i = 1; i < pieces.size(); ++i) {
    whole.text += pieces[i].text;
    whole.right = pieces[i].right;
    whole.y = std::min(whole.y, pieces[i].y);
    whole.first = std::min(whole.first, pieces[i].first);
    whole.end = std::max(whole.end, pieces[i].end);
  }
  return whole;
}

// Whether the operation is a filled box over the middle of the line's first glyph.
bool covers(const Op& op, const Line& line) {
  const float x = line.x + 1, y = line.y + 10;
  return op.kind == OpKind::FilledBox && op.x1 <= x && op.x2 >= x && op.y1 <= y && op.y2 >= y;
}

}  // namespace

bool atPlace(float a, float b) { return std::fabs(a - b) <= PLACE; }

float firstGlyph(float x, const std::string& markup) {
  return x + reading::BLANK * static_cast<float>(reading::leadingBlanks(markup));
}

bool standsAt(const Line& line, float x, float y, const std::string& markup) {
  return atPlace(line.y, y) && atPlace(line.x, x + line.blank() * static_cast<float>(reading::leadingBlanks(markup)));
}

float endOf(const Line& line, const std::string& markup) {
  return line.right + line.blank() * static_cast<float>(reading::trailingBlanks(markup));
}

std::vector<std::size_t> placedAt(const std::vector<Line>& lines, float x, float y, int colour, std::size_t from) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    if (line.first >= from && atPlace(line.x, x) && atPlace(line.y, y) && (colour == ANY_COLOUR || line.colour == colour))
      found.push_back(i);
  }
  return found;
}

testing::AssertionResult reads(const Line& line, const std::string& markup) {
  const std::string want = line.kind == reading::Kind::Formula ? reading::asRead(markup) : reading::asReadPlain(markup);
  if (line.text == want) return testing::AssertionSuccess();
  return testing::AssertionFailure() << reading::describe(line) << " should read \"" << toUtf8(want) << "\"";
}

std::string nothingAt(const std::vector<Line>& lines, const std::string& markup, float x, float y, int colour,
                      std::size_t from, const std::string& where) {
  std::vector<Line> around;
  for (const Line& line : lines)
    if (line.first >= from && std::fabs(line.y - y) <= 40) around.push_back(line);
  std::ostringstream out;
  out << "no line ";
  if (!markup.empty()) out << "\"" << toUtf8(reading::asRead(markup)) << "\" ";
  if (std::isnan(x))
    out << "on the text line " << y;
  else
    out << "at (" << x << "," << y << ")";
  if (colour != ANY_COLOUR) out << " in colour " << colour;
  out << where << "; the lines drawn near that text line:" << reading::describe(around);
  return out.str();
}

Line continued(const std::vector<Line>& lines, std::size_t start, const Continuing& how) {
  Line line = lines[start];
  for (std::size_t i = start + 1; i < lines.size() && lines[i].first < how.until; ++i) {
    const Line& next = lines[i];
    const float blanks = std::round((next.x - line.right) / line.blank());
    if (next.kind != line.kind || !atPlace(next.y, line.y) || blanks < 0 || blanks > static_cast<float>(how.blanks) ||
        !atPlace(next.x, line.right + blanks * line.blank()))
      continue;
    line.text += std::string(static_cast<std::size_t>(blanks), ' ') + next.text;
    line.right = next.right;
    line.end = next.end;
  }
  return line;
}

std::vector<std::string> split(const std::string& text, const std::string& separator) {
  const auto trimmed = [](const std::string& piece) {
    const std::size_t first = piece.find_first_not_of(' ');
    return first == std::string::npos ? "" : piece.substr(first, piece.find_last_not_of(' ') - first + 1);
  };
  std::vector<std::string> pieces;
  std::size_t from = 0;
  for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, from)) {
    pieces.push_back(trimmed(text.substr(from, at - from)));
    from = at + separator.size();
  }
  pieces.push_back(trimmed(text.substr(from)));
  return pieces;
}

std::optional<Line> across(const std::vector<Line>& lines, float x, float y, float through) {
  std::vector<Line> pieces;
  for (const Line& line : lines)
    if (atPlace(line.y, y) && line.x >= x - PLACE && line.x <= through) pieces.push_back(line);
  if (pieces.empty()) return std::nullopt;
  return joinedAcross(std::move(pieces));
}

std::size_t erasedAt(const std::vector<Op>& ops, const Line& line) {
  for (std::size_t i = line.end; i < ops.size(); ++i)
    if (covers(ops[i], line) && ops[i].fill == BACKGROUND) return i;
  return ops.size();
}

std::vector<Line> onScreen(const std::vector<Line>& lines, const std::vector<Op>& ops, std::size_t to) {
  to = std::min(to, ops.size());
  std::vector<std::size_t> boxes;
  for (std::size_t i = 0; i < to; ++i)
    if (ops[i].kind == OpKind::FilledBox) boxes.push_back(i);
  std::vector<Line> shown;
  for (std::size_t k = 0; k < lines.size() && lines[k].end <= to; ++k) {
    const Line& line = lines[k];
    const auto later = std::lower_bound(boxes.begin(), boxes.end(), line.end);
    const bool hidden = std::any_of(later, boxes.end(), [&](std::size_t i) { return covers(ops[i], line); });
    const bool replaced = std::any_of(lines.begin() + static_cast<long>(k) + 1, lines.end(), [&](const Line& next) {
      return next.end <= to && atPlace(next.x, line.x) && atPlace(next.y, line.y);
    });
    if (!hidden && !replaced) shown.push_back(line);
  }
  return shown;
}

std::vector<Line> onScreen(const std::vector<Op>& ops, std::size_t to) {
  return onScreen(reading::readLines(ops, 0, to), ops, to);
}

std::vector<Line> rowsIn(const std::vector<Line>& lines, float left, float top, float right, float bottom) {
  std::vector<Line> inside = reading::within(lines, left, top, right, bottom);
  std::stable_sort(inside.begin(), inside.end(), [](const Line& a, const Line& b) { return a.y < b.y; });
  std::vector<Line> rows;
  for (auto piece = inside.begin(); piece != inside.end();) {
    const auto row = std::find_if(piece, inside.end(), [&](const Line& l) { return l.y > piece->y + IN_BOX + PLACE; });
    rows.push_back(joinedAcross({piece, row}));
    piece = row;
  }
  return rows;
}

std::vector<Page> pagesOf(const std::vector<Op>& ops, int entered) {
  const auto isClear = [](const Op& op) {
    return op.kind == OpKind::FilledBox && op.colour == BACKGROUND && op.fill == BACKGROUND && op.y1 == 0 &&
           op.y2 > op.y1;
  };
  std::vector<std::size_t> clears;
  for (std::size_t i = reading::afterKeys(ops, entered); i < ops.size(); ++i)
    if (isClear(ops[i])) clears.push_back(i);
  std::vector<Page> pages;
  for (std::size_t k = 0; k < clears.size(); ++k) {
    Page page;
    page.first = clears[k];
    page.end = k + 1 < clears.size() ? clears[k + 1] : ops.size();
    page.lines = reading::readLines(ops, page.first, page.end);
    pages.push_back(std::move(page));
  }
  return pages;
}

StepRows::StepRows(const std::vector<Op>& ops, int entered, std::string scene)
    : ops_(ops), entered_(entered), scene_(std::move(scene)) {}

StepRows::Step& StepRows::step(int n) {
  auto [at, added] = steps_.try_emplace(n);
  if (added) {
    at->second.lines = reading::linesOfStep(ops_, entered_ + n);
    at->second.taken.assign(at->second.lines.size(), false);
  }
  return at->second;
}

std::vector<std::optional<Line>> StepRows::read(const std::vector<Row>& rows, const std::vector<bool>& aside) {
  // Every step up to the last a row names is read, those that show no row too.
  int last = 0;
  for (const Row& row : rows) last = std::max(last, row.step);
  for (int n = 0; n <= last; ++n) step(n);

  std::vector<std::optional<Line>> read(rows.size());
  const Line* before = nullptr;    // the line the next row placed after() follows
  const Row* beforeRow = nullptr;  // and its row
  int lastStep = -1;               // the step of the line the row before took, and its index there
  std::size_t lastAt = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    Step& shown = step(row.step);
    // A row after a missing one: anywhere on its text line.
    const bool anywhere = row.x.after && before == nullptr;
    const float x = row.x.after && before ? endOf(*before, beforeRow->markup) + row.x.x : row.x.x;
    const auto fits = [&](std::size_t k) {
      const Line& line = shown.lines[k];
      return !shown.taken[k] && line.colour == row.colour &&
             (anywhere ? atPlace(line.y, row.y) : standsAt(line, x, row.y, row.markup));
    };
    // The rows are drawn in their order: a row's line comes after the line the row before it took.
    const std::size_t earliest = lastStep == row.step ? lastAt + 1 : 0;
    std::size_t at = earliest;
    while (at < shown.lines.size() && !fits(at)) ++at;
    if (at == shown.lines.size()) {
      std::size_t early = 0;
      while (early < earliest && !fits(early)) ++early;
      if (early < earliest) {
        ADD_FAILURE() << scene_ << ": step " << row.step << ": " << reading::describe(shown.lines[early])
                      << " is drawn before the row before it, " << reading::describe(shown.lines[lastAt]);
        at = early;
      }
    }
    if (at == shown.lines.size()) {
      ADD_FAILURE() << scene_ << ": step " << row.step << ": "
                    << nothingAt(shown.lines, row.markup,
                                 anywhere ? std::numeric_limits<float>::quiet_NaN() : firstGlyph(x, row.markup), row.y,
                                 row.colour);
    } else {
      shown.taken[at] = true;
      read[i] = shown.lines[at];
      lastStep = row.step;
      lastAt = at;
      EXPECT_TRUE(reads(*read[i], row.markup)) << scene_ << ": step " << row.step;
    }
    if (i >= aside.size() || !aside[i]) {
      before = read[i] ? &*read[i] : nullptr;
      beforeRow = &row;
    }
  }
  return read;
}

void StepRows::expectNothingOver() const {
  for (const auto& [n, shown] : steps_)
    for (std::size_t k = 0; k < shown.lines.size(); ++k) {
      if (!shown.taken[k]) continue;
      const Line& line = shown.lines[k];
      for (std::size_t later = k + 1; later < shown.lines.size(); ++later) {
        const Line& over = shown.lines[later];
        if (!shown.taken[later] && atPlace(over.x, line.x) && atPlace(over.y, line.y) &&
            (over.text != line.text || over.colour != line.colour))
          ADD_FAILURE() << scene_ << ": step " << n << ": " << reading::describe(over) << " is drawn over "
                        << reading::describe(line);
      }
    }
}

std::vector<std::pair<int, Line>> StepRows::untaken() const {
  std::vector<std::pair<int, Line>> found;
  for (const auto& [n, shown] : steps_)
    for (std::size_t k = 0; k < shown.lines.size(); ++k)
      // The engine's prompts (the step wait, the sub-menu line) are not the page's lines.
      if (!shown.taken[k] && shown.lines[k].kind != reading::Kind::Prompt) found.emplace_back(n, shown.lines[k]);
  return found;
}

}  // namespace page
