#include "mainmenu.h"

#include <array>
#include <cstddef>
#include <string>

#include "corvale.h"
#include "engine/engine.h"
#include "monomul.h"
#include "programs/common/menu_title.h"
#include "programs/common/scene.h"

namespace corvale {

const ProgramInfo PROGRAM{"Corvale", MAINMENU, false};

namespace {

struct MenuItem {
  const char* text;
  float y;
  float colour;
};

// Items at x 44, every 60 px from y 120, in alternating colours on the panel.
constexpr std::array<MenuItem, 6> ITEMS{{
    {"1　多項式と単項式の乗法", 120, 13},
    {"2　多項式と単項式の除法", 180, 15},
    {"3　多項式の乗法", 240, 13},
    {"4　", 300, 15},
    {"5　", 360, 13},
    {"6　終了", 420, 15},
}};

void drawMenu() {
  CLEARWORK();
  common::clearWindow();
  PsLINE(22, 10, 1320, 600, 15, LineMode::FilledBox, 10, Corner::Step);
  common::textLine(264, 30, 15, common::menuTitle());
  for (const MenuItem& item : ITEMS) common::textLine(44, item.y, item.colour, item.text);
  CCC1 = 0;
  X = KAIX - 240;
  Y = KAIY;
  AA_S = "番号を入力して下さい。";
  PROMPTTEXT();
}

}  // namespace

MenuTarget menuTarget(const std::string& typed) {
  switch (ROUNDED(PfVAL(typed))) {
    case 2: return MenuTarget::Section2;
    case 3: return MenuTarget::Section3;
    case 4: return MenuTarget::EmptyItem4;
    case 5: return MenuTarget::EmptyItem5;
    default: return MenuTarget::Section1;  // 1, and every number that names no item
  }
}

void MAINMENU() {
  for (;;) {
    drawMenu();
    ASKNUMBER();
    CLEARASK();
    if (AINP == 6) PsEND();
    if (AINP < 1 || AINP > 6) continue;
    common::clearWindow();
    switch (menuTarget(AINP_S)) {
      case MenuTarget::Section1: SECMONOMUL(); break;
      // Sections 2 and 3 are not built yet: their items draw the menu again.
      case MenuTarget::Section2: break;
      case MenuTarget::Section3: break;
      // EMPTYITEM4 and EMPTYITEM5: the items carry only their number and draw the menu again.
      case MenuTarget::EmptyItem4: break;
      case MenuTarget::EmptyItem5: break;
    }
  }
}

}  // namespace corvale
