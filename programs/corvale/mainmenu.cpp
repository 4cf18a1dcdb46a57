#include "mainmenu.h"

#include <string>

#include "corvale.h"
#include "engine/engine.h"
#include "monodiv.h"
#include "monomul.h"
#include "polymul.h"
#include "programs/common/main_menu.h"

namespace corvale {

const ProgramInfo PROGRAM{"Corvale", MAINMENU, false};

namespace {

constexpr const char* ITEMS[] = {
    "1　多項式と単項式の乗法", "2　多項式と単項式の除法", "3　多項式の乗法", "4　", "5　", "6　終了",
};

}  // namespace

MenuTarget menuTarget(const std::string& typed) {
  switch (common::menuSelector(typed)) {
    case 2: return MenuTarget::Section2;
    case 3: return MenuTarget::Section3;
    case 4: return MenuTarget::EmptyItem4;
    case 5: return MenuTarget::EmptyItem5;
    default: return MenuTarget::Section1;  // 1, and every number that names no item
  }
}

void MAINMENU() {
  for (;;) {
    common::readMainMenu({.items = ITEMS, .writesPrompt = true});
    switch (menuTarget(AINP_S)) {
      case MenuTarget::Section1: SECMONOMUL(); break;
      case MenuTarget::Section2: SECMONODIV(); break;
      case MenuTarget::Section3: SECPOLYMUL(); break;
      // EMPTYITEM4 and EMPTYITEM5: the items carry only their number and draw the menu again.
      case MenuTarget::EmptyItem4: break;
      case MenuTarget::EmptyItem5: break;
    }
  }
}

}  // namespace corvale
