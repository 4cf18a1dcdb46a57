// The algebra checker itself, on the kinds of line the lessons draw: equal and nearly equal
// pairs, fractions and roots, the faults of written form, complete and incomplete
// factorisations, and text it cannot read.
#include <gtest/gtest.h>

#include <string>

#include "support/algebra.h"

namespace {

using algebra::letter;

struct Pair {
  const char* line;
  const char* reference;
};

TEST(AlgebraSameValue, EqualPairsAsTheLessonsWriteThem) {
  const Pair pairs[] = {
      {"3x(2x+1)", "6x^2+3x"},
      {"=-3x*(-2x)+ﾀ1/3ﾀx*9", "6x^2+3x"},
      {"=3x*(-2x)+3x*4y+3x*(-5)", "3x(-2x+4y-5)"},
      {"=-x*x-x*(-2y)-x*1", "-x(x-2y+1)"},
      {" (x+3)(x-5)", "=x^2-2x-15"},
      {"=x^2+(3-5)x+3*(-5)", "x^2-2x-15"},
      {"=x^2+2*3*x+3^2", "(x+3)^2"},
      {"(x-3)\\2", "x^2-6x+9"},
      {"=(3x)\\2-(5y)\\2", "(3x+5y)(3x-5y)"},
      {"=(2x+1y)\\2", "4x^2+4xy+y^2"},
      {"(x^2y^2-3xy^2)/(-ﾀ1/3ﾀxy)", "-3xy+9y"},
      {" (15x^2y-9xy^2)/ﾀ3/2ﾀxy", "10x-6y"},
      {"=(3x^2+6xy)*(-ﾀ4/3xﾀ)", "-4x-8y"},
      {"=(6ax+3ay)*ﾀ1/-3aﾀ", "-2x-y"},
      {"=ﾀ-12a^2b/-4abﾀ+ﾀ4ab^2/-4abﾀ", "3a-b"},
      {"=-10x^2*ﾀ2/xﾀ+x*ﾀ2/xﾀ", "-20x+2"},
      {"6ab÷3a", "2b"},
      {"=a^2+(-ﾀ1/2ﾀ+ﾀ1/4ﾀ)*a+(-ﾀ1/2ﾀ)*ﾀ1/4ﾀ", "(a-ﾀ1/2ﾀ)(a+ﾀ1/4ﾀ)"},
      {"=ﾀ1/4ﾀx^2+2x+4", "(ﾀ1/2ﾀx+2)^2"},
      {"=4x^2-2*2x*ﾀ1/3ﾀ+ﾀ1/9ﾀ", " (2x-ﾀ1/3ﾀ)^2"},
      {"x^2－16", "(x+4)(x-4)"},
      {"＝３ｘ＋１", "3x+1"},
      {"（x＋１）×２", "2x+2"},
      {"0.5x+1.25", "ﾀ1/2ﾀx+ﾀ5/4ﾀ"},
      {"2π(r+ﾀa/2ﾀ)", "2πr+πa"},
      {"=(A+B)\\2", "A^2+2AB+B^2"},
      {"!12ﾝ", "2!3ﾝ"},
      {"!12ﾝ=2!3ﾝ", "2√3ﾝ"},
      {"! 12ﾝ", "2#3ﾝ"},
      {"2ﾝ", "2"},
      {"!8ﾝ*!2ﾝ", "4"},
      {"!6ﾝ", "!2ﾝ!3ﾝ"},
      {"ﾀ1/!2ﾝﾀ", "ﾀ!2ﾝ/2ﾀ"},
      {"#ﾀ1/2ﾀﾝ", "ﾀ!2ﾝ/2ﾀ"},
      {"(!3ﾝ+1)^2", "4+2!3ﾝ"},
      {"ﾀ1/!3ﾝ-!2ﾝﾀ", "!3ﾝ+!2ﾝ"},
      {"=M{x-(x+1)}", "-M"},
      {"={(2n+3)+(2n+1)}{(2n+3)-(2n+1)}", "8n+8"},
      {"2{3-(x-1)}^2", "2(4-x)^2"},
      {"｛x＋１｝×２", "2x+2"},
  };
  for (const Pair& p : pairs) EXPECT_TRUE(algebra::sameValue(p.line, p.reference)) << p.line;
}

TEST(AlgebraSameValue, PairsThatDifferByOneDigitSignOrExponent) {
  const Pair pairs[] = {
      {"=x^2-2x-15", "x^2-2x-16"},
      {"=x^2-2x-15", "(x+3)(x-4)"},
      {"=x^2+2x-15", "(x+3)(x-5)"},
      {"=x^3-2x-15", "(x+3)(x-5)"},
      {"=x^2+(3-5)x+3*(+5)", "x^2-2x-15"},
      {"(x-3)\\2", "x^2-9"},
      {"(x-3)\\3", "x^2-6x+9"},
      {"=-3x*(-2x)+ﾀ1/3ﾀx*9", "6x^2-3x"},
      {"ﾀ1/3ﾀx", "ﾀ1/2ﾀx"},
      {"ﾀ2/3ﾀx", "ﾀ3/2ﾀx"},
      {"ﾀ2/xﾀ", "ﾀx/2ﾀ"},
      {"=(3x)\\2-(5y)\\2", "(3x+5y)(3x+5y)"},
      {"=4x^2+4xy+y^2", "(2x+1y)\\3"},
      {"!12ﾝ", "3!2ﾝ"},
      {"!12ﾝ", "2!2ﾝ"},
      {"!12ﾝ=3!2ﾝ", "2!3ﾝ"},
      {"ﾀ1/!2ﾝﾀ", "!2ﾝ"},
      {"6ab÷3a", "2a^2b"},  // ÷ 3a divides by the whole product 3a
      {"x^2－16", "(x+4)(x+4)"},
      {"0.5x", "5x"},
      {"=M{x-(x+1)}", "M"},
      {"2{3-(x-1)}", "4-2x"},
  };
  for (const Pair& p : pairs) EXPECT_FALSE(algebra::sameValue(p.line, p.reference)) << p.line;
}

TEST(AlgebraSameValue, TheFailureShowsBothLinesInUtf8AndTheDifference) {
  const testing::AssertionResult result = algebra::sameValue("=ﾀ1/3ﾀx-15", "ﾀ1/3ﾀx-16");
  ASSERT_FALSE(result);
  const std::string message = result.message();
  EXPECT_NE(message.find(algebra::utf8("=ﾀ1/3ﾀx-15")), std::string::npos) << message;
  EXPECT_NE(message.find(algebra::utf8("ﾀ1/3ﾀx-16")), std::string::npos) << message;
  EXPECT_NE(message.find("difference is 1"), std::string::npos) << message;

  const testing::AssertionResult second = algebra::sameValue("!12ﾝ=3!2ﾝ", "2!3ﾝ");
  EXPECT_NE(std::string(second.message()).find("side 2"), std::string::npos) << second.message();
}

TEST(AlgebraSameValue, AgainstAnExpressionBuiltFromTheLetters) {
  const GiNaC::ex x = letter('x'), y = letter('y');
  EXPECT_TRUE(algebra::sameValue("=-6x^2+12xy-15x", 3 * x * (-2 * x + 4 * y - 5)));
  EXPECT_TRUE(algebra::sameValue("2!3ﾝ", GiNaC::sqrt(GiNaC::ex(12))));
  EXPECT_TRUE(algebra::sameValue("ﾀ2/xﾀ", 2 / x));
  const testing::AssertionResult result = algebra::sameValue("=-6x^2+12xy-15x", 3 * x * (-2 * x + 4 * y + 5));
  ASSERT_FALSE(result);
  EXPECT_NE(std::string(result.message()).find("difference is -30*x"), std::string::npos) << result.message();
}

TEST(AlgebraParse, OneSymbolPerLetterToSubstituteIn) {
  EXPECT_EQ(&letter('x'), &letter('x'));
  EXPECT_NE(&letter('x'), &letter('X'));
  const GiNaC::ex value = algebra::parse("=3x(2x+1)").subs(letter('x') == 2);
  EXPECT_EQ(value, GiNaC::ex(30));
  EXPECT_EQ(algebra::parse("ab-a^n").subs(GiNaC::lst{letter('a') == 2, letter('b') == 5, letter('n') == 3}),
            GiNaC::ex(2));
  EXPECT_THROW(letter('1'), std::invalid_argument);
}

TEST(AlgebraParse, ALineMayHoldSeveralSides) {
  EXPECT_EQ(algebra::sides("=x^2-4=(x+2)(x-2)").size(), 2u);
  EXPECT_EQ(algebra::sides(" (x+3)(x-5)").size(), 1u);
  EXPECT_THROW(algebra::parse("=x^2-4=(x+2)(x-2)"), std::runtime_error);
}

TEST(AlgebraParse, UnreadableTextIsAnErrorThatShowsTheLine) {
  const char* const lines[] = {
      "",    "=",     " ",  "x+",    "(x+1",  "x)",   "x=",      "ﾀ1/2",   "ﾀ12ﾀ", "ﾀﾀ1/2ﾀ/3ﾀ",
      "!3",  "!!2ﾝﾝ", "x^", "x^(2)", "x^2^3", "x^-1", "2 3",     "(x+1)2", "x2",   "3ﾀ1/2ﾀ",
      "x@2", "x＜y",  "x?", "\x82",  "ﾀ1/0ﾀ", "1/0",  "x/(2-2)", "(1)x&y", "x..5", "①x",
      "{x+1", "{x+1)", "(x+1}", "x}",
  };
  for (const char* line : lines) {
    SCOPED_TRACE(algebra::utf8(line));
    try {
      algebra::parse(line);
      ADD_FAILURE() << "read without an error";
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find("\"" + algebra::utf8(line) + "\""), std::string::npos) << e.what();
    }
    EXPECT_FALSE(algebra::sameValue(line, "x"));
    EXPECT_FALSE(algebra::sameValue("x", line));
    EXPECT_FALSE(algebra::completelyFactored(line));
  }
  // The reason and the character where reading stopped are in UTF-8 too.
  try {
    algebra::parse("=ﾀ1/3ﾀx+ﾀ1/2");
    ADD_FAILURE() << "read without an error";
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(e.what(), algebra::utf8("cannot read \"=ﾀ1/3ﾀx+ﾀ1/2\": a fraction not closed by \"ﾀ\" at the end"));
  }
  try {
    algebra::parse("x＜y");
    ADD_FAILURE() << "read without an error";
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(e.what(),
              algebra::utf8("cannot read \"x＜y\": this does not continue the formula at character 2 \"＜\""));
  }
}

