// The mathematics of lines read back from a run (support/line_reader.h) through the algebra
// checker: the formula in a line of words, a chain of "=" lines written cleanly, a line against
// the value it must have, a letter put back as what it stands for, a factorisation's last side
// and a common factor.
#pragma once

#include <ginac/ginac.h>
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/strings.h"
#include "support/algebra.h"
#include "support/line_reader.h"

namespace reading {

// The characters of a code page 932 text, a double-byte character as one.
inline std::vector<std::string> characters(const std::string& text) {
  std::vector<std::string> chars;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    chars.push_back(text.substr(i, n));
    i += n;
  }
  return chars;
}

// The first side of a line: its text up to the first "=" or full-width "＝" after its start.
inline std::string firstSide(const std::string& line) {
  for (std::size_t i = 0; i < line.size(); i += isLeadByte(static_cast<unsigned char>(line[i])) ? 2 : 1) {
    if (i > 0 && (line[i] == '=' || line.compare(i, 2, "＝") == 0)) return line.substr(0, i);
  }
  return line;
}

// The last side of a line: its text after its last "=" or "＝".
inline std::string lastSide(const std::string& line) {
  std::string side;
  for (const std::string& c : characters(line)) side = c == "=" || c == "＝" ? "" : side + c;
  return side;
}

// The line with its text replaced by its mathematics: what stands after the words `from` and
// before the words `to` that follow them (markup; "" for none), without an item label and the
// blanks at its ends. A line without the words fails, naming it.
inline std::optional<Line> mathIn(Line line, const std::string& from = "", const std::string& to = "") {
  std::string text = line.text;
  if (const std::string words = asRead(from); !words.empty()) {
    const std::size_t at = text.find(words);
    if (at == std::string::npos) {
      ADD_FAILURE() << describe(line) << " has no \"" << toUtf8(words) << "\"";
      return std::nullopt;
    }
    text.erase(0, at + words.size());
  }
  if (const std::string words = asRead(to); !words.empty()) text = text.substr(0, text.find(words));
  line.text = asReadPlain(algebra::withoutLabel(asReadPlain(text)));
  return line;
}

// The text with every `name` in it (one character: a letter, "①", "○") put back as value, in
// braces, which no item label takes: "②^2=9" with ② = 3 reads "{3}^2=9", "aM+bM" with M = c+d
// "a{c+d}+b{c+d}".
inline std::string substituted(const std::string& text, const std::string& name, const std::string& value) {
  std::string put;
  for (const std::string& c : characters(text)) put += c == name ? "{" + value + "}" : c;
  return put;
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

// Every line is written cleanly (algebra::formFault: no "+-", no coefficient 1 written out, ...).
inline testing::AssertionResult cleanlyWritten(const std::vector<Line>& lines) {
  for (const Line& line : lines)
    if (const std::string fault = algebra::formFault(algebra::withoutLabel(line.text)); !fault.empty())
      return testing::AssertionFailure() << describe(line) << ": " << fault;
  return testing::AssertionSuccess();
}

// A chain as a page shows it: written cleanly, each line equal to the first.
inline testing::AssertionResult cleanChain(const std::vector<Line>& lines) {
  if (testing::AssertionResult clean = cleanlyWritten(lines); !clean) return clean;
  return sameChain(lines);
}

// The line (all its sides) has the value of reference (markup, code page 932).
inline testing::AssertionResult hasValue(const Line& line, const std::string& reference) {
  const testing::AssertionResult same = algebra::sameValue(algebra::withoutLabel(line.text), reference);
  if (!same) return testing::AssertionFailure() << describe(line) << ": " << same.message();
  return testing::AssertionSuccess();
}

// The last side of the line is a product that does not factorise further.
inline testing::AssertionResult factoredAtEnd(const Line& line) {
  const testing::AssertionResult factored = algebra::completelyFactored(lastSide(line.text));
  if (!factored) return testing::AssertionFailure() << describe(line) << ": " << factored.message();
  return factored;
}

// factor divides the polynomial, leaving whole coefficients, and what is left has nothing common
// to its terms: factor is the greatest common factor of the polynomial's terms.
inline testing::AssertionResult commonFactor(const GiNaC::ex& factor, const GiNaC::ex& polynomial) {
  const auto shown = [](const GiNaC::ex& e) {
    std::ostringstream s;
    s << e;
    return s.str();
  };
  GiNaC::ex left;
  if (!GiNaC::divide(GiNaC::expand(polynomial), GiNaC::expand(factor), left) || !left.integer_content().is_integer())
    return testing::AssertionFailure() << shown(factor) << " does not divide " << shown(polynomial);
  const GiNaC::ex terms = GiNaC::expand(left);
  GiNaC::ex shared = GiNaC::is_a<GiNaC::add>(terms) ? terms.op(0) : terms;
  for (std::size_t k = 1; GiNaC::is_a<GiNaC::add>(terms) && k < terms.nops(); ++k)
    shared = GiNaC::gcd(shared, terms.op(k));
  if (GiNaC::is_a<GiNaC::numeric>(shared) && GiNaC::abs(GiNaC::ex_to<GiNaC::numeric>(shared)).is_equal(1))
    return testing::AssertionSuccess();
  return testing::AssertionFailure() << "what " << shown(factor) << " leaves of " << shown(polynomial) << ", "
                                     << shown(terms) << ", still has the common factor " << shown(shared);
}

}  // namespace reading
