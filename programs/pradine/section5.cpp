#include "engine/engine.h"
#include "pradine.h"
#include "programs/common/page.h"
#include "programs/common/section_menu.h"
#include "section5.h"

namespace pradine {
namespace {

using namespace common::page_rows;

constexpr PageRow AIM[] = {
    text(44, 240, 5, "<めあて>"),
    text(44, 305, 0, "(a+b-2)(a+b+2) のような式を展開しよう。"),
};

}  // namespace

void AIMSUBST() {
  XI1 = 44;
  common::drawPage(AIM);
}

void SECSUBST() {
  static constexpr common::Routine SCENES[] = {SUBSTFIGUREDRILL, BOXTASK, SUBSTEXAMPLE, ANSWERS7};
  AIMSUBST();
  common::SECTIONMENU("①図　②課題　③例題２　④問７　⑤終了", SCENES, common::MenuEntry::SetTo10);
}

}  // namespace pradine
