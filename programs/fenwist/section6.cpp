// Section 6: factorising by substitution.
#include "aim_one_line.h"
#include "fenwist.h"
#include "programs/common/section_menu.h"
#include "section6.h"

namespace fenwist {

void AIMREPLACE() { AIMONELINE(" 置きかえて因数分解しよう。"); }

void SECREPLACE() {
  static constexpr common::Routine SCENES[] = {REPLACEEXAMPLE, REPLACEANSWERS, REPLACEDISCUSS};
  AIMREPLACE();
  common::SECTIONMENU("①例題２　②問11　③話しあおう　④終了", SCENES, common::MenuEntry::Kept);
}

}  // namespace fenwist
