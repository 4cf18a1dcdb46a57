#include "support/algebra.h"

#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "engine/strings.h"

namespace algebra {
namespace {

using GiNaC::ex;
using GiNaC::numeric;

// The kinds of character a line is made of; full-width forms count as their keyboard ones.
enum class Kind {
  Digit,
  Letter,
  Pi,
  Plus,
  Minus,
  Times,
  Slash,
  Divide,
  Open,
  Close,
  Equals,
  Power,
  Point,
  Fraction,
  Root,
  RootEnd,
  Blank,
  Other
};

struct Char {
  Kind kind;
  char value;        // the digit or letter, as an ASCII character; "(" or "{" for a bracket
  std::string text;  // as written, code page 932
  std::size_t at;    // position in the line, in characters from 1
};

Char classify(const std::string& text, std::size_t at) {
  static const std::map<std::string, Kind> marks{
      {"+", Kind::Plus},   {"＋", Kind::Plus},  {"-", Kind::Minus},   {"－", Kind::Minus},   {"*", Kind::Times},
      {"×", Kind::Times},  {"/", Kind::Slash},  {"÷", Kind::Divide},  {"(", Kind::Open},     {"（", Kind::Open},
      {")", Kind::Close},  {"）", Kind::Close}, {"{", Kind::Open},    {"｛", Kind::Open},    {"}", Kind::Close},
      {"｝", Kind::Close}, {"=", Kind::Equals},  {"＝", Kind::Equals},  {"^", Kind::Power},
      {"\\", Kind::Power}, {".", Kind::Point},  {"．", Kind::Point},  {"ﾀ", Kind::Fraction}, {"!", Kind::Root},
      {"√", Kind::Root},   {"#", Kind::Root},   {"ﾝ", Kind::RootEnd}, {" ", Kind::Blank},    {"　", Kind::Blank},
      {"π", Kind::Pi}};
  // Brackets carry the shape that must close them: "(" with ")", "{" with "}".
  static const std::map<std::string, char> brackets{{"(", '('}, {"（", '('}, {")", '('}, {"）", '('},
                                                    {"{", '{'}, {"｛", '{'}, {"}", '{'},  {"｝", '{'}};
  if (const auto mark = marks.find(text); mark != marks.end()) {
    const auto shape = brackets.find(text);
    return {mark->second, shape == brackets.end() ? '\0' : shape->second, text, at};
  }
  const unsigned char first = static_cast<unsigned char>(text[0]);
  if (text.size() == 1) {
    if (first >= '0' && first <= '9') return {Kind::Digit, text[0], text, at};
    if ((first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z')) return {Kind::Letter, text[0], text, at};
    return {Kind::Other, 0, text, at};
  }
  // Full-width digits and letters: 824F-8258 "０"-"９", 8260-8279 "Ａ"-"Ｚ", 8281-829A "ａ"-"ｚ".
  const unsigned char second = static_cast<unsigned char>(text[1]);
  if (first == 0x82 && second >= 0x4F && second <= 0x58)
    return {Kind::Digit, static_cast<char>('0' + second - 0x4F), text, at};
  if (first == 0x82 && second >= 0x60 && second <= 0x79)
    return {Kind::Letter, static_cast<char>('A' + second - 0x60), text, at};
  if (first == 0x82 && second >= 0x81 && second <= 0x9A)
    return {Kind::Letter, static_cast<char>('a' + second - 0x81), text, at};
  return {Kind::Other, 0, text, at};
}

// Text the checker cannot read, told apart from the errors of GiNaC, which get the line added.
struct Unreadable : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The message is put together in code page 932, as the line and the reasons are written, and
// shown in UTF-8.
[[noreturn]] void unreadable(const std::string& line, const Char* at, const std::string& why) {
  std::string where = " at the end";
  if (at != nullptr) where = " at character " + std::to_string(at->at) + " \"" + at->text + "\"";
  throw Unreadable(utf8("cannot read \"" + line + "\": " + why + where));
}

std::vector<Char> characters(const std::string& line) {
  std::vector<Char> found;
  for (std::size_t i = 0; i < line.size();) {
    const std::size_t size = isLeadByte(static_cast<unsigned char>(line[i])) ? 2 : 1;
    if (i + size > line.size()) unreadable(line, nullptr, "a double-byte character is cut off");
    found.push_back(classify(line.substr(i, size), found.size() + 1));
    i += size;
  }
  return found;
}

bool isSign(const Char* c) { return c != nullptr && (c->kind == Kind::Plus || c->kind == Kind::Minus); }

// A factor as written at the top of a line that is one product: its base (a bracket's inside,
// without the exponent) and its text.
struct Written {
  ex base;
  std::string text;
};

// Reads a line by recursive descent, building the GiNaC expression as it goes.
class Reader {
 public:
  explicit Reader(const std::string& line) : line_(line), chars_(characters(line)) {}

  std::vector<ex> sides() {
    std::vector<ex> found;
    if (take(Kind::Equals) == nullptr && peek() == nullptr) fail("an empty line");
    for (;;) {
      found.push_back(expression());
      if (peek() == nullptr) return found;
      if (take(Kind::Equals) == nullptr) fail("this does not continue the formula");
    }
  }

  // The factors of a one-sided line written as a single product, or nothing when it is not one.
  std::optional<std::vector<Written>> writtenFactors() {
    take(Kind::Equals);
    while (isSign(peek())) ++pos_;
    std::vector<Written> found;
    for (bool first = true;;) {
      checkNextFactor(first);
      first = false;
      const std::size_t start = pos_;
      const ex base = primary();
      exponent();
      found.push_back({base, textFrom(start)});
      if (take(Kind::Times) != nullptr) {
        while (isSign(peek())) ++pos_;
        first = true;
      } else if (!startsFactor(peek())) {
        break;
      }
    }
    if (peek() != nullptr) return std::nullopt;
    return found;
  }

 private:
  // The next character that counts: blanks are skipped, and so is a "ﾝ" with no root open.
  const Char* peek() {
    while (pos_ < chars_.size() &&
           (chars_[pos_].kind == Kind::Blank || (chars_[pos_].kind == Kind::RootEnd && !inRoot_)))
      ++pos_;
    return pos_ < chars_.size() ? &chars_[pos_] : nullptr;
  }
  const Char* take(Kind kind) {
    const Char* c = peek();
    if (c == nullptr || c->kind != kind) return nullptr;
    ++pos_;
    return c;
  }
  [[noreturn]] void fail(const std::string& why) { unreadable(line_, peek(), why); }
  void expect(Kind kind, const std::string& why) {
    if (take(kind) == nullptr) fail(why);
  }
  std::string textFrom(std::size_t start) const {
    std::string text;
    for (std::size_t i = start; i < pos_; ++i) text += chars_[i].text;
    return text;
  }

  // Signed terms: "+" and "-" (runs of signs are read as the value they make).
  ex expression() {
    ex sum = 0;
    bool first = true;
    for (;;) {
      int sign = 1;
      const bool signed_ = isSign(peek());
      while (isSign(peek())) sign *= chars_[pos_++].kind == Kind::Minus ? -1 : 1;
      if (!signed_ && !first) return sum;
      sum += sign * term();
      first = false;
    }
  }

  // Side-by-side products joined by "*" (×) and by "/" (÷), from left to right; a "/" inside a
  // fraction's numerator ends the numerator instead.
  ex term() {
    ex value = sideBySide();
    for (;;) {
      if (take(Kind::Times) != nullptr) {
        value *= signedProduct();
      } else if (take(Kind::Divide) != nullptr || (!inNumerator_ && take(Kind::Slash) != nullptr)) {
        value = value / signedProduct();
      } else {
        return value;
      }
    }
  }
  ex signedProduct() {
    int sign = 1;
    while (isSign(peek())) sign *= chars_[pos_++].kind == Kind::Minus ? -1 : 1;
    return sign * sideBySide();
  }

  bool startsFactor(const Char* c) const {
    if (c == nullptr) return false;
    switch (c->kind) {
      case Kind::Digit:
      case Kind::Letter:
      case Kind::Pi:
      case Kind::Open:
      case Kind::Root:
        return true;
      case Kind::Fraction:
        return !inFraction_;  // inside a fraction, "ﾀ" closes it
      default:
        return false;
    }
  }
  // A number only stands first in a product written side by side, and a fraction never right
  // after a number (it would read as a mixed number).
  void checkNextFactor(bool first) {
    const Char* c = peek();
    if (first || c == nullptr) return;
    if (c->kind == Kind::Digit) fail("a number after a factor needs a × between them");
    if (c->kind == Kind::Fraction && chars_[pos_ - 1].kind == Kind::Digit) fail("a fraction right after a number");
  }
  ex sideBySide() {
    ex value = power();
    while (startsFactor(peek())) {
      checkNextFactor(false);
      value *= power();
    }
    return value;
  }

  ex power() {
    const ex base = primary();
    const std::optional<ex> e = exponent();
    return e ? GiNaC::pow(base, *e) : base;
  }
  // "^" or "\" and the one character it raises: a digit or a letter.
  std::optional<ex> exponent() {
    if (take(Kind::Power) == nullptr) return std::nullopt;
    if (pos_ >= chars_.size()) fail("an exponent mark with nothing to raise");
    const Char& raised = chars_[pos_];
    if (raised.kind != Kind::Digit && raised.kind != Kind::Letter) fail("an exponent must be one digit or letter");
    ++pos_;
    if (const Char* c = peek(); c != nullptr && c->kind == Kind::Power) fail("a second exponent mark");
    if (raised.kind == Kind::Letter) return ex(letter(raised.value));
    return ex(raised.value - '0');
  }

  ex primary() {
    const Char* c = peek();
    if (c == nullptr) fail("a number, a letter, a bracket, a fraction or a root is missing");
    switch (c->kind) {
      case Kind::Digit:
        return number();
      case Kind::Letter:
        ++pos_;
        return letter(c->value);
      case Kind::Pi:
        ++pos_;
        return GiNaC::Pi;
      case Kind::Open: {
        ++pos_;
        const ex inside = expression();
        const Char* close = peek();
        if (close == nullptr || close->kind != Kind::Close) fail("a bracket is not closed");
        if (close->value != c->value) fail("a bracket closed by the other kind");
        ++pos_;
        return inside;
      }
      case Kind::Fraction:
        if (!inFraction_) return fraction();
        break;
      case Kind::Root:
        return root();
      default:
        break;
    }
    fail("a number, a letter, a bracket, a fraction or a root is missing");
  }

  // Digits, and a decimal point with digits after it, read exactly.
  ex number() {
    std::string digits;
    std::size_t decimals = 0;
    bool point = false;
    while (pos_ < chars_.size()) {
      const Char& c = chars_[pos_];
      if (c.kind == Kind::Digit) {
        digits += c.value;
        if (point) ++decimals;
      } else if (c.kind == Kind::Point && !point && pos_ + 1 < chars_.size() && chars_[pos_ + 1].kind == Kind::Digit) {
        point = true;
      } else {
        break;
      }
      ++pos_;
    }
    return numeric(digits.c_str()) / GiNaC::pow(numeric(10), numeric(static_cast<long>(decimals)));
  }

  // "ﾀnumerator/denominatorﾀ", split at the first "/".
  ex fraction() {
    ++pos_;
    inFraction_ = inNumerator_ = true;
    const ex top = expression();
    expect(Kind::Slash, "a fraction without \"/\"");
    inNumerator_ = false;
    const ex bottom = expression();
    expect(Kind::Fraction, "a fraction not closed by \"ﾀ\"");
    inFraction_ = false;
    return top / bottom;
  }

  // "!", "√" or "#" up to "ﾝ"; roots do not nest.
  ex root() {
    if (inRoot_) fail("a root inside a root");
    ++pos_;
    inRoot_ = true;
    const ex inside = expression();
    expect(Kind::RootEnd, "a root not closed by \"ﾝ\"");
    inRoot_ = false;
    return GiNaC::sqrt(inside);
  }

  const std::string& line_;
  std::vector<Char> chars_;
  std::size_t pos_ = 0;
  bool inFraction_ = false;
  bool inNumerator_ = false;
  bool inRoot_ = false;
};

// GiNaC errors (a division by zero) as errors of the line.
template <typename Read>
auto reading(const std::string& line, Read read) {
  try {
    return read();
  } catch (const Unreadable&) {
    throw;
  } catch (const std::exception& e) {
    throw std::runtime_error("cannot read \"" + utf8(line) + "\": " + e.what());
  }
}

// --- Equality -----------------------------------------------------------------------------------

// The square root of a positive rational n/d as a rational times square roots of distinct primes,
// so that equal roots are written alike: sqrt(12) -> 2*sqrt(3), sqrt(1/2) -> sqrt(2)/2.
ex rootOf(const numeric& q) {
  const numeric whole = q.numer() * q.denom();
  if (whole > numeric(1000000000000LL)) return GiNaC::sqrt(q);
  long long rest = whole.to_long();
  long long outside = 1;
  ex primes = 1;
  for (long long p = 2; p * p <= rest; ++p) {
    int count = 0;
    for (; rest % p == 0; rest /= p) ++count;
    for (int k = 0; k + 1 < count; k += 2) outside *= p;
    if (count % 2 == 1) primes *= GiNaC::sqrt(ex(p));
  }
  if (rest > 1) primes *= GiNaC::sqrt(ex(rest));
  return numeric(outside) / q.denom() * primes;
}

struct Roots : GiNaC::map_function {
  ex operator()(const ex& e) override {
    if (GiNaC::is_a<GiNaC::power>(e) && GiNaC::is_a<numeric>(e.op(0)) && GiNaC::is_a<numeric>(e.op(1))) {
      const numeric base = GiNaC::ex_to<numeric>(e.op(0));
      const numeric exponent = GiNaC::ex_to<numeric>(e.op(1));
      if (base.is_rational() && base.is_positive() && exponent.is_rational() && exponent.denom() == 2) {
        // base^(k/2) = base^((k-1)/2) * sqrt(base) for odd k.
        return GiNaC::pow(base, (exponent.numer() - 1) / 2) * rootOf(base);
      }
    }
    return e.map(*this);
  }
};

// a - b as a reduced rational expression, 0 when they are equal.
ex difference(const ex& a, const ex& b) {
  Roots roots;
  const ex d = GiNaC::expand(roots(a - b));
  if (d.is_zero()) return d;
  const ex reduced = GiNaC::normal(d);
  if (GiNaC::expand(roots(reduced.numer())).is_zero()) return 0;
  return reduced;
}

std::string shown(const ex& e) {
  std::ostringstream text;
  text << e;
  return text.str();
}

testing::AssertionResult compare(const std::string& line, const ex& reference, const std::string& referenceText) {
  std::vector<ex> all;
  try {
    all = sides(line);
  } catch (const std::runtime_error& e) {
    return testing::AssertionFailure() << e.what();
  }
  for (std::size_t i = 0; i < all.size(); ++i) {
    const ex d = difference(all[i], reference);
    if (d.is_zero()) continue;
    testing::AssertionResult failure = testing::AssertionFailure();
    failure << "\"" << utf8(line) << "\"";
    if (all.size() > 1) failure << " (side " << i + 1 << ")";
    return failure << " is not \"" << referenceText << "\": the difference is " << shown(d);
  }
  return testing::AssertionSuccess();
}

// --- Factorisation ------------------------------------------------------------------------------

// How many factors other than numbers a result of factor() has, a power counted by its exponent.
int factorCount(const ex& f) {
  if (GiNaC::is_a<numeric>(f)) return 0;
  if (GiNaC::is_a<GiNaC::mul>(f)) {
    int count = 0;
    for (const ex& part : f) count += factorCount(part);
    return count;
  }
  if (GiNaC::is_a<GiNaC::power>(f) && f.op(1).info(GiNaC::info_flags::posint))
    return GiNaC::ex_to<numeric>(f.op(1)).to_int() * factorCount(f.op(0));
  return 1;
}

// What keeps a written factor from being factorised fully, or "".
std::string unfinished(const Written& factor) {
  const ex b = GiNaC::expand(factor.base);
  if (!GiNaC::is_a<GiNaC::add>(b) || !b.info(GiNaC::info_flags::rational_polynomial)) return "";
  const numeric content = b.integer_content();
  if (content.is_integer() && content != 1)
    return "\"" + utf8(factor.text) + "\" still holds the common factor " + shown(content);
  const ex factors = GiNaC::factor(b);
  if (factorCount(factors) > 1) return "\"" + utf8(factor.text) + "\" factorises further: " + shown(factors);
  return "";
}

// --- Written form -------------------------------------------------------------------------------

// The characters that count for the written form, with what each "ﾀ" and "/" does.
struct Mark {
  const Char* c;
  bool opens;  // a "ﾀ" that opens a fraction, or a "/" that splits one
};

std::vector<Mark> marks(const std::vector<Char>& chars) {
  std::vector<Mark> found;
  bool inFraction = false;
  bool split = false;
  for (const Char& c : chars) {
    if (c.kind == Kind::Blank) continue;
    bool opens = false;
    if (c.kind == Kind::Fraction) {
      opens = !inFraction;
      inFraction = !inFraction;
      split = false;
    } else if (c.kind == Kind::Slash && inFraction && !split) {
      opens = split = true;
    }
    found.push_back({&c, opens});
  }
  return found;
}

bool opensFactor(const Mark* m) {
  if (m == nullptr) return false;
  const Kind k = m->c->kind;
  return k == Kind::Letter || k == Kind::Pi || k == Kind::Open || k == Kind::Root || (k == Kind::Fraction && m->opens);
}

// Where a formula or a part of one starts: a "+" here is written for nothing.
bool startsFormula(const Mark* before) {
  if (before == nullptr) return true;
  const Kind k = before->c->kind;
  return k == Kind::Equals || k == Kind::Open || k == Kind::Root ||
         ((k == Kind::Fraction || k == Kind::Slash) && before->opens);
}

// Where a part of a formula ends: a sign here has nothing after it.
bool endsPart(const Mark* m) {
  if (m == nullptr) return true;
  const Kind k = m->c->kind;
  return k == Kind::Close || k == Kind::Equals || k == Kind::RootEnd || k == Kind::Times || k == Kind::Divide ||
         k == Kind::Slash || (k == Kind::Fraction && !m->opens);
}

bool isDivision(const Mark* m) {
  return m != nullptr &&
         (m->c->kind == Kind::Times || m->c->kind == Kind::Divide || (m->c->kind == Kind::Slash && !m->opens));
}

// What is wrong, in code page 932.
std::string faultIn(const std::vector<Mark>& s) {
  if (s.empty() || (s.size() == 1 && s[0].c->kind == Kind::Equals)) return "an empty line";
  auto at = [&](std::size_t i) -> const Mark* { return i < s.size() ? &s[i] : nullptr; };
  auto piece = [&](std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to && i < s.size(); ++i) text += s[i].c->text;
    return "\"" + text + "\"";
  };
  for (std::size_t i = 0; i < s.size(); ++i) {
    const Char& c = *s[i].c;
    const Mark* before = i > 0 ? at(i - 1) : nullptr;
    const Mark* after = at(i + 1);
    if (isSign(&c)) {
      if (after != nullptr && isSign(after->c)) return "two signs in a row: " + piece(i, i + 2);
      if (endsPart(after)) return "a sign with nothing after it: " + piece(i, i + 2);
      if (c.kind == Kind::Plus && startsFormula(before))
        return before == nullptr ? "a \"+\" in front of the line" : "a \"+\" opens a part: " + piece(i - 1, i + 1);
      if (isDivision(before))
        return (c.kind == Kind::Plus ? "a \"+\" right after × or ÷: " : "a sign right after × or ÷ needs brackets: ") +
               piece(i - 1, i + 1);
      continue;
    }
    // A whole number written on its own, not an exponent or part of a longer number.
    if (c.kind != Kind::Digit ||
        (before != nullptr &&
         (before->c->kind == Kind::Digit || before->c->kind == Kind::Point || before->c->kind == Kind::Power)))
      continue;
    std::size_t end = i;
    while (end < s.size() && (s[end].c->kind == Kind::Digit || s[end].c->kind == Kind::Point)) ++end;
    std::string digits;
    for (std::size_t k = i; k < end; ++k) digits += s[k].c->kind == Kind::Point ? '.' : s[k].c->value;
    const bool signedTerm = before != nullptr && isSign(before->c);
    const std::size_t from = signedTerm ? i - 1 : i;
    const Mark* next = at(end);
    if (digits == "1" && opensFactor(next)) return "a coefficient 1 written out: " + piece(from, end + 1);
    if (digits.find_first_not_of('0') != std::string::npos) continue;
    if (opensFactor(next)) return "a zero coefficient: " + piece(from, end + 1);
    if (signedTerm || (next != nullptr && isSign(next->c))) return "a zero term: " + piece(from, end);
  }
  return "";
}

}  // namespace

std::string utf8(const std::string& markup) { return toUtf8(markup); }

const GiNaC::symbol& letter(char c) {
  static std::map<char, GiNaC::symbol> symbols;
  if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
    throw std::invalid_argument(std::string("no letter: \"") + c + "\"");
  auto found = symbols.find(c);
  if (found == symbols.end()) found = symbols.emplace(c, GiNaC::symbol(std::string(1, c))).first;
  return found->second;
}

std::vector<ex> sides(const std::string& markup) {
  return reading(markup, [&] { return Reader(markup).sides(); });
}

ex parse(const std::string& markup) {
  const std::vector<ex> found = sides(markup);
  if (found.size() != 1)
    throw std::runtime_error("cannot read \"" + utf8(markup) + "\" as one expression: it has " +
                             std::to_string(found.size()) + " sides");
  return found[0];
}

testing::AssertionResult sameValue(const std::string& line, const std::string& reference) {
  ex value;
  try {
    value = parse(reference);
  } catch (const std::runtime_error& e) {
    return testing::AssertionFailure() << "the reference: " << e.what();
  }
  return compare(line, value, utf8(reference));
}

testing::AssertionResult sameValue(const std::string& line, const ex& reference) {
  return compare(line, reference, shown(reference));
}

std::string formFault(const std::string& line) {
  std::vector<Char> chars;
  try {
    chars = characters(line);
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return utf8(faultIn(marks(chars)));
}

testing::AssertionResult completelyFactored(const std::string& line) {
  try {
    std::vector<Written> factors;
    const ex whole = parse(line);  // also rejects a line of several sides
    if (auto product = reading(line, [&] { return Reader(line).writtenFactors(); })) {
      factors = *product;
    } else {
      factors = {{whole, line}};
    }
    for (const Written& factor : factors) {
      if (const std::string why = unfinished(factor); !why.empty())
        return testing::AssertionFailure() << "\"" << utf8(line) << "\" is not factorised fully: " << why;
    }
  } catch (const std::runtime_error& e) {
    return testing::AssertionFailure() << e.what();
  }
  return testing::AssertionSuccess();
}

std::string withoutLabel(const std::string& line) {
  std::size_t start = 0;
  if (line.size() >= 3 && line[0] == '(') {
    std::size_t close = 1;
    while (close < line.size() && line[close] >= '0' && line[close] <= '9') ++close;
    if (close == 1 || close >= line.size() || line[close] != ')') return line;
    start = close + 1;
  } else if (line.size() >= 2 && static_cast<unsigned char>(line[0]) == 0x87 &&
             static_cast<unsigned char>(line[1]) >= 0x40 && static_cast<unsigned char>(line[1]) <= 0x53) {
    start = 2;  // a circled number "①" to "⑳"
  } else {
    return line;
  }
  while (start < line.size() && line[start] == ' ') ++start;
  return line.substr(start);
}

}  // namespace algebra
