// Every section's sub-menu line as the pupil reads it on the bottom bar: each item's number and
// name, the blanks between them, and the number of the last item, which leads back.
#include <gtest/gtest.h>

#include "programs/pradine/pradine.h"
#include "tools/sub_menu_lines.h"

namespace {

TEST(PradineSubMenus, EverySectionsLineAsWritten) {
  // Digits, letters and commas read full-width, as the prompt's glyph tables draw them;
  // half-width blanks stay half-width.
  const std::map<int, std::string> expected = linesAsWritten({
    {1, u8"①課題　②例１　③問１　④終了"},
    {2, u8"①課題　②例２　③問２　④例３　⑤練習　⑥問３　⑦終了"},
    {3, u8"①課題　②例５　③問４　④問５　⑤終了"},
    {4, u8"①公式練習　②例題１　③問６　④終了"},
    {5, u8"①図　②課題　③例題２　④問７　⑤終了"},
    {6, u8"Ｐ２０練習問題　①，②，③→問題 　④終了"}
  });
  EXPECT_EQ(subMenuLines(pradine::PROGRAM), expected);
}

}  // namespace
