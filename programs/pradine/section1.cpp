#include "engine/engine.h"
#include "pradine.h"
#include "programs/common/page.h"
#include "scene.h"
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
  AIMPRODUCT();
  for (;;) {
    switch (SECTIONMENU("①課題　②例1　③問1　④終了", 4)) {
      case 1: PRODUCTTASK(); break;
      case 2: EXAMPLE1DRILL(); break;
      case 3: PROBLEM1ANSWERS(); break;
      default: return;  // back to the main menu
    }
  }
}

}  // namespace pradine
