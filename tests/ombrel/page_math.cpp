#include "page_math.h"

#include <regex>
#include <sstream>
#include <stdexcept>

#include "engine/strings.h"
#include "support/algebra.h"
#include "support/line_chain.h"
#include "support/page_lines.h"

namespace ombrel_page {

namespace {

// The characters of a UTF-8 text, each as its own string.
std::vector<std::string> charactersOf(const std::string& utf8) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    out.push_back(utf8.substr(i, n));
    i += n;
  }
  return out;
}

char32_t codeOf(const std::string& ch) {
  const auto c = static_cast<unsigned char>(ch[0]);
  char32_t code = ch.size() == 1 ? c : ch.size() == 2 ? c & 0x1F : ch.size() == 3 ? c & 0x0F : c & 0x07;
  for (std::size_t k = 1; k < ch.size(); ++k) code = (code << 6) | (static_cast<unsigned char>(ch[k]) & 0x3F);
  return code;
}

// Kana, kanji, Japanese punctuation and blanks, full-width letters and signs, "…" and circled
// numbers: prose and marks. The half-width katakana of the fraction markup are not.
bool isProse(char32_t c) {
  return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xFF01 && c <= 0xFF5E) || c == 0x2026 ||
         (c >= 0x2460 && c <= 0x2473);
}

std::string trimmed(const std::string& s) {
  const std::size_t from = s.find_first_not_of(' ');
  if (from == std::string::npos) return "";
  return s.substr(from, s.find_last_not_of(' ') - from + 1);
}

std::string utf8Of(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// The expressions a line lists, split at "," and "と", each the formula in its part.
std::vector<std::string> listed(const std::string& utf8) {
  std::vector<std::string> items;
  for (const std::string& part : page::split(utf8, ","))
    for (const std::string& item : page::split(part, utf8Of(u8"と")))
      if (std::string f = formulaIn(item); !f.empty()) items.push_back(f);
  return items;
}

// e is a * k + b for whole-number letters and a whole number k, where form is a * k + b.
bool ofForm(const GiNaC::ex& e, const GiNaC::ex& form) {
  const GiNaC::symbol& k = algebra::letter('k');
  return GiNaC::denom(GiNaC::normal((e - form.coeff(k, 0)) / form.coeff(k, 1))).is_equal(1);
}

std::string shown(const GiNaC::ex& e) {
  std::ostringstream s;
  s << e;
  return s.str();
}

}  // namespace

std::string formulaIn(const std::string& utf8) {
  std::string best, run;
  for (const std::string& ch : charactersOf(utf8)) {
    if (isProse(codeOf(ch))) {
      if (trimmed(run).size() > trimmed(best).size()) best = run;
      run.clear();
    } else {
      run += ch;
    }
  }
  if (trimmed(run).size() > trimmed(best).size()) best = run;
  return fromUtf8(trimmed(best));
}

void PageMath::line(const MathLine& line) {
  try {
    check(line);
  } catch (const std::exception& e) {
    fault(line, std::string("the checker cannot read it: ") + e.what());
  }
}

void PageMath::fault(const MathLine& line, const std::string& what) {
  faults_.push_back(page_ + ": \"" + toUtf8(line.text) + "\" " + line.where + ": " + what);
}

GiNaC::ex PageMath::value(const GiNaC::ex& e) const {
  GiNaC::ex v = e;
  for (int pass = 0; pass < 3; ++pass) v = v.subs(names_).subs(letters_);
  return GiNaC::normal(GiNaC::expand(v));
}

void PageMath::sidesEqual(const MathLine& line, const std::vector<GiNaC::ex>& sides, std::size_t from,
                          const GiNaC::ex& ref) {
  for (std::size_t k = from; k < sides.size(); ++k) {
    ++checks_;
    const GiNaC::ex difference = GiNaC::normal(value(sides[k]) - value(ref));
    if (!difference.is_zero())
      fault(line, "side " + std::to_string(k + 1) + " differs from " + shown(ref) + " by " + shown(difference));
  }
}

void PageMath::hasForm(const MathLine& line, const std::string& item, const GiNaC::ex& form) {
  ++checks_;
  if (!ofForm(value(algebra::parse(fromUtf8(item))), form))
    fault(line, "\"" + item + "\" is not of the form " + shown(form));
}

