#include <string>

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/random_int.h"
#include "programs/common/scene.h"
#include "section4.h"
#include "sign_coef.h"
#include "task_kit.h"

namespace pradine {
namespace {

std::string& t(float n) { return T_S_A(n); }
std::string& f(float n) { return F_S_A(n); }

// A signed term of the letter power: "" for 0, the coefficient's text (a bare sign for 1 and -1)
// with "+" in front when positive, then the power.
void signedTerm(float n, const char* power) {
  if (T_A(n) == 0) {
    t(n) = "";
  } else {
    t(n) = (T_A(n) > 0 ? "+" : "") + t(n) + power;
  }
}

// The answer's x term: without its plus sign when the answer has no x^2 term to follow.
std::string answerXTerm() {
  A_S = t(9);
  if (T_A(8) == 0 && T_A(9) > 0) STRIPPLUS();
  return A_S;
}

}  // namespace

void COMBINEDNUMBERS() {
  T_A(1) = common::randomInt(4, 1);
  P1 = common::randomInt(2, 1);
  if (P1 == 1) T_A(1) = -T_A(1);
  T_A(2) = common::randomInt(4, 2);
  P1 = common::randomInt(2, 1);
  if (P1 == 2) T_A(2) = -T_A(2);
  if (T_A(2) == T_A(1)) T_A(1) = T_A(1) + 5;
  // Every second problem of a run multiplies a sum by a difference.
  if (REMAINDER(NO, 2) == 1) T_A(2) = -T_A(1);
  T_A(3) = common::randomInt(5, 1);
  P1 = common::randomInt(2, 1);
  if (P1 == 1) T_A(3) = -T_A(3);
  // k is negative two times in three.
  F_A(11) = common::randomInt(3, 1);
  P1 = common::randomInt(3, 1);
  if (P1 != 1) F_A(11) = -F_A(11);
  COMBINEDTERMS();
}

void COMBINEDTERMS() {
  T_A(4) = T_A(1) + T_A(2);
  F_A(1) = T_A(1) * T_A(2);
  T_A(5) = 2 * T_A(3);
  F_A(2) = T_A(3) * T_A(3);
  T_A(6) = F_A(11);
  T_A(7) = F_A(11) * T_A(5);
  F_A(3) = F_A(11) * F_A(2);
  T_A(8) = 1 + T_A(6);
  T_A(9) = T_A(4) + T_A(7);
  F_A(4) = F_A(1) + F_A(3);
  NUMSTRINGS();
  LETTERCOEF(11);  // k before its bracket
  // The constants of the brackets and the products, signed.
  float i = 0;
  FOR(i, 1, 3, [&] {
    if (T_A(i) > 0) t(i) = "+" + t(i);
    if (F_A(i) > 0) f(i) = "+" + f(i);
  });
  // Coefficients of letter terms: a bare sign for 1 and -1; constants of the answer: none for 0.
  FOR(i, 4, 9, [&] {
    if (T_A(i) == 1) t(i) = "";
    if (T_A(i) == -1) t(i) = "-";
    if (F_A(i) == 0) {
      f(i) = "";
    } else if (F_A(i) > 0) {
      f(i) = "+" + f(i);
    }
  });
  signedTerm(6, "x^2");
  t(8) = T_A(8) == 0 ? "" : t(8) + "x^2";  // the answer's first term: no plus sign
  for (const float n : {4.0f, 5.0f, 7.0f, 9.0f}) signedTerm(n, "x");
}

CombinedTexts combinedTexts() {
  return {
      "(x" + t(1) + ")(x" + t(2) + ")" + f(11) + "(x" + t(3) + ")^2",
      "=x^2" + t(4) + f(1) + f(11) + "(x^2" + t(5) + f(2) + ")",
      "=x^2" + t(4) + f(1) + t(6) + t(7) + f(3),
      "=x^2" + t(6) + t(4) + t(7) + f(1) + f(3),
      "=" + t(8) + answerXTerm() + f(4),
  };
}

void COMBINEDDRILL() {
  while (AINP != 1) {
    COMBINEDNUMBERS();
    TEXTCOLUMN(40);
    FE_SETDRAWWIDTH(5);
    common::clearScene();
    const CombinedTexts texts = combinedTexts();
    common::textLine(XI0, YI1, 3, "例題1　次の式を計算しなさい。");
    common::textLine(XI0, YI1 + 80, 3, "②");
    common::textLine(XI1, YI1, 0, texts.problem);
    STEPWAIT();
    common::textLine(XI1, YI1 + 70, 0, texts.products);
    STEPWAIT();
    common::textLine(XI1, YI1 + 70, 0, texts.opened);
    STEPWAIT();
    common::textLine(XI1, YI1 + 70, 0, texts.gathered);
    STEPWAIT();
    common::textLine(XI1, YI1 + 70, 5, texts.answer);
    NEXTSTEP();
    NO = NO + 1;
  }
  common::textLine(132, 570, 3, "教科書 問6　をしなさい。");
}

}  // namespace pradine
