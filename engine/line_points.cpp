// Points found on straight lines given by two points each: the foot of a perpendicular, the
// crossing of two lines, and the point of a line at a given x or height.
#include "plane.h"
#include "platform/platform.h"
#include "state.h"

void PERPFOOT() {
  if (AX == BX) {
    EX = AX;
    EY = CY;
  } else if (AY == BY) {
    EX = CX;
    EY = AY;
  } else {
    AA1 = (BY - AY) / (BX - AX);
    BB1 = AY - AA1 * AX;
    AA2 = -1 / AA1;
    BB2 = CY - AA2 * CX;
    EX = -(BB1 - BB2) / (AA1 - AA2);
    EY = (AA1 * BB2 - AA2 * BB1) / (AA1 - AA2);
  }
  PsCIRCLE(EX, EY, 2, 15, 0, 0, true, 0);
}

void LINECROSS() {
  // A vertical line is published with the slope 1000 and known by its own flag, so that a line
  // whose slope really is 1000 is not taken for one.
  bool vertical1 = false;
  bool vertical2 = false;
  if (AY == BY) {
    A1 = 0;
    B1 = AY;
  } else if (AX == BX) {
    A1 = 1000;
    AX2 = AX;
    vertical1 = true;
  } else {
    A1 = (BY - AY) / (BX - AX);
    B1 = AY - A1 * AX;
  }
  if (CY == DY) {
    A2 = 0;
    B2 = CY;
  } else if (CX == DX) {
    A2 = 1000;
    AX2 = CX;
    vertical2 = true;
  } else {
    A2 = (DY - CY) / (DX - CX);
    B2 = CY - A2 * CX;
  }
  if (vertical1 && vertical2) return;  // parallel: no crossing
  if (vertical1) {
    AY2 = A2 * AX2 + B2;
    return;
  }
  if (vertical2) {
    AY2 = A1 * AX2 + B1;
    return;
  }
  if (A1 == A2) return;  // parallel: no crossing
  AX2 = -(B2 - B1) / (A2 - A1);
  AY2 = (-A1 * (B2 - B1) + B1 * (A2 - A1)) / (A2 - A1);
}

void AXISFOOT() {
  if (AX == BX) {
    X1 = AX;
    Y1 = CY;
    return;
  }
  if (AY == BY) {
    X1 = CX;
    Y1 = AY;
    return;
  }
  A = (BY - AY) / (BX - AX);
  B = AY - A * AX;
  if (CX < 0) {
    X1 = (CY - B) / A;
    Y1 = CY;
  }
  if (CY < 0) {
    Y1 = A * CX + B;
    X1 = CX;
  }
}