void PageMath::check(const MathLine& line) {
  const std::string utf8 = toUtf8(line.text);
  const std::string formula = formulaIn(utf8);
  const auto problem = [&]() -> const GiNaC::ex& {
    if (!problem_) throw std::runtime_error("no problem before it");
    return *problem_;
  };
  switch (line.math) {
    case Math::PROSE:
    case Math::ON:
    case Math::ASIDE:
    case Math::ERASED:
      return;
    case Math::BEGIN: {
      const auto sides = algebra::sides(formula);
      letters_.clear();
      problem_ = sides[0];
      sidesEqual(line, sides, 1, sides[0]);
      return;
    }
    case Math::NEXT:
    case Math::FACTORED: {
      sidesEqual(line, algebra::sides(formula), 0, problem());
      if (line.math == Math::FACTORED) {
        ++checks_;
        if (const auto factored = algebra::completelyFactored(reading::lastSide(formula)); !factored)
          fault(line, factored.message());
      }
      return;
    }
    case Math::NAMES: {
      const auto sides = algebra::sides(formula);
      if (sides.size() < 2 || !GiNaC::is_a<GiNaC::symbol>(sides[0])) throw std::runtime_error("names no letter");
      letters_.clear();
      names_[sides[0]] = sides[1];
      problem_ = sides[1];
      sidesEqual(line, sides, 2, sides[1]);
      return;
    }
    case Math::LET:
      for (const std::string& part : page::split(toUtf8(formula), ",")) {
        const auto sides = algebra::sides(fromUtf8(part));
        if (sides.size() != 2) throw std::runtime_error("a substitution has two sides");
        if (GiNaC::is_a<GiNaC::symbol>(sides[1]))
          letters_[sides[1]] = sides[0];  // "x-y=M": the new letter M
        else if (GiNaC::is_a<GiNaC::symbol>(sides[0]))
          letters_[sides[0]] = sides[1];  // "x=22": the letter's value
        else
          throw std::runtime_error("a substitution names no letter");
      }
      return;
    case Math::FACTS:
      for (const std::string& part : page::split(toUtf8(formula), ",")) {
        const auto sides = algebra::sides(fromUtf8(part));
        sidesEqual(line, sides, 1, sides[0]);
      }
      return;
    case Math::VALUE:
      sidesEqual(line, algebra::sides(formula), 0, algebra::parse(line.ref));
      return;
    case Math::FORM:
    case Math::PAIRS:
    case Math::SET: {
      const GiNaC::ex form = algebra::parse(line.ref);
      const GiNaC::ex step = form.coeff(algebra::letter('k'), 1);
      std::vector<std::string> items;
      if (line.math == Math::SET) {
        const std::size_t open = utf8.find(utf8Of(u8"｛")), close = utf8.find(utf8Of(u8"｝"));
        if (open == std::string::npos || close == std::string::npos) throw std::runtime_error("no set");
        for (const std::string& part : page::split(utf8.substr(open + 3, close - open - 3), ","))
          if (std::string f = formulaIn(part); !f.empty()) items.push_back(toUtf8(f));
      } else {
        for (const std::string& item : listed(utf8)) items.push_back(toUtf8(item));
      }
      if (items.empty() || (line.math == Math::PAIRS && items.size() % 2 != 0))
        throw std::runtime_error("lists " + std::to_string(items.size()) + " expressions");
      for (const std::string& item : items) hasForm(line, item, form);
      // A set's numbers step by the multiplier one after the other; pairs two by two.
      for (std::size_t k = 1; k < items.size(); ++k) {
        if (line.math == Math::FORM || (line.math == Math::PAIRS && k % 2 == 0)) continue;
        ++checks_;
        const GiNaC::ex difference = value(algebra::parse(fromUtf8(items[k])) - algebra::parse(fromUtf8(items[k - 1])));
        if (!difference.is_equal(step))
          fault(line, "\"" + items[k] + "\" is not \"" + items[k - 1] + "\" + " + shown(step));
      }
      return;
    }
    case Math::HINT: {
      static const std::regex hint(utf8Of(u8"かけて([0-9]+),(たして|ひいて)([-+]?[0-9]+)"));
      std::smatch found;
      if (!std::regex_search(utf8, found, hint)) throw std::runtime_error("no hint");
      const int product = std::stoi(found[1].str()), sum = std::stoi(found[3].str());
      const bool add = found[2].str() == utf8Of(u8"たして");
      const GiNaC::ex p = GiNaC::expand(value(problem()));
      const GiNaC::symbol& x = algebra::letter('x');
      checks_ += 3;
      if (!p.coeff(x, 2).is_equal(1) || !p.coeff(x, 1).is_equal(sum) ||
          !p.coeff(x, 0).is_equal(add ? product : -product))
        fault(line, "the hint does not fit the problem " + shown(p));
      return;
    }
    case Math::FACTOR: {
      const std::string at = utf8Of(u8"は");
      const GiNaC::ex factor = algebra::parse(fromUtf8(trimmed(utf8.substr(utf8.find(at) + at.size()))));
      checks_ += 2;
      if (const auto common = reading::commonFactor(factor, value(problem())); !common) fault(line, common.message());
      return;
    }
    case Math::MULTIPLE: {
      const GiNaC::ex form = algebra::parse(line.ref);
      ++checks_;
      if (!ofForm(value(problem()), form))
        fault(line, "the problem's value " + shown(value(problem())) + " is not of the form " + shown(form));
      return;
    }
    case Math::LARGER: {
      const GiNaC::ex larger = value(algebra::parse(formula)), smaller = value(algebra::parse(line.ref));
      ++checks_;
      if (!GiNaC::is_a<GiNaC::numeric>(larger - smaller) || !(GiNaC::ex_to<GiNaC::numeric>(larger - smaller) > 0))
        fault(line, shown(larger) + " is not larger than " + shown(smaller));
      return;
    }
  }
}

}  // namespace ombrel_page
