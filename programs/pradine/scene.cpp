#include "scene.h"

#include "engine/engine.h"

namespace pradine {

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
