// Square-root simplification: sqrt(R1B) = R1A sqrt(rest), as numbers and as formula markup.
#include "arith.h"
#include "prompts.h"
#include "runtime.h"
#include "state.h"
#include "strings.h"

namespace {

// Removes the blanks from a text through A$, as every number text of the engine is cleaned.
void stripBlanksOf(std::string& text) {
  A_S = text;
  STRIPBLANKS();
  text = A_S;
}

}  // namespace

void ROOTSIMPLIFY() {
  R1A = 1;
  R1I = 2;
  R1B1 = R1B;
  // Take out one square factor at a time, smallest divisor first, trying 2 to 200. Nothing is
  // taken out of 0 (every square would divide it, for ever).
  while (R1I != 201) {
    const int radicand = ROUNDED(R1B);
    if (radicand != 0 && radicand % ROUNDED(R1I * R1I) == 0) {
      R1A = R1A * R1I;
      R1B = R1B / (R1I * R1I);
      R1I = 2;
    } else {
      R1I = R1I + 1;
    }
  }
  R1A1_S = R1B == 1 ? "" : "!" + PfSTR244(R1B);
  if (R1B == 1 && R1A == 1)
    R1A_S = "1";
  else if (R1A == 1)
    R1A_S.clear();
  else
    R1A_S = PfSTR244(R1A);
  RAB_S = R1A_S + R1A1_S + "ﾝ";
  RABM_S = R1B == R1B1 ? "" : "!" + PfSTR244(R1B1) + "ﾝ=";
  R1B_S = R1A1_S + "ﾝ";
  stripBlanksOf(R1A_S);
  stripBlanksOf(RAB_S);
  stripBlanksOf(RABM_S);
  stripBlanksOf(R1B_S);
}
