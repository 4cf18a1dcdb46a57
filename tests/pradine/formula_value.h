// The value of a line of formula markup as the drills write it ("=x^2+(3-5)x+3*(-5)"), for tests
// that check the mathematics shown: signs, parentheses, "*", "^" with one digit, numbers and
// one-letter variables multiplied by juxtaposition. A leading "=" and blanks are skipped.
#pragma once

#include <cctype>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>

class FormulaValue {
 public:
  FormulaValue(const std::string& text, std::map<char, double> letters) : text_(text), letters_(std::move(letters)) {}

  double value() {
    skip();
    if (peek() == '=') ++pos_;
    const double v = sum();
    skip();
    if (pos_ != text_.size()) fail("unexpected character");
    return v;
  }

 private:
  char peek() {
    skip();
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void skip() {
    while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
  }
  [[noreturn]] void fail(const char* why) {
    throw std::runtime_error(std::string(why) + " at " + std::to_string(pos_) + " in \"" + text_ + "\"");
  }
  double sum() {
    double v = 0;
    bool first = true;
    for (;;) {
      const char c = peek();
      double sign = 1;
      if (c == '+' || c == '-') {
        sign = c == '-' ? -1 : 1;
        ++pos_;
      } else if (!first) {
        return v;
      }
      v += sign * product();
      first = false;
    }
  }
  bool startsFactor(char c) { return std::isdigit(static_cast<unsigned char>(c)) || c == '(' || letters_.count(c); }
  double product() {
    double v = power();
    for (;;) {
      const char c = peek();
      if (c == '*') {
        ++pos_;
        v *= power();
      } else if (startsFactor(c)) {
        v *= power();
      } else {
        return v;
      }
    }
  }
  double power() {
    const double base = primary();
    if (peek() != '^') return base;
    ++pos_;
    if (pos_ >= text_.size() || !std::isdigit(static_cast<unsigned char>(text_[pos_]))) fail("exponent");
    return std::pow(base, text_[pos_++] - '0');
  }
  double primary() {
    const char c = peek();
    if (c == '(') {
      ++pos_;
      const double v = sum();
      if (peek() != ')') fail("missing )");
      ++pos_;
      return v;
    }
    if (letters_.count(c)) {
      ++pos_;
      return letters_.at(c);
    }
    if (!std::isdigit(static_cast<unsigned char>(c))) fail("expected a factor");
    double v = 0;
    while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) v = v * 10 + (text_[pos_++] - '0');
    return v;
  }

  std::string text_;
  std::map<char, double> letters_;
  std::size_t pos_ = 0;
};

// The value of the line with one letter set to v.
inline double formulaValue(const std::string& text, char letter, double v) { return FormulaValue(text, {{letter, v}}).value(); }
