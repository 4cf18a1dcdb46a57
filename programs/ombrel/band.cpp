// Section 2, scene ①: a marching band of 4 × 6 members and one more, regrouped as a 5 × 5
// square turned by 45 degrees, and the equation 4 × 6 + 1 = 5 × 5 it stands for.
#include "engine/engine.h"
#include "programs/common/scene.h"
#include "programs/ombrel/evenodd.h"
#include "programs/ombrel/globals.h"

namespace ombrel {
namespace {

// A member of the band: a disc of radius 10 with the pen in force.
void dot(float x, float y, int colour) { PsCIRCLE(x, y, 10, colour, 0, 0, true); }

// Turns the figure points first to last from grid units of the last SQUAREGRID layout (columns
// right of its left edge, rows up from its bottom edge) into pixels, in place.
void toPixels(float first, float last) {
  FOR(II, first, last, [] {
    X_A(II) = CHECKED(GX0 + SIZE * X_A(II));
    Y_A(II) = CHECKED(GY0 - SIZE * Y_A(II));
  });
}

// Points 1 to 9 in grid units: the block's columns 0 to 7 and rows 1 to 4, point 7 the extra
// member and point 8 the arrow's tail, both at row 2.5. Every point is set on every visit, the
// unused ones to 0, so that the conversion never works on the pixels of an earlier visit.
void blockUnits() {
  FOR(II, 1, 9, [] {
    X_A(II) = 0;
    Y_A(II) = 0;
  });
  FOR(II, 1, 8, [] { X_A(II) = II - 1; });
  FOR(II, 1, 4, [] { Y_A(II) = II; });
  Y_A(7) = 2.5f;
  Y_A(8) = Y_A(7);
}

// Points 11 to 19 in grid units: the square's columns 0 to 8, and in point 11 the row 3 that the
// drawing lowers by one cell before each diagonal. The others are 0, as above.
void squareUnits() {
  FOR(II, 11, 19, [] {
    X_A(II) = II - 11;
    Y_A(II) = 0;
  });
  Y_A(11) = 3;
}

}  // namespace

void BANDFIGURE() {
  common::clearWindow();
  XI0 = 30;
  XI1 = XI0 + 36;
  YI1 = 20;
  common::textLine(XI0, YI1, 7, "P28 ");
  common::textAfter(3, "マーチングバンドの隊列が変化するしくみ");

  // 24 members in 4 rows of 6, and one more right of the block, drawn with the pen in force.
  GGX = 200;
  GGY = YI1 + 75;
  YOKO = 7;
  TATE = 5;
  CCC2 = 15;
  SIZE = 35;
  SQUAREGRID();
  blockUnits();
  toPixels(1, 9);
  FOR(JJ, 1, 4, [] { FOR(II, 1, 6, [] { dot(X_A(II), Y_A(JJ), 0); }); });
  dot(X_A(7), Y_A(7), 5);
  STEPWAIT();

  FE_SETDRAWWIDTH(10);
  A = 8;
  ZX0 = X_A(A);
  ZY0 = Y_A(A);
  ZX = ZX0 + 72;
  ZY = ZY0;
  MUKI = 1;
  YA = 1;
  CCC2 = 7;
  NAGASA = 16;
  ARROW();
  FE_SETDRAWWIDTH(5);
  STEPWAIT();

  // The same 25 members as a square turned by 45 degrees: diagonal JJ starts one cell right of
  // and one cell below the start of the one before.
  GGX = GX2 + 120;
  GGY = YI1 + 70;
  YOKO = 8;
  TATE = 8;
  CCC2 = 15;
  SIZE = 25;
  SQUAREGRID();
  squareUnits();
  toPixels(11, 19);
  FOR(JJ, 1, 5, [] {
    Y_A(11) = Y_A(11) - SIZE;
    FOR(II, 1, 5, [] {
      M = X_A(10 + JJ) + SIZE * (II - 1);
      N = Y_A(11) + SIZE * (II - 1);
      dot(M, N, 0);
    });
  });
  dot(GX2, GY1 + 4 * SIZE, 5);
  STEPWAIT();

  YI1 = GY2 + 50;
  common::textLine(XI0, YI1, 7, "①");
  common::textAfter(3, "4*6+1=5*5");
  common::textAfter(0, " はどんな数量の関係を表した式?");
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 3, "隊列をつくる人数の関係を表した式");
  STEPWAIT();
  common::textLine(XI1, YI1 + 60, 7, "連続する2つの偶数の積に1をたした数を調べよう。");
}

}  // namespace ombrel
