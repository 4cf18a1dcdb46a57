// Section 2's entry, its aim screen and its sub-menu.
#include "monodiv.h"
#include "programs/common/aim_screen.h"
#include "programs/common/section_menu.h"

namespace corvale {

void AIMMONODIV() { common::SHOWAIM(5, {"多項式/単項式の計算を考えよう。"}); }

void SECMONODIV() {
  AIMMONODIV();
  MENUMONODIV();
}

void MENUMONODIV() {
  static constexpr common::Routine SCENES[] = {REVIEWMONODIV, EXAMPLEMONODIV, ANSWERSMONODIV};
  common::SECTIONMENU("①復習　②例3　③問2　④終了", SCENES, common::MenuEntry::Kept);
}

}  // namespace corvale
