#include "mainmenu.h"

#include <array>
#include <cstddef>
#include <string>

#include "corvale.h"
#include "engine/engine.h"
#include "monomul.h"
#include "scene.h"

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

// The title in full-width characters. Drawn as formula markup, the half-width letters a, c and
// x would come out as italic letters and l as a script letter, which spoils a name ("Corvale").
std::string fullWidth(const std::string& text) {
  std::string wide;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    int code = 0;  // the double-byte code of a half-width letter or digit
    if (c >= '0' && c <= '9') code = 0x824F + (c - '0');
    if (c >= 'A' && c <= 'Z') code = 0x8260 + (c - 'A');
    if (c >= 'a' && c <= 'z') code = 0x8281 + (c - 'a');
    if (code != 0) {
      wide.push_back(static_cast<char>(code >> 8));
      wide.push_back(static_cast<char>(code & 0xFF));
    } else {
      wide.push_back(text[i]);
      if (isLeadByte(c) && i + 1 < text.size()) wide.push_back(text[++i]);
    }
  }
  return wide;
}

void drawMenu() {
  CLEARWORK();
  clearBox(0, 0, 1760, 1800);
  PsLINE(22, 10, 1320, 600, 15, LineMode::FilledBox, 10, Corner::Step);
  textLine(264, 30, 15, "＜" + fullWidth(TITLE_S) + "　メニュー＞");
  for (const MenuItem& item : ITEMS) textLine(44, item.y, item.colour, item.text);
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
    clearBox(0, 0, 1760, 1800);
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
