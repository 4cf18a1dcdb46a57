// The glyph routine, one character at a time from (100, 200): what each class of character
// draws (position, magnification, face, size, style, colour) and how far it moves the cursor,
// in and out of fractions, and which pending flag it uses up.
#include <gtest/gtest.h>

#include "engine/typeset.h"
#include "test_typeset_support.h"

namespace {

enum Pending { NONE, EXPONENT, INDEX, TALL };

struct GlyphCase {
  const char* ch;     // code page 932, as DRAWGLYPHS gets it
  bool inFraction;    // BUN = 1
  Pending pending;    // JYOU, JYOUK or KAKKO set before
  bool ombrel;        // the two-rule script letter
  const char* drawn;  // code page 932; nullptr when nothing is drawn as text
  float x, y;
  int magX, magY;
  const char* face;
  float size;
  bool italic;
  float advance;
};

constexpr const char* G = "ゴシック";
constexpr const char* TNR = "Times New Roman";
constexpr const char* MT = "MT Extra";

const GlyphCase GLYPHS[] = {
    // Narrow marks and tall brackets, alike in and out of fractions.
    {".", false, NONE, false, ".", 97, 214, 3, 2, G, 16, false, 8},
    {".", true, NONE, false, ".", 97, 214, 3, 2, G, 16, false, 8},
    {"'", false, NONE, false, "'", 100, 200, 3, 3, G, 16, false, 12},
    {"%", true, NONE, false, "°", 100, 200, 3, 3, G, 16, false, 12},
    {"(", false, TALL, false, "(", 96, 194, 3, 4, G, 16, false, 27},
    {"(", true, TALL, false, "(", 96, 194, 3, 4, G, 16, false, 27},
    {")", false, TALL, false, ")", 106, 194, 3, 4, G, 16, false, 27},
    {"(", false, NONE, false, "(", 100, 200, 3, 3, G, 16, false, 27},
    {"(", true, NONE, false, "(", 100, 200, 4, 2, G, 16, false, 32},
    {"=", false, NONE, false, "=", 104, 200, 3, 3, G, 14, false, 32},
    {"=", true, NONE, false, "=", 104, 200, 3, 3, G, 14, false, 32},
    // A pending "=" or mark lets the flag wait: see FlagsWaitForTheirCharacter.
    // High index and exponents take any character, upright in the gothic face.
    {"2", false, INDEX, false, "2", 100, 190, 6, 3, G, 8, false, 24},
    {"2", true, INDEX, false, "2", 100, 190, 6, 3, G, 8, false, 24},
    {"2", true, EXPONENT, false, "2", 100, 196, 6, 3, G, 8, false, 24},
    {"2", false, EXPONENT, false, "2", 100, 200, 3, 2, G, 16, false, 24},
    {"a", false, EXPONENT, false, "a", 100, 200, 3, 2, G, 16, false, 24},
    {"-", false, EXPONENT, false, "-", 100, 200, 3, 2, G, 16, false, 24},
    {"-", true, EXPONENT, false, "-", 100, 196, 6, 3, G, 8, false, 24},
    {"*", false, EXPONENT, false, "×", 100, 200, 3, 2, G, 16, false, 24},
    {" ", false, EXPONENT, false, " ", 100, 200, 3, 2, G, 16, false, 24},
    // Italic serif letters.
    {"x", false, NONE, false, "x", 104, 178, 10, 7, TNR, 8, true, 27},
    {"a", false, NONE, false, "a", 104, 178, 10, 7, TNR, 8, true, 27},
    {"c", true, NONE, false, "c", 104, 184, 12, 5, TNR, 8, true, 32},
    // The script letter: one rule in three programs, two in Ombrel.
    {"l", false, NONE, false, "l", 100, 200, 6, 3, MT, 16, false, 32},
    {"l", true, NONE, false, "l", 100, 200, 6, 3, MT, 16, false, 32},
    {"l", false, NONE, true, "l", 104, 196, 1, 1, MT, 56, false, 32},
    {"l", true, NONE, true, "l", 100, 200, 3, 1, MT, 38, false, 32},
    // Signs from keyboard characters: narrow outside fractions, double-byte glyphs inside.
    {"*", false, NONE, false, "×", 96, 200, 2, 3, G, 16, false, 27},
    {"/", false, NONE, false, "÷", 96, 200, 2, 3, G, 16, false, 27},
    {"@", false, NONE, false, "±", 96, 200, 2, 3, G, 16, false, 27},
    {"×", false, NONE, false, "×", 96, 200, 2, 3, G, 16, false, 27},
    {"*", true, NONE, false, "×", 100, 200, 3, 3, G, 11, false, 38},
    {"/", true, NONE, false, "÷", 100, 200, 3, 3, G, 11, false, 38},
    // Blanks: the half-width one is empty room; a full-width one is a double-byte glyph.
    {" ", false, NONE, false, nullptr, 0, 0, 0, 0, G, 0, false, 27},
    {" ", true, NONE, false, nullptr, 0, 0, 0, 0, G, 0, false, 27},
    {"　", false, NONE, false, "　", 100, 200, 2, 3, G, 16, false, 34},
    // Everything else by its byte length; half-width katakana are single-byte.
    {"面", false, NONE, false, "面", 100, 200, 2, 3, G, 16, false, 34},
    {"面", true, NONE, false, "面", 100, 200, 3, 3, G, 11, false, 38},
    {"5", false, NONE, false, "5", 100, 200, 3, 3, G, 16, false, 27},
    {"5", true, NONE, false, "5", 100, 200, 4, 2, G, 16, false, 32},
    {"ｱ", false, NONE, false, "ｱ", 100, 200, 3, 3, G, 16, false, 27},
    {"ｱ", true, NONE, false, "ｱ", 100, 200, 4, 2, G, 16, false, 32},
};

struct GlyphResult {
  float x;
  float jyou, jyouk, kakko;
  float pen;
  std::string face;
  float size;
  bool bold, italic;
};

TEST(Glyphs, EachClassDrawsItsGlyphAndAdvances) {
  std::vector<std::function<void()>> cases;
  std::vector<GlyphResult> results(std::size(GLYPHS));
  for (std::size_t k = 0; k < std::size(GLYPHS); ++k) {
    cases.push_back([&, k] {
      const GlyphCase& c = GLYPHS[k];
      BUN = c.inFraction ? 1 : 0;
      JYOU = c.pending == EXPONENT;
      JYOUK = c.pending == INDEX;
      KAKKO = c.pending == TALL;
      SCRIPT_L_TWO_RULES = c.ombrel;
      FE_SETDRAWWIDTH(2);
      A_S = c.ch;
      X = 100;
      Y = 200;
      DRAWGLYPHS();
      results[k] = {X, JYOU, JYOUK, KAKKO, FE_GETDRAWWIDTH(), "", 0, false, false};
      SCRIPT_L_TWO_RULES = false;
    });
  }
  const auto each = typesetEach(cases);
  for (std::size_t k = 0; k < std::size(GLYPHS); ++k) {
    const GlyphCase& c = GLYPHS[k];
    const auto texts = opsOf(each[k], OpKind::Text);
    const std::string label = toUtf8(c.ch) + (c.inFraction ? " in a fraction" : "") + " pending " +
                              std::to_string(c.pending) + (c.ombrel ? " Ombrel" : "");
    EXPECT_EQ(results[k].x, 100 + c.advance) << label;
    EXPECT_EQ(results[k].jyou, 0) << label;
    EXPECT_EQ(results[k].jyouk, 0) << label;
    EXPECT_EQ(results[k].kakko, c.pending == TALL && toUtf8(c.ch) == "(" ? 1 : 0) << label;
    EXPECT_EQ(results[k].pen, 2) << label;
    if (c.drawn == nullptr) {
      EXPECT_TRUE(each[k].empty()) << label << "\n" << listing(each[k]);
      continue;
    }
    ASSERT_EQ(texts.size(), 1u) << label << "\n" << listing(each[k]);
    ASSERT_EQ(each[k].size(), 1u) << label << "\n" << listing(each[k]);
    const Op& op = texts[0];
    EXPECT_EQ(op.text, toUtf8(c.drawn)) << label;
    EXPECT_EQ(op.x1, c.x) << label;
    EXPECT_EQ(op.y1, c.y) << label;
    EXPECT_EQ(op.magX, c.magX) << label;
    EXPECT_EQ(op.magY, c.magY) << label;
    EXPECT_EQ(op.face, toUtf8(c.face)) << label;
    EXPECT_EQ(op.size, c.size) << label;
    EXPECT_TRUE(op.bold) << label;
    EXPECT_EQ(op.italic, c.italic) << label;
    EXPECT_EQ(op.colour, 5) << label;
  }
}

struct Stroke {
  float x1, y1, x2, y2;
};

struct SignCase {
  const char* ch;
  bool inFraction;
  std::vector<Stroke> strokes;
  float advance;
};

// Plus and minus are strokes of pen width 5; the minus lies 2 px above the plus's bar outside
// fractions and at the same height inside.
TEST(Glyphs, PlusAndMinusAreDrawnStrokes) {
  const SignCase signs[] = {
      {"-", false, {{104, 220, 123, 220}}, 27},
      {"+", false, {{104, 222, 123, 222}, {113, 210, 113, 234}}, 27},
      {"-", true, {{106, 214, 126, 214}}, 32},
      {"+", true, {{106, 214, 126, 214}, {116, 204, 116, 224}}, 32},
  };
  std::vector<std::function<void()>> cases;
  std::vector<float> ends(std::size(signs));
  for (std::size_t k = 0; k < std::size(signs); ++k)
    cases.push_back([&, k] {
      BUN = signs[k].inFraction ? 1 : 0;
      A_S = signs[k].ch;
      X = 100;
      Y = 200;
      DRAWGLYPHS();
      ends[k] = X;
    });
  const auto each = typesetEach(cases);
  for (std::size_t k = 0; k < std::size(signs); ++k) {
    const SignCase& s = signs[k];
    ASSERT_EQ(each[k].size(), s.strokes.size()) << s.ch << "\n" << listing(each[k]);
    for (std::size_t i = 0; i < s.strokes.size(); ++i) {
      const Op& op = each[k][i];
      EXPECT_EQ(op.kind, OpKind::Line);
      EXPECT_EQ(op.x1, s.strokes[i].x1) << s.ch;
      EXPECT_EQ(op.y1, s.strokes[i].y1) << s.ch;
      EXPECT_EQ(op.x2, s.strokes[i].x2) << s.ch;
      EXPECT_EQ(op.y2, s.strokes[i].y2) << s.ch;
      EXPECT_EQ(op.pen, 5);
      EXPECT_EQ(op.colour, 5);
    }
    EXPECT_EQ(ends[k], 100 + s.advance) << s.ch;
  }
}

struct SignShape {
  const char* ch;
  bool inFraction;
  std::vector<Point> points;
  int pen;
  float advance;
  float hroot;  // afterwards
};

// Root signs and the parallelogram are polylines; a root sign opens its bar at its own end.
TEST(Glyphs, RootSignsAndTheParallelogram) {
  const SignShape shapes[] = {
      {"!", false, {{104, 236}, {108, 224}, {116, 240}, {124, 196}, {132, 196}}, 3, 28, 1},
      {"√", false, {{104, 236}, {108, 224}, {116, 240}, {124, 196}, {132, 196}}, 3, 28, 1},
      {"!", true, {{104, 224}, {108, 213}, {116, 229}, {124, 194}, {126, 194}}, 3, 26, 11},
      {"√", true, {{104, 224}, {108, 213}, {116, 229}, {124, 194}, {126, 194}}, 3, 26, 11},
      // A "#" inside a fraction, where the tall root cannot stand, is the small root sign.
      {"#", true, {{104, 224}, {108, 213}, {116, 229}, {124, 194}, {126, 194}}, 3, 26, 11},
      {"&", false, {{104, 240}, {125, 240}, {132, 208}, {111, 208}, {104, 240}}, 5, 36, 0},
      {"&", true, {{104, 240}, {125, 240}, {132, 208}, {111, 208}, {104, 240}}, 5, 36, 0},
  };
  std::vector<std::function<void()>> cases;
  std::vector<std::array<float, 4>> after(std::size(shapes));
  for (std::size_t k = 0; k < std::size(shapes); ++k)
    cases.push_back([&, k] {
      BUN = shapes[k].inFraction ? 1 : 0;
      A_S = shapes[k].ch;
      X = 100;
      Y = 200;
      DRAWGLYPHS();
      after[k] = {X, HROOT, TXM, FE_GETDRAWWIDTH()};
    });
  const auto each = typesetEach(cases);
  for (std::size_t k = 0; k < std::size(shapes); ++k) {
    const SignShape& s = shapes[k];
    const std::string label = toUtf8(s.ch) + (s.inFraction ? " in a fraction" : "");
    ASSERT_EQ(each[k].size(), 1u) << label << "\n" << listing(each[k]);
    const Op& op = each[k][0];
    EXPECT_EQ(op.kind, OpKind::Polyline) << label;
    ASSERT_EQ(op.points.size(), s.points.size()) << label;
    for (std::size_t i = 0; i < s.points.size(); ++i) {
      EXPECT_EQ(op.points[i].x, s.points[i].x) << label << " point " << i;
      EXPECT_EQ(op.points[i].y, s.points[i].y) << label << " point " << i;
    }
    EXPECT_EQ(op.pen, s.pen) << label;
    EXPECT_EQ(op.colour, 5) << label;
    EXPECT_EQ(after[k][0], 100 + s.advance) << label;
    EXPECT_EQ(after[k][1], s.hroot) << label;
    EXPECT_EQ(after[k][2], 100 + s.advance) << label;  // the bar starts at the sign's end
    EXPECT_EQ(after[k][3], 3) << label;                // pen width as found
  }
}

// "^", "\" and "ﾝ" draw nothing and take no room; "ﾝ" closes the root but leaves its start.
TEST(Glyphs, MarkupCharactersDrawNothing) {
  float state[4][5];
  const auto each = typesetEach({
      [&] {
        A_S = "^";
        X = 100;
        DRAWGLYPHS();
        state[0][0] = X, state[0][1] = JYOU;
      },
      [&] {
        A_S = "\\";
        X = 100;
        DRAWGLYPHS();
        state[1][0] = X, state[1][1] = JYOUK;
      },
      [&] {
        HROOT = 1;
        TXM = 50;
        A_S = "ﾝ";
        X = 100;
        DRAWGLYPHS();
        state[2][0] = X, state[2][1] = HROOT, state[2][2] = TXM;
      },
      [&] {  // no root open: nothing changes
        TXM = 70;
        A_S = "ﾝ";
        X = 100;
        DRAWGLYPHS();
        state[3][0] = X, state[3][1] = HROOT, state[3][2] = TXM;
      },
  });
  for (const auto& ops : each) EXPECT_TRUE(ops.empty()) << listing(ops);
  EXPECT_EQ(state[0][0], 100);
  EXPECT_EQ(state[0][1], 1);
  EXPECT_EQ(state[1][0], 100);
  EXPECT_EQ(state[1][1], 1);
  EXPECT_EQ(state[2][0], 100);
  EXPECT_EQ(state[2][1], 0);
  EXPECT_EQ(state[2][2], 50);
  EXPECT_EQ(state[3][0], 100);
  EXPECT_EQ(state[3][1], 0);
  EXPECT_EQ(state[3][2], 70);
}

// A pending exponent or index is not taken by ".", "'", "%", a tall bracket or "=": they are
// drawn as usual and the flag waits for the next character. "\" comes before the exponent.
TEST(Glyphs, FlagsWaitForTheirCharacter) {
  const auto each = typesetEach({
      [] {
        A_S = "^.'%=2";
        X = 100;
        Y = 200;
        DRAWGLYPHS();
      },
      [] {
        KAKKO = 1;
        A_S = "^(2";
        X = 100;
        Y = 200;
        DRAWGLYPHS();
      },
      [] {
        A_S = "^\\23";
        X = 100;
        Y = 200;
        DRAWGLYPHS();
      },
      [] {
        A_S = "^^23";
        X = 100;
        Y = 200;
        DRAWGLYPHS();
      },
  });
  const auto marks = opsOf(each[0], OpKind::Text);
  ASSERT_EQ(marks.size(), 5u) << listing(each[0]);
  EXPECT_EQ(marks[3].size, 14);  // "=" in its own size
  EXPECT_EQ(marks[4].magY, 2);   // "2" is the exponent
  EXPECT_EQ(marks[4].x1, 100 + 8 + 12 + 12 + 32);
  const auto tall = opsOf(each[1], OpKind::Text);
  ASSERT_EQ(tall.size(), 2u);
  EXPECT_EQ(tall[0].magY, 4);
  EXPECT_EQ(tall[1].magY, 2);
  EXPECT_EQ(tall[1].x1, 127);
  const auto both = opsOf(each[2], OpKind::Text);  // index "2", then exponent "3"
  ASSERT_EQ(both.size(), 2u);
  EXPECT_EQ(both[0].size, 8);
  EXPECT_EQ(both[0].y1, 190);
  EXPECT_EQ(both[1].magY, 2);
  EXPECT_EQ(both[1].x1, 124);
  const auto twice = opsOf(each[3], OpKind::Text);  // two "^" raise one character
  ASSERT_EQ(twice.size(), 2u);
  EXPECT_EQ(twice[0].magY, 2);
  EXPECT_EQ(twice[1].magY, 3);
}

// With KAKKO = 1, "((a))" draws both "(" tall, the first ")" tall, the second as usual.
TEST(Glyphs, TallPairEndsAtTheFirstClosingBracket) {
  const auto each = typesetEach({[] {
    KAKKO = 1;
    A_S = "((a))";
    X = 100;
    Y = 200;
    DRAWGLYPHS();
  }});
  const auto texts = opsOf(each[0], OpKind::Text);
  ASSERT_EQ(texts.size(), 5u);
  const int magY[] = {4, 4, 7, 4, 3};
  const float x[] = {96, 123, 158, 187, 208};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(texts[i].magY, magY[i]) << i;
    EXPECT_EQ(texts[i].x1, x[i]) << i;
  }
  EXPECT_EQ(KAKKO, 0);
}

