// The formula drawing entry: fractions, the tall root and the exponent mark, character cutting,
// the flags that carry over from one text to the next, and the root's bar.
#include <gtest/gtest.h>

#include "engine/typeset.h"
#include "test_typeset_support.h"

namespace {

// The x of every text operation, and the texts, for compact checks.
std::vector<float> textXs(const std::vector<Op>& ops) {
  std::vector<float> xs;
  for (const Op& op : opsOf(ops, OpKind::Text)) xs.push_back(op.x1);
  return xs;
}

std::vector<std::string> texts(const std::vector<Op>& ops) {
  std::vector<std::string> all;
  for (const Op& op : opsOf(ops, OpKind::Text)) all.push_back(op.text);
  return all;
}

struct FormulaCase {
  const char* text;
  float width;                       // how far X moves from 100
  std::vector<const char*> glyphs;   // code page 932, in drawing order
};

// Widths and glyphs of whole texts, the lessons' own among them. A fraction's denominator is
// drawn before its numerator.
TEST(Formula, DrawsTextsAndReturnsTheirEnd) {
  const FormulaCase cases[] = {
      {"", 0, {}},
      {"=(5x^2-10x)*ﾀ1/5xﾀ", 363, {"=", "(", "5", "x", "2", "1", "0", "x", ")", "×", "5", "x", "1"}},
      {"(x^2y^2-3xy^2)/(-ﾀ1/3ﾀxy)", 27 * 14 + 24 * 3 + 32,
       {"(", "x", "2", "y", "2", "3", "x", "y", "2", ")", "÷", "(", "3", "1", "x", "y", ")"}},
      {"=ﾀ2a^2/3ﾀ", 32 + 32 + 32 + 24, {"=", "3", "2", "a", "2"}},
      {")\\2", 27 + 24, {")", "2"}},
      // An unclosed "ﾀ" is dropped; a "/" after it is a division sign.
      {"1ﾀ2/3", 108, {"1", "2", "÷", "3"}},
      {"12ﾀ", 54, {"1", "2"}},
      // "ﾝ" with no root open changes nothing.
      {"2ﾝ3", 54, {"2", "3"}},
      // Double-byte characters are cut whole: a second byte equal to "ﾀ", "^", "\" or "ﾝ" is no markup.
      {"実2", 34 + 27, {"実", "2"}},
      {"型2十3胃4", 34 * 3 + 27 * 3, {"型", "2", "十", "3", "胃", "4"}},
      {"面積は", 34 * 3, {"面", "積", "は"}},
  };
  std::vector<std::function<void()>> bodies;
  std::vector<float> ends(std::size(cases));
  for (std::size_t k = 0; k < std::size(cases); ++k)
    bodies.push_back([&, k] {
      formula(cases[k].text);
      ends[k] = X;
      EXPECT_EQ(Y, 200);
      EXPECT_EQ(AA_S, "");
    });
  const auto each = typesetEach(bodies);
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    const auto& c = cases[k];
    EXPECT_EQ(ends[k], 100 + c.width) << toUtf8(c.text);
    std::vector<std::string> expected;
    for (const char* g : c.glyphs) expected.push_back(toUtf8(g));
    EXPECT_EQ(texts(each[k]), expected) << toUtf8(c.text);
  }
  EXPECT_TRUE(each[0].empty());
}

TEST(Formula, LeavesPenFontAndColourAsTheCallerHadThem) {
  float pen = 0;
  const auto each = typesetEach({[&] {
    FE_SETDRAWWIDTH(2);
    CCC1 = 9;
    formula("#ﾀ1/x^2ﾀ+3ﾝ-!2ﾝ&l");
    pen = FE_GETDRAWWIDTH();
    EXPECT_EQ(canvas().font.face, "ゴシック");
    EXPECT_EQ(canvas().font.size, 16);
    EXPECT_FALSE(canvas().font.bold);
    EXPECT_FALSE(canvas().font.italic);
  }});
  EXPECT_EQ(pen, 2);
  EXPECT_EQ(DR, 2);
  EXPECT_EQ(CCC1, 9);
  EXPECT_EQ(BUN, 0);
  EXPECT_EQ(HROOT, 0);
  for (const Op& op : each[0]) EXPECT_EQ(op.colour, 9) << describe(op);
}

