// Section 4, scene ①: two review drills side by side. The value of -5a on the left; on the right
// the value of c1(px+qy)+c2(rx+sy), expanded and collected before x and y are substituted.
#include <algorithm>
#include <cctype>

#include "engine/engine.h"
#include "programs/common/scene.h"
#include "programs/ombrel/exprvalue.h"
#include "programs/ombrel/exprvalue_drills.h"
#include "programs/ombrel/globals.h"

namespace ombrel {
namespace {

void drawReviewA() {
  common::textLine(XI0, V_A(1), 3, "復習1");
  common::textAfter(0, " a=" + T_S_A(1) + "のとき、");
  common::textLine(XI1, YI1 + 50, 0, "-5aの値を求めなさい。");
  STEPWAIT();
  common::textLine(XI1, YI1 + 70, 5, "＜解答＞");
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 3, "a=" + T_S_A(1) + "を代入して");
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 0, " -5a");
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 0, "=-5*" + T_S_A(3));
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 5, "=" + T_S_A(2));
}

std::string withoutPlus(const std::string& text) {
  A_S = text;
  STRIPPLUS();
  return A_S;
}

std::string bracketedIfNegative(const std::string& text) {
  A_S = text;
  PARENNEG();
  return A_S;
}

bool hasDigit(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// The terms of a line after its "=", a term whose coefficient is 0 given as empty: the first term
// left loses its "+", and a line with no term left reads 0.
std::string lineOfTerms(const std::string& terms) {
  const std::string line = withoutPlus(terms);
  return line.empty() ? "0" : line;
}

// A term of the collected line: the coefficient's text before the letter.
std::string collectedTerm(float coefficient, const std::string& text, const char* letter) {
  return coefficient == 0 ? "" : text + letter;
}

// A term of the substitution line: the coefficient's text, "*" after digits, then the value.
// A coefficient of 1 or -1 times a value 0 is the zero product itself, "+0".
std::string substitutedTerm(float coefficient, const std::string& text, float value, const std::string& valueText) {
  if (coefficient == 0) return "";
  if (!hasDigit(text) && value == 0) return "+0";
  return text + (hasDigit(text) ? "*" : "") + valueText;
}

void nextLine(float colour, const std::string& text) { common::textLine(XI1, YI1 + 60, colour, text); }

}  // namespace

void DRAWREVIEWXY() {
  T_S_A(2) = withoutPlus(T_S_A(2));
  T_S_A(5) = withoutPlus(T_S_A(5));
  xyProblemHeading("復習2", F_S_A(5), F_S_A(6));
  common::textLine(XI1 + 32, YI1 + 60, 3,
                   F_S_A(1) + "(" + T_S_A(2) + "x" + T_S_A(3) + "y)" + F_S_A(4) + "(" + T_S_A(5) + "x" + T_S_A(6) + "y)");
  STEPWAIT();
  T_S_A(7) = withoutPlus(T_S_A(7));
  nextLine(0, "=" + T_S_A(7) + "x" + T_S_A(8) + "y" + T_S_A(9) + "x" + T_S_A(10) + "y");
  STEPWAIT();
  nextLine(0, "=" + T_S_A(7) + "x" + T_S_A(9) + "x" + T_S_A(8) + "y" + T_S_A(10) + "y");
  STEPWAIT();
  T_S_A(11) = withoutPlus(T_S_A(11));
  const std::string collected =
      lineOfTerms(collectedTerm(T_A(11), T_S_A(11), "x") + collectedTerm(T_A(12), T_S_A(12), "y"));
  if (T_A(11) == 0 && T_A(12) == 0) {
    // Both terms cancel: nothing is left to substitute, and 0 is the value.
    nextLine(5, "=" + collected);
    return;
  }
  nextLine(0, "=" + collected);
  STEPWAIT();
  xySubstitutionNote(F_S_A(5), F_S_A(6));
  STEPWAIT();
  if (F_A(5) < 0) F_S_A(5) = bracketedIfNegative(F_S_A(5));
  if (F_A(6) < 0) F_S_A(6) = bracketedIfNegative(F_S_A(6));
  nextLine(0, "=" + lineOfTerms(substitutedTerm(T_A(11), T_S_A(11), F_A(5), F_S_A(5)) +
                                substitutedTerm(T_A(12), T_S_A(12), F_A(6), F_S_A(6))));
  STEPWAIT();
  if (T_A(11) == 0 || T_A(12) == 0) {
    // One term left: its product is the value.
    nextLine(5, "=" + F_S_A(9));
    return;
  }
  nextLine(0, "=" + F_S_A(7) + F_S_A(8));
  STEPWAIT();
  common::textAfter(5, "=" + F_S_A(9));
}

void EXPRREVIEW() {
  XI0 = 40;
  XI1 = XI0 + 40;
  YI1 = 30;
  U_A(1) = XI0;
  V_A(1) = YI1;
  AREAPRACTICE(1, GENREVIEWA, drawReviewA);
  // The first drill's last problem stays on the left while the second runs from x 520.
  practiceInColumn(520, [] { GENREVIEWXY(); TEXTSREVIEWXY(); }, DRAWREVIEWXY);
  STEPWAIT();
  common::textLine(XI0, 570, 5, "※ 式を簡単にしてから代入する。");
}

}  // namespace ombrel
