#include <gtest/gtest.h>

#include "engine/engine.h"
#include "test_prompts_support.h"

namespace {

std::vector<std::string> charactersOf(const std::string& text) {
  std::vector<std::string> chars;
  for (int i = 1; i <= PfKLEN(text); ++i) chars.push_back(PfKMID24(text, i, 1));
  return chars;
}

// The tables must pair their characters one to one: a character too many or too few in a
// target shifts every mapping after it.
TEST(GlyphTables, SourcesAreOneByteAndTargetsDoubleByteCharacterForCharacter) {
  const std::pair<const std::string*, const std::string*> pairs[] = {{&HENK1_S, &HENK2_S}, {&HENK_S, &HENK3_S}};
  const int lengths[] = {27, 60};
  for (int p = 0; p < 2; ++p) {
    const auto source = charactersOf(*pairs[p].first);
    const auto target = charactersOf(*pairs[p].second);
    ASSERT_EQ(source.size(), static_cast<std::size_t>(lengths[p]));
    ASSERT_EQ(target.size(), static_cast<std::size_t>(lengths[p]));
    for (std::size_t n = 0; n < source.size(); ++n) {
      EXPECT_EQ(source[n].size(), 1u) << n;
      EXPECT_EQ(target[n].size(), 2u) << n;
    }
  }
}

TEST(GlyphTables, MapsOneCharacter) {
  const std::pair<const char*, const char*> cases[] = {
      {"A", "Α"},  {"x", "χ"},  {"X", "Ｘ"}, {"Z", "Ｚ"}, {"y", "ｙ"}, {"w", "ｗ"}, {"0", "０"}, {"9", "９"},
      {"*", "×"},  {"/", "÷"},  {"+", "＋"}, {"-", "－"}, {"ﾀ", "―"}, {"=", "＝"}, {".", "．"}, {"?", "∽"},
      {"(", "（"}, {")", "）"}, {"!", "√"},  {"$", "≡"},  {"@", "±"},  {"&", "π"},  {"'", "∠"},  {"[", "≦"},
      {"]", "≧"},  {"<", "＜"}, {">", "＞"}, {",", "，"}, {"%", "°"},  {"~", "△"},  {":", "："}, {" ", "　"},
      // Neither table holds these: they stay as they are.
      {"z", "z"}, {"#", "#"}, {"\\", "\\"}, {"ｱ", "ｱ"}, {"①", "①"}, {"Ａ", "Ａ"}, {"", ""},
  };
  for (const auto& [from, to] : cases) {
    B_S = from;
    GLYPHMAP();
    EXPECT_EQ(toUtf8(B_S), toUtf8(to)) << toUtf8(from);
  }
  // The alpha is the Greek capital (83 9F), not the full-width Latin A.
  B_S = "A";
  GLYPHMAP();
  EXPECT_EQ(B_S, "\x83\x9f");
}

TEST(StripBlanks, RemovesHalfWidthBlanksOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {" -5 ", "-5"}, {"", ""}, {" 12", "12"}, {"1 2 3", "123"}, {"　1", "　1"}, {"表 ソ", "表ソ"}, {"   ", ""},
  };
  for (const auto& [in, out] : cases) {
    A_S = in;
    STRIPBLANKS();
    EXPECT_EQ(A_S, out) << toUtf8(in);
  }
}

struct TextCase {
  const char* text;
  float x;
  float endX;
  std::vector<std::string> glyphs;  // UTF-8
  std::vector<float> glyphX;
  std::vector<float> lift;  // how far above Y each glyph sits
};

TEST(PromptText, DrawsSixteenPixelCellsThroughTheTables) {
  const std::vector<TextCase> cases = {
      {"番号を入力して下さい。", 816, 992, utf8({"番", "号", "を", "入", "力", "し", "て", "下", "さ", "い", "。"}),
       {816, 832, 848, 864, 880, 896, 912, 928, 944, 960, 976}, std::vector<float>(11, 0)},
      {"Ax", 100, 132, utf8({"Α", "χ"}), {100, 116}, {0, 0}},
      {"A^x", 100, 132, utf8({"Α", "x"}), {100, 116}, {0, 4}},
      {"A^^x", 100, 132, utf8({"Α", "x"}), {100, 116}, {0, 4}},
      {"1z2", 100, 148, utf8({"１", "z", "２"}), {100, 116, 132}, {0, 4, 0}},
      {"1ｱ2", 100, 148, utf8({"１", "ｱ", "２"}), {100, 116, 132}, {0, 4, 0}},
      // The full-width period sits in the gap and takes no room.
      {"1.5", 100, 132, utf8({"１", "．", "５"}), {100, 112, 116}, {0, 0, 0}},
      {"1．5", 100, 132, utf8({"１", "．", "５"}), {100, 112, 116}, {0, 0, 0}},
      // Kept half-width by "^", the point is an ordinary character with a full cell.
      {"1^.5", 100, 148, utf8({"１", ".", "５"}), {100, 116, 132}, {0, 4, 0}},
      // A half-width blank leaves an empty cell, as a full-width blank does.
      {"1 2", 100, 148, utf8({"１", "２"}), {100, 132}, {0, 0}},
      {"1　2", 100, 148, utf8({"１", "　", "２"}), {100, 116, 132}, {0, 0, 0}},
      {"5/3-2", 0, 80, utf8({"５", "÷", "３", "－", "２"}), {0, 16, 32, 48, 64}, {0, 0, 0, 0, 0}},
      {"", 100, 100, {}, {}, {}},
  };
  std::vector<float> ends;
  std::vector<std::function<void()>> bodies;
  for (const auto& c : cases)
    bodies.push_back([&] {
      JYOU = 0;
      CCC1 = 3;
      AA_S = c.text;
      X = c.x;
      Y = 300;
      PROMPTTEXT();
      ends.push_back(X);
      EXPECT_EQ(Y, 300);
      EXPECT_EQ(AA_S, "");
    });
  const auto drawnBy = drawEachCase(bodies);
  ASSERT_EQ(drawnBy.size(), cases.size());
  for (std::size_t k = 0; k < cases.size(); ++k) {
    const TextCase& c = cases[k];
    SCOPED_TRACE(toUtf8(c.text));
    EXPECT_EQ(ends[k], c.endX);
    EXPECT_EQ(textsOf(drawnBy[k]), c.glyphs);
    std::size_t g = 0;
    for (const Op& op : drawnBy[k]) {
      ASSERT_EQ(op.kind, OpKind::Text);
      ASSERT_LT(g, c.glyphX.size());
      EXPECT_EQ(op.x1, c.glyphX[g]) << op.text;
      EXPECT_EQ(op.y1, 300 - c.lift[g]) << op.text;
      EXPECT_EQ(op.colour, 3);
      EXPECT_EQ(op.magX, 1);
      EXPECT_EQ(op.magY, 1);
      EXPECT_TRUE(op.bold);
      ++g;
    }
  }
}

