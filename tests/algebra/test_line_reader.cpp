// The line reader of the scene tests: markup lines typeset headless and read back from the
// operation log give the line a pupil reads (signs, brackets, fractions, exponents, indices,
// roots, italic and script letters, full-width characters, labels) at the place it was drawn;
// what ends a line; pieces joined; chains of "=" lines through the algebra checker.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "support/line_chain.h"
#include "support/line_reader.h"
#include "support/test_support.h"

namespace {

using reading::Line;

struct Typeset {
  const char* markup;
  const char* read;  // what a pupil reads, as the reader gives it
};

// Draws markup at (x, y) in colour and gives the X the typesetter returns.
float draw(const std::string& markup, float x, float y, int colour = 0, int kakko = 0) {
  CCC1 = static_cast<float>(colour);
  X = x;
  Y = y;
  KAKKO = static_cast<float>(kakko);
  AA_S = markup;
  DRAWFORMULA();
  return X;
}

const Typeset TABLE[] = {
    {"x^2+5x+6", "x^2+5x+6"},
    {"=a(c+d)+b(c+d)", "=a(c+d)+b(c+d)"},
    {"=a(c+d)-b(c+d)", "=a(c+d)-b(c+d)"},
    {"=a^2+2ab+b^2", "=a^2+2ab+b^2"},
    {"=x^2-8x+16-4", "=x^2-8x+16-4"},
    {"(x^2y^2-3xy^2)/(-ﾀ1/3ﾀxy)", "(x^2y^2-3xy^2)÷(-ﾀ1/3ﾀxy)"},
    {"=(5x^2-10x)*ﾀ1/5xﾀ", "=(5x^2-10x)×ﾀ1/5xﾀ"},
    {"=ﾀ2a^2/3ﾀ", "=ﾀ2a^2/3ﾀ"},
    {"=ﾀ-12a^2b/-4abﾀ+ﾀ4ab^2/-4abﾀ", "=ﾀ-12a^2b/-4abﾀ+ﾀ4ab^2/-4abﾀ"},
    {"ﾀx+1/x^2-1ﾀ", "ﾀx+1/x^2-1ﾀ"},
    {"ﾀ1/2ﾀx^2-ﾀ3/4ﾀ", "ﾀ1/2ﾀx^2-ﾀ3/4ﾀ"},
    {"ﾀ6ab/2a/3bﾀ", "ﾀ6ab/2a÷3bﾀ"},
    {"ﾀ3*a/4ﾀ", "ﾀ3×a/4ﾀ"},
    {"(x-3)\\2", "(x-3)\\2"},
    {"=(3x)\\2-(5y)\\2", "=(3x)\\2-(5y)\\2"},
    {"ﾀ(x+1)\\2/2ﾀ", "ﾀ(x+1)\\2/2ﾀ"},
    {"!12ﾝ=2√3ﾝ", "!12ﾝ=2!3ﾝ"},
    {"(!3ﾝ+1)^2", "(!3ﾝ+1)^2"},
    {"!x+1ﾝ", "!x+1ﾝ"},
    {"ﾀ1/!2ﾝﾀ", "ﾀ1/!2ﾝﾀ"},
    {"ﾀ!3ﾝ/!2ﾝﾀ", "ﾀ!3ﾝ/!2ﾝﾀ"},
    {"x=ﾀ-b@!b^2-4acﾝ/2aﾀ", "x=ﾀ-b±!b^2-4acﾝ/2aﾀ"},
    {"#ﾀ1/2ﾀﾝ", "#ﾀ1/2ﾀﾝ"},
    {"① 次の式を展開しなさい。", "① 次の式を展開しなさい。"},
    {"(1) 9x^2-25", "(1) 9x^2-25"},
    {"(3)  x^2+1", "(3)  x^2+1"},
    {" (x+3)(x-5)", "(x+3)(x-5)"},
    {"３ｘ＋１＝７", "３ｘ＋１＝７"},
    {"0.5x+1.25", "0.5x+1.25"},
    {"x@3", "x±3"},
    {"∠A=90%", "∠A=90°"},
    {"a'+b'", "a'+b'"},
    {"&ABCD", "&ABCD"},
    {"2πr+πa", "2πr+πa"},
    {"4l=80π", "4l=80π"},
    {"ﾀl/2ﾀ", "ﾀl/2ﾀ"},
    {"c^2=a^2+b^2", "c^2=a^2+b^2"},
    {"x^-1", "x^-1"},
    {"1ﾀ2", "12"},
    {"2ﾝ+1", "2+1"},
    {"3x ", "3x"},
    // Last, since they leave a root open and an exponent pending for the text drawn after them.
    {"!2", "!2ﾝ"},
    {"x^", "x"},
};

// Where line i of the table is drawn: three columns on one screen, every other line half a
// pixel off the whole pixels.
float tableX(std::size_t i) { return 20 + 450 * static_cast<float>(i / 15) + (i % 2 == 0 ? 0 : 0.5f); }
float tableY(std::size_t i) { return 30 + 50 * static_cast<float>(i % 15); }

// Draws every line of the table on a line of its own; the X that each drawing returned.
std::vector<float> drawTable(bool ombrel) {
  std::vector<float> ends;
  SCRIPT_L_TWO_RULES = ombrel;
  for (const Typeset& t : TABLE) {
    const std::size_t i = ends.size();
    ends.push_back(draw(t.markup, tableX(i), tableY(i), static_cast<int>(i % 14)));
  }
  // The last two lines' root and exponent stop here.
  HROOT = 0;
  JYOU = 0;
  return ends;
}

void expectTableReadBack(bool ombrel) {
  std::vector<float> ends;
  const HeadlessResult run = runRoutine([&] { ends = drawTable(ombrel); }, "", ombrel ? "" : "line-reader-table.png");
  ASSERT_FALSE(run.error);
  const std::vector<Line> lines = reading::readLines(run.ops);
  ASSERT_EQ(lines.size(), std::size(TABLE)) << reading::describe(lines);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Typeset& t = TABLE[i];
    const Line& line = lines[i];
    SCOPED_TRACE(toUtf8(t.markup));
    EXPECT_EQ(line.utf8(), toUtf8(t.read));
    EXPECT_EQ(reading::asRead(t.markup), t.read) << "as read: " << toUtf8(reading::asRead(t.markup));
    EXPECT_FLOAT_EQ(line.x, tableX(i) + reading::BLANK * static_cast<float>(reading::leadingBlanks(t.markup)));
    EXPECT_FLOAT_EQ(line.y, tableY(i));
    EXPECT_EQ(line.colour, static_cast<int>(i % 14));
    EXPECT_EQ(line.kind, reading::Kind::Formula);
    const bool trailingBlank = std::string(t.markup).back() == ' ';
    EXPECT_FLOAT_EQ(line.right + (trailingBlank ? reading::BLANK : 0), ends[i]) << "the line's right end";
  }
}

