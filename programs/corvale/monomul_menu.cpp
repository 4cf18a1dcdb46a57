// Section 1's entry, its aim screen and its sub-menu.
#include "monomul.h"
#include "programs/common/aim_screen.h"
#include "programs/common/section_menu.h"

namespace corvale {

void AIMMONOMUL() { common::SHOWAIM(5, {"多項式×単項式、単項式×多項式の計算を考えよう。"}); }

void SECMONOMUL() {
  AIMMONOMUL();
  MENUMONOMUL();
}

void MENUMONOMUL() {
  static constexpr common::Routine SCENES[] = {CARDTRICK, FLOWERBED, EXAMPLEMONOMUL, ANSWERSMONOMUL};
  common::SECTIONMENU("①導入　②ひろげよう　③例１　④問1　⑤終了", SCENES, common::MenuEntry::SetTo10);
}

}  // namespace corvale
