// How the typeset glyphs come out in the picture: the italic letters stand on the digits'
// baseline in the middle of their advance, in and out of fractions, exponents ride high and
// smaller and stand by what they belong to, a number in a fraction reads as one word, and "=" sits
// on the axis of the drawn plus and minus. The layout numbers are the operation log's; these
// check the faces' calibration.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/typeset.h"
#include "op_ink.h"
#include "support/pictures.h"
#include "test_typeset_support.h"

namespace {

struct Ink {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
  double centre() const { return (left + right) / 2.0; }
  int height() const { return bottom - top + 1; }
};

// The ink in the box from (x1,y1) to (x2,y2).
Ink inkIn(const Picture& p, int x1, int y1, int x2, int y2) {
  Ink ink;
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x)
      if (!closeTo(p.at(x, y), paletteColour(15), 64)) {
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
      }
  return ink;
}

std::unique_ptr<Picture> picture;

// A white page, whatever an earlier run left (a clear paints the error screen's navy).
void blankPage() { PsLINE(0, 0, CANVAS_WIDTH, CANVAS_HEIGHT, 15, LineMode::FilledBox, 15); }

// The picture goes to a file of each test's own: tests run in parallel processes, and one
// must not read the file while another writes it.
void drawSamples(const std::string& pictureName) {
  blankPage();
  CCC1 = 0;
  formula("2", 100, 100);
  formula("x", 300, 100);
  formula("a", 500, 100);
  formula("^2", 700, 100);
  formula("ﾀ2/5ﾀ", 100, 300);
  formula("ﾀx/5ﾀ", 300, 300);
  formula("ﾀa/5ﾀ", 500, 300);
  picture = pictureOfCanvas(pictureName);
}

// Each sample alone in a box around where it is drawn.
Ink sample(int x, int y) { return inkIn(*picture, x - 30, y - 40, x + 70, y + 70); }

TEST(TypesetPicture, ItalicLettersStandOnTheDigitsBaselineMidAdvance) {
  runRoutine([] { drawSamples("typeset-glyph-placement.png"); });
  ASSERT_TRUE(picture && picture->width() > 0);
  const Ink digit = sample(100, 100);
  for (int x : {300, 500}) {
    SCOPED_TRACE(x);
    const Ink letter = sample(x, 100);
    EXPECT_NEAR(letter.bottom, digit.bottom, 2);
    EXPECT_NEAR(letter.centre(), x + 27 / 2.0, 3);  // advance 27 outside fractions
    EXPECT_GT(letter.height(), digit.height() / 2);
  }
  // In a fraction's numerator (drawn at the line's top - 10): advance 32.
  const Ink fractionDigit = inkIn(*picture, 100, 260, 131, 314);
  for (int x : {300, 500}) {
    SCOPED_TRACE(x);
    const Ink letter = inkIn(*picture, x - 10, 260, x + 41, 314);
    EXPECT_NEAR(letter.bottom, fractionDigit.bottom, 2);
    EXPECT_NEAR(letter.centre(), x + 32 / 2.0, 3);
    EXPECT_NEAR(fractionDigit.centre(), 100 + 32 / 2.0, 3);
  }
}

TEST(TypesetPicture, ExponentsRideHighAndSmaller) {
  runRoutine([] { drawSamples("typeset-exponent-placement.png"); });
  ASSERT_TRUE(picture && picture->width() > 0);
  const Ink digit = sample(100, 100);
  const Ink exponent = sample(700, 100);
  EXPECT_LE(exponent.top, digit.top);
  EXPECT_LT(exponent.bottom, digit.bottom - digit.height() / 4);
  EXPECT_LT(exponent.height(), digit.height() * 4 / 5);
}

// The operations of one formula drawn at (100, 200).
std::vector<Op> formulaOps(const std::string& text) {
  return typesetEach({[&] { formula(text); }})[0];
}

// The ink of the first text operation showing text (UTF-8) at or after index from.
OpInk textInk(const std::vector<Op>& ops, const std::string& text, std::size_t from = 0) {
  for (std::size_t i = from; i < ops.size(); ++i)
    if (ops[i].kind == OpKind::Text && ops[i].text == text) return inkOf(ops[i]);
  ADD_FAILURE() << "no " << text << " in\n" << listing(ops);
  return {};
}

double gapBetween(const OpInk& left, const OpInk& right) { return right.left - left.right; }

