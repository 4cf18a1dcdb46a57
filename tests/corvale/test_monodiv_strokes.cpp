// The cancellation strokes of section 2, read back from the picture over every random sequence
// the clock can give: each stroke lies on the characters it cancels and on nothing else, the
// numbers struck in a numerator and its denominator divide to the value written above, a
// denominator keeps "1", and the letters struck in a fraction are the divisor's letters: a
// letter with an exponent loses the exponent, a letter without one is struck itself. Review 1's
// distributive arcs run from inside the reciprocal to the first digit of each coefficient.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "common/prompt_marks.h"
#include "corvale_checks.h"
#include "engine/engine.h"
#include "programs/corvale/corvale.h"
#include "support/over_seeds.h"

using namespace corvale;

namespace {

std::string repeat(const std::string& keys, int n) {
  std::string all;
  for (int i = 0; i < n; ++i) all += keys;
  return all;
}

// A glyph of a formula line as drawn, and the cell it takes on its line: from its x to the next
// glyph's x on the same band, at most 32 px.
struct Glyph {
  float x, y;
  std::string text;  // UTF-8
  float cellEnd;
  bool raised;       // an exponent, drawn above the band's top
};

struct Stroke {
  Op op;
  std::vector<Glyph> struck;
};

bool isStroke(const Op& op) {
  return op.kind == OpKind::Line && (op.colour == 3 || op.colour == 7) && op.y1 > op.y2 && op.x2 > op.x1;
}
bool isSmallValue(const Op& op) { return op.kind == OpKind::Text && op.colour == 3 && op.size == 15; }
bool isDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// The colour-0 glyphs whose tops lie on a band from top: letters in italics and exponents are
// drawn up to 24 px higher than the digits beside them.
std::vector<Glyph> band(const std::vector<Op>& ops, float top) {
  std::vector<Glyph> glyphs;
  for (const Op& op : ops)
    if (op.kind == OpKind::Text && op.colour == 0 && op.y1 >= top - 24 && op.y1 <= top + 2)
      glyphs.push_back({op.x1, op.y1, op.text, 0, false});
  std::sort(glyphs.begin(), glyphs.end(), [](const Glyph& a, const Glyph& b) { return a.x < b.x; });
  for (std::size_t i = 0; i < glyphs.size(); ++i) {
    const float next = i + 1 < glyphs.size() ? glyphs[i + 1].x : glyphs[i].x + 32;
    glyphs[i].cellEnd = std::min(next, glyphs[i].x + 32);
    // Digits and upright letters stand at the band's top, italic letters far above it, and an
    // exponent a few pixels above it.
    glyphs[i].raised = glyphs[i].y < top - 1 && glyphs[i].y >= top - 6;
  }
  return glyphs;
}

// What a stroke lies on: the glyphs of its band whose cells it covers at least half of (or at
// least half of the stroke). It must not reach more than 5 px beyond them.
Stroke readStroke(const std::vector<Op>& ops, const Op& op) {
  Stroke stroke{op, {}};
  for (const Glyph& g : band(ops, op.y2)) {
    const float overlap = std::min(g.cellEnd, op.x2) - std::max(g.x, op.x1);
    if (overlap >= std::min(g.cellEnd - g.x, op.x2 - op.x1) / 2) stroke.struck.push_back(g);
  }
  EXPECT_FALSE(stroke.struck.empty()) << describe(op);
  if (stroke.struck.empty()) return stroke;
  EXPECT_GE(op.x1, stroke.struck.front().x - 5) << describe(op);
  EXPECT_LE(op.x2, stroke.struck.back().cellEnd + 5) << describe(op);
  // An exponent is struck by a stroke 20 px high, anything else by one 28 (or 40) px high.
  const bool exponent = stroke.struck.size() == 1 && stroke.struck[0].raised;
  if (exponent) {
    EXPECT_EQ(op.y1 - op.y2, 20) << describe(op);
  } else {
    EXPECT_TRUE(op.y1 - op.y2 == 28 || op.y1 - op.y2 == 40) << describe(op);
  }
  return stroke;
}

std::string textOf(const std::vector<Glyph>& glyphs) {
  std::string all;
  for (const Glyph& g : glyphs) all += g.raised ? "^" + g.text : g.text;
  return all;
}

// The small value written at (x, y) in colour 3, if any.
std::optional<std::string> smallValueAt(const std::vector<Op>& ops, float x, float y) {
  for (const Op& op : ops)
    if (isSmallValue(op) && op.x1 == x && op.y1 == y) return op.text;
  return std::nullopt;
}

// The passes of a practice loop: the stretches of the log from its clear to the next-step box.
std::vector<std::vector<Op>> passes(const HeadlessResult& run, float x, float y, float width, float height) {
  std::vector<std::vector<Op>> found;
  bool inPass = false;
  for (const Op& op : run.ops) {
    if (op.kind == OpKind::FilledBox && op.x1 == x && op.y1 == y && op.x2 == x + width && op.y2 == y + height) {
      found.emplace_back();
      inPass = true;
    } else if (walk::isNextStep(op)) {
      inPass = false;
    } else if (inPass) {
      found.back().push_back(op);
    }
  }
  return found;
}

// Number strokes in colour 3 come in pairs, a coefficient and then the divisor's digits in a
// denominator to its right: the coefficient's digits divided by the divisor's give the value
// written 30 px above it, and "1" stands 28 px under the divisor's digits. Returns the pairs.
std::vector<std::pair<Stroke, Stroke>> numberPairs(const std::vector<Op>& pass) {
  std::vector<Stroke> above, below;
  for (const Op& op : pass) {
    if (!isStroke(op) || op.colour != 3) continue;
    const Stroke stroke = readStroke(pass, op);
    EXPECT_TRUE(isDigits(textOf(stroke.struck))) << textOf(stroke.struck);
    const bool valueAbove = smallValueAt(pass, op.x1, op.y2 - 30).has_value();
    const bool oneBelow = smallValueAt(pass, op.x1, op.y2 + 28) == "1";
    EXPECT_NE(valueAbove, oneBelow) << describe(op);
    (valueAbove ? above : below).push_back(stroke);
  }
  std::vector<std::pair<Stroke, Stroke>> pairs;
  EXPECT_EQ(above.size(), below.size());
  for (std::size_t i = 0; i < above.size() && i < below.size(); ++i) {
    const Stroke& number = above[i];
    const Stroke& divisor = below[i];
    EXPECT_GT(divisor.op.x1, number.op.x1);
    const int n = std::stoi(textOf(number.struck)), d = std::stoi(textOf(divisor.struck));
    EXPECT_EQ(n % d, 0) << n << " / " << d;
    EXPECT_EQ(smallValueAt(pass, number.op.x1, number.op.y2 - 30), std::to_string(n / d)) << n << " / " << d;
    pairs.emplace_back(number, divisor);
  }
  return pairs;
}

// A stacked fraction of a split line: its bar, and the glyphs above and below it.
struct Fraction {
  float left, right;
  std::vector<Glyph> numerator, denominator;
};

std::vector<Fraction> fractionsOn(const std::vector<Op>& pass, float lineY) {
  std::vector<Fraction> found;
  for (const Op& op : pass) {
    if (op.kind != OpKind::Line || op.colour != 0 || op.pen != 4 || op.y1 != lineY + 25) continue;
    Fraction f{op.x1, op.x2, {}, {}};
    for (const Glyph& g : band(pass, lineY - 10))
      if (g.x >= f.left - 1 && g.x < f.right) f.numerator.push_back(g);
    for (const Glyph& g : band(pass, lineY + 28))
      if (g.x >= f.left - 1 && g.x < f.right) f.denominator.push_back(g);
    found.push_back(f);
  }
  return found;
}

bool isLetter(const Glyph& g) { return g.text.size() == 1 && std::isalpha(static_cast<unsigned char>(g.text[0])); }

// The letter strokes of a split line's two fractions. The denominator's letters (the divisor's)
// are all struck; in the numerator each of them cancels the exponent after it, or the letter
// itself when it has none; and nothing else is struck in colour 7. Returns the divisor's letters.
std::string expectLettersCancel(const std::vector<Op>& pass, float lineY) {
  const std::vector<Fraction> fractions = fractionsOn(pass, lineY);
  EXPECT_EQ(fractions.size(), 2u);
  std::string letters;
  for (const Fraction& f : fractions) {
    std::vector<std::string> numeratorStruck, expected;
    std::string denominatorStruck;
    for (const Op& op : pass) {
      if (!isStroke(op) || op.colour != 7 || op.x1 < f.left - 5 || op.x2 > f.right + 5) continue;
      const Stroke stroke = readStroke(pass, op);
      if (op.y2 > lineY) {
        denominatorStruck += textOf(stroke.struck);
      } else {
        numeratorStruck.push_back(textOf(stroke.struck));
      }
    }
    letters.clear();
    for (const Glyph& g : f.denominator)
      if (isLetter(g)) letters += g.text;
    EXPECT_EQ(denominatorStruck, letters);
    for (std::size_t i = 0; i < f.numerator.size(); ++i) {
      const Glyph& g = f.numerator[i];
      if (!isLetter(g) || letters.find(g.text) == std::string::npos) continue;
      const bool squared = i + 1 < f.numerator.size() && f.numerator[i + 1].raised;
      expected.push_back(squared ? "^" + f.numerator[i + 1].text : g.text);
    }
    std::sort(numeratorStruck.begin(), numeratorStruck.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(numeratorStruck, expected) << "numerator " << textOf(f.numerator) << ", letters " << letters;
  }
  return letters;
}

}  // namespace

TEST(CorvaleDivisionStrokes, ReviewOneCancelsTheDivisorAgainstEachCoefficient) {
  int twoDigits = 0;
  for (const int seed : sweptSeeds()) {
    SCOPED_TRACE(clockFor(seed));
    const HeadlessResult run = runScript(PROGRAM, "2\n1\n" + repeat("kkkkkkk2\n", 2) + "kkkkkkk1\n", clockFor(seed));
    ASSERT_FALSE(run.error.has_value());
    const auto all = passes(run, -40, 80, 1320, 1500);
    ASSERT_EQ(all.size(), 3u);
    for (const std::vector<Op>& pass : all) {
      const auto pairs = numberPairs(pass);
      ASSERT_EQ(pairs.size(), 2u);
      for (const auto& [number, divisor] : pairs) {
        // A coefficient is struck 40 px high on the line at y 330, the divisor 28 px high in the
        // reciprocal's denominator at y 358; a coefficient's stroke is 27 px per digit.
        EXPECT_EQ(number.op.y2, 330);
        EXPECT_EQ(number.op.y1, 370);
        EXPECT_EQ(number.op.x2 - number.op.x1, 27 * number.struck.size());
        EXPECT_EQ(divisor.op.y2, 358);
        EXPECT_EQ(divisor.op.y1, 386);
        twoDigits += number.struck.size() == 2;
      }
      for (const Op& op : pass) EXPECT_FALSE(isStroke(op) && op.colour == 7);
    }
  }
  EXPECT_GT(twoDigits, 0);
}

namespace {

bool isDigitGlyph(const Glyph& g) { return isDigits(g.text); }

}  // namespace

TEST(CorvaleDivisionStrokes, ReviewOneArcsRunFromTheReciprocalToEachCoefficient) {
  int negativeDivisors = 0, negativeFirst = 0, positiveDivisors = 0;
  for (const int seed : sweptSeeds()) {
    SCOPED_TRACE(clockFor(seed));
    const HeadlessResult run = runScript(PROGRAM, "2\n1\n" + repeat("kkkkkkk2\n", 2) + "kkkkkkk1\n", clockFor(seed));
    ASSERT_FALSE(run.error.has_value());
    const auto all = passes(run, -40, 80, 1320, 1500);
    ASSERT_EQ(all.size(), 3u);
    for (const std::vector<Op>& pass : all) {
      // The product line at y 240: its reciprocal's bar 25 px under the line's top, and the
      // digits of its two coefficients (the minus and plus signs are strokes, not glyphs).
      std::optional<float> bar;
      for (const Op& op : pass)
        if (op.kind == OpKind::Line && op.colour == 0 && op.pen == 4 && op.y1 == 265) bar = op.x1;
      ASSERT_TRUE(bar.has_value());
      const std::vector<Glyph> line = band(pass, 240);
      const auto firstDigit = std::find_if(line.begin(), line.end(), isDigitGlyph);
      const auto letterX = std::find_if(line.begin(), line.end(), [](const Glyph& g) { return g.text == "x"; });
      ASSERT_NE(firstDigit, line.end());
      ASSERT_NE(letterX, line.end());
      const auto secondDigit = std::find_if(letterX, line.end(), isDigitGlyph);
      ASSERT_NE(secondDigit, line.end());
      // Both arcs rise from 27 px into the reciprocal's fraction, 20 px above the line, whatever
      // stands before the fraction; each ends on the line at the right edge of the first digit of
      // its coefficient, past any sign.
      expectDistributiveArc(arcDots(pass, 9), *bar + 27, 220, firstDigit->x + 27, 240, 32);
      expectDistributiveArc(arcDots(pass, 7), *bar + 27, 220, secondDigit->x + 27, 240, 16);
      // A negative divisor's reciprocal stands as "(-" and the fraction.
      const bool negative = std::any_of(line.begin(), line.end(),
                                        [&](const Glyph& g) { return g.text == "(" && g.x == *bar - 54; });
      negativeDivisors += negative;
      positiveDivisors += !negative;
      negativeFirst += firstDigit->x > line[1].x + 27;
    }
  }
  EXPECT_GT(negativeDivisors, 0);
  EXPECT_GT(positiveDivisors, 0);
  EXPECT_GT(negativeFirst, 0);
}

TEST(CorvaleDivisionStrokes, ExampleThreeCancelsNumbersAndLettersInEachFraction) {
  int exponents = 0, twoDigits = 0;
  std::vector<std::string> divisorLetters;
  for (const int seed : sweptSeeds()) {
    SCOPED_TRACE(clockFor(seed));
    const std::string keys = "2\n2\n" + repeat("kkkkk2\n", 2) + "kkkkk1\nk" + repeat("kkkkk2\n", 2) + "kkkkk1\n";
    const HeadlessResult run = runScript(PROGRAM, keys, clockFor(seed));
    ASSERT_FALSE(run.error.has_value());
    const auto drillOne = passes(run, -40, 80, 1320, 1500);
    const auto drillTwo = passes(run, 640, 0, 1320, 1500);
    ASSERT_EQ(drillOne.size(), 3u);
    ASSERT_EQ(drillTwo.size(), 3u);
    for (const auto& [all, lineY] : {std::pair{drillOne, 300.0f}, std::pair{drillTwo, 210.0f}}) {
      for (const std::vector<Op>& pass : all) {
        const auto pairs = numberPairs(pass);
        ASSERT_EQ(pairs.size(), 2u);
        for (const auto& [number, divisor] : pairs) {
          EXPECT_EQ(number.op.y2, lineY - 10);
          EXPECT_EQ(divisor.op.y2, lineY + 28);
          EXPECT_EQ(number.op.x2 - number.op.x1, 32 * number.struck.size());
          twoDigits += number.struck.size() == 2;
        }
        divisorLetters.push_back(expectLettersCancel(pass, lineY));
        for (const Op& op : pass) exponents += isStroke(op) && op.y1 - op.y2 == 20;
      }
    }
  }
  // Every case came up: exponents, two-digit coefficients, and each letter part of the divisor.
  EXPECT_GT(exponents, 0);
  EXPECT_GT(twoDigits, 0);
  for (const char* letters : {"x", "y", "a", "b", "ab"})
    EXPECT_NE(std::find(divisorLetters.begin(), divisorLetters.end(), letters), divisorLetters.end()) << letters;
}
