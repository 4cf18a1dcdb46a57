// Section 6: factorising by substitution.
#include "fenwist.h"
#include "programs/common/aim_screen.h"
#include "programs/common/section_menu.h"
#include "section6.h"

namespace fenwist {

void AIMREPLACE() { common::SHOWAIM(3, {" 置きかえて因数分解しよう。"}, {.indent = 0, .gap = 90}); }

void SECREPLACE() {
  static constexpr common::Routine SCENES[] = {REPLACEEXAMPLE, REPLACEANSWERS, REPLACEDISCUSS};
  AIMREPLACE();
  common::SECTIONMENU("①例題２　②問11　③話しあおう　④終了", SCENES, common::MenuEntry::Kept);
}

}  // namespace fenwist
