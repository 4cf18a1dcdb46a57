#include "engine/engine.h"
#include "globals.h"
#include "pradine.h"
#include "programs/common/scene.h"
#include "programs/common/section_menu.h"
#include "section6.h"

namespace pradine {

void SHEETFRAME(const char* number) {
  common::clearScene();
  XI0 = 40;
  XI1 = XI0 + 54;
  YI1 = 30;
  X = XI1;
  Y = YI1;
  HABA = 396;
  TATE = 46;
  CCC1 = 0;
  CCC2 = 3;
  CCC3 = 13;
  A_S = "P20練習問題";
  BOXFORMULA();
  XI2 = X;
  YI1 = Y;
  X = XI2 + 20;
  Y = YI1;
  HABA = 40;
  TATE = 44;
  CCC1 = 13;
  CCC2 = 4;
  CCC3 = 3;
  A_S = number;
  BOXFORMULA();
  XI2 = X;
  YI1 = Y;
}

// No aim screen: the section is its menu of sheets.
void SECEXERCISES() {
  static constexpr common::Routine SHEETS[] = {ANSWERSHEET1, ANSWERSHEET2, ANSWERSHEET3};
  common::SECTIONMENU("P20練習問題　①,②,③→問題 　④終了", SHEETS, common::MenuEntry::SetTo10);
}

}  // namespace pradine
