// Section 4, scene ②: two tasks solved by changing the expression before substituting. On the
// left (x+ky)(x-ky)-(x-k^2y)(x+y) is expanded and collected to (k^2-1)xy; on the right x^2-y^2
// is factorised into (x+y)(x-y) for two numbers either side of a hundred, two or three hundred.
#include "engine/engine.h"
#include "programs/common/scene.h"
#include "programs/ombrel/exprvalue.h"
#include "programs/ombrel/exprvalue_drills.h"
#include "programs/ombrel/globals.h"

namespace ombrel {
namespace {

void drawProductDifference() {
  xyProblemHeading("課題1", T_S_A(11), T_S_A(12));
  common::textLine(XI1, YI1 + 60, 3, " (x+" + T_S_A(2) + "y)(x-" + T_S_A(2) + "y)");
  common::textLine(XI1 + 189, YI1 + 50, 3, "-(x-" + T_S_A(3) + "y)(x+y)");
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 0, "=x^2-" + T_S_A(3) + "y^2");
  common::textLine(XI1 + 135, YI1 + 50, 0, "-(x^2+xy-" + T_S_A(3) + "xy-" + T_S_A(3) + "y^2)");
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 0, "=x^2-" + T_S_A(3) + "y^2-(x^2-" + T_S_A(4) + "xy-" + T_S_A(3) + "y^2)");
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 0, "=x^2-" + T_S_A(3) + "y^2-x^2+" + T_S_A(4) + "xy+" + T_S_A(3) + "y^2");
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 0, "=" + T_S_A(4) + "xy");
  STEPWAIT();
  xySubstitutionNote(T_S_A(11), T_S_A(12));
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 0, "=" + T_S_A(4) + "*(" + T_S_A(11) + ")*" + T_S_A(12));
  STEPWAIT();
  common::textAfter(5, "=" + T_S_A(5));
}

void drawHundredPair() {
  xyProblemHeading("課題2", T_S_A(2), T_S_A(3));
  common::textLine(XI1 + 32, YI1 + 60, 3, "x^2-y^2");
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 0, "=(x+y)(x-y)");
  STEPWAIT();
  xySubstitutionNote(T_S_A(2), T_S_A(3));
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 0,
                   "=(" + T_S_A(2) + "+" + T_S_A(3) + ")(" + T_S_A(2) + "-" + T_S_A(3) + ")");
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 0, "=" + T_S_A(4) + "*" + T_S_A(5));
  STEPWAIT();
  common::textAfter(5, "=" + T_S_A(6));
}

}  // namespace

void TASKEXPRVALUE() {
  practiceInColumn(40, [] { GENPRODUCTDIFF(); NUMSTRINGS(); }, drawProductDifference);
  // The last problem of task 1 stays on the left while task 2 runs from x 680.
  practiceInColumn(680, [] { GENHUNDREDPAIR(); NUMSTRINGS(); }, drawHundredPair);
  common::textLine(XI0, YI1 + 70, 5, "展開や因数分解を利用して、");
  common::textLine(XI0, YI1 + 50, 5, "式を変形してから代入する。");
  STEPWAIT();
  common::textLine(528, 570, 7, "教科書 問5　をしなさい。");
}

}  // namespace ombrel
