// The glyph tables of prompt text: half-width characters shown full-width or as symbols.
#include "engine.h"

// Character n of a source text is shown as character n of its target text.
const std::string HENK1_S = " XYABCDEFGHIJKLMNOPQRSTUVWZ";
const std::string HENK2_S = "　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ";
const std::string HENK_S = " 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:";
const std::string HENK3_S =
    "　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△：";

namespace {

// Position (from 1) of the one-byte character c in a one-byte source text, 0 when absent.
// A double-byte or empty character is never found.
float findIn(const std::string& source, const std::string& c) {
  if (c.size() != 1) return 0;
  return static_cast<float>(PfINSTR(source, c));
}

}  // namespace

void GLYPHMAP() {
  N1 = findIn(HENK1_S, B_S);
  if (N1 > 0) B_S = PfKMID24(HENK2_S, N1, 1);
  // A character replaced above is double-byte now, so it is never replaced twice.
  N = findIn(HENK_S, B_S);
  if (N > 0) B_S = PfKMID24(HENK3_S, N, 1);
}
