#include "page_math.h"

#include <stdexcept>

#include "support/algebra.h"

namespace page_math {
namespace {

// How many blanks may stand between a row's pieces.
constexpr int BLANKS_BETWEEN_PIECES = 3;

// The terms of an expression multiplied out.
std::vector<GiNaC::ex> termsOf(const GiNaC::ex& e) {
  const GiNaC::ex expanded = GiNaC::expand(e);
  if (!GiNaC::is_a<GiNaC::add>(expanded)) return {expanded};
  return {expanded.begin(), expanded.end()};
}

// The expressions of two markup lines, or the checker's failure to read them.
testing::AssertionResult parsed(const std::string& a, const std::string& b, GiNaC::ex& ea, GiNaC::ex& eb) {
  try {
    ea = algebra::parse(a);
    eb = algebra::parse(b);
  } catch (const std::exception& e) {
    return testing::AssertionFailure() << e.what();
  }
  return testing::AssertionSuccess();
}

}  // namespace

Page::Page(const HeadlessResult& run) : ops_(run.ops), lines_(reading::readLines(run.ops)) {}

std::optional<reading::Line> Page::row(int keys, const At& at) const {
  const std::size_t after = reading::afterKeys(ops_, keys);
  const std::vector<std::size_t> there = page::placedAt(lines_, at.x, at.y, page::ANY_COLOUR, after);
  if (there.empty()) {
    ADD_FAILURE() << "after " << keys
                  << " key presses: " << page::nothingAt(lines_, at.text, at.x, at.y, page::ANY_COLOUR, after);
    return std::nullopt;
  }
  const reading::Line& start = lines_[there.front()];
  const reading::Line row =
      page::continued(lines_, there.front(), {BLANKS_BETWEEN_PIECES, page::erasedAt(ops_, start)});
  if (*at.text != '\0') {
    EXPECT_TRUE(page::reads(row, at.text));
  }
  return row;
}

std::optional<reading::Line> asMath(const reading::Line& row, const At& at) {
  return reading::mathIn(row, at.from, at.to);
}

testing::AssertionResult divides(const std::string& factor, const std::string& polynomial) {
  GiNaC::ex f, p, q;
  if (testing::AssertionResult read = parsed(factor, polynomial, f, p); !read) return read;
  if (GiNaC::divide(GiNaC::expand(p), GiNaC::expand(f), q) && q.integer_content().is_integer())
    return testing::AssertionSuccess();
  return testing::AssertionFailure() << "\"" << algebra::utf8(factor) << "\" does not divide \""
                                     << algebra::utf8(polynomial) << "\"";
}

testing::AssertionResult commonFactor(const std::string& factor, const std::string& polynomial) {
  GiNaC::ex f, p;
  if (testing::AssertionResult read = parsed(factor, polynomial, f, p); !read) return read;
  return reading::commonFactor(f, p);
}

testing::AssertionResult termOf(const std::string& term, const std::string& polynomial) {
  GiNaC::ex t, p;
  if (testing::AssertionResult read = parsed(term, polynomial, t, p); !read) return read;
  for (const GiNaC::ex& each : termsOf(p))
    if (GiNaC::expand(each - t).is_zero() || GiNaC::expand(each + t).is_zero()) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "\"" << algebra::utf8(term) << "\" is no term of \""
                                     << algebra::utf8(polynomial) << "\"";
}

std::string substituted(std::string text, const std::map<std::string, std::string>& values) {
  for (const auto& [placeholder, value] : values) text = reading::substituted(text, placeholder, value);
  return text;
}

}  // namespace page_math
