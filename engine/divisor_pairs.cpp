// The divisors of a whole number in ascending order, with their cofactors.
#include <cmath>

#include "arith.h"
#include "loops.h"
#include "runtime.h"
#include "state.h"

void DIVISORPAIRS() {
  DY = std::fabs(DY);
  P = 0;
  FOR(II, 1, DY, [] {
    const float q = DY / II;
    if (q - PnFInt(q) == 0) {
      P = P + 1;
      X_A(P) = II;
      Y_A(P) = q;
    }
  });
  // For a square the count is odd and the half is rounded up, so the pairs take in the root.
  KOSUU = static_cast<float>(ROUNDED(P / 2));
}
