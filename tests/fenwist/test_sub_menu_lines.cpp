// Every section's sub-menu line as the pupil reads it on the bottom bar: each item's number and
// name, the blanks between them, and the number of the last item, which leads back.
#include <gtest/gtest.h>

#include "programs/fenwist/fenwist.h"
#include "tools/sub_menu_lines.h"

namespace {

TEST(FenwistSubMenus, EverySectionsLineAsWritten) {
  // Digits, letters and commas read full-width, as the prompt's glyph tables draw them;
  // half-width blanks stay half-width.
  const std::map<int, std::string> expected = linesAsWritten({
    {1, u8"①意味　②まとめ１　③共通因数　④練習　⑤まとめ２　⑥問１　⑦終了"},
    {2, u8"①和と差の積　②問２　③終了"},
    {3, u8"①例３　②問３　③例４　④問４　⑤問５　⑥終了"},
    {4, u8"①例５　②練習　③問６　④問７　⑤例７　⑥問８　⑦公式練習　⑧問９　⑨公式使い分け　⑩終了"},
    {5, u8"①例題１　②問１０　③終了"},
    {6, u8"①例題２　②問１１　③話しあおう　④終了"},
    {7, u8"Ｐ２７練習問題　①１，２　②３　③４　④５　⑤終了"}
  });
  EXPECT_EQ(subMenuLines(fenwist::PROGRAM), expected);
}

}  // namespace
