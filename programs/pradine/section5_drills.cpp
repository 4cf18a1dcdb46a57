#include <cmath>
#include <string>

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/random_int.h"
#include "programs/common/scene.h"
#include "section5.h"
#include "sign_coef.h"
#include "task_kit.h"

namespace pradine {
namespace {

const std::string& t(float n) { return T_S_A(n); }

// The substitution table, row by row: the binomial, its square, and p+q times it written out
// with its leading sign. Filled in every problem, since the last column depends on p+q.
void substitutionTable() {
  const std::string& m = t(3);   // p+q as a coefficient
  const std::string& m2 = t(5);  // 2(p+q), the coefficient of a in 2a+c
  const std::string& n = F_S_A(3);  // -(p+q), the coefficient of a second letter taken away
  const std::string rows[5][3] = {
      {"a+b", "a^2+2ab+b^2", m + "a" + m + "b"},  {"b-c", "b^2-2bc+c^2", m + "b" + n + "c"},
      {"a-b", "a^2-2ab+b^2", m + "a" + n + "b"},  {"b+c", "b^2+2bc+c^2", m + "b" + m + "c"},
      {"2a+c", "4a^2+4ac+c^2", m2 + "a" + m + "c"},
  };
  float row = 0;
  FOR(row, 1, 5, [&] {
    const int r = ROUNDED(row) - 1;
    X_S_A(row) = rows[r][0];
    X_S_A(row + 5) = rows[r][1];
    X_S_A(row + 10) = rows[r][2];
  });
}

// The answer box of the drills, 144 x 48 on its text line, framed 7 and filled 6, its text in
// colour 13.
constexpr common::BoxStyle DRILL_BOX{144, 48, 13, 7, 6};

// The square drill draws nothing below y 380. Its clear stops there, so that the last product
// problem beside it stays whole: that problem's answer, at y 400, can reach past x 600.
constexpr float SQUARE_CLEAR_HEIGHT = 390;

// One problem of either drill, in its own part of the window, worked through M in six steps.
void drillCycle(SubstDrill drill) {
  SUBSTDRILLPROBLEM(drill);
  const SubstTexts texts = substTexts(drill);
  if (drill == SubstDrill::Product) {
    XI1 = 88;
    common::eraseBox(0, 90, 1760, 1800);
    common::textLine(XI0, 100, 0, "②");
  } else {
    XI0 = 600;
    XI1 = XI0 + 36;
    common::eraseBox(600, 0, 1760, SQUARE_CLEAR_HEIGHT);
    common::textLine(XI0, 30, 0, "③");
  }
  common::textLine(XI1 + 27, YI1, 0, texts.problem);
  XI2 = XI1 + 54;
  YI1 = YI1 + 60;
  X_A(1) = XI2 + 10;
  Y_A(1) = YI1;
  common::formulaBoxLine(X_A(1), Y_A(1), DRILL_BOX, "①", common::BoxAt::TextLine);
  common::textLine(XI2, YI1, 3, "=M とおくと");
  STEPWAIT();
  common::formulaBoxLine(X_A(1), Y_A(1), DRILL_BOX, texts.boxed, common::BoxAt::TextLine);
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 0, texts.inM);
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 0, texts.expanded);
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 0, texts.putBack);
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 5, texts.answer);
  NEXTSTEP();
}

void drillLoop(SubstDrill drill) {
  AINP = 3;
  NO = 0;
  while (AINP != 1) drillCycle(drill);
}

}  // namespace

void GENSUBSTPAIR(SubstDrill drill) {
  P = common::randomInt(2, 0);
  if (P == 0) P = -1;
  T_A(1) = P * common::randomInt(5, 1);
  if (drill == SubstDrill::Product) {
    // One step up, no new draw, when q would equal |p|: q is 5 only after |p| = 4.
    T_A(2) = common::randomInt(4, 1);
    if (T_A(2) == std::fabs(T_A(1))) T_A(2) = T_A(2) + 1;
  } else {
    T_A(2) = T_A(1);
  }
  T_A(3) = T_A(1) + T_A(2);
  T_A(4) = T_A(1) * T_A(2);
  T_A(5) = 2 * T_A(3);
  F_A(3) = -T_A(3);
}

void SUBSTDRILLPROBLEM(SubstDrill drill) {
  GENSUBSTPAIR(drill);
  NUMSTRINGS();
  // The coefficients of M and of a second letter: a bare sign for 1 and -1.
  UNITCOEF(3);
  SIGNCOEF({1, 2, 3, 4, 5});
  LETTERCOEF(3);
  substitutionTable();
  P = common::randomInt(5, 1);
  Y_S_A(1) = X_S_A(P);
  Y_S_A(2) = X_S_A(P + 5);
  Y_S_A(3) = X_S_A(P + 10);
}

SubstTexts substTexts(SubstDrill drill) {
  const std::string& b = Y_S_A(1);
  const bool product = drill == SubstDrill::Product;
  return {
      product ? "(" + b + t(1) + ")(" + b + t(2) + ")" : "(" + b + t(1) + ")^2",
      b,
      product ? "=(M" + t(1) + ")(M" + t(2) + ")" : "=(M" + t(1) + ")^2",
      "=M^2" + t(3) + "M" + t(4),
      "=(" + b + ")^2" + t(3) + "(" + b + ")" + t(4),
      "=" + Y_S_A(2) + Y_S_A(3) + t(4),
  };
}

void SUBSTPRODUCTDRILL() { drillLoop(SubstDrill::Product); }

void SUBSTSQUAREDRILL() {
  drillLoop(SubstDrill::Square);
  common::textLine(132, 570, 3, "教科書 問7　をしなさい。");
}

}  // namespace pradine
