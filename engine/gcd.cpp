// Greatest common divisor and least common multiple by Euclid's algorithm.
#include <utility>

#include "numbers.h"
#include "runtime.h"
#include "state.h"

float REMAINDER(float x, float y) { return x - y * PnFInt(DIV(x, y)); }

void GCDLCM() {
  // Whole numbers that a float holds finish in fewer than 200 passes (Fibonacci bound); the
  // limit only ends the stepping for other numbers, whose rounding may never reach 0.
  constexpr int PASS_LIMIT = 256;
  X1 = DS;
  X2 = DB;
  LB8 = CHECKED(X1 * X2);
  for (int pass = 0; X2 != 0 && pass < PASS_LIMIT; ++pass) {
    X1 = REMAINDER(X1, X2);
    std::swap(X1, X2);
  }
  X3 = X1;
  X4 = DIV(LB8, X3);
}
