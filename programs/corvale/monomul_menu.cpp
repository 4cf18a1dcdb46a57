// Section 1's entry, its aim screen and its sub-menu.
#include <array>

#include "engine/engine.h"
#include "monomul.h"
#include "programs/common/page.h"

namespace corvale {

namespace {

using Row = common::PageRow;

constexpr std::array<Row, 2> AIM{{
    {Row::Kind::Formula, 44, 240, 5, "<めあて>"},
    {Row::Kind::Formula, 76, 305, 0, "多項式×単項式、単項式×多項式の計算を考えよう。"},
}};

}  // namespace

void AIMMONOMUL() {
  XI1 = 44;
  common::drawPage(AIM);
}

void SECMONOMUL() {
  AIMMONOMUL();
  MENUMONOMUL();
}

void MENUMONOMUL() {
  for (;;) {
    AA_S = "①導入　②ひろげよう　③例１　④問1　⑤終了";
    MENUBAR();
    SENTAKU = AINP;
    AINP = 10;
    CLEARMENUBAR();
    // A choice outside the line asks again; nothing but the bottom bar changes.
    if (SENTAKU < 1 || SENTAKU > 5) continue;
    switch (ROUNDED(SENTAKU)) {
      case 1: CARDTRICK(); break;
      case 2: FLOWERBED(); break;
      case 3: EXAMPLEMONOMUL(); break;
      case 4: ANSWERSMONOMUL(); break;
      default: return;  // 5: back to the main menu
    }
  }
}

}  // namespace corvale
