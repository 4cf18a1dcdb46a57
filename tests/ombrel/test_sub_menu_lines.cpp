// Every section's sub-menu line as the pupil reads it on the bottom bar: each item's number and
// name, the blanks between them, and the number of the last item, which leads back.
#include <gtest/gtest.h>

#include "programs/ombrel/ombrel.h"
#include "tools/sub_menu_lines.h"

namespace {

TEST(OmbrelSubMenus, EverySectionsLineAsWritten) {
  // Digits, letters and commas read full-width, as the prompt's glyph tables draw them;
  // half-width blanks stay half-width.
  const std::map<int, std::string> expected = linesAsWritten({
    {1, u8"①倍数　②偶数　③奇数　④連続　⑤まとめ　⑥終了"},
    {2, u8"①Ｐ２８　②偶数予想　③偶数証明　④奇数予想　⑤奇数証明　⑥終了"},
    {3, u8"①導入　②例１　③問３　④例２　⑤練習　⑥問４　⑦終了"},
    {4, u8"①復習　②課題　③問５　④終了"},
    {5, u8"①ひろげよう　②例題２　③問６　 ④終了"},
    {6, u8"Ｐ３４学びをたしかめよう　①～⑨解答　　　⑩終了"},
    {7, u8"学びを身につけよう　①～⑩問題解答　　⑪終了"}
  });
  EXPECT_EQ(subMenuLines(ombrel::PROGRAM), expected);
}

}  // namespace
