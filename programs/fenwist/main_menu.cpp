#include "engine/engine.h"
#include "fenwist.h"
#include "programs/common/menu_title.h"
#include "programs/common/scene.h"

namespace fenwist {
namespace {

struct MenuLine {
  float colour;
  float x;
  float y;
  const char* text;
};

// The numbered items, 60 px apart, odd ones in colour 13 and even ones in 15.
constexpr MenuLine ITEMS[] = {
    {13, 44, 120, "1　意味と共通因数"},
    {15, 44, 180, "2　和と差の積"},
    {13, 44, 240, "3　平方の公式"},
    {15, 44, 300, "4　x^2+(a+b)x+ab"},
    {13, 44, 360, "5　共通因数＋公式"},
    {15, 44, 420, "6　置き換え(a+b)"},
    {13, 44, 480, "7　P27(練習問題)"},
    {15, 44, 540, "8　終了"},
};

void drawMenu() {
  CLEARWORK();
  common::clearWindow();
  PsLINE(22, 10, 1320, 600, 15, LineMode::FilledBox, 10, Corner::Step);
  // The menu writes only the drawing state: the layout cursor a section left stays as it was.
  common::textAt(264, 30, 15, common::menuTitle());
  for (const MenuLine& line : ITEMS) common::textAt(line.x, line.y, line.colour, line.text);
}

}  // namespace

void MAINMENU() {
  for (;;) {
    drawMenu();
    ASKNUMBER();
    CLEARASK();
    if (AINP == 8) PsEND();
    if (AINP < 1 || AINP > 8) continue;
    common::clearWindow();
    // The range test reads the entry's value, the jump its leading number: for a/b that is a.
    switch (ROUNDED(PfVAL(AINP_S))) {
      case 2: SECDIFFSQUARES(); break;
      case 3: SECPERFECTSQ(); break;
      case 4:
      case 5:
      case 6:
      case 7: break;  // sections still to come: the menu again
      default: SECCOMMONFACT(); break;  // 1, and every number outside the list
    }
  }
}

const ProgramInfo PROGRAM{"Fenwist", MAINMENU, false};

}  // namespace fenwist
