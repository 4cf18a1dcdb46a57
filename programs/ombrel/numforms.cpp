// Section 1, numbers written with letters: entry, aim screen and sub-menu.
#include <array>

#include "programs/common/aim_screen.h"
#include "programs/common/section_menu.h"
#include "programs/ombrel/frame.h"
#include "programs/ombrel/numforms.h"
#include "programs/ombrel/sections.h"

namespace ombrel {

void AIMNUMFORMS() { common::SHOWAIM(5, {"文字を使って倍数や偶数、奇数を表そう。"}); }

void SECNUMFORMS() {
  static constexpr std::array<Routine, 5> SCENES = {MULTIPLES, EVENNUMBERS, ODDNUMBERS, CONSECUTIVE, FORMSSUMMARY};
  AIMNUMFORMS();
  common::SECTIONMENU("①倍数　②偶数　③奇数　④連続　⑤まとめ　⑥終了", SCENES, common::MenuEntry::Kept);
}

}  // namespace ombrel
