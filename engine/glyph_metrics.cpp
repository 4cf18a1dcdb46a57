// The glyph classes of the formula typesetter: for each character that no markup character
// took, the face, size, offset and magnification it is drawn with and how far it moves the
// glyph cursor TX. Inside a fraction's numerator or denominator (BUN = 1) glyphs are drawn in
// the smaller fraction metrics. The layout uses these fixed advances, never the font's.
#include "platform/platform.h"
#include "runtime.h"
#include "state.h"
#include "strings.h"
#include "typeset_parts.h"

namespace {

struct Style {
  const char* face;
  float size;
  bool italic;
  float dx, dy;  // offset of the text's top-left corner from (TX, TY)
  int magX, magY;
  float advance;
};

// Draws ch in style s at the glyph cursor, returns to the base font (gothic, 16 pt, bold, upright
// after an italic letter) and advances the cursor.
void glyph(const std::string& ch, const Style& s) {
  FE_SETFONTNAME(s.face);
  FE_SETFONTSIZE(s.size);
  if (s.italic) FE_SETFONTITALIC(true);
  PsSYMBOL40(TX + s.dx, TY + s.dy, s.magX, s.magY, textColour(), ch);
  FE_SETFONTNAME(GOTHIC);
  FE_SETFONTSIZE(16);
  if (s.italic) FE_SETFONTITALIC(false);
  TX = CHECKED(TX + s.advance);
}

// A stroke of the drawn plus and minus: from (x, y) by the offset (dx, dy), pen width 5.
void stroke(float x, float y, float dx, float dy) {
  FE_SETDRAWWIDTH(5);
  PsLINE(x, y, dx, dy, textColour(), LineMode::Line, -1, Corner::Step);
}

// Plus and minus as line strokes; the minus sits a little above the plus's bar outside fractions.
void drawnSign(bool plus, bool inFraction) {
  if (inFraction) {
    stroke(TX + 6, TY + 14, 20, 0);
    if (plus) stroke(TX + 16, TY + 4, 0, 20);
    TX = CHECKED(TX + 32);
  } else {
    stroke(TX + 4, TY + (plus ? 22 : 20), 19, 0);
    if (plus) stroke(TX + 13, TY + 10, 0, 24);
    TX = CHECKED(TX + 27);
  }
}

// The script letter l. Ombrel draws it large from its own size in and out of fractions; the
// other programs draw it from the normal size.
void scriptLetter(bool inFraction) {
  if (!SCRIPT_L_TWO_RULES) return glyph("l", {"MT Extra", 16, false, 0, 0, 6, 3, 32});
  if (inFraction) return glyph("l", {"MT Extra", 38, false, 0, 0, 3, 1, 32});
  glyph("l", {"MT Extra", 56, false, 4, -4, 1, 1, 32});
}

}  // namespace

int textColour() { return ROUNDED(CCC1); }

void drawMetricGlyph(const std::string& ch) {
  const bool inFraction = BUN == 1;
  const bool wide = PfLEN(ch) == 2;
  // Marks and brackets first: a pending exponent or index waits for the character after them.
  if (ch == ".") return glyph(ch, {GOTHIC, 16, false, -3, 14, 3, 2, 8});
  if (ch == "'" || ch == "°") return glyph(ch, {GOTHIC, 16, false, 0, 0, 3, 3, 12});
  if (ch == "(" && KAKKO == 1) return glyph(ch, {GOTHIC, 16, false, -4, -6, 3, 4, 27});
  if (ch == ")" && KAKKO == 1) {
    glyph(ch, {GOTHIC, 16, false, 6, -6, 3, 4, 27});
    KAKKO = 0;  // the tall pair ends here
    return;
  }
  if (ch == "=") return glyph(ch, {GOTHIC, 14, false, 4, 0, 3, 3, 32});
  // A pending high index or exponent takes whatever character comes, drawn upright in the gothic face.
  if (JYOUK == 1) {
    JYOUK = 0;
    return glyph(ch, {GOTHIC, 8, false, 0, -10, 6, 3, 24});
  }
  if (JYOU == 1) {
    JYOU = 0;
    if (inFraction) return glyph(ch, {GOTHIC, 8, false, 0, -4, 6, 3, 24});
    return glyph(ch, {GOTHIC, 16, false, 0, 0, 3, 2, 24});
  }
  if (ch == "a" || ch == "x" || ch == "c") {
    if (inFraction) return glyph(ch, {"Times New Roman", 8, true, 4, -16, 12, 5, 32});
    return glyph(ch, {"Times New Roman", 8, true, 4, -22, 10, 7, 27});
  }
  if (ch == "l") return scriptLetter(inFraction);
  if (ch == "-" || ch == "+") return drawnSign(ch == "+", inFraction);
  if ((ch == "×" || ch == "÷" || ch == "±") && !inFraction) return glyph(ch, {GOTHIC, 16, false, -4, 0, 2, 3, 27});
  if (ch == " ") {
    TX = CHECKED(TX + 27);
    return;
  }
  if (wide) {
    if (inFraction) return glyph(ch, {GOTHIC, 11, false, 0, 0, 3, 3, 38});
    return glyph(ch, {GOTHIC, 16, false, 0, 0, 2, 3, 34});
  }
  if (inFraction) return glyph(ch, {GOTHIC, 16, false, 0, 0, 4, 2, 32});
  glyph(ch, {GOTHIC, 16, false, 0, 0, 3, 3, 27});
}
