// Scene 1 of section 2. Review 1 divides random binomials by a whole number: the division becomes
// a product with the reciprocal, two dotted arcs distribute it, and strokes cancel the divisor
// against each coefficient. Review 2 then names the reciprocals of a fixed table of terms on the
// right of the same picture, and a note on fraction coefficients closes the scene.
#include "engine/engine.h"
#include "example_marks.h"
#include "globals.h"
#include "monodiv.h"
#include "monodiv_drills.h"
#include "programs/common/scene.h"

namespace corvale {

void OPENDIVISION(float colour, const char* heading) {
  common::clearScene();
  XI1 = 40;
  YI1 = 30;
  FE_SETDRAWWIDTH(5);
  common::textLine(XI1, YI1, colour, heading);
  U_A(31) = XI1;
  V_A(31) = YI1 + 50;
  AINP = 3;
}

void REVIEWMONODIV() {
  OPENDIVISION(0, "復習1　次の計算をしなさい。");
  while (AINP != 1) {
    GENDIVINT();
    SHOWDIVINT();
  }
  RECIPROCALREVIEW();
}

void SHOWDIVINT() {
  // Everything from the practice area's top down; the heading above it stays.
  common::eraseBox(U_A(31) - 80, V_A(31), 1320, 1500);
  XI1 = U_A(31);
  YI1 = V_A(31);
  const DivisionLines lines = divIntLines();
  common::textLine(XI1, YI1 + 60, 3, "①");
  common::textLine(XI1 + 40, YI1, 0, lines.problem[0]);
  STEPWAIT();

  // The product with the reciprocal, in pieces that record where the arcs start and end.
  common::textLine(XI1, YI1 + 100, 0, lines.product[0]);
  anchoredPiece(2, XI2, lines.product[1]);
  anchoredPiece(3, XI2, lines.product[2]);
  anchoredPiece(1, XI2, lines.product[3]);
  Y_A(1) = YI1;
  STEPWAIT();

  // The arcs start 27 px into the reciprocal's fraction and end at the first digit of each
  // coefficient: past "(-" of a negative divisor, past the minus of a negative first term, and
  // past the sign that the second term always shows.
  if (T_A(1) < 0) {
    A_S = "(-";
    MEASUREFORM();
    X_A(1) = X_A(1) + LLT;
  }
  if (T_A(2) < 0) X_A(2) = X_A(2) + 27;
  productArc(X_A(1), Y_A(1) - 20, X_A(2), Y_A(1), 9, 1, 2);
  productArc(X_A(1), Y_A(1) - 20, X_A(3) + 27, Y_A(1), 7, 1, 1);

  // Each term times the reciprocal; where each coefficient begins and where the typesetter drew
  // each denominator.
  common::textLine(XI1, YI1 + 90, 0, lines.split[0]);
  U_A(1) = XI2;
  V_A(1) = YI1;
  common::textAfter(0, lines.split[1]);
  common::textAfter(0, lines.split[2]);
  U_A(2) = TBBOYAKX;
  V_A(2) = TBBOYAKY;
  U_A(3) = XI2;
  V_A(3) = YI1;
  common::textAfter(0, lines.split[3]);
  common::textAfter(0, lines.split[4]);
  U_A(4) = TBBOYAKX;
  V_A(4) = TBBOYAKY;
  STEPWAIT();

  // The divisor's size cancels against each coefficient; a minus is never struck.
  if (T_A(2) < 0) U_A(1) = U_A(1) + 27;
  cancelDigits(U_A(1), V_A(1), 40, T_S_A(2), T_S_A(12), -30);
  cancelDigits(U_A(2), V_A(2), 28, F_S_A(1), "1", 28);
  STEPWAIT();
  U_A(3) = U_A(3) + 27;
  cancelDigits(U_A(3), V_A(3), 40, T_S_A(3), T_S_A(13), -30);
  cancelDigits(U_A(4), V_A(4), 28, F_S_A(1), "1", 28);
  STEPWAIT();

  common::textLine(XI1, YI1 + 100, 5, lines.answer);
  NEXTSTEP();
}

void RECIPROCALREVIEW() {
  common::textLine(XI1, YI1 + 120, 3, "※　わる数の逆数をかける");
  STEPWAIT();
  U_A(31) = 640;
  V_A(31) = 30;
  XI1 = U_A(31);
  YI1 = V_A(31);
  FE_SETDRAWWIDTH(5);
  AINP = 3;
  NO = 0;
  while (AINP != 1) {
    RECIPROCALTABLE();
    NO = NO == 9 ? 1 : NO + 1;
    // Everything right of the origin's x, from the top edge: review 1 on the left stays.
    common::eraseBox(U_A(31), 0, 1320, 1300);
    XI1 = U_A(31);
    YI1 = V_A(31);
    FE_SETDRAWWIDTH(5);
    common::textLine(XI1, YI1, 3, "復習2　逆数をいいなさい。");
    common::textLine(XI1 + 88, YI1 + 140, 0, T_S_A(NO));
    STEPWAIT();
    common::textAfter(0, T_S_A(10 + NO));
    STEPWAIT();
    common::textLine(XI1 + 44, YI1 + 120, 0, "逆数は、");
    common::textAfter(5, T_S_A(20 + NO));
    NEXTSTEP();
  }
  STEPWAIT();
  common::textLine(XI1 + 44, YI1 + 120, 3, "※　分数を係数とする文字は、");
  common::textLine(XI1 + 44, YI1 + 60, 3, " 　分子につける。");
}

}  // namespace corvale