// A "^" at the end of one text raises the first eligible character of the next; a root left
// open carries its bar over the next text until "ﾝ".
TEST(Formula, FlagsCarryOverToTheNextText) {
  const auto each = typesetEach({
      [] {
        formula("2^");
        EXPECT_EQ(JYOU, 1);
        formula("=3", X);
      },
      [] {
        formula("!2");
        formula("3ﾝ4", X);
      },
  });
  const auto raised = opsOf(each[0], OpKind::Text);
  ASSERT_EQ(raised.size(), 3u);
  EXPECT_EQ(raised[1].size, 14);  // "=" passes the flag on
  EXPECT_EQ(raised[2].magY, 2);
  EXPECT_EQ(raised[2].x1, 100 + 27 + 32);
  const auto bars = opsOf(each[1], OpKind::Line);
  ASSERT_EQ(bars.size(), 2u) << listing(each[1]);
  EXPECT_EQ(bars[0].x1, 128);
  EXPECT_EQ(bars[0].x2, 155);
  EXPECT_EQ(bars[1].x1, 128);  // the whole bar again, now over "3" of the second text
  EXPECT_EQ(bars[1].x2, 182);
  EXPECT_EQ(bars[1].y1, 196);
}

struct Bar {
  float x1, x2, y;
};

struct RootCase {
  const char* text;
  bool inFraction;  // drawn with DRAWGLYPHS under fraction metrics
  std::vector<Bar> bars;
  int signs;        // polylines drawn
};

// The open root's bar is drawn again after every glyph from its start to the glyph's right end,
// at 4 px above the line for a root sign, 6 for the small one, 14 for the tall one.
TEST(Formula, TheRootsBarFollowsTheGlyphs) {
  const RootCase cases[] = {
      {"!2ﾝ+1", false, {{128, 155, 196}}, 1},
      {"!23ﾝ", true, {{126, 158, 194}, {126, 190, 194}}, 1},
      {"#2ﾝ", false, {{132, 159, 186}}, 1},
      // Under the tall root in fraction metrics the fraction draws the bar; the glyphs draw none.
      {"#2ﾝ", true, {}, 0},
      // "&" gets no bar; the bar starts again at its right end.
      {"!2&3ﾝ", false, {{128, 155, 196}, {191, 218, 196}}, 2},
      // A second root sign replaces the first: its own state and its own start.
      {"!2!3ﾝ", false, {{128, 155, 196}, {183, 210, 196}}, 2},
  };
  std::vector<std::function<void()>> bodies;
  for (const auto& c : cases)
    bodies.push_back([&c] {
      if (c.inFraction) {
        // The tall root is only ever opened by DRAWFORMULA; set its state as it leaves it.
        if (c.text[0] == '#') HROOT = 22, TXM = 100;
        BUN = 1;
        A_S = c.text[0] == '#' ? std::string(c.text + 1) : std::string(c.text);
        X = 100;
        Y = 200;
        DRAWGLYPHS();
        BUN = 0;
      } else {
        formula(c.text);
      }
    });
  const auto each = typesetEach(bodies);
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    const auto& c = cases[k];
    const std::string label = toUtf8(c.text) + (c.inFraction ? " in a fraction" : "");
    std::vector<Op> bars;
    for (const Op& op : opsOf(each[k], OpKind::Line))
      if (op.pen == 3) bars.push_back(op);
    ASSERT_EQ(bars.size(), c.bars.size()) << label << "\n" << listing(each[k]);
    for (std::size_t i = 0; i < bars.size(); ++i) {
      EXPECT_EQ(bars[i].x1, c.bars[i].x1) << label << " bar " << i;
      EXPECT_EQ(bars[i].x2, c.bars[i].x2) << label << " bar " << i;
      EXPECT_EQ(bars[i].y1, c.bars[i].y) << label << " bar " << i;
      EXPECT_EQ(bars[i].y2, c.bars[i].y) << label << " bar " << i;
    }
    EXPECT_EQ(static_cast<int>(opsOf(each[k], OpKind::Polyline).size()), c.signs) << label;
  }
}

