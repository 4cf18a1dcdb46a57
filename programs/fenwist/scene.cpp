#include "scene.h"

#include "engine/engine.h"

namespace fenwist {

void textAt(float colour, float x, float y, const std::string& text) {
  CCC1 = colour;
  X = x;
  Y = y;
  AA_S = text;
  DRAWFORMULA();
}

void textLine(float colour, float x, float y, const std::string& text) {
  textAt(colour, x, y, text);
  XI2 = X;
  YI1 = Y;
}

void textAfter(float colour, const std::string& text) { textLine(colour, XI2, YI1, text); }

void eraseBox(float x, float y, float width, float height) {
  PsLINE(x, y, width, height, 15, LineMode::FilledBox, 15, Corner::Step);
}

void clearScene() { eraseBox(0, 0, 1320, 1300); }

void clearWindow() { eraseBox(0, 0, 1760, 1800); }


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

}  // namespace fenwist
