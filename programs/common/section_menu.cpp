#include "section_menu.h"

#include <cstddef>

#include "engine/engine.h"

namespace common {

void SECTIONMENU(const std::string& line, std::span<const Routine> scenes, MenuEntry entry) {
  const std::size_t last = scenes.size() + 1;  // the item "終了"
  for (;;) {
    AA_S = line;
    MENUBAR();
    SENTAKU = AINP;
    if (entry == MenuEntry::SetTo10) AINP = 10;
    CLEARMENUBAR();
    if (SENTAKU < 1 || SENTAKU > static_cast<float>(last)) continue;
    const auto choice = static_cast<std::size_t>(ROUNDED(SENTAKU));
    if (choice == last) return;
    scenes[choice - 1]();
  }
}

}  // namespace common