TEST(LineReader, ReadsBackEveryKindOfLineTheTypesetterDraws) { expectTableReadBack(false); }

TEST(LineReader, ReadsOmbrelsScriptLetterToo) { expectTableReadBack(true); }

TEST(LineReader, TallBracketsReadAsBrackets) {
  const HeadlessResult run = runRoutine([] {
    draw("(ﾀ1/2ﾀ+x)^2", 100, 100, 0, 1);
    draw("=(x+1)(x-1)", 100, 200, 0, 1);
  });
  const std::vector<Line> lines = reading::readLines(run.ops);
  ASSERT_EQ(lines.size(), 2u) << reading::describe(lines);
  EXPECT_EQ(lines[0].utf8(), toUtf8("(ﾀ1/2ﾀ+x)^2"));
  EXPECT_EQ(lines[1].utf8(), toUtf8("=(x+1)(x-1)"));
  EXPECT_EQ(lines[0].x, 100);
}

// The faults a glyph-only comparison let through: a flipped sign and a line moved right.
TEST(LineReader, TellsAFlippedSignAndAMovedLine) {
  const HeadlessResult run = runRoutine([] {
    draw("=a(c+d)+b(c+d)", 88, 150);
    draw("=a(c+d)-b(c+d)", 88, 250);
    draw("=a(c+d)+b(c+d)", 118, 350);
  });
  const std::vector<Line> lines = reading::readLines(run.ops);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[0].text, lines[1].text);
  EXPECT_EQ(lines[0].text, lines[2].text);
  EXPECT_EQ(lines[2].x - lines[0].x, 30);
  EXPECT_EQ(lines[1].text, reading::asRead("=a(c+d)-b(c+d)"));
}