// The tall root sign at the text's X; a fraction under it starts 32 px to the right and the bar
// runs 14 px above the line across the fraction, then on over what follows.
TEST(Formula, TallRootOverAFraction) {
  const auto each = typesetEach({[] { formula("#ﾀ1/2ﾀ+3ﾝ"); }});
  const auto& ops = each[0];
  const auto signs = opsOf(ops, OpKind::Polyline);
  ASSERT_EQ(signs.size(), 1u);
  const Point sign[] = {{104, 236}, {108, 224}, {116, 260}, {130, 186}, {138, 186}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(signs[0].points[i].x, sign[i].x);
    EXPECT_EQ(signs[0].points[i].y, sign[i].y);
  }
  EXPECT_EQ(signs[0].pen, 3);
  const auto lines = opsOf(ops, OpKind::Line);
  // The fraction bar, the bar across the fraction, "+" and the bar over the fraction and "+".
  ASSERT_EQ(lines.size(), 6u) << listing(ops);
  EXPECT_EQ(lines[0].y1, 225);
  EXPECT_EQ(lines[0].pen, 4);
  EXPECT_EQ(lines[0].x1, 132);
  EXPECT_EQ(lines[0].x2, 164);
  EXPECT_EQ(lines[1].y1, 186);
  EXPECT_EQ(lines[1].pen, 3);
  EXPECT_EQ(lines[1].x1, 132);
  EXPECT_EQ(lines[1].x2, 164);
  // After the fraction the bar goes on from the numerator's right end.
  EXPECT_EQ(lines[4].x1, 164);
  EXPECT_EQ(lines[4].x2, 191);
  EXPECT_EQ(lines[4].y1, 186);
  EXPECT_EQ(lines[5].x1, 164);
  EXPECT_EQ(lines[5].x2, 218);
  EXPECT_EQ(textXs(ops), (std::vector<float>{132, 132, 191}));
  EXPECT_EQ(HROOT, 0);
}

// A root opened by "!" just before a fraction draws its bar at the lines of the fraction's parts.
TEST(Formula, RootBeforeAFractionBarsItsParts) {
  const auto each = typesetEach({[] { formula("!ﾀ1/2ﾀﾝ"); }});
  std::vector<Op> bars;
  for (const Op& op : opsOf(each[0], OpKind::Line))
    if (op.pen == 3) bars.push_back(op);
  ASSERT_EQ(bars.size(), 2u) << listing(each[0]);
  EXPECT_EQ(bars[0].y1, 228 - 4);  // the denominator's line
  EXPECT_EQ(bars[1].y1, 190 - 4);  // the numerator's line
  EXPECT_EQ(bars[0].x1, 128);
  EXPECT_EQ(bars[1].x2, 160);
}

// Measuring a fraction's parts leaves the markup state as it was: a root opened inside the
// numerator and closed after the fraction bars the text after it from the numerator's root,
// never from where the measuring run laid the part out.
TEST(Formula, MeasuringThePartsLeavesNoTrace) {
  const auto each = typesetEach({[] {
    AA_A_S = "unchanged";
    formula("ﾀ!2/3ﾀ+1ﾝ", 500, 200);
  }});
  for (const Op& op : each[0]) {
    for (const Point& p : pointsOf(op)) {
      EXPECT_GE(p.x, 500) << describe(op);
      EXPECT_LT(p.y, 300) << describe(op);
    }
  }
  std::vector<Op> bars;
  for (const Op& op : opsOf(each[0], OpKind::Line))
    if (op.pen == 3) bars.push_back(op);
  ASSERT_EQ(bars.size(), 3u) << listing(each[0]);
  EXPECT_EQ(bars[0].x1, 526);   // over the numerator's "2", after the small root sign
  EXPECT_EQ(bars[1].x1, 526);   // then over "+" ...
  EXPECT_EQ(bars[1].x2, 558 + 27);
  EXPECT_EQ(bars[1].y1, 194);
  EXPECT_EQ(bars[2].x2, 558 + 54);  // ... and "1", until "ﾝ"
  EXPECT_EQ(HROOT, 0);
}

