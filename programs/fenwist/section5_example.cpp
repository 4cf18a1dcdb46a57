// Item 1 of section 5, example 1: three practice parts on one screen. Part (1) takes a common
// factor out of two terms; parts (2) and (3) take it out of a trinomial and then factorise the
// bracket with a formula, in part (3) with a letter in the common factor.
#include <string>

#include "answer_box.h"
#include "engine/engine.h"
#include "globals.h"
#include "programs/common/random_int.h"
#include "programs/common/scene.h"
#include "section4.h"
#include "section5.h"

namespace fenwist {
namespace {

// The practice area of the running part: its top-left corner in U(31), V(31), 600 x 240.
void setArea(float left, float top) {
  U_A(31) = left;
  U_A(32) = U_A(31) + 600;
  V_A(31) = top;
  V_A(32) = V_A(31) + 240;
}

// Each problem starts on the practice area painted over.
void clearArea() {
  YI1 = V_A(31);
  PsLINE(U_A(31), V_A(31), U_A(32), V_A(32), 15, LineMode::FilledBox, 15);
}

void commonFactorOnly() {
  AINP = 3;
  setArea(XI0, YI1 + 50);
  while (AINP != 1) {
    GENCFTERMS();
    clearArea();
    common::textLine(XI0, YI1 + 20, 0, "(1)" + T_S_A(3) + X_S + T_S_A(4) + Y_S);
    common::textLine(XI1, YI1 + 60, 0, "=");
    nextAnswerBox(X_A(1), Y_A(1), 60, "①");
    common::textLine(XI2 + 10, YI1, 0, "(" + T_S_A(1) + X_S + T_S_A(2) + Y_S + ")");
    STEPWAIT();
    answerBox(X_A(1), Y_A(1), 60, F_S_A(1));
    NEXTSTEP();
  }
}

// One problem of parts (2) and (3), once the scene has chosen its letters.
void showCombined() {
  clearArea();
  if (KOUSIKI == 1) {
    CFSHOWHEAD();
    CFSHOWPROD();
  } else if (KOUSIKI == 2) {
    CFSHOWHEAD();
    CFSHOWSQUARE();
  } else {
    CFSHOWDIFF();
  }
}

// Part (2): the trinomial in one of four letters, a number as its common factor.
void numberFactor() {
  AINP = 3;
  setArea(XI0, YI1 + 70);
  while (AINP != 1) {
    GENCOMMON();
    PICKLETTER();
    X_S_A(1) = X_S + "^2";
    X_S_A(2) = X_S;
    X_S_A(3) = "";
    NO_S = "(2)";
    showCombined();
    NEXTSTEP();
  }
}

// Part (3): the trinomial in x, with a or y joining the number in the common factor.
void letterFactor() {
  AINP = 3;
  setArea(XI0, YI1);
  while (AINP != 1) {
    GENCOMMON();
    X_S = "x";
    P = common::randomInt(2, 1);
    if (P == 1) {
      X_S_A(1) = "a" + X_S + "^2";
      X_S_A(2) = "a" + X_S;
      X_S_A(3) = "a";
    } else {
      X_S_A(1) = X_S + "^2y";
      X_S_A(2) = X_S + "y";
      X_S_A(3) = "y";
    }
    NO_S = "(3)";
    showCombined();
    NEXTSTEP();
  }
}

}  // namespace

void COMBINEDEXAMPLE1() {
  common::clearWindow();
  XI0 = 40;
  XI1 = XI0 + 54;
  YI1 = 30;
  common::textLine(XI0, YI1, 3, "例題1 次の式を因数分解しなさい。");
  commonFactorOnly();
  numberFactor();
  // The right column, level with the heading.
  XI0 = 600;
  XI1 = XI0 + 54;
  YI1 = 30;
  letterFactor();
  STEPWAIT();
  common::textLine(88, 570, 0, "教科書 問10　をしなさい。");
}

}  // namespace fenwist
