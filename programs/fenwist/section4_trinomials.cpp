// The random problems of the trinomial drills and the rows of their factor-pair tables.
#include "engine/engine.h"
#include "programs/common/random_int.h"
#include "section4.h"

namespace fenwist {
namespace {

// A sign draw P of 1 or 2.
bool drawsOne() {
  P = common::randomInt(2, 1);
  return P == 1;
}

}  // namespace

void GENTRINOMIAL(TrinomialDrill drill) {
  T_A(1) = common::randomInt(7, 1);
  T_A(2) = common::randomInt(7, 1);
  // Two equal numbers would make a perfect square: the second is raised instead.
  if (T_A(1) == T_A(2)) T_A(2) = T_A(2) + 1;
  switch (drill) {
    case TrinomialDrill::BothPositive: break;
    case TrinomialDrill::BothNegative:
      T_A(1) = -T_A(1);
      T_A(2) = -T_A(2);
      break;
    case TrinomialDrill::OneNegative:
      if (drawsOne()) {
        T_A(1) = -T_A(1);
      } else {
        T_A(2) = -T_A(2);
      }
      break;
    case TrinomialDrill::AnySigns:
      if (drawsOne()) T_A(1) = -T_A(1);
      if (drawsOne()) T_A(2) = -T_A(2);
      break;
  }
  T_A(3) = T_A(1) + T_A(2);
  T_A(4) = T_A(1) * T_A(2);
  if (drill == TrinomialDrill::OneNegative || drill == TrinomialDrill::AnySigns) T_A(5) = T_A(3);
  if (drill == TrinomialDrill::AnySigns) T_A(6) = T_A(4);
}

void SIGNEDPAIRS() {
  DY = T_A(4);
  DIVISORPAIRS();
  // The second member carries the constant's sign; the lower half repeats the pairs negated.
  const float sign = T_A(4) > 0 ? 1 : -1;
  FOR(II, 1, KOSUU, [sign] {
    F_A(II) = X_A(II);
    F_A(20 + II) = sign * Y_A(II);
  });
  FOR(II, 1, KOSUU, [sign] {
    F_A(KOSUU + II) = -X_A(II);
    F_A(20 + KOSUU + II) = -sign * Y_A(II);
  });
}

}  // namespace fenwist
