// The coordinate plane: its layout from ranges, scales and cell size, the grid with whole-number
// coordinates every fifth line, the axes and their letters; and decimal coordinates.
#include <cmath>
#include <string>

#include "loops.h"
#include "plane.h"
#include "platform/platform.h"
#include "prompts.h"
#include "runtime.h"
#include "state.h"
#include "strings.h"

namespace {

// 0 counts as 1 and a negative scale as its size.
float usableScale(float scale) { return scale == 0 ? 1.0f : std::fabs(scale); }

bool multipleOf5(float counter) { return ROUNDED(counter) % 5 == 0; }

std::string numberText(float v) {
  A_S = PfSTR244(v);
  STRIPBLANKS();
  return A_S;
}

// Coordinates are written straight with the platform's text, in colour 0, magnification 2,1.
void label(float x, float y, const std::string& text) {
  CCC1 = 0;
  X = x;
  Y = y;
  AA_S = text;
  if (!text.empty()) PsSYMBOL40(x, y, 2, 1, 0, text);
}

// A fifth line's coordinate: none at the origin, none when the numbers are switched off.
std::string gridNumber(float counter) { return counter == 0 || NASI == -1 ? "" : numberText(counter); }

float characters(const std::string& text) { return static_cast<float>(PfKLEN(text)); }

// The first decimal of |v| beside its whole part: "-7" and "5" read as -7.5, the point drawn apart.
struct DecimalText {
  std::string whole;  // whole part, "-" in front for a negative value
  std::string label;  // whole part followed by the decimal digit unless it is 0
  bool hasDigit;
};

DecimalText decimalText(float v) {
  P1 = PnFInt(std::fabs(v));
  P2 = PnFInt(10 * std::fabs(v)) - 10 * P1;
  P1_S = (v < 0 ? "-" : "") + numberText(P1);
  P2_S = numberText(P2);
  return {P1_S, P2 == 0 ? P1_S : P1_S + P2_S, P2 != 0};
}

}  // namespace

void AXES() {
  DR = FE_GETDRAWWIDTH();
  BAIX = usableScale(BAIX);
  BAIY = usableScale(BAIY);
  AA1 = AA1 / BAIX;
  AA2 = AA2 / BAIX;
  BB1 = BB1 / BAIY;
  BB2 = BB2 / BAIY;
  if (GGX == 0 && GGY == 0) {
    GGX = 640;
    GGY = 180;
  }
  GX0 = GGX + SIZE * std::fabs(AA1);
  GY0 = GGY + SIZE * BB2;
  GX1 = GGX;
  GY1 = GGY;
  GX2 = GX0 + SIZE * AA2;
  GY2 = GY0 + SIZE * std::fabs(BB1);
  SIZE1 = SIZE < 40 ? 26.0f : 30.0f;
  FE_SETFONTSIZE(SIZE1);

  if (CCC2 != 0) {
    // Thin lines half a pixel off, then every fifth line heavy over them, with its number.
    FOR(II, AA1, AA2, [] {
      FE_SETDRAWWIDTH(1);
      PsLINE(GX0 + SIZE * II - 0.5f, GY1, GX0 + SIZE * II - 0.5f, GY2, 0);
    });
    FOR(II, BB1, BB2, [] { PsLINE(GX1, GY0 - SIZE * II - 0.5f, GX2, GY0 - SIZE * II - 0.5f, 0); });
    FOR(II, AA1, AA2, [] {
      if (!multipleOf5(II)) return;
      FE_SETDRAWWIDTH(3);
      PsLINE(GX0 + SIZE * II, GY1, GX0 + SIZE * II, GY2, 1);
      const std::string text = gridNumber(II);
      label(GX0 + SIZE * II - SIZE1 * characters(text) / 2, GY0, text);
    });
    FOR(II, BB1, BB2, [] {
      if (!multipleOf5(II)) return;
      FE_SETDRAWWIDTH(3);
      PsLINE(GX1, GY0 - SIZE * II, GX2, GY0 - SIZE * II, 1);
      const std::string text = gridNumber(II);
      label(GX0 - SIZE1 * characters(text), GY0 - SIZE * II - SIZE1 / 2 - 4, text);
    });
  }

  FE_SETDRAWWIDTH(4);
  PsLINE(GX0, GY1, GX0, GY2, 0);
  PsLINE(GX1, GY0, GX2, GY0, 0);

  FE_SETFONTBOLD(true);
  FE_SETFONTNAME("Times New Roman");
  FE_SETFONTSIZE(0.8f * SIZE1);
  FE_SETFONTITALIC(true);
  CCC1 = 0;
  PsSYMBOL40(GX2 - 0.8f * SIZE1, GY0 - 1.5f * SIZE1, 3, 2, 0, "x");
  FE_SETFONTNAME("ゴシック");
  FE_SETFONTSIZE(SIZE1);
  FE_SETFONTITALIC(false);
  label(GX0 - SIZE1, GY0, "0");
  label(GX0, GY1 - SIZE1 / 2, "y");

  FE_SETFONTBOLD(false);
  FE_SETFONTSIZE(16);
  FE_SETDRAWWIDTH(DR);
  NASI = 0;
}

void AXESDECIMAL() {
  FE_SETFONTSIZE(SIZE1);
  FOR(II, AA1, AA2, [] {
    if (II == 0 || !multipleOf5(II)) return;
    const DecimalText t = decimalText(II * BAIX);
    const float x = GX0 + SIZE * II - SIZE1 * characters(t.label) / 2;
    label(x, GY0 + 4, t.label);
    if (t.hasDigit) label(x + SIZE1 * characters(t.whole) - 6, GY0 + 8, ".");
  });
  FOR(II, BB1, BB2, [] {
    if (II == 0 || !multipleOf5(II)) return;
    const DecimalText t = decimalText(II * BAIY);
    const float x = GX0 - SIZE1 * characters(t.label);
    const float y = GY0 - SIZE * II - SIZE1 / 2;
    label(x, y, t.label);
    if (t.hasDigit) label(x + SIZE1 * characters(t.whole) - 6, y + 4, ".");
  });
  FE_SETFONTSIZE(16);
}
