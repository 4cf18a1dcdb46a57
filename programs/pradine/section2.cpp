#include "pradine.h"
#include "programs/common/aim_screen.h"
#include "programs/common/section_menu.h"
#include "section2.h"

namespace pradine {

void AIMSQUARE() { common::SHOWAIM(5, {"(x+2)^2,(x-3)^2のような式を", "簡単に展開するための公式をつくろう。"}); }

void SECSQUARE() {
  static constexpr common::Routine SCENES[] = {SQUARETASK,     EXAMPLE2DRILL, PROBLEM2ANSWERS,
                                               EXAMPLE3SQUARE, BOXPRACTICE,   PROBLEM3ANSWERS};
  AIMSQUARE();
  common::SECTIONMENU("①課題　②例2　③問２　④例3　⑤練習　⑥問３　⑦終了", SCENES, common::MenuEntry::SetTo10);
}

}  // namespace pradine
