#include "pradine.h"
#include "programs/common/aim_screen.h"
#include "programs/common/section_menu.h"
#include "section3.h"

namespace pradine {

void AIMSUMDIFF() { common::SHOWAIM(5, {"(x+3)(x-3)のような式を", "簡単に展開するための公式をつくろう。"}); }

void SECSUMDIFF() {
  static constexpr common::Routine SCENES[] = {SUMDIFFTASK, EXAMPLE5DRILL, PROBLEM4ANSWERS, PROBLEM5PROOF};
  AIMSUMDIFF();
  common::SECTIONMENU("①課題　②例5　③問4　④問５　⑤終了", SCENES, common::MenuEntry::SetTo10);
}

}  // namespace pradine
