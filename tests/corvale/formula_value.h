// Checks of the formulas a drill shows, written in the formula markup ("=-3x*(-2x)+ﾀ1/3ﾀx*9"):
// their exact value at chosen letter values, and the written forms a textbook uses.
#pragma once

#include <map>
#include <string>

// An exact fraction.
struct Ratio {
  long long num = 0;
  long long den = 1;
};
bool operator==(const Ratio& a, const Ratio& b);
Ratio operator+(const Ratio& a, const Ratio& b);
Ratio operator-(const Ratio& a, const Ratio& b);
Ratio operator*(const Ratio& a, const Ratio& b);
Ratio operator/(const Ratio& a, const Ratio& b);
Ratio whole(long long n);
std::string show(const Ratio& r);

// Letter values for evaluating: x, y, a, b, c, none of them whole.
const std::map<char, Ratio>& letterValues();

// The value of a markup text (code page 932): a leading "=" and blanks are skipped; signs,
// brackets, "*", products by juxtaposition, "^" with one digit, and stacked fractions
// "ﾀ...ﾀ" split at "/". Throws std::runtime_error on anything else.
Ratio formulaValue(const std::string& text);

// What a textbook would not write, or "" when the text is clean: a unit coefficient written out
// ("1x", "-1x"), a zero coefficient, a leading "+", or doubled signs such as "+-".
std::string formFault(const std::string& text);

// True when every "(" of a line of products opens a negative term: "(-".
bool bracketsOnlyNegative(const std::string& text);
