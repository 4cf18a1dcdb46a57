#include "engine/engine.h"
#include "fenwist.h"
#include "programs/common/page.h"
#include "scene.h"
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
  AIMCOMMONFACT();
  for (;;) {
    switch (SECTIONMENU("①意味　②まとめ１　③共通因数　④練習　⑤まとめ２　⑥問1　⑦終了", 7)) {
      case 1: FACTORMEANING(); break;
      case 2: SUMMARY1(); break;
      case 3: COMMONFACTORS(); break;
      case 4: COMMONFACTDRILL(); break;
      case 5: SUMMARY2(); break;
      case 6: PROBLEM1ANSWERS(); break;
      default: return;  // back to the main menu
    }
  }
}

}  // namespace fenwist
