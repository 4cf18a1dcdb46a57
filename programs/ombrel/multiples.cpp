// Section 1, scene ①: the integers and the multiples of 3, first their positive part and then
// both ways, and a computed table that matches each multiple with 3 × n.
#include "engine/engine.h"
#include "programs/common/scene.h"
#include "programs/ombrel/numforms.h"

namespace ombrel {
namespace {

// Erases the line of the last text (from 4 px above it, 55 px high), to draw it again extended.
void eraseLine() { PsLINE(XI1, YI1 - 4, 1320, 55, 15, LineMode::FilledBox, 15, Corner::Step); }

// Draws T$(II) at (x, the table row II) without moving the layout cursor: the rows stand under
// the line y = YI1, which stays the line of the multiples until the conclusion.
void drawRow(float x, float colour) {
  CCC1 = colour;
  X = x;
  Y = YI1 + 50 * II;
  AA_S = T_S_A(II);
  DRAWFORMULA();
}

// The value of n in table row II: -3 to 3 for rows 2 to 8.
float rowN() { return II - 5; }

}  // namespace

void MULTIPLES() {
  common::clearScene();
  XI1 = 44;
  YI1 = 30;
  common::textLine(XI1, YI1, 0, "問1　nを整数とするとき、3の倍数をnを使って表しなさい。");
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 3, "n=｛            1,2,3,…｝");
  STEPWAIT();
  eraseLine();
  common::textLine(XI1, YI1, 3, "n=｛…-3,-2,-1,0,1,2,3,…｝");
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 5, "３の倍数=｛            3,6,9,…｝");
  STEPWAIT();
  eraseLine();
  common::textLine(XI1, YI1, 5, "３の倍数=｛…-9,-6,-3,0,3,6,9,…｝");
  STEPWAIT();

  // The multiples 3n, each digit under the digit of the row above (a blank before a
  // non-negative number), between two rows of dots.
  FOR(II, 1, 9, [] { T_S_A(II) = II == 1 || II == 9 ? " …" : PfSTR248(3 * rowN()); });
  FOR(II, 1, 9, [] { drawRow(XI1, 5); });
  STEPWAIT();
  FOR(II, 2, 8, [] { T_S_A(II) = "=3*"; });
  FOR(II, 2, 8, [] { drawRow(XI1 + 88, 0); });
  STEPWAIT();
  // The values of n, one row per step, so that each row reads as -9=3×(-3).
  FOR(II, 2, 8, [] { T_S_A(II) = rowN() < 0 ? "(" + PfSTR248(rowN()) + ")" : PfSTR248(rowN()); });
  FOR(II, 2, 8, [] {
    drawRow(XI1 + 176, 3);
    STEPWAIT();
  });

  XI1 = 528;
  YI1 = 200;
  common::textLine(XI1, YI1 + 50, 0, "３の倍数は、");
  STEPWAIT();
  common::textAfter(5, "3*整数　");
  common::textLine(XI1, YI1 + 50, 0, "の形をしているから、");
  STEPWAIT();
  common::textLine(XI1, YI1 + 100, 0, "３の倍数は、");
  common::textAfter(5, "3n　");
  common::textLine(XI1, YI1 + 50, 0, "と表すことができる。");
}

}  // namespace ombrel
