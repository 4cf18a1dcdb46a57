// Section 3, mental arithmetic: entry, aim screen and sub-menu.
#include <array>

#include "programs/common/aim_screen.h"
#include "programs/common/section_menu.h"
#include "programs/ombrel/frame.h"
#include "programs/ombrel/numcalc.h"
#include "programs/ombrel/sections.h"

namespace ombrel {

void AIMNUMCALC() { common::SHOWAIM(5, {"因数分解・展開を利用して数の計算をしよう。"}); }

void SECNUMCALC() {
  static constexpr std::array<Routine, 6> SCENES = {INTRODRILLS, EXAMPLE1, ANSWERS3, EXAMPLE2, PRACTICE, ANSWERS4};
  AIMNUMCALC();
  common::SECTIONMENU("①導入　②例1　③問3　④例２　⑤練習　⑥問4　⑦終了", SCENES, common::MenuEntry::Kept);
}

}  // namespace ombrel
