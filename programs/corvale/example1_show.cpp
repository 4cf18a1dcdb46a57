// One pass of each practice problem of worked example 1: the problem line, the dotted arcs from
// the monomial to each term it multiplies, the line of products, (for the fraction) the
// cancellations, and the answer, one step at a time.
#include <string>

#include "engine/engine.h"
#include "example_marks.h"
#include "monomul.h"
#include "monomul_drills.h"
#include "programs/common/scene.h"

namespace corvale {

void SHOWMONOTRI() {
  common::eraseBox(0, V_A(31), 1320, 1300);
  XI1 = U_A(31);
  YI1 = V_A(31);
  const PracticeLines lines = monoTriLines();
  common::textLine(XI1, YI1 + 60, 3, "①");
  Y_A(1) = YI1;
  anchoredPiece(1, XI1 + 40, lines.problem[0]);
  anchoredPiece(2, XI2, lines.problem[1]);
  anchoredPiece(3, XI2, lines.problem[2]);
  anchoredPiece(4, XI2, lines.problem[3]);
  STEPWAIT();
  // Rising 16, 32 and 40 px to the x term, the y term and the constant.
  productArc(X_A(1), Y_A(1), X_A(2), Y_A(1), 9, -1, 1);
  productArc(X_A(1), Y_A(1), X_A(3), Y_A(1), 7, -1, 2);
  productArc(X_A(1), Y_A(1), X_A(4), Y_A(1), 11, -1, 2.5);
  common::textLine(XI1, YI1 + 50, 0, lines.products[0]);
  common::textAfter(0, lines.products[1]);
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 5, lines.answer);
  NEXTSTEP();
}

void SHOWTRIMONO() {
  common::eraseBox(0, V_A(31), 1320, 1300);
  XI1 = U_A(31);
  YI1 = V_A(31);
  const PracticeLines lines = triMonoLines();
  common::textLine(XI1, YI1 + 60, 3, "②");
  common::textLine(XI1 + 40, YI1, 0, lines.problem[0]);
  anchoredPiece(2, XI2, lines.problem[1]);
  anchoredPiece(3, XI2, lines.problem[2]);
  anchoredPiece(4, XI2, lines.problem[3]);
  Y_A(1) = YI1;
  anchoredPiece(1, XI2, lines.problem[4]);
  STEPWAIT();
  // The monomial stands last: the arcs run leftwards, HOUKOU 1 puts them above the line, and
  // the one to the farthest term is the highest.
  productArc(X_A(1), Y_A(1), X_A(2), Y_A(1), 9, 1, 2.5);
  productArc(X_A(1), Y_A(1), X_A(3), Y_A(1), 7, 1, 2);
  productArc(X_A(1), Y_A(1), X_A(4), Y_A(1), 11, 1, 1);
  common::textLine(XI1, YI1 + 50, 0, lines.products[0]);
  common::textAfter(0, lines.products[1]);
  common::textAfter(0, lines.products[2]);
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 5, lines.answer);
  NEXTSTEP();
}

void SHOWFRACMONO() {
  common::eraseBox(U_A(31) - 80, V_A(31), 1320, 1500);
  XI1 = U_A(31);
  YI1 = V_A(31);
  const PracticeLines lines = fracMonoLines();
  common::textLine(XI1, YI1 + 60, 3, "③");
  Y_A(1) = YI1;
  anchoredPiece(1, XI1 + 40, lines.problem[0]);
  anchoredPiece(2, XI2, lines.problem[1]);
  anchoredPiece(3, XI2, lines.problem[2]);
  STEPWAIT();
  // From 20 px above the line at the monomial down to each term.
  productArc(X_A(1), Y_A(1) - 20, X_A(2), Y_A(1), 9, -1, 1);
  productArc(X_A(1), Y_A(1) - 20, X_A(3), Y_A(1), 7, -1, 2);

  // The line of products; where a and b start, and where the typesetter drew each denominator.
  common::textLine(XI1, YI1 + 90, 0, lines.products[0]);
  common::textAfter(0, lines.products[1]);
  U_A(2) = TBBOYAKX;
  V_A(2) = TBBOYAKY;
  U_A(1) = XI2;
  V_A(1) = YI1;
  common::textAfter(0, lines.products[2]);
  common::textAfter(0, lines.products[3]);
  U_A(4) = TBBOYAKX;
  V_A(4) = TBBOYAKY;
  U_A(3) = XI2;
  V_A(3) = YI1;
  common::textAfter(0, lines.products[4]);
  STEPWAIT();

  // q cancels against a and against b: a bracketed negative term is struck right of its "(-".
  const std::vector<Cancellation> cancels = fracMonoCancellations();
  A_S = "(-";
  MEASUREFORM();
  if (T_A(2) < 0) U_A(1) = U_A(1) + LLT;
  cancelDigits(U_A(1), V_A(1), 40, cancels[0].struck, cancels[0].reduced, -30);
  cancelDigits(U_A(2), V_A(2), 28, F_S_A(1), "1", 28);
  STEPWAIT();
  if (T_A(3) < 0) U_A(3) = U_A(3) + LLT;
  cancelDigits(U_A(3), V_A(3), 40, cancels[1].struck, cancels[1].reduced, -30);
  cancelDigits(U_A(4), V_A(4), 28, F_S_A(1), "1", 28);
  STEPWAIT();

  common::textLine(XI1, YI1 + 100, 5, lines.answer);
  NEXTSTEP();
}

}  // namespace corvale
