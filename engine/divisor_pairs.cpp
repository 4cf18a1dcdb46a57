// The divisors of a whole number in ascending order, with their cofactors.
#include <cmath>

#include "arith.h"
#include "loops.h"
#include "runtime.h"
#include "state.h"

void DIVISORPAIRS() {
  DY = std::fabs(DY);
  // From 2^24 on a single-precision counter no longer advances by one, so the count would never
  // reach DY: such a number is rejected like any argument the runtime cannot take.
  if (!(DY < 16777216.0f)) raiseError(ErrorCode::IllegalArgument);
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
