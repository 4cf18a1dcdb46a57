// Section 4: factorising x^2+(a+b)x+ab by the two numbers whose product is the constant and whose
// sum is the coefficient of x, and choosing the formula that fits a trinomial.
#include "fenwist.h"
#include "programs/common/aim_screen.h"
#include "programs/common/section_menu.h"
#include "section4.h"

namespace fenwist {

void AIMTRINOMIAL() {
  common::SHOWAIM(3, {"1 x^2+(a+b)x+abの公式を使って、因数分解しよう。",
                      "2 公式の使い分けができるようになろう。"});
}

void SECTRINOMIAL() {
  static constexpr common::Routine SCENES[] = {TRINOMIALEXAMPLE5, TRINOMIALPRACTICE, PROBLEM6ANSWERS,
                                               PROBLEM7ANSWERS,   TRINOMIALEXAMPLE7, PROBLEM8ANSWERS,
                                               FORMULAPRACTICE,   PROBLEM9ANSWERS,   FORMULACHOICE};
  AIMTRINOMIAL();
  common::SECTIONMENU("①例５　②練習　③問６　④問７　⑤例７　⑥問8　⑦公式練習　⑧問９　⑨公式使い分け　⑩終了",
                      SCENES, common::MenuEntry::Kept);
}

}  // namespace fenwist
