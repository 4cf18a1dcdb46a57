#include "scene.h"

#include "engine/engine.h"

namespace fenwist {

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
