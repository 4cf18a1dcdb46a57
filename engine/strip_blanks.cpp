// Removal of the half-width blanks that number-to-text conversion puts in front of a number.
#include "engine.h"

void STRIPBLANKS() {
  // Byte by byte: no byte of a double-byte character is 32, so such text passes unharmed.
  X8_S = A_S;
  X9_S = "";
  KB8 = static_cast<float>(PfLEN(X8_S));
  FOR(IB8, 1, KB8, [] {
    const std::string b = PfMID24(X8_S, IB8, 1);
    if (b != " ") X9_S += b;
  });
  A_S = X9_S;
}
