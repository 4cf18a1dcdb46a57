#include "formula_value.h"

#include <cctype>
#include <cstdlib>
#include <numeric>
#include <stdexcept>

namespace {

Ratio normal(long long num, long long den) {
  if (den == 0) throw std::runtime_error("division by zero");
  if (den < 0) {
    num = -num;
    den = -den;
  }
  const long long g = std::gcd(num < 0 ? -num : num, den);
  return {num / (g == 0 ? 1 : g), den / (g == 0 ? 1 : g)};
}

constexpr char FRACTION = '\xC0';  // "ﾀ"

class Parser {
 public:
  explicit Parser(const std::string& text) : text_(text) {}

  Ratio line() {
    if (peek() == '=') ++pos_;
    const Ratio v = sum();
    if (pos_ != text_.size()) fail("unexpected character");
    return v;
  }

 private:
  char peek() {
    while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  [[noreturn]] void fail(const char* why) {
    throw std::runtime_error(std::string(why) + " at byte " + std::to_string(pos_) + " of \"" + text_ + "\"");
  }
  bool startsFactor(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || c == '(' || (c == FRACTION && !inFraction_) ||
           letterValues().count(c);
  }
  Ratio sum() {
    Ratio v = whole(0);
    bool first = true;
    for (;;) {
      const char c = peek();
      if (c == '+' || c == '-') {
        ++pos_;
        v = c == '+' ? v + product() : v - product();
      } else if (first) {
        v = product();
      } else {
        return v;
      }
      first = false;
    }
  }
  Ratio product() {
    Ratio v = power();
    for (;;) {
      const char c = peek();
      if (c == '*') {
        ++pos_;
        v = v * power();
      } else if (startsFactor(c)) {
        v = v * power();
      } else {
        return v;
      }
    }
  }
  Ratio power() {
    Ratio v = primary();
    if (peek() == '^') {
      ++pos_;
      const char e = peek();
      if (!std::isdigit(static_cast<unsigned char>(e))) fail("exponent");
      ++pos_;
      Ratio p = whole(1);
      for (int i = 0; i < e - '0'; ++i) p = p * v;
      v = p;
    }
    return v;
  }
  Ratio primary() {
    const char c = peek();
    if (std::isdigit(static_cast<unsigned char>(c))) {
      long long n = 0;
      while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
        n = n * 10 + (text_[pos_++] - '0');
      return whole(n);
    }
    if (letterValues().count(c)) {
      ++pos_;
      return letterValues().at(c);
    }
    if (c == '(') {
      ++pos_;
      const Ratio v = sum();
      if (peek() != ')') fail("missing )");
      ++pos_;
      return v;
    }
    if (c == FRACTION && !inFraction_) {
      ++pos_;
      inFraction_ = true;
      const Ratio top = sum();
      if (peek() != '/') fail("fraction without /");
      ++pos_;
      const Ratio bottom = sum();
      if (peek() != FRACTION) fail("unclosed fraction");
      ++pos_;
      inFraction_ = false;
      return top / bottom;
    }
    fail("expected a number, a letter, ( or a fraction");
  }

  const std::string& text_;
  std::size_t pos_ = 0;
  bool inFraction_ = false;  // a "ﾀ" closes the fraction rather than opening another
};

bool isLetter(char c) { return c == 'x' || c == 'y' || c == 'a' || c == 'b' || c == 'c'; }

}  // namespace

bool operator==(const Ratio& a, const Ratio& b) { return a.num == b.num && a.den == b.den; }
Ratio operator+(const Ratio& a, const Ratio& b) { return normal(a.num * b.den + b.num * a.den, a.den * b.den); }
Ratio operator-(const Ratio& a, const Ratio& b) { return normal(a.num * b.den - b.num * a.den, a.den * b.den); }
Ratio operator*(const Ratio& a, const Ratio& b) { return normal(a.num * b.num, a.den * b.den); }
Ratio operator/(const Ratio& a, const Ratio& b) { return normal(a.num * b.den, a.den * b.num); }
Ratio whole(long long n) { return {n, 1}; }
std::string show(const Ratio& r) { return std::to_string(r.num) + "/" + std::to_string(r.den); }

const std::map<char, Ratio>& letterValues() {
  static const std::map<char, Ratio> values{
      {'x', {7, 3}}, {'y', {-5, 2}}, {'a', {11, 5}}, {'b', {-3, 4}}, {'c', {13, 7}}};
  return values;
}

Ratio formulaValue(const std::string& text) { return Parser(text).line(); }

std::string formFault(const std::string& text) {
  const std::size_t start = !text.empty() && text[0] == '=' ? 1 : 0;
  if (text.size() > start && text[start] == '+') return "leading +";
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    const char c = text[i];
    const char next = text[i + 1];
    const bool afterDigit = i > 0 && std::isdigit(static_cast<unsigned char>(text[i - 1]));
    if ((c == '1' || c == '0') && isLetter(next) && !afterDigit) return std::string("coefficient ") + c + next;
    if ((c == '+' || c == '-') && (next == '+' || next == '-' || next == ')')) return std::string("signs ") + c + next;
    if ((c == '(' || c == '*') && next == '+') return std::string("plus after ") + c;
  }
  return "";
}

bool bracketsOnlyNegative(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '(' && (i + 1 >= text.size() || text[i + 1] != '-')) return false;
  return true;
}
