#include "engine/engine.h"
#include "pradine.h"
#include "programs/common/page.h"
#include "programs/common/section_menu.h"
#include "section4.h"

namespace pradine {
namespace {

using namespace common::page_rows;

// Two numbered aims: the number and its blank in colour 3, the sentence right after it.
constexpr PageRow AIM[] = {
    text(44, 240, 5, "<めあて>"),
    text(44, 305, 3, "1 "),
    after(0, "公式を使う練習をしよう。"),
    text(44, 370, 3, "2 "),
    after(0, "3(x+5)^2-(x+3)(x-3) のような式を計算しよう。"),
};

}  // namespace

void AIMPRACTICE() {
  XI1 = 44;
  common::drawPage(AIM);
}

void SECPRACTICE() {
  static constexpr common::Routine SCENES[] = {MIXEDDRILL, COMBINEDEXAMPLE, ANSWERS6};
  AIMPRACTICE();
  common::SECTIONMENU("①公式練習　②例題１　③問６　④終了", SCENES, common::MenuEntry::SetTo10);
}

}  // namespace pradine
