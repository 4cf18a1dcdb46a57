#include "scene.h"

#include "engine/engine.h"

namespace pradine {

void textLine(float colour, float x, float y, const std::string& text) {
  CCC1 = colour;
  X = x;
  Y = y;
  AA_S = text;
  DRAWFORMULA();
  XI2 = X;
  YI1 = Y;
}

void eraseBox(float x, float y, float width, float height) {
  PsLINE(x, y, width, height, 15, LineMode::FilledBox, 15, Corner::Step);
}

void clearScene() { eraseBox(0, 0, 1320, 1300); }

int SECTIONMENU(const std::string& line, int items) {
  for (;;) {
    AA_S = line;
    MENUBAR();
    SENTAKU = AINP;
    AINP = 10;
    CLEARMENUBAR();
    if (SENTAKU >= 1 && SENTAKU <= static_cast<float>(items)) return ROUNDED(SENTAKU);
  }
}

float randomInt(float n, float m) { return PnFInt(PaRnd() * n) + m; }

void UNITCOEF(int element) {
  const float n = static_cast<float>(element);
  if (T_A(n) == 1) T_S_A(n) = "";
  if (T_A(n) == -1) T_S_A(n) = "-";
}

void SIGNCOEF(std::initializer_list<int> elements) {
  for (const int element : elements) {
    const float n = static_cast<float>(element);
    if (T_A(n) > 0) T_S_A(n) = "+" + T_S_A(n);
  }
}

}  // namespace pradine