// The sub-menu lines of the lessons: half-width digits are shown full-width, and every
// character, blanks included, takes one 16-pixel cell.
TEST(PromptText, SubMenuLinesEndWhereTheirCellsEnd) {
  const std::pair<const char*, float> lines[] = {
      {"①例3　②問3　③例4　④問4　⑤問5　⑥終了", 16 + 23 * 16},
      {" ①ひろげ　②例５　③問３　④例６　⑤問４　⑥例７　⑦問5　⑧まとめ　⑨例8 ⑩問6　⑪終", 736},
  };
  std::vector<float> ends;
  std::vector<std::function<void()>> bodies;
  for (const auto& [line, end] : lines)
    bodies.push_back([&, line] {
      AA_S = line;
      X = 16;
      Y = 666;
      PROMPTTEXT();
      ends.push_back(X);
    });
  const auto drawnBy = drawEachCase(bodies);
  ASSERT_EQ(drawnBy.size(), 2u);
  EXPECT_EQ(ends[0], 384);
  EXPECT_EQ(ends[1], 736);
  // The first line: "３" where the "3" was written, in the third cell.
  EXPECT_EQ(drawnBy[0][2].text, toUtf8("３"));
  EXPECT_EQ(drawnBy[0][2].x1, 48);
  EXPECT_EQ(textsOf(drawnBy[0]).size(), 23u);
  // The second: the leading blank leaves the first cell empty, and "⑨例8 " takes four cells
  // before "⑩".
  EXPECT_EQ(drawnBy[1][0].text, toUtf8("①"));
  EXPECT_EQ(drawnBy[1][0].x1, 32);
  float circled9 = -1, circled10 = -1;
  for (const Op& op : drawnBy[1]) {
    if (op.text == toUtf8("⑨")) circled9 = op.x1;
    if (op.text == toUtf8("⑩")) circled10 = op.x1;
  }
  EXPECT_EQ(circled10 - circled9, 64);
  EXPECT_EQ(circled10, 640);
}

// A "^" at the very end of one prompt text lets the first character of the next one bypass the
// tables: the flag lives on between texts.
TEST(PromptText, CaretAtTheEndActsOnTheNextText) {
  std::vector<std::function<void()>> bodies = {
      [] {
        JYOU = 0;
        AA_S = "1^";
        X = 0;
        Y = 100;
        PROMPTTEXT();
        EXPECT_EQ(X, 16);
        EXPECT_EQ(JYOU, 1);
      },
      [] {
        AA_S = "xx";
        X = 0;
        PROMPTTEXT();
        EXPECT_EQ(JYOU, 0);
      },
  };
  const auto drawnBy = drawEachCase(bodies);
  ASSERT_EQ(drawnBy.size(), 2u);
  EXPECT_EQ(textsOf(drawnBy[1]), utf8({"x", "χ"}));
}

// PROMPTCHARS takes a whole text: its inner blanks go without leaving room, and X stays.
TEST(PromptText, CharsRemovesInnerBlanksWithoutRoom) {
  std::vector<std::function<void()>> bodies = {[] {
    JYOU = 0;
    A_S = "1 2 3";
    X = 200;
    Y = 100;
    PROMPTCHARS();
    EXPECT_EQ(XT, 248);
    EXPECT_EQ(X, 200);
    EXPECT_EQ(A_S, "123");
  }};
  const auto drawnBy = drawEachCase(bodies);
  ASSERT_EQ(drawnBy.size(), 1u);
  EXPECT_EQ(textsOf(drawnBy[0]), utf8({"１", "２", "３"}));
}

}  // namespace

namespace {

// A picture of prompt text through the tables: symbols, the lifted half-width characters and
// the period in the gap.
TEST(PromptText, Picture) {
  const HeadlessResult run = runRoutine(
      [] {
        CCC1 = 0;
        AA_S = "A^x z ｱ 1.5 (x+y)=3 2*3/4 a!b @&'[]%~ ﾀ?$";
        X = 100;
        Y = 300;
        PROMPTTEXT();
      },
      "", "prompt-text-tables.png");
  EXPECT_EQ(X, 100 + 16 * 39);  // 42 characters less "^" and the period
}

}  // namespace
