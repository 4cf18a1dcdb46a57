#include "fenwist.h"
#include "programs/common/aim_screen.h"
#include "programs/common/section_menu.h"
#include "section1.h"

namespace fenwist {

void AIMCOMMONFACT() {
  common::SHOWAIM(3, {"1 因数、因数分解の意味を理解しよう。", "2 共通因数をくくり出して、因数分解しよう。"});
}

void SECCOMMONFACT() {
  static constexpr common::Routine SCENES[] = {FACTORMEANING, SUMMARY1, COMMONFACTORS,
                                               COMMONFACTDRILL, SUMMARY2, PROBLEM1ANSWERS};
  AIMCOMMONFACT();
  common::SECTIONMENU("①意味　②まとめ１　③共通因数　④練習　⑤まとめ２　⑥問1　⑦終了", SCENES,
                      common::MenuEntry::SetTo10);
}

}  // namespace fenwist