TEST(LineReader, ReadsSmallPlainText) {
  const char* const texts[] = {"12", "-3", "1.5", "(a)", "x y", "２３", "c+1"};
  const HeadlessResult run = runRoutine([&] {
    float y = 100;
    for (const char* text : texts) {
      CCC1 = 3;
      X = 200;
      Y = y;
      AA_S = text;
      PLAINTEXT();
      y += 40;
    }
  });
  const std::vector<Line> lines = reading::readLines(run.ops);
  ASSERT_EQ(lines.size(), std::size(texts)) << reading::describe(lines);
  float y = 100;
  for (std::size_t i = 0; i < lines.size(); ++i, y += 40) {
    EXPECT_EQ(lines[i].utf8(), toUtf8(texts[i]));
    EXPECT_EQ(lines[i].kind, reading::Kind::Plain);
    EXPECT_EQ(lines[i].x, 200);
    EXPECT_EQ(lines[i].y, y);
    EXPECT_EQ(lines[i].colour, 3);
  }
}

// Pieces drawn one after another on a line join when they have one colour and follow each
// other; another colour, a box, a key press or a gap that is no whole number of blanks ends a
// line.
TEST(LineReader, WhatEndsALineAndWhatJoinsIt) {
  const HeadlessResult run = runRoutine(
      [] {
        float x = draw("12x^2÷6x", 300, 367);
        x = draw("=", x, 367);
        x = draw("2x", x, 367, 5);
        STEPWAIT();
        x = draw("+1", x, 367, 5);
        x = draw("  (x)", x, 367, 5);
        x = draw("y", x + 10, 367, 5);
        CCC2 = 0;
        CCC3 = 13;
        HABA = 100;
        TATE = 50;
        X = x;
        Y = 350;
        A_S = "z";
        BOXFORMULA();
      },
      "k");
  ASSERT_FALSE(run.error);
  const std::vector<Line> lines = reading::readLines(run.ops);
  ASSERT_EQ(lines.size(), 6u) << reading::describe(lines);
  EXPECT_EQ(lines[0].utf8(), toUtf8("12x^2÷6x="));
  EXPECT_EQ(lines[1].utf8(), toUtf8("2x"));
  EXPECT_EQ(lines[1].x, lines[0].right);
  // The step wait's prompt in its box, in 16 px cells.
  EXPECT_EQ(lines[2].utf8(), toUtf8("何かキーを押して下さい。"));
  EXPECT_EQ(lines[2].kind, reading::Kind::Prompt);
  EXPECT_EQ(lines[2].x, 128);
  EXPECT_EQ(lines[2].width(), 11 * 16 + 16);
  EXPECT_EQ(lines[3].utf8(), toUtf8("+1  (x)"));
  EXPECT_EQ(lines[4].utf8(), toUtf8("y"));
  EXPECT_EQ(lines[5].utf8(), toUtf8("z"));
  // One step's lines: those before the key press, and those after it.
  EXPECT_EQ(reading::linesOfStep(run.ops, 0).size(), 3u);
  EXPECT_EQ(reading::linesOfStep(run.ops, 1).size(), 3u);
  // Joined, the pieces that follow each other on one line read as one, whatever their colours.
  const std::vector<Line> rows = reading::joined(lines);
  ASSERT_EQ(rows.size(), 5u) << reading::describe(rows);
  EXPECT_EQ(rows[0].utf8(), toUtf8("12x^2÷6x=2x"));
  EXPECT_EQ(rows[2].utf8(), toUtf8("+1  (x)"));
  EXPECT_EQ(rows[0].x, 300);
  EXPECT_EQ(reading::within(lines, 0, 360, 400, 370).size(), 1u);
}