// With KAKKO = 1 a tall pair encloses a fraction; a ")" inside the fraction already ends the
// pair while the part is measured, so the parts and the last ")" are of normal height.
TEST(Formula, TallParenthesesAroundAFraction) {
  const auto each = typesetEach({
      [] {
        KAKKO = 1;
        formula("(ﾀ1/2ﾀ)");
        EXPECT_EQ(KAKKO, 0);
        EXPECT_EQ(X, 100 + 27 + 32 + 27);
      },
      [] {
        KAKKO = 1;
        formula("(ﾀ(1)/2ﾀ)");
        EXPECT_EQ(KAKKO, 0);
      },
  });
  const auto tall = opsOf(each[0], OpKind::Text);
  ASSERT_EQ(tall.size(), 4u);
  EXPECT_EQ(tall[0].magY, 4);
  EXPECT_EQ(tall[0].x1, 96);
  EXPECT_EQ(tall[3].magY, 4);
  EXPECT_EQ(tall[3].x1, 165);
  const auto inside = opsOf(each[1], OpKind::Text);
  ASSERT_EQ(inside.size(), 6u) << listing(each[1]);
  EXPECT_EQ(inside[0].magY, 4);
  for (int i = 1; i < 5; ++i) EXPECT_EQ(inside[i].magY, 2) << i;  // "2", "(", "1", ")"
  EXPECT_EQ(inside[5].magY, 3);
}

// Texts that break the markup's rules still draw something sensible and never fail.
TEST(Formula, BrokenMarkupDrawsSensibly) {
  float ends[5];
  const auto each = typesetEach({
      // A fraction without "/": the text over an empty denominator.
      [&] {
        formula("ﾀ12ﾀ+1");
        ends[0] = X;
      },
      // The empty fraction takes no room.
      [&] {
        formula("ﾀﾀ3");
        ends[1] = X;
      },
      // "#" inside a fraction is the small root sign; measured and drawn alike.
      [&] {
        formula("ﾀ#2ﾝ/3ﾀ");
        ends[2] = X;
        EXPECT_EQ(HROOT, 0);
      },
      // "^" before a fraction or "#".
      [&] {
        formula("^ﾀ1/2ﾀ^#3ﾝ");
        ends[3] = X;
      },
      // Only markup.
      [&] {
        formula("^\\ﾝﾀ");
        ends[4] = X;
      },
  });
  EXPECT_EQ(ends[0], 100 + 64 + 27 + 27);
  EXPECT_EQ(texts(each[0]), (std::vector<std::string>{"1", "2", "1"}));
  EXPECT_EQ(opsOf(each[0], OpKind::Text)[0].y1, 190);
  EXPECT_EQ(ends[1], 127);
  EXPECT_EQ(ends[2], 100 + 26 + 32);
  ASSERT_EQ(opsOf(each[2], OpKind::Polyline).size(), 1u);
  EXPECT_EQ(opsOf(each[2], OpKind::Text)[0].y1, 236);  // room under the bar for the root
  EXPECT_GT(ends[3], 100);
  EXPECT_EQ(ends[4], 100);
  EXPECT_TRUE(each[4].empty());
}

TEST(StripMarkup, RemovesTheMarkupCharacters) {
  const std::pair<const char*, const char*> cases[] = {
      {"-ﾀ3/4ﾀ", "-3/4"}, {"ﾀ1/2ﾀ", "1/2"}, {"x^2", "x2"}, {"!3ﾝ", "!3"}, {"=5", "5"},
      {"12/5", "12/5"},   {"^ﾝﾀ=", ""},      {"", ""},       {"実=型^", "実型"},
  };
  for (const auto& [in, out] : cases) {
    A_S = in;
    STRIPMARKUP();
    EXPECT_EQ(A_S, out) << toUtf8(in);
  }
}

}  // namespace