TEST(AlgebraFormFault, EachFaultIsCaughtAndNamed) {
  const Pair faults[] = {
      {"x+-3", "+-"},     {"=x^2--3x", "--"},  {"=+3x", "=+"},      {"x-+3", "-+"},     {"x++3", "++"},
      {"x＋－3", "＋－"}, {"+3x", "+"},        {"x(+3)", "(+"},     {"3x*+2", "*+"},    {"3x*-2", "*-"},
      {"x÷-2", "÷-"},     {"ﾀ+1/3ﾀx", "ﾀ+"},   {"x-", "-"},         {"(x-)", "-)"},     {"x+=3", "+="},
      {"1x+2", "1x"},     {"=-1x^2+3", "-1x"}, {"x^2+1a", "+1a"},   {"2x(1x+3)", "1x"}, {"1(x+2)", "1("},
      {"x-1ﾀ1/2ﾀ", "-1"}, {"1!2ﾝ", "1"},       {"x^2+0x+3", "+0x"}, {"0x+3", "0x"},     {"x+0", "+0"},
      {"-0", "-0"},       {"=-0", "-0"},       {"0-x", "0"},        {"x^2-0", "-0"},    {"", "empty"},
      {"=", "empty"},     {"  ", "empty"},     {"M{+x}", "{+"},     {"M{x-}", "-}"},
  };
  for (const Pair& f : faults) {
    const std::string fault = algebra::formFault(f.line);
    EXPECT_NE(fault.find(algebra::utf8(f.reference)), std::string::npos)
        << "\"" << algebra::utf8(f.line) << "\" gave \"" << fault << "\"";
  }
  EXPECT_NE(algebra::formFault("\x82"), "");
  EXPECT_EQ(algebra::formFault("3x÷-2"), algebra::utf8("a sign right after × or ÷ needs brackets: \"÷-\""));
}