// Prompt lines read as their glyph tables show them: half-width characters full-width, the
// half-width ones that stay (katakana) 4 px higher, a full-width stop in the gap before its cell,
// and a blank's empty cell as a blank.
TEST(LineReader, ReadsPromptLines) {
  const HeadlessResult run = runRoutine([] {
    CCC1 = 0;
    X = 16;
    Y = 666;
    AA_S = "1 ｱ2.";
    PROMPTTEXT();
  });
  const std::vector<Line> lines = reading::readLines(run.ops);
  ASSERT_EQ(lines.size(), 1u) << reading::describe(lines);
  EXPECT_EQ(lines[0].utf8(), toUtf8("１ ｱ２．"));
  EXPECT_EQ(lines[0].kind, reading::Kind::Prompt);
  EXPECT_EQ(lines[0].x, 16);
  EXPECT_EQ(lines[0].y, 666);
  EXPECT_EQ(lines[0].right, 16 + 4 * 16);
}

TEST(LineReader, AsReadNormalisesTheMarkupAsTheTypesetterDrawsIt) {
  const std::pair<const char*, const char*> cases[] = {
      {"a*b/c", "a×b÷c"},  {"ﾀa/b/cﾀ", "ﾀa/b÷cﾀ"}, {"x^^2", "x^2"},     {"=^2", "=^2"},
      {"!2ﾝﾝ", "!2ﾝ"},     {"ﾀ#2ﾝ/3ﾀ", "ﾀ!2ﾝ/3ﾀ"}, {"  x ", "x"},       {"x\\^2", "x\\2"},
      {"ﾀ 1/2ﾀ", "ﾀ1/2ﾀ"}, {"√3ﾝ", "!3ﾝ"},         {"!2!3ﾝ", "!2ﾝ!3ﾝ"},
  };
  for (const auto& [markup, read] : cases) EXPECT_EQ(toUtf8(reading::asRead(markup)), toUtf8(read)) << toUtf8(markup);
}

TEST(LineChain, AChainOfEqualLinesAndOneWithAFlippedSign) {
  const HeadlessResult run = runRoutine([] {
    draw("(1) (x+2)(x+3)", 40, 100);
    draw("=x^2+3x+2x+6", 94, 160);
    draw("=x^2+5x+6", 94, 220);
    draw("=x^2+5x-6", 94, 280);
  });
  const std::vector<Line> lines = reading::readLines(run.ops);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(reading::sameChain({lines[0], lines[1], lines[2]}));
  const testing::AssertionResult broken = reading::sameChain(lines);
  EXPECT_FALSE(broken);
  EXPECT_NE(std::string(broken.message()).find(toUtf8("(94,280) c0 \"=x^2+5x-6\"")), std::string::npos)
      << broken.message();
  EXPECT_TRUE(reading::hasValue(lines[2], "(x+3)(x+2)"));
}

TEST(LineChain, AFormulaWithTheFullWidthEqualsSignStartsAChain) {
  const HeadlessResult run = runRoutine([] {
    draw("(a+b)(c+d)＝ac+ad+bc+bd", 132, 88);
    draw("=a(c+d)+b(c+d)", 132, 160);
    draw("(a+b)(c+d)＝ac+ad+bc-bd", 132, 230);
  });
  const std::vector<Line> lines = reading::readLines(run.ops);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_TRUE(reading::sameChain({lines[0], lines[1]}));
  EXPECT_FALSE(reading::sameChain({lines[2]}));
  EXPECT_EQ(toUtf8(reading::firstSide(lines[0].text)), toUtf8("(a+b)(c+d)"));
}

}  // namespace
