// An opening curly brace, and the bracket layout of a division.
#include "plane.h"
#include "platform/platform.h"
#include "runtime.h"
#include "state.h"
#include "typeset.h"

void BRACE() {
  DR = FE_GETDRAWWIDTH();
  X1 = X + 35;
  X2 = X1 - 12;
  X3 = X2;
  X4 = X2 - 15;
  Y1 = Y + 5;
  Y7 = Y + HABA - 10;
  Y4 = (Y1 + Y7) / 2;
  Y2 = Y1 + 3;
  Y3 = Y4 - 7;
  Y5 = Y4 + 7;
  Y6 = Y7 - 3;
  FE_SETDRAWWIDTH(5);
  PsCONNECT({{X1, Y1}, {X2, Y2}, {X3, Y3}, {X4, Y4}, {X3, Y5}, {X2, Y6}, {X1, Y7}}, ROUNDED(CCC1));
  FE_SETDRAWWIDTH(DR);
}

namespace {

void drawAt(float x, float y, const std::string& text) {
  X = x;
  Y = y;
  AA_S = text;
  DRAWFORMULA();
}

}  // namespace

void DIVLAYOUT() {
  X1 = X;
  Y1 = Y;
  DR = FE_GETDRAWWIDTH();
  A_S = A1_S;
  MEASUREFORM();
  LT1 = LLT;
  A_S = A2_S;
  MEASUREFORM();
  LT2 = LLT;
  LT = LT1 > LT2 ? LT1 : LT2;
  drawAt(X1 + 54, Y1, A1_S);
  drawAt(X1, Y1 + TAKASA + 6, ENZAN_S);
  drawAt(X, Y, ")");
  drawAt(X1 + 54, Y1 + TAKASA, A2_S);
  // The formula drawing leaves DR at the width it found, which is the caller's.
  FE_SETDRAWWIDTH(3);
  PsLINE(X1 + 27, Y1 + 2 * TAKASA, LT + 30, 0, ROUNDED(CCC2), LineMode::Line, -1, Corner::Step);
  FE_SETDRAWWIDTH(DR);
  YI1 = Y1 + TAKASA;
  XI3 = X1 + 54;
  XI2 = X1 + 57 + LT;  // the end of the rule, past both texts
}
