#include "page_math.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

#include "engine/strings.h"
#include "support/algebra.h"
#include "support/line_chain.h"

namespace page_math {
namespace {

bool near(float a, float b, float tolerance) { return std::fabs(a - b) <= tolerance; }

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The terms of an expression multiplied out.
std::vector<GiNaC::ex> termsOf(const GiNaC::ex& e) {
  const GiNaC::ex expanded = GiNaC::expand(e);
  if (!GiNaC::is_a<GiNaC::add>(expanded)) return {expanded};
  return {expanded.begin(), expanded.end()};
}

// The quotient of polynomial by factor when it divides it with whole coefficients left.
testing::AssertionResult quotient(const std::string& factor, const std::string& polynomial, GiNaC::ex& q) {
  try {
    const GiNaC::ex p = GiNaC::expand(algebra::parse(polynomial));
    const GiNaC::ex f = GiNaC::expand(algebra::parse(factor));
    if (!GiNaC::divide(p, f, q) || !q.integer_content().is_integer())
      return testing::AssertionFailure() << "\"" << algebra::utf8(factor) << "\" does not divide \""
                                         << algebra::utf8(polynomial) << "\"";
  } catch (const std::exception& e) {
    return testing::AssertionFailure() << e.what();
  }
  return testing::AssertionSuccess();
}

}  // namespace

Page::Page(const HeadlessResult& run) : ops_(run.ops), lines_(reading::readLines(run.ops)) {}

bool Page::erases(const Op& op, const reading::Line& line) const {
  // A box of the background colour over the middle of the row's first glyph.
  const float x = line.x + 1, y = line.y + 10;
  return op.kind == OpKind::FilledBox && op.fill == 15 && op.x1 <= x && op.x2 >= x && op.y1 <= y && op.y2 >= y;
}

std::optional<reading::Line> Page::row(int keys, const At& at) const {
  const std::size_t after = reading::afterKeys(ops_, keys);
  const auto start = std::find_if(lines_.begin(), lines_.end(), [&](const reading::Line& l) {
    return l.first >= after && near(l.x, at.x, 1) && near(l.y, at.y, 1);
  });
  if (start == lines_.end()) {
    std::vector<reading::Line> around;
    for (const reading::Line& l : lines_)
      if (l.first >= after && near(l.y, at.y, 40)) around.push_back(l);
    ADD_FAILURE() << "no row at (" << at.x << "," << at.y << ") after " << keys
                  << " key presses; rows near that line:" << reading::describe(around);
    return std::nullopt;
  }
  reading::Line row = *start;
  std::size_t erased = row.end;
  while (erased < ops_.size() && !erases(ops_[erased], row)) ++erased;
  // The pieces that continue the row, in drawing order.
  for (auto next = start + 1; next != lines_.end() && next->first < erased; ++next) {
    const float blanks = std::round((next->x - row.right) / row.blank());
    if (next->kind != row.kind || !near(next->y, row.y, 0.5f) || blanks < 0 || blanks > 3 ||
        !near(next->x, row.right + blanks * row.blank(), 0.5f))
      continue;
    row.text += std::string(static_cast<std::size_t>(blanks), ' ') + next->text;
    row.right = next->right;
    row.end = next->end;
  }
  if (*at.text != '\0' && row.text != reading::asRead(at.text))
    ADD_FAILURE() << reading::describe(row) << " should read \"" << toUtf8(reading::asRead(at.text)) << "\"";
  return row;
}

std::string mathOf(const reading::Line& row, const At& at) {
  std::string text = row.text;
  if (*at.from != '\0') {
    const std::size_t from = text.find(at.from);
    if (from == std::string::npos) {
      ADD_FAILURE() << reading::describe(row) << " has no \"" << toUtf8(at.from) << "\"";
      return "";
    }
    text.erase(0, from + std::string(at.from).size());
  }
  if (*at.to != '\0') text = text.substr(0, text.find(at.to));
  return trimmed(algebra::withoutLabel(trimmed(text)));
}

reading::Line asMath(const reading::Line& row, const At& at) {
  reading::Line math = row;
  math.text = mathOf(row, at);
  return math;
}

testing::AssertionResult chain(const std::vector<reading::Line>& rows) {
  for (const reading::Line& row : rows) {
    if (const std::string fault = algebra::formFault(row.text); !fault.empty())
      return testing::AssertionFailure() << reading::describe(row) << ": " << fault;
  }
  return reading::sameChain(rows);
}

testing::AssertionResult factorisedAtEnd(const reading::Line& row) {
  const testing::AssertionResult factored = algebra::completelyFactored(row.text.substr(row.text.rfind('=') + 1));
  if (!factored) return testing::AssertionFailure() << reading::describe(row) << ": " << factored.message();
  return factored;
}

testing::AssertionResult divides(const std::string& factor, const std::string& polynomial) {
  GiNaC::ex q;
  return quotient(factor, polynomial, q);
}

testing::AssertionResult commonFactor(const std::string& factor, const std::string& polynomial) {
  GiNaC::ex q;
  if (testing::AssertionResult divided = quotient(factor, polynomial, q); !divided) return divided;
  // What the terms of the quotient still share.
  const std::vector<GiNaC::ex> terms = termsOf(q);
  GiNaC::ex shared = terms.front();
  for (const GiNaC::ex& term : terms) shared = GiNaC::gcd(shared, term);
  if (GiNaC::is_a<GiNaC::numeric>(shared) && GiNaC::abs(GiNaC::ex_to<GiNaC::numeric>(shared)) == 1)
    return testing::AssertionSuccess();
  std::ostringstream left;
  left << shared;
  return testing::AssertionFailure() << "\"" << algebra::utf8(factor) << "\" is not all the terms of \""
                                     << algebra::utf8(polynomial) << "\" share: they share " << left.str()
                                     << " besides";
}

testing::AssertionResult termOf(const std::string& term, const std::string& polynomial) {
  try {
    const GiNaC::ex t = GiNaC::expand(algebra::parse(term));
    for (const GiNaC::ex& each : termsOf(algebra::parse(polynomial)))
      if (GiNaC::expand(each - t).is_zero() || GiNaC::expand(each + t).is_zero()) return testing::AssertionSuccess();
  } catch (const std::exception& e) {
    return testing::AssertionFailure() << e.what();
  }
  return testing::AssertionFailure() << "\"" << algebra::utf8(term) << "\" is no term of \""
                                     << algebra::utf8(polynomial) << "\"";
}

std::string substituted(std::string text, const std::map<std::string, std::string>& values) {
  for (const auto& [placeholder, value] : values) {
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size() + 2))
      text.replace(at, placeholder.size(), "{" + value + "}");
  }
  return text;
}

std::vector<std::string> split(const std::string& text, const std::string& separator) {
  std::vector<std::string> pieces;
  std::size_t from = 0;
  for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, from)) {
    pieces.push_back(trimmed(text.substr(from, at - from)));
    from = at + separator.size();
  }
  pieces.push_back(trimmed(text.substr(from)));
  return pieces;
}

}  // namespace page_math
