#include "engine/engine.h"
#include "pradine.h"
#include "programs/common/menu_title.h"
#include "programs/common/page.h"
#include "programs/common/scene.h"

namespace pradine {
namespace {

using common::PageRow;
constexpr auto F = PageRow::Kind::Formula;

// The numbered items, 60 px apart, odd ones in colour 13 and even ones in 15. Item 7 is its
// number alone.
constexpr PageRow ITEMS[] = {
    {F, 44, 120, 13, "1　(x+a)(x+b)の展開"},
    {F, 44, 180, 15, "2　平方の公式"},
    {F, 44, 240, 13, "3　和と差の積"},
    {F, 44, 300, 15, "4　公式を使った計算"},
    {F, 44, 360, 13, "5　置き換え"},
    {F, 44, 420, 15, "6　P20(練習問題)"},
    {F, 44, 480, 13, "7　"},
    {F, 44, 540, 15, "8　終了"},
};

void drawMenu() {
  CLEARWORK();
  common::clearWindow();
  PsLINE(22, 10, 1320, 600, 15, LineMode::FilledBox, 10, Corner::Step);
  common::textLine(264, 30, 15, common::menuTitle());
  common::drawPage(ITEMS);
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
      case 1: SECPRODUCT(); break;
      default: break;  // item 7, and the sections still to come: the menu again
    }
  }
}

const ProgramInfo PROGRAM{"Pradine", MAINMENU, false};

}  // namespace pradine
