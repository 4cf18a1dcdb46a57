#include "page_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/algebra.h"

namespace page_math {

namespace {

// The advance of every half-width character of a product line.
constexpr float CHARACTER = 27;

bool isDot(const Op& op) { return op.kind == OpKind::Circle && op.radius == 0.5f; }

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

std::optional<reading::Line> mathAt(const Page& page, const Shown& shown) {
  const float x = page::firstGlyph(shown.x, shown.text);
  std::optional<reading::Line> found;
  if (shown.through > 0) {
    found = page::across(page.lines, x, shown.y, shown.through);
    if (found && !(std::fabs(found->x - x) <= page::PLACE && found->colour == shown.colour)) found.reset();
  } else {
    for (const std::size_t at : page::placedAt(page.lines, x, shown.y, shown.colour))
      if (!found || !page::reads(*found, shown.text)) found = page::continued(page.lines, at);
  }
  if (!found) {
    ADD_FAILURE() << page::nothingAt(page.lines, shown.text, x, shown.y, shown.colour);
    return std::nullopt;
  }
  EXPECT_TRUE(page::reads(*found, shown.text));
  return reading::mathIn(*found, shown.lead, shown.trail);
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
    EXPECT_TRUE(reading::cleanChain(lines));
  }
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
  const std::vector<std::string> chars = reading::characters(product.text);
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
  if (!halfWidth || (count == chars.size() && std::fabs(product.width() - width) > page::PLACE)) {
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

std::vector<std::string> termsOf(const std::string& line) {
  std::vector<std::string> terms;
  std::string before;
  int depth = 0;
  for (const std::string& c : reading::characters(reading::lastSide(line))) {
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
