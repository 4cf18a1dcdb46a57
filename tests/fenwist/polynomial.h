// Polynomials with whole coefficients in letters, read from the formula markup the drills show,
// so that a test can expand a shown answer and compare it with the shown problem.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace fenwist_test {

// A term's letters and their exponents; no entry for exponent 0.
using Monomial = std::map<char, int>;
// Monomial -> coefficient, with no zero coefficients.
using Polynomial = std::map<Monomial, long long>;

// Reads formula markup: whole numbers, single letters, + and -, products written side by side or
// with *, brackets, and powers written ^n or \n (one digit). A leading "=" is skipped. Fails the
// running test on anything else.
Polynomial parse(const std::string& markup);

// The factors of a product written side by side, as drawn (a power's base once, without its
// exponent): "=(3x+5y)(3x-5y)" gives 3x+5y and 3x-5y; "(x-3)\2" gives x-3; "6x(2x-3)" gives 6,
// x and 2x-3.
std::vector<Polynomial> factors(const std::string& markup);

// What every term has in common: the greatest common divisor of the coefficients times each
// letter to its lowest exponent. A polynomial with more than one term is factored out fully when
// this is 1.
Polynomial commonFactor(const Polynomial& p);

Polynomial constant(long long c);
Polynomial operator*(const Polynomial& a, const Polynomial& b);
Polynomial operator+(const Polynomial& a, const Polynomial& b);

// The polynomial as text, for failure messages.
std::string show(const Polynomial& p);

}  // namespace fenwist_test
