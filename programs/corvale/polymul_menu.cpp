// Section 3's entry, its aim screen and its sub-menu.
#include "polymul.h"
#include "programs/common/aim_screen.h"
#include "programs/common/section_menu.h"

namespace corvale {

void AIMPOLYMUL() { common::SHOWAIM(5, {"多項式×多項式の計算を考えよう。"}); }

void SECPOLYMUL() {
  AIMPOLYMUL();
  MENUPOLYMUL();
}

void MENUPOLYMUL() {
  static constexpr common::Routine SCENES[] = {EXPANDBED, EXAMPLE5,     ANSWERSPROB3,   EXAMPLE6, ANSWERSPROB4,
                                               EXAMPLE7,  ANSWERSPROB5, SUMMARYPOLYMUL, EXAMPLE8, ANSWERSPROB6};
  common::SECTIONMENU(" ①ひろげ　②例５　③問３　④例６　⑤問４　⑥例７　⑦問5　⑧まとめ　⑨例8 ⑩問6　⑪終", SCENES,
                      common::MenuEntry::SetTo10);
}

}  // namespace corvale
