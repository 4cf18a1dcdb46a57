#include "main_menu.h"

#include <cstddef>

#include "engine/engine.h"
#include "menu_title.h"
#include "scene.h"

namespace common {

void readMainMenu(const MainMenu& menu) {
  const auto text = menu.keepsCursor ? textAt : textLine;
  const auto last = static_cast<float>(menu.items.size());
  for (;;) {
    CLEARWORK();
    clearWindow();
    PsLINE(22, 10, 1320, 600, 15, LineMode::FilledBox, 10, Corner::Step);
    text(264, 30, 15, menuTitle());
    for (std::size_t k = 0; k < menu.items.size(); ++k) text(44, 120 + 60.0f * k, k % 2 == 0 ? 13 : 15, menu.items[k]);
    if (menu.writesPrompt) {
      CCC1 = 0;
      X = KAIX - 240;
      Y = KAIY;
      AA_S = "番号を入力して下さい。";
      PROMPTTEXT();
    }
    ASKNUMBER();
    CLEARASK();
    if (AINP == last) PsEND();
    if (AINP < 1 || AINP > last) continue;
    clearWindow();
    return;
  }
}

int menuSelector(const std::string& typed) { return ROUNDED(PfVAL(typed)); }

}  // namespace common
