// Section 1's entry, its aim screen and its sub-menu.
#include <array>

#include "engine/engine.h"
#include "monomul.h"
#include "programs/common/page.h"
#include "programs/common/section_menu.h"

namespace corvale {

namespace {

using Row = common::PageRow;

constexpr std::array<Row, 2> AIM{{
    {Row::Kind::Formula, 44, 240, 5, "<めあて>"},
    {Row::Kind::Formula, 76, 305, 0, "多項式×単項式、単項式×多項式の計算を考えよう。"},
}};

}  // namespace

void AIMMONOMUL() {
  XI1 = 44;
  common::drawPage(AIM);
}

void SECMONOMUL() {
  AIMMONOMUL();
  MENUMONOMUL();
}

void MENUMONOMUL() {
  static constexpr common::Routine SCENES[] = {CARDTRICK, FLOWERBED, EXAMPLEMONOMUL, ANSWERSMONOMUL};
  common::SECTIONMENU("①導入　②ひろげよう　③例１　④問1　⑤終了", SCENES, common::MenuEntry::SetTo10);
}

}  // namespace corvale
