#include "engine/engine.h"
#include "pradine.h"
#include "programs/common/page.h"
#include "programs/common/section_menu.h"
#include "section1.h"

namespace pradine {
namespace {

using common::PageRow;
constexpr auto F = PageRow::Kind::Formula;

constexpr PageRow AIM[] = {
    {F, 44, 240, 5, "<めあて>"},
    {F, 76, 305, 0, "(x+2)(x+3)のような式を"},
    {F, 76, 370, 0, "簡単に展開するための公式をつくろう。"},
};

}  // namespace

void AIMPRODUCT() {
  XI1 = 44;
  common::drawPage(AIM);
}

void SECPRODUCT() {
  static constexpr common::Routine SCENES[] = {PRODUCTTASK, EXAMPLE1DRILL, PROBLEM1ANSWERS};
  AIMPRODUCT();
  common::SECTIONMENU("①課題　②例1　③問1　④終了", SCENES, common::MenuEntry::SetTo10);
}

}  // namespace pradine
