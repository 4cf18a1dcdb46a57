// The one algebra checker of the drill tests: reads a line of the formula markup the lessons draw
// (code page 932, as their literals and generators write it) into a GiNaC expression, decides
// whether two lines are the same polynomial or rational expression, whether a product is fully
// factorised over the integers, and what is wrong with a line's written form.
//
// The markup as the typesetter draws it:
//   - numbers (also with a decimal point), letters a-z and A-Z, π, and full-width digits, letters,
//     signs and brackets ("３", "ｘ", "＋", "－", "×", "÷", "（", "）", "＝");
//   - brackets "( )" and, as outer brackets around them, braces "{ }" ("M{x-(x+1)}"); each
//     closes with its own kind;
//   - products written side by side ("3x(2x+1)"), bound tighter than "*" (×) and "/" (÷) as a
//     textbook reads "6ab÷3a"; a number only stands first in such a product;
//   - "^" or "\" raising the one character after it (a digit or a letter) as the exponent of the
//     number, letter, bracket, fraction or root before it: "x^2", "(x-3)\2";
//   - "ﾀnumerator/denominatorﾀ" a stacked fraction, split at its first "/";
//   - "!", "√" or "#" opening a square root that runs to "ﾝ" ("2!3ﾝ" is 2√3); a "ﾝ" with no root
//     open draws nothing and is skipped;
//   - blanks anywhere (they separate numbers) and a leading "=".
// A line may hold several sides joined by "=" ("!12ﾝ=2!3ﾝ"); parse() reads a single side. An item
// label ("(1)", "①") is not markup: take it off with withoutLabel(). Text read back from the
// operation log is UTF-8: turn it into code page 932 with fromUtf8() (engine/strings.h) first.
#pragma once

#include <ginac/ginac.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace algebra {

// The expression of a one-sided line. Throws std::runtime_error, with a message in UTF-8 that
// shows the line and where reading stopped, on text it cannot read (also on a second side).
GiNaC::ex parse(const std::string& markup);

// Every side of a line, in order: "=x^2-4=(x+2)(x-2)" gives two. Throws as parse() does.
std::vector<GiNaC::ex> sides(const std::string& markup);

// The one symbol for each letter a-z and A-Z, shared with parse(), so a test can subs() a
// value or build a reference expression. Throws std::invalid_argument for anything else.
const GiNaC::symbol& letter(char c);

// Every side of line equals the reference as a polynomial or rational expression (square roots
// of numbers taken as the numbers they stand for). The failure shows both lines in UTF-8 and
// the difference.
testing::AssertionResult sameValue(const std::string& line, const std::string& reference);
testing::AssertionResult sameValue(const std::string& line, const GiNaC::ex& reference);

// What is wrong with the written form of a line, or "" when it is clean: an empty line, two
// signs in a row ("+-", "--", "-+", "++"), a "+" opening a line, a bracket or a factor ("=+",
// "(+", "*+"), a sign after × or ÷ ("*-"), a sign with nothing after it ("-)"), a coefficient
// 1 or -1 written out before a letter, bracket, fraction or root ("1x", "-1x", "+1a"), a zero
// term or coefficient ("0x", "x+0", "-0"). The text says which, in UTF-8.
std::string formFault(const std::string& line);

// The line (one side) is a product fully factorised over the integers: no bracket or sum in it
// factorises further and none keeps a common whole-number factor. Numbers, letters and powers of
// monomials count as factored. The failure names the factor.
testing::AssertionResult completelyFactored(const std::string& line);

// The line without an item label in front of it: "(2) 9x^2-25" gives "9x^2-25", "①x+1" gives
// "x+1"; any other line comes back as it is.
std::string withoutLabel(const std::string& line);

// A markup line in UTF-8, for messages.
std::string utf8(const std::string& markup);

}  // namespace algebra