TEST(AlgebraFormFault, CleanLinesAreNotFlagged) {
  const char* const clean[] = {
      "10x",
      "21y",
      "x^2+1",
      "-1",
      "=-1",
      "0",
      "=0",
      "101x-10",
      "0.5x",
      "x^10",
      " (x+3)(x-5)",
      "=x^2+(3-5)x+3*(-5)",
      "=x^2-2x-15",
      "=-x*x-x*(-2y)-x*1",
      "=-x*x+3y*x-1*x",
      "=ﾀ1/3ﾀx*9",
      "=-ﾀ1/5ﾀx*(-10x)-ﾀ1/5ﾀx*5",
      "=(6ax+3ay)*ﾀ1/-3aﾀ",
      "=ﾀ-12a^2b/-4abﾀ+ﾀ4ab^2/-4abﾀ",
      "=ﾀ2x/1ﾀ",
      "=x^2-(ﾀ1/3ﾀ)^2",
      "!12ﾝ=2!3ﾝ",
      "(x-3)\\2",
      "x\\1",
      "=(2x+5)(2x-5)",
      "x^2－16",
      "={(2n+3)+(2n+1)}{(2n+3)-(2n+1)}",
  };
  for (const char* line : clean) EXPECT_EQ(algebra::formFault(line), "") << algebra::utf8(line);
}

