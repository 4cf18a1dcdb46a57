// Section 7: the exercise answers. No aim screen: the main menu opens the sub-menu at once.
#include "fenwist.h"
#include "programs/common/section_menu.h"
#include "section7.h"

namespace fenwist {

void SECEXERCISES() {
  static constexpr common::Routine SCENES[] = {EXERCISE12ANSWERS, EXERCISE3ANSWERS, EXERCISE4ANSWERS,
                                               EXERCISE5ANSWERS};
  common::SECTIONMENU("P27練習問題　①1,2　②3　③4　④5　⑤終了", SCENES, common::MenuEntry::Kept);
}

}  // namespace fenwist
