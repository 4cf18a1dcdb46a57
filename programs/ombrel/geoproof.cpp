// Section 5, geometric proofs: entry, aim screen and sub-menu.
#include <array>

#include "programs/common/aim_screen.h"
#include "programs/common/section_menu.h"
#include "programs/ombrel/geoproof.h"
#include "programs/ombrel/sections.h"

namespace ombrel {

void AIMGEOPROOF() { common::SHOWAIM(5, {"式の計算を利用して、図形の性質を証明しよう。"}); }

void SECGEOPROOF() {
  static constexpr std::array<common::Routine, 3> SCENES = {
      [] { common::drawPage(ROAD_SCENE); },
      [] { common::drawPage(ROUND_POND_PROOF); },
      [] { common::drawPage(SQUARE_POND_PROOF); },
  };
  AIMGEOPROOF();
  common::SECTIONMENU("①ひろげよう　②例題２　③問６　 ④終了", SCENES, common::MenuEntry::Kept);
}

}  // namespace ombrel
