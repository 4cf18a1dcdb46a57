// The texts of the drill lines for the four formula kinds, with T$() filled as their callers fill it.
#include <gtest/gtest.h>

#include <string>

#include "drill_checks.h"
#include "engine/engine.h"
#include "programs/pradine/drill_kit.h"
#include "programs/pradine/globals.h"

namespace {

using namespace pradine;

std::string signedText(int v) { return (v > 0 ? "+" : "") + std::to_string(v); }

// T$() as the kind-1 caller fills it for a and b.
void kind1(int a, int b) {
  KOUSIKI = 1;
  const int sum = a + b;
  T_S_A(1) = signedText(a);
  T_S_A(2) = signedText(b);
  T_S_A(3) = sum == 1 ? "+" : sum == -1 ? "-" : signedText(sum);
  T_S_A(4) = signedText(a * b);
  T_S_A(5) = std::to_string(a);
  T_S_A(6) = b < 0 ? "(" + std::to_string(b) + ")" : std::to_string(b);
}

// T$() as the callers of kinds 2 to 4 fill it for a >= 1.
void squareKind(int kind, int a) {
  KOUSIKI = static_cast<float>(kind);
  const std::string n = std::to_string(a);
  T_S_A(1) = (kind == 3 ? "-" : "+") + n;
  T_S_A(2) = "-" + n;
  T_S_A(3) = (kind == 3 ? "-" : "+") + std::to_string(2 * a);
  T_S_A(4) = (kind == 4 ? "-" : "+") + std::to_string(a * a);
  T_S_A(5) = n;
}

TEST(DrillTexts, TheWorkedExamples) {
  struct Case {
    int kind, a, b;
    const char *problem, *expansion, *result;
  };
  const Case cases[] = {
      {1, 3, -5, " (x+3)(x-5)", "=x^2+(3-5)x+3*(-5)", "=x^2-2x-15"},
      {1, -3, 5, " (x-3)(x+5)", "=x^2+(-3+5)x-3*5", "=x^2+2x-15"},
      {1, 4, -3, " (x+4)(x-3)", "=x^2+(4-3)x+4*(-3)", "=x^2+x-12"},
      {1, 3, -4, " (x+3)(x-4)", "=x^2+(3-4)x+3*(-4)", "=x^2-x-12"},
      {2, 3, 0, " (x+3)^2", "=x^2+2*3*x+3^2", "=x^2+6x+9"},
      {3, 3, 0, " (x-3)^2", "=x^2-2*3*x+3^2", "=x^2-6x+9"},
      {4, 4, 0, " (x+4)(x-4)", "=x^2-4^2", "=x^2-16"},
  };
  X_S = "x";
  for (const Case& c : cases) {
    if (c.kind == 1) kind1(c.a, c.b);
    else squareKind(c.kind, c.a);
    const DrillTexts texts = drillTexts();
    EXPECT_EQ(texts.problem, c.problem);
    EXPECT_EQ(texts.expansion, c.expansion);
    EXPECT_EQ(texts.result, c.result);
  }
}

// The three lines of a drill agree as polynomials in its letter, each written as a textbook writes it.
void expectLinesAgree() {
  const DrillTexts texts = drillTexts();
  for (const std::string& line : {texts.problem, texts.expansion, texts.result}) expectShows(line, texts.problem);
}

TEST(DrillTexts, EveryLineEqualsTheProductInEveryLetter) {
  for (const char* letter : {"x", "y", "a", "b"}) {
    X_S = letter;
    for (int a = -9; a <= 9; ++a) {
      for (int b = -9; b <= 9; ++b) {
        if (a == 0 || b == 0 || a + b == 0) continue;
        kind1(a, b);
        expectLinesAgree();
      }
    }
    for (int kind = 2; kind <= 4; ++kind) {
      for (int a = 1; a <= 12; ++a) {
        squareKind(kind, a);
        expectLinesAgree();
      }
    }
  }
}

TEST(DrillTexts, AnUnknownKindHasNoLines) {
  for (const float kind : {0.0f, 5.0f, -1.0f, 1.5f}) {
    KOUSIKI = kind;
    const DrillTexts texts = drillTexts();
    EXPECT_TRUE(texts.problem.empty() && texts.expansion.empty() && texts.result.empty()) << kind;
  }
}

}  // namespace