// After drawing, the font is the gothic face at 16 points with bold off, italic off after an
// italic letter; the pen width is the one found, also in DR.
TEST(Glyphs, LeavesTheBaseFontAndThePen) {
  std::string face;
  float size = 0, pen = 0;
  const auto each = typesetEach({[&] {
    FE_SETFONTNAME("Times New Roman");
    FE_SETFONTSIZE(38);
    FE_SETDRAWWIDTH(4);
    A_S = "x+!2ﾝ&l";
    X = 100;
    Y = 200;
    DRAWGLYPHS();
    face = canvas().font.face;
    size = canvas().font.size;
    pen = FE_GETDRAWWIDTH();
    EXPECT_FALSE(canvas().font.bold);
    EXPECT_FALSE(canvas().font.italic);
  }});
  EXPECT_EQ(face, "ゴシック");
  EXPECT_EQ(size, 16);
  EXPECT_EQ(pen, 4);
  EXPECT_EQ(DR, 4);
  EXPECT_EQ(X, 100 + 27 + 27 + 28 + 27 + 36 + 32);
}

// A program chooses its script letter when it starts: Ombrel draws it by its own two rules.
TEST(Glyphs, TheProgramChoosesItsScriptLetterAtStartUp) {
  const HeadlessResult run = runHeadless(ProgramInfo{"Ombrel", [] { formula("l"); }, true}, HeadlessOptions{});
  const auto letters = textsEqual(run, "l");
  ASSERT_EQ(letters.size(), 1u);
  EXPECT_EQ(letters[0].size, 56);
  EXPECT_EQ(letters[0].x1, 104);
}

}  // namespace
