#include "engine/engine.h"
#include "pradine.h"
#include "programs/common/main_menu.h"

namespace pradine {
namespace {

// Item 7 is its number alone.
constexpr const char* ITEMS[] = {
    "1　(x+a)(x+b)の展開", "2　平方の公式",     "3　和と差の積", "4　公式を使った計算",
    "5　置き換え",         "6　P20(練習問題)", "7　",           "8　終了",
};

}  // namespace

void MAINMENU() {
  for (;;) {
    common::readMainMenu({.items = ITEMS});
    // The range test reads the entry's value, the jump its leading number: for a/b that is a.
    switch (common::menuSelector(AINP_S)) {
      case 1: SECPRODUCT(); break;
      case 2: SECSQUARE(); break;
      case 3: SECSUMDIFF(); break;
      case 4: SECPRACTICE(); break;
      case 5: SECSUBST(); break;
      case 6: SECEXERCISES(); break;
      default: break;  // item 7, and the sections still to come: the menu again
    }
  }
}

const ProgramInfo PROGRAM{"Pradine", MAINMENU, false};

}  // namespace pradine
