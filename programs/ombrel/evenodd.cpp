// Section 2, even and odd properties: entry, aim screen and sub-menu.
#include <array>

#include "programs/common/aim_screen.h"
#include "programs/common/section_menu.h"
#include "programs/ombrel/evenodd.h"
#include "programs/ombrel/frame.h"
#include "programs/ombrel/sections.h"

namespace ombrel {

void AIMEVENODD() { common::SHOWAIM(5, {"式の計算を利用して、偶数や奇数の性質を調べよう。"}); }

void SECEVENODD() {
  static constexpr std::array<Routine, 5> SCENES = {BANDFIGURE, EVENTABLE, EVENPROOF, ODDTABLE, ODDPROOF};
  AIMEVENODD();
  common::SECTIONMENU("①P28　②偶数予想　③偶数証明　④奇数予想　⑤奇数証明　⑥終了", SCENES, common::MenuEntry::Kept);
}

}  // namespace ombrel
