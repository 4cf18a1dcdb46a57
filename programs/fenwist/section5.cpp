// Section 5: factorising by taking out the common factor first and then applying a formula to
// what stays in the bracket.
#include "fenwist.h"
#include "programs/common/aim_screen.h"
#include "programs/common/section_menu.h"
#include "section5.h"

namespace fenwist {

void AIMCOMBINED() { common::SHOWAIM(3, {" 共通因数と公式を使って因数分解しよう。"}, {.indent = 0, .gap = 90}); }

void SECCOMBINED() {
  static constexpr common::Routine SCENES[] = {COMBINEDEXAMPLE1, PROBLEM10ANSWERS};
  AIMCOMBINED();
  common::SECTIONMENU("①例題１　②問10　③終了", SCENES, common::MenuEntry::Kept);
}

}  // namespace fenwist
