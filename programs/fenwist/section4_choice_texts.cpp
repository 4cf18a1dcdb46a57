// The three lines of a formula-choice problem: the trinomial, the reason that tells which formula
// fits it, and its factorised form.
#include "engine/engine.h"
#include "globals.h"
#include "programs/common/scene.h"
#include "section4.h"

namespace fenwist {
namespace {

const std::string& t(float n) { return T_S_A(n); }

// Kind 1: a trinomial whose constant is a square is no perfect square when its middle
// coefficient is not twice the root; any other constant is no square at all.
std::string productReason() {
  R1B = T_A(7);
  ROOTSIMPLIFY();
  if (R1B == 1) return t(6) + "≠2*" + R1A_S + "だから";
  return t(7) + "が2乗でないから";
}

// Kinds 2 and 3: the middle coefficient twice the root of the constant, and its sign.
std::string squareReason(const char* sign) {
  return t(6) + "=2*" + t(5) + "," + t(7) + "=" + t(5) + "^2で、" + sign + "だから";
}

}  // namespace

std::string selProblemText() {
  if (KOUSIKI == 4) return X_S + "^2" + t(4);
  return X_S + "^2" + t(3) + X_S + t(4);
}

std::string selReasonText() {
  switch (ROUNDED(KOUSIKI)) {
    case 1: return productReason();
    case 2: return squareReason("＋");
    case 3: return squareReason("－");
    default: return "2乗－2乗 だから";
  }
}

std::string selAnswerText() {
  if (KOUSIKI == 2 || KOUSIKI == 3) return "=(" + X_S + t(1) + ")^2";
  return "=(" + X_S + t(1) + ")(" + X_S + t(2) + ")";
}

void SELPROBLEM() { common::textLine(XI1 + 88, YI1 + 80, 0, selProblemText()); }

void SELREASON() { common::textAt(XI2, YI1, 3, selReasonText()); }

void SELANSWER() { common::textLine(XI1 + 44, YI1 + 80, 5, selAnswerText()); }

}  // namespace fenwist
