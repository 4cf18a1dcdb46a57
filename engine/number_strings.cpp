// The number arrays T() and F() as texts without blanks, and the shared blank-free conversion.
#include "loops.h"
#include "numbers.h"
#include "prompts.h"
#include "state.h"
#include "strings.h"

std::string blankFree(const std::string& text) {
  A_S = text;
  STRIPBLANKS();
  return A_S;
}

void NUMSTRINGS() {
  FOR(I, 1, 80, [] { T_S_A(I) = blankFree(PfSTR244(T_A(I))); });
  FOR(I, 1, 40, [] { F_S_A(I) = blankFree(PfSTR244(F_A(I))); });
}
