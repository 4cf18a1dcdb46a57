// Prime factorisation over the primes 2 to 23 into the factor table G(), and its ladder division.
#include <cmath>

#include "factor.h"
#include "loops.h"
#include "platform/platform.h"
#include "prompts.h"
#include "runtime.h"
#include "state.h"
#include "strings.h"
#include "typeset.h"

void PRIMEFACTORS() {
  FOR(TJ, 1, 10, [] {
    G_A(TJ, 1) = 0;
    G_A(TJ, 2) = 0;
  });
  const float primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
  for (int k = 0; k < 10; ++k) R_A(static_cast<float>(k + 1)) = primes[k];
  SOSU = std::fabs(SOSU);
  SOSU1 = SOSU;
  P = 1;
  Q = 1;
  while (P != 10) {
    // 0 would be divisible by every prime for ever: nothing is divided out of it.
    const int whole = ROUNDED(SOSU);
    if (whole != 0 && whole % ROUNDED(R_A(P)) == 0) {
      G_A(Q, 1) = R_A(P);
      G_A(Q, 2) = G_A(Q, 2) + 1;
      SOSU = SOSU / R_A(P);
    } else if (G_A(Q, 1) != 0) {
      Q = Q + 1;
      P = P + 1;
    } else {
      P = P + 1;
    }
  }
  Q = Q - 1;
  G_A(10, 1) = SOSU;
  G_A(10, 2) = 1;
  SOSU = SOSU1;
}

namespace {

void drawNumber(float x, const std::string& text) {
  CCC1 = 0;
  X = x;
  Y = YTAKE;
  AA_S = text;
  DRAWFORMULA();
}

// Numbers stand on a 30-px grid per character, right-aligned on the top number.
void drawCurrentNumber() {
  const std::string text = PfSTR244(TA);
  TA2 = static_cast<float>(PfKLEN(text));
  drawNumber(XTAKE + 30 * (1 + TA1 - TA2), text);
}

void divisionStep() {
  drawNumber(XTAKE, SO_S + ")");
  drawCurrentNumber();
  YTAKE = YTAKE + 46;
  PsLINE(XTAKE + 30, YTAKE, XTAKE + 30 * (TA1 + 1), YTAKE, 0);
  if (NASI == 1) STEPWAIT();
  TA = DIV(TA, G_A(II, 1));
  YTAKE = YTAKE + 18;
  drawCurrentNumber();
  if (NASI == 1) STEPWAIT();
}

}  // namespace

void LADDERDIV() {
  TA = SOSU;
  TA1 = static_cast<float>(PfKLEN(PfSTR244(TA)));
  // Without a prime factor from 2 to 23 there is nothing to divide by.
  if (Q >= 1) {
    FOR(II, 1, Q, [] {
      A_S = PfSTR244(G_A(II, 1));
      STRIPBLANKS();
      SO_S = A_S;
      if (II == Q && G_A(II, 2) == 1) return false;
      // The last prime is divided out once less: it stays as the last quotient.
      N = II == Q ? G_A(II, 2) - 1 : G_A(II, 2);
      FOR(J, 1, N, divisionStep);
      return true;
    });
  }
  NASI = 0;
}
