#include "engine/engine.h"
#include "fenwist.h"
#include "programs/common/main_menu.h"

namespace fenwist {
namespace {

constexpr const char* ITEMS[] = {
    "1　意味と共通因数", "2　和と差の積",     "3　平方の公式",     "4　x^2+(a+b)x+ab",
    "5　共通因数＋公式", "6　置き換え(a+b)", "7　P27(練習問題)", "8　終了",
};

}  // namespace

void MAINMENU() {
  for (;;) {
    // The menu writes only the drawing state: the layout cursor a section left stays as it was.
    common::readMainMenu({.items = ITEMS, .keepsCursor = true});
    // The range test reads the entry's value, the jump its leading number: for a/b that is a.
    switch (common::menuSelector(AINP_S)) {
      case 2: SECDIFFSQUARES(); break;
      case 3: SECPERFECTSQ(); break;
      case 4: SECTRINOMIAL(); break;
      case 5: SECCOMBINED(); break;
      case 6: SECREPLACE(); break;
      case 7: SECEXERCISES(); break;
      default: SECCOMMONFACT(); break;  // 1, and every number outside the list
    }
  }
}

const ProgramInfo PROGRAM{"Fenwist", MAINMENU, false};

}  // namespace fenwist
