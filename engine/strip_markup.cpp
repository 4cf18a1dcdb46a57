// Removes the markup characters "^", "ﾝ", "ﾀ" and "=" from A$, turning a fraction text such as
// "-ﾀ3/4ﾀ" into the plain "-3/4".
#include "state.h"
#include "strings.h"
#include "typeset.h"

void STRIPMARKUP() {
  // Character by character, so the second byte of a double-byte character is never taken for a mark.
  std::string plain;
  const int count = PfKLEN(A_S);
  for (int i = 1; i <= count; ++i) {
    const std::string ch = PfKMID24(A_S, static_cast<float>(i), 1);
    if (ch != "^" && ch != "ﾝ" && ch != "ﾀ" && ch != "=") plain += ch;
  }
  A_S = plain;
}
