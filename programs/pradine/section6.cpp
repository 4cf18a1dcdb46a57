#include "engine/engine.h"
#include "pradine.h"
#include "programs/common/scene.h"
#include "programs/common/section_menu.h"
#include "section6.h"
#include "task_kit.h"

namespace pradine {

void SHEETFRAME(const char* number) {
  common::clearScene();
  TEXTCOLUMN(40);
  common::formulaBoxLine(XI1, YI1, {396, 46, 0, 3, 13}, "P20練習問題");
  common::formulaBoxLine(XI2 + 20, YI1, {40, 44, 13, 4, 3}, number);
}

// No aim screen: the section is its menu of sheets.
void SECEXERCISES() {
  static constexpr common::Routine SHEETS[] = {ANSWERSHEET1, ANSWERSHEET2, ANSWERSHEET3};
  common::SECTIONMENU("P20練習問題　①,②,③→問題 　④終了", SHEETS, common::MenuEntry::SetTo10);
}

}  // namespace pradine
