#include "engine/engine.h"
#include "fenwist.h"
#include "programs/common/page.h"
#include "programs/common/section_menu.h"
#include "section1.h"

namespace fenwist {
namespace {

using common::PageRow;
constexpr auto F = PageRow::Kind::Formula;

constexpr PageRow AIM[] = {
    {F, 44, 240, 3, "<めあて>"},
    {F, 76, 305, 0, "1 因数、因数分解の意味を理解しよう。"},
    {F, 76, 370, 0, "2 共通因数をくくり出して、因数分解しよう。"},
};

}  // namespace

void AIMCOMMONFACT() {
  XI1 = 44;
  common::drawPage(AIM);
}

void SECCOMMONFACT() {
  static constexpr common::Routine SCENES[] = {FACTORMEANING, SUMMARY1,  COMMONFACTORS,
                                               COMMONFACTDRILL, SUMMARY2, PROBLEM1ANSWERS};
  AIMCOMMONFACT();
  common::SECTIONMENU("①意味　②まとめ１　③共通因数　④練習　⑤まとめ２　⑥問1　⑦終了", SCENES,
                      common::MenuEntry::SetTo10);
}

}  // namespace fenwist