TEST(AlgebraCompletelyFactored, FullFactorisations) {
  const char* const lines[] = {
      "=(x+5)(x-5)", "=(x+3)\\2", "6x(2x-3)",    "=(3a-2b)\\2",  "-9(3y-x)(3y+x)", "3(x+2)(x-2)",
      "x+1",         "x^2+1",     "2(x+1)",      "=(x+ﾀ1/2ﾀ)^2", "=(2x+1y)\\2",    "x(x+2)",
      "(x-3)(x+5)",  "=(3x)\\2",  "2*3(x+1)",    "ab(a-c)",      "=-(x+3)(x-3)",   "(x+!2ﾝ)(x-!2ﾝ)",
      "6",           "-2x^2y",    "(-x+3)(x+3)",
  };
  for (const char* line : lines) EXPECT_TRUE(algebra::completelyFactored(line)) << algebra::utf8(line);
}

TEST(AlgebraCompletelyFactored, TheFailureNamesTheFactorLeft) {
  const Pair lines[] = {
      {"(2x+4)(x-1)", "\"(2x+4)\" still holds the common factor 2"},
      {"=(3x+9y)(3x-9y)", "\"(3x+9y)\" still holds the common factor 3"},
      {"3(2x^2-8)", "\"(2x^2-8)\" still holds the common factor 2"},
      {"2x+4", "\"2x+4\" still holds the common factor 2"},
      {"(x^2-4)(x+1)", "\"(x^2-4)\" factorises further"},
      {"x^2-4", "\"x^2-4\" factorises further"},
      {"=x^2+6x+9", "\"=x^2+6x+9\" factorises further"},
      {"x(x^2-2x+1)", "\"(x^2-2x+1)\" factorises further"},
      {"x(x^2+x)", "\"(x^2+x)\" factorises further"},
      {"(x^2-y^2)\\2", "\"(x^2-y^2)\\2\" factorises further"},
      {"x(x+1)+2(x+1)", "factorises further"},
      {"x^2+x+ﾀ1/4ﾀ", "factorises further"},
      {"{2x+4}(x-1)", "\"{2x+4}\" still holds the common factor 2"},
  };
  for (const Pair& p : lines) {
    const testing::AssertionResult result = algebra::completelyFactored(p.line);
    EXPECT_FALSE(result) << p.line;
    EXPECT_NE(std::string(result.message()).find(algebra::utf8(p.reference)), std::string::npos) << result.message();
  }
}

TEST(AlgebraWithoutLabel, TakesOffAnItemLabelOnly) {
  const Pair lines[] = {
      {"(2) 9x^2-25", "9x^2-25"},
      {"(1)9a^2-12a+4", "9a^2-12a+4"},
      {"①x+1", "x+1"},
      {"(12) x", "x"},
      {"(x+1)(x-1)", "(x+1)(x-1)"},
      {"(-3)x", "(-3)x"},
      {"=(3)", "=(3)"},
      {"x", "x"},
      {"", ""},
  };
  for (const Pair& p : lines) EXPECT_EQ(algebra::withoutLabel(p.line), p.reference) << p.line;
}

}  // namespace
