#include "pradine.h"
#include "programs/common/aim_screen.h"
#include "programs/common/section_menu.h"
#include "section1.h"

namespace pradine {

void AIMPRODUCT() { common::SHOWAIM(5, {"(x+2)(x+3)のような式を", "簡単に展開するための公式をつくろう。"}); }

void SECPRODUCT() {
  static constexpr common::Routine SCENES[] = {PRODUCTTASK, EXAMPLE1DRILL, PROBLEM1ANSWERS};
  AIMPRODUCT();
  common::SECTIONMENU("①課題　②例1　③問1　④終了", SCENES, common::MenuEntry::SetTo10);
}

}  // namespace pradine
