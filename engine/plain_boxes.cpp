// Small plain text measured, and set centred in filled boxes of one or two lines.
#include "factor.h"
#include "platform/platform.h"
#include "prompts.h"
#include "runtime.h"
#include "state.h"

namespace {

// Left offset of a line of the measured width LLT: centred, or at the left edge when too wide.
float centredOffset() {
  const float offset = (HABA - LLT) / 2;
  return offset < 0 ? 0.0f : offset;
}

void drawBox() {
  Y3 = Y1 + TATE;
  PsLINE(X1, Y1, X1 + HABA, Y3, ROUNDED(CCC2), LineMode::FilledBox, ROUNDED(CCC3));
}

void drawPlain(float x, float y, const std::string& text) {
  X = x;
  Y = y;
  AA_S = text;
  PLAINTEXT();
}

}  // namespace

void MEASUREPLAIN() {
  XX1 = X;
  YY1 = Y;
  AA1_S = A_S;
  X = 0;
  Y = 1800;
  AA_S = A_S;
  {
    MeasuringRun measuring;
    PLAINTEXT();
  }
  LLT = X;
  X = XX1;
  Y = YY1;
  AA_S = AA1_S;
}

void BOXPLAIN() {
  X1 = X;
  Y1 = Y;
  MOTOA_S = A_S;
  MEASUREPLAIN();
  LT1 = centredOffset();
  Y2 = Y1 + PnFInt((TATE - 26) / 2);
  drawBox();
  drawPlain(X1 + LT1, Y2, MOTOA_S);
  X = X1 + HABA;
  Y = Y1;
}

void BOXPLAINTWO() {
  X1 = X;
  Y1 = Y;
  MOTOA_S = A1_S;
  A_S = A1_S;
  MEASUREPLAIN();
  LT1 = centredOffset();
  Y2 = Y1 + PnFInt((TATE / 2 - 26) / 2);
  drawBox();
  // A lone first line drops to the middle of the box.
  Y22 = A2_S.empty() ? Y2 + 15 : Y2;
  drawPlain(X1 + LT1, Y22, A1_S);
  MOTOA_S = A2_S;
  A_S = A2_S;
  MEASUREPLAIN();
  LT1 = centredOffset();
  Y4 = Y2 + 30;
  drawPlain(X1 + LT1, Y4, A2_S);
  X = X1 + HABA;
  Y = Y1;
}