// 12 over 18 and 100 over 45: the figures of a fraction, 32 px apart, fill their cells so that
// the gap between two of them is well under half their height, without running into the next
// cell or being stretched wider than high, and leave the fraction bar clear.
TEST(TypesetPicture, FiguresInAFractionReadAsOneNumber) {
  for (const char* text : {"ﾀ12/18ﾀ", "ﾀ100/45ﾀ"}) {
    const std::vector<Op> ops = formulaOps(text);
    SCOPED_TRACE(listing(ops));
    const std::vector<Op> bars = opsOf(ops, OpKind::Line);
    ASSERT_EQ(bars.size(), 1u);
    const OpInk bar = inkOf(bars[0]);
    const std::vector<Op> figures = opsOf(ops, OpKind::Text);
    const Op* before = nullptr;
    for (const Op& op : figures) {
      const OpInk ink = inkOf(op);
      EXPECT_GE(ink.left, op.x1);
      EXPECT_LE(ink.right, op.x1 + 32);
      EXPECT_LE(ink.width(), ink.height());
      if (op.y1 < bar.top) {
        EXPECT_LE(ink.bottom, bar.top - 3);
      } else {
        EXPECT_GE(ink.top, bar.bottom + 3);
      }
      if (before != nullptr && before->y1 == op.y1) {
        EXPECT_LT(gapBetween(inkOf(*before), ink), 0.45 * ink.height()) << before->text << op.text;
      }
      before = &op;
    }
  }
}

// An exponent after ")" stands as close by its bracket as one after a letter stands by the
// letter, and the brackets keep hugging what they enclose.
TEST(TypesetPicture, ExponentsStandByTheirBracketAsByALetter) {
  const std::vector<Op> ops = formulaOps("(a+b)^2+y^2");
  SCOPED_TRACE(listing(ops));
  const std::vector<Op> texts = opsOf(ops, OpKind::Text);
  ASSERT_EQ(texts.size(), 7u);  // ( a b ) 2 y 2
  const OpInk open = inkOf(texts[0]), a = inkOf(texts[1]), b = inkOf(texts[2]), close = inkOf(texts[3]);
  const OpInk squared = inkOf(texts[4]), y = inkOf(texts[5]), ySquared = inkOf(texts[6]);
  EXPECT_LE(gapBetween(close, squared), 8);
  EXPECT_LE(gapBetween(close, squared), gapBetween(y, ySquared) + 4);
  EXPECT_GE(gapBetween(y, ySquared), 2);
  EXPECT_LE(gapBetween(open, a), 6.5);
  EXPECT_LE(gapBetween(b, close), 6.5);
  // The bracket rises above the exponent's top and reaches below the letters.
  EXPECT_LT(close.top, squared.top);
  EXPECT_GT(close.bottom, b.bottom);
}

// "=" is about as wide as the drawn plus and lies on its axis, between the plus's bar and the
// bar of a fraction beside it, which passes between its two bars and stays clear of it; it
// stands clear of an exponent before it.
TEST(TypesetPicture, EqualsSignSitsOnTheAxisOfPlusAndMinus) {
  const std::vector<Op> sum = formulaOps("a+b=c-d");
  const std::vector<Op> lines = opsOf(sum, OpKind::Line);
  ASSERT_EQ(lines.size(), 3u);  // the plus's bar, its upright, the minus
  const OpInk plus = inkOf(lines[0]), minus = inkOf(lines[2]), equals = textInk(sum, "=");
  EXPECT_GE(equals.width(), 0.8 * plus.width());
  EXPECT_GE(equals.height(), 10);
  EXPECT_NEAR(equals.middleY(), plus.middleY(), 2);
  EXPECT_GT(equals.middleY(), minus.middleY());

  const std::vector<Op> fractions = formulaOps("ﾀ1/2ﾀ=ﾀ2/4ﾀ");
  const std::vector<Op> bars = opsOf(fractions, OpKind::Line);
  ASSERT_EQ(bars.size(), 2u);
  const OpInk between = textInk(fractions, "=");
  for (const Op& bar : bars) {
    const OpInk ink = inkOf(bar);
    EXPECT_LT(between.top, ink.top);
    EXPECT_GT(between.bottom, ink.bottom);
  }
  EXPECT_GE(gapBetween(inkOf(bars[0]), between), 3);
  EXPECT_GE(gapBetween(between, inkOf(bars[1])), 3);

  const std::vector<Op> squared = formulaOps("x^2=9");
  EXPECT_GE(gapBetween(textInk(squared, "2"), textInk(squared, "=")), 4);
}

}  // namespace

// A line's own erase starts at the top of its cells: an ordinary bracket's ink stays within its
// cell's height, so erasing the line leaves no stroke of it behind.
TEST(TypesetPicture, BracketsStayWithinTheirCells) {
  const std::vector<Op> ops = formulaOps("(x+3)(x+4)");
  SCOPED_TRACE(listing(ops));
  int brackets = 0;
  for (const Op& op : opsOf(ops, OpKind::Text)) {
    if (op.text != "(" && op.text != ")") continue;
    ++brackets;
    const OpInk ink = inkOf(op);
    EXPECT_GE(ink.top, op.y1) << op.text << " at x " << op.x1;
    EXPECT_LE(ink.bottom, op.y1 + op.size * op.magY) << op.text << " at x " << op.x1;
  }
  EXPECT_EQ(brackets, 4);
}
