// Every section's sub-menu line as the pupil reads it on the bottom bar: each item's number and
// name, the blanks between them, and the number of the last item, which leads back.
#include <gtest/gtest.h>

#include "programs/corvale/corvale.h"
#include "tools/sub_menu_lines.h"

namespace {

TEST(CorvaleSubMenus, EverySectionsLineAsWritten) {
  // Digits, letters and commas read full-width, as the prompt's glyph tables draw them;
  // half-width blanks stay half-width.
  const std::map<int, std::string> expected = linesAsWritten({
    {1, u8"①導入　②ひろげよう　③例１　④問１　⑤終了"},
    {2, u8"①復習　②例３　③問２　④終了"},
    {3, u8" ①ひろげ　②例５　③問３　④例６　⑤問４　⑥例７　⑦問５　⑧まとめ　⑨例８ ⑩問６　⑪終"}
  });
  EXPECT_EQ(subMenuLines(corvale::PROGRAM), expected);
}

}  // namespace
