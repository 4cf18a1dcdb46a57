#include "page_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>

#include "engine/strings.h"
#include "support/algebra.h"
#include "support/line_chain.h"

namespace page_math {

namespace {

// How far a line may stand from its place: the places are whole or half pixels.
constexpr float TOLERANCE = 1;
// The advance of every half-width character of a product line.
constexpr float CHARACTER = 27;

bool near(float a, float b) { return std::fabs(a - b) <= TOLERANCE; }

bool isClear(const Op& op) {
  return op.kind == OpKind::FilledBox && op.colour == 15 && op.fill == 15 && op.y1 == 0 && op.y2 > op.y1;
}

bool isDot(const Op& op) { return op.kind == OpKind::Circle && op.radius == 0.5f; }

// The characters of a code-page-932 text, a double-byte character as one.
std::vector<std::string> characters(const std::string& text) {
  std::vector<std::string> chars;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    chars.push_back(text.substr(i, n));
    i += n;
  }
  return chars;
}

std::string trimmed(std::string text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The line from `start` on with the lines that continue it: each drawn later on its text line,
// starting where the one before it ends.
reading::Line continued(const std::vector<reading::Line>& lines, const reading::Line& start) {
  reading::Line line = start;
  for (bool more = true; more;) {
    more = false;
    for (const reading::Line& next : lines) {
      if (next.first < line.end || !near(next.y, line.y) || !near(next.x, line.right)) continue;
      line.text += next.text;
      line.right = next.right;
      line.end = next.end;
      more = true;
      break;
    }
  }
  return line;
}

// Every line on the text line y from x to through, in order across, read as one.
std::optional<reading::Line> row(const std::vector<reading::Line>& lines, float x, float y, float through) {
  std::vector<reading::Line> pieces;
  for (const reading::Line& line : lines)
    if (near(line.y, y) && line.x >= x - TOLERANCE && line.x <= through) pieces.push_back(line);
  if (pieces.empty()) return std::nullopt;
  std::stable_sort(pieces.begin(), pieces.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
  reading::Line whole = pieces.front();
  for (std::size_t i = 1; i < pieces.size(); ++i) {
    whole.text += pieces[i].text;
    whole.right = pieces[i].right;
    whole.first = std::min(whole.first, pieces[i].first);
    whole.end = std::max(whole.end, pieces[i].end);
  }
  return whole;
}

// The number of a circled-number label, or 0.
std::size_t circledNumber(const std::string& label) {
  static const std::string numbers[] = {"①", "②", "③", "④", "⑤", "⑥"};
  for (std::size_t k = 0; k < std::size(numbers); ++k)
    if (label == numbers[k]) return k + 1;
  return 0;
}

std::optional<GiNaC::ex> parsed(const std::string& term) {
  try {
    return algebra::parse(term);
  } catch (const std::runtime_error& e) {
    ADD_FAILURE() << e.what();
    return std::nullopt;
  }
}

std::string withoutPlus(const std::string& term) { return term.rfind('+', 0) == 0 ? term.substr(1) : term; }

}  // namespace

std::vector<Page> pagesOf(const HeadlessResult& run, int entered) {
  std::vector<std::size_t> clears;
  for (std::size_t i = reading::afterKeys(run.ops, entered); i < run.ops.size(); ++i)
    if (isClear(run.ops[i])) clears.push_back(i);
  std::vector<Page> pages;
  for (std::size_t k = 0; k < clears.size(); ++k) {
    Page page;
    page.first = clears[k];
    page.end = k + 1 < clears.size() ? clears[k + 1] : run.ops.size();
    page.lines = reading::readLines(run.ops, page.first, page.end);
    pages.push_back(std::move(page));
  }
  return pages;
}

std::optional<reading::Line> mathAt(const Page& page, const Shown& shown) {
  const std::string expected = reading::asRead(shown.text);
  const float x = shown.x + reading::BLANK * static_cast<float>(reading::leadingBlanks(shown.text));
  std::optional<reading::Line> found;
  if (shown.through > 0) {
    found = row(page.lines, x, shown.y, shown.through);
    if (found && !(near(found->x, x) && found->colour == shown.colour)) found.reset();
  } else {
    for (const reading::Line& line : page.lines) {
      if (!near(line.x, x) || !near(line.y, shown.y) || line.colour != shown.colour) continue;
      const reading::Line whole = continued(page.lines, line);
      if (!found || found->text != expected) found = whole;
    }
  }
  if (!found) {
    std::vector<reading::Line> there;
    for (const reading::Line& line : page.lines)
      if (near(line.y, shown.y)) there.push_back(line);
    ADD_FAILURE() << "no line at (" << x << "," << shown.y << ") c" << shown.colour << " reading \"" << toUtf8(expected)
                  << "\"; the lines on that text line:" << reading::describe(there);
    return std::nullopt;
  }
  EXPECT_EQ(toUtf8(found->text), toUtf8(expected)) << "the line " << reading::describe(*found);
  std::string math = found->text;
  const std::string lead = reading::asRead(shown.lead), trail = reading::asRead(shown.trail);
  if (!lead.empty() && math.rfind(lead, 0) == 0) math.erase(0, lead.size());
  if (!trail.empty() && math.size() >= trail.size() &&
      math.compare(math.size() - trail.size(), trail.size(), trail) == 0)
    math.erase(math.size() - trail.size());
  found->text = trimmed(math);
  return found;
}

std::vector<reading::Line> mathOf(const Page& page, const std::vector<Shown>& shown) {
  std::vector<reading::Line> lines;
  for (const Shown& one : shown)
    if (const auto line = mathAt(page, one)) lines.push_back(*line);
  return lines;
}

void expectChain(const Page& page, const std::vector<Shown>& shown) {
  const std::vector<reading::Line> lines = mathOf(page, shown);
  if (!lines.empty()) {
    EXPECT_TRUE(reading::sameChain(lines));
  }
}

reading::Line substituted(reading::Line line, char name, const std::string& value) {
  // A number or a product of letters goes in as it is; anything else in brackets.
  const bool single =
      std::all_of(value.begin(), value.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
  const std::string put = single ? value : "(" + value + ")";
  std::string text;
  for (const std::string& c : characters(line.text)) text += c == std::string(1, name) ? put : c;
  line.text = text;
  return line;
}

std::vector<Arc> arcsOf(const HeadlessResult& run, const Page& page) {
  std::vector<Arc> arcs;
  for (std::size_t i = page.first; i < page.end; ++i) {
    if (!isDot(run.ops[i])) continue;
    std::size_t end = i + 1;
    while (end < page.end && isDot(run.ops[end]) && run.ops[end].colour == run.ops[i].colour) ++end;
    arcs.push_back({run.ops[i].cx, run.ops[i].cy, run.ops[end - 1].cx, run.ops[end - 1].cy, i, end});
    i = end - 1;
  }
  return arcs;
}

std::optional<reading::Line> labelOf(const Page& page, const std::vector<Arc>& arcs, std::size_t k) {
  const std::size_t before = k + 1 < arcs.size() ? arcs[k + 1].first : page.end;
  for (const reading::Line& line : page.lines)
    if (line.first >= arcs[k].end && line.first < before) return line;
  return std::nullopt;
}

std::string termAt(const reading::Line& product, float x) {
  const std::vector<std::string> chars = characters(product.text);
  std::size_t count = chars.size();
  for (std::size_t i = 1; i < chars.size(); ++i)
    if (chars[i] == "=") {
      count = i;
      break;
    }
  // "×" is drawn 27 px wide as well; an exponent or a fraction would not be.
  const bool halfWidth = std::all_of(
      chars.begin(), chars.begin() + static_cast<std::ptrdiff_t>(count),
      [](const std::string& c) { return (c.size() == 1 && c != "^" && c != "\\" && c != "ﾀ") || c == "×"; });
  const float width = CHARACTER * static_cast<float>(count);
  if (!halfWidth || (count == chars.size() && std::fabs(product.width() - width) > TOLERANCE)) {
    ADD_FAILURE() << reading::describe(product) << " is not a product of half-width characters";
    return "";
  }
  const float at = std::floor((x - product.x) / CHARACTER);
  if (at < 0 || at >= static_cast<float>(count)) {
    ADD_FAILURE() << "x " << x << " stands beside " << reading::describe(product);
    return "";
  }
  const auto isSign = [](const std::string& c) { return c == "+" || c == "-"; };
  const auto bounds = [&](const std::string& c) { return isSign(c) || c == "(" || c == ")" || c == "×" || c == "="; };
  std::size_t start = static_cast<std::size_t>(at);
  if (!isSign(chars[start])) {
    while (start > 0 && !bounds(chars[start - 1])) --start;
    if (start > 0 && isSign(chars[start - 1])) --start;
  }
  std::size_t end = static_cast<std::size_t>(at) + 1;
  while (end < count && !bounds(chars[end])) ++end;
  std::string term;
  for (std::size_t i = start; i < end; ++i) term += chars[i];
  return withoutPlus(term);
}

std::string lastSide(const std::string& line) {
  const std::vector<std::string> chars = characters(line);
  std::string side;
  for (const std::string& c : chars) side = c == "=" || c == "＝" ? "" : side + c;
  return side;
}

std::vector<std::string> termsOf(const std::string& line) {
  std::vector<std::string> terms;
  std::string before;
  int depth = 0;
  for (const std::string& c : characters(lastSide(line))) {
    const bool split = depth == 0 && (c == "+" || c == "-") && !before.empty() && before != "^" && before != "\\";
    if (split || terms.empty()) terms.emplace_back();
    terms.back() += c;
    depth += c == "(" ? 1 : c == ")" ? -1 : 0;
    before = c;
  }
  for (std::string& term : terms) term = withoutPlus(term);
  return terms;
}

void expectArcsJoin(const Page& page, const std::vector<Arc>& arcs, const reading::Line& product,
                    const std::vector<std::string>& partials, bool labelled,
                    const std::optional<reading::Line>& factor) {
  EXPECT_EQ(arcs.size(), partials.size()) << "arcs over " << reading::describe(product);
  std::vector<std::size_t> numbers;
  for (std::size_t k = 0; k < arcs.size(); ++k) {
    std::size_t number = k + 1;
    if (labelled) {
      const auto label = labelOf(page, arcs, k);
      number = label ? circledNumber(label->text) : 0;
      if (number == 0) {
        ADD_FAILURE() << "arc " << k + 1 << " over " << reading::describe(product)
                      << " has no number: " << (label ? reading::describe(*label) : "nothing");
        continue;
      }
    }
    numbers.push_back(number);
    const auto over = [&](float x) {
      return factor && x >= factor->x && x <= factor->right ? factor->text : termAt(product, x);
    };
    const std::string first = over(arcs[k].x0), second = over(arcs[k].x1);
    if (number > partials.size() || first.empty() || second.empty()) continue;
    const auto a = parsed(first), b = parsed(second);
    if (!a || !b) continue;
    EXPECT_TRUE(algebra::sameValue(partials[number - 1], *a * *b))
        << "arc " << number << " over " << reading::describe(product) << " joins " << algebra::utf8(first) << " and "
        << algebra::utf8(second);
  }
  std::sort(numbers.begin(), numbers.end());
  EXPECT_EQ(std::adjacent_find(numbers.begin(), numbers.end()), numbers.end()) << "two arcs with one number";
}

}  // namespace page_math
