#include "polynomial.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <numeric>

namespace fenwist_test {

Polynomial constant(long long c) {
  Polynomial p;
  if (c != 0) p[{}] = c;
  return p;
}

Polynomial operator+(const Polynomial& a, const Polynomial& b) {
  Polynomial sum = a;
  for (const auto& [m, c] : b) {
    if ((sum[m] += c) == 0) sum.erase(m);
  }
  return sum;
}

Polynomial operator*(const Polynomial& a, const Polynomial& b) {
  Polynomial product;
  for (const auto& [ma, ca] : a) {
    for (const auto& [mb, cb] : b) {
      Monomial m = ma;
      for (const auto& [letter, e] : mb) m[letter] += e;
      if ((product[m] += ca * cb) == 0) product.erase(m);
    }
  }
  return product;
}

namespace {

Polynomial power(const Polynomial& base, int exponent) {
  Polynomial result = constant(1);
  for (int k = 0; k < exponent; ++k) result = result * base;
  return result;
}

class Reader {
 public:
  explicit Reader(const std::string& text) : text_(text) {
    if (peek() == '=') ++pos_;
  }

  Polynomial whole() {
    const Polynomial p = sum();
    expectEnd();
    return p;
  }

  // The factors of one product, each base once.
  std::vector<Polynomial> product() {
    std::vector<Polynomial> found;
    while (startsFactor()) {
      if (peek() == '*') ++pos_;
      found.push_back(primary());
      exponent();
    }
    expectEnd();
    return found;
  }

 private:
  char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
  bool startsFactor() const {
    const char c = peek();
    return c == '(' || c == '*' || std::isalnum(static_cast<unsigned char>(c));
  }
  void expectEnd() const { EXPECT_EQ(pos_, text_.size()) << "unread rest of \"" << text_ << "\" at " << pos_; }

  Polynomial sum() {
    Polynomial total;
    bool first = true;
    while (first || peek() == '+' || peek() == '-') {
      long long sign = 1;
      if (peek() == '+' || peek() == '-') sign = text_[pos_++] == '-' ? -1 : 1;
      total = total + constant(sign) * term();
      first = false;
    }
    return total;
  }

  Polynomial term() {
    Polynomial p = constant(1);
    bool any = false;
    while (startsFactor()) {
      if (peek() == '*') ++pos_;
      Polynomial base = primary();
      p = p * power(base, exponent());
      any = true;
    }
    EXPECT_TRUE(any) << "a term expected at " << pos_ << " in \"" << text_ << "\"";
    return p;
  }

  // ^n or \n after a factor; 1 when there is none.
  int exponent() {
    if (peek() != '^' && peek() != '\\') return 1;
    ++pos_;
    const char digit = peek();
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(digit))) << "an exponent expected in \"" << text_ << "\"";
    ++pos_;
    return digit - '0';
  }

  Polynomial primary() {
    const char c = peek();
    if (c == '(') {
      ++pos_;
      const Polynomial inside = sum();
      EXPECT_EQ(peek(), ')') << "in \"" << text_ << "\"";
      ++pos_;
      return inside;
    }
    if (std::isdigit(static_cast<unsigned char>(c))) {
      long long value = 0;
      while (std::isdigit(static_cast<unsigned char>(peek()))) value = value * 10 + (text_[pos_++] - '0');
      return constant(value);
    }
    if (std::isalpha(static_cast<unsigned char>(c))) {
      ++pos_;
      return Polynomial{{Monomial{{c, 1}}, 1}};
    }
    ADD_FAILURE() << "unexpected '" << c << "' at " << pos_ << " in \"" << text_ << "\"";
    ++pos_;
    return constant(0);
  }

  const std::string& text_;
  std::size_t pos_ = 0;
};

}  // namespace

Polynomial parse(const std::string& markup) { return Reader(markup).whole(); }

std::vector<Polynomial> factors(const std::string& markup) { return Reader(markup).product(); }

Polynomial commonFactor(const Polynomial& p) {
  if (p.empty()) return constant(0);
  long long divisor = 0;
  Monomial lowest = p.begin()->first;
  for (const auto& [m, c] : p) {
    divisor = std::gcd(divisor, std::llabs(c));
    for (auto it = lowest.begin(); it != lowest.end();) {
      const auto found = m.find(it->first);
      if (found == m.end()) {
        it = lowest.erase(it);
      } else {
        it->second = std::min(it->second, found->second);
        ++it;
      }
    }
  }
  return Polynomial{{lowest, divisor}};
}

std::string show(const Polynomial& p) {
  if (p.empty()) return "0";
  std::string text;
  for (auto it = p.rbegin(); it != p.rend(); ++it) {
    const auto& [m, c] = *it;
    text += c < 0 ? "-" : (text.empty() ? "" : "+");
    if (std::llabs(c) != 1 || m.empty()) text += std::to_string(std::llabs(c));
    for (const auto& [letter, e] : m) {
      text += letter;
      if (e != 1) text += "^" + std::to_string(e);
    }
  }
  return text;
}

}  // namespace fenwist_test
