#include <gtest/gtest.h>

#include "engine/engine.h"
#include "test_prompts_support.h"

namespace {

struct PlainCase {
  const char* text;
  float advance;
};

TEST(PlainText, EndsWhereTheFixedAdvancesEnd) {
  const PlainCase cases[] = {
      {"12", 40}, {"-3", 40}, {"1.5", 48}, {"１２", 60}, {"(a)", 40}, {"x y", 60}, {"3,4", 48}, {"ABC", 60},
      {"ｱ", 20},  {"", 0},
  };
  std::vector<float> ends, ys;
  std::vector<std::function<void()>> bodies;
  for (const auto& c : cases)
    bodies.push_back([&] {
      AA_S = c.text;
      X = 200;
      Y = 300;
      CCC1 = 3;
      PLAINTEXT();
      ends.push_back(X);
      ys.push_back(Y);
      EXPECT_EQ(AA_S, "");
    });
  const auto drawnBy = drawEachCase(bodies);
  ASSERT_EQ(drawnBy.size(), std::size(cases));
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    SCOPED_TRACE(toUtf8(cases[k].text));
    EXPECT_EQ(ends[k], 200 + cases[k].advance);
    EXPECT_EQ(ys[k], 300);
    for (const Op& op : drawnBy[k]) {
      EXPECT_EQ(op.colour, 3);
      EXPECT_TRUE(op.bold);
    }
  }
}

struct Glyph {
  std::string text;  // UTF-8
  float x, y;
  int magX, magY;
  float size;
  bool italic;
  std::string face;  // UTF-8
};

std::vector<Glyph> glyphsOf(const std::vector<Op>& ops) {
  std::vector<Glyph> glyphs;
  for (const Op& op : ops)
    if (op.kind == OpKind::Text) glyphs.push_back({op.text, op.x1, op.y1, op.magX, op.magY, op.size, op.italic, op.face});
  return glyphs;
}

// Where each kind of character sits, how large, and in which face.
TEST(PlainText, PlacesEachKindOfCharacter) {
  const std::vector<std::pair<const char*, std::vector<std::tuple<const char*, float, float, int, int>>>> cases = {
      {"(a)", {{"(", 92, 300, 3, 2}, {"a", 116, 288, 7, 4}, {")", 132, 300, 3, 2}}},
      {"x y", {{"x", 104, 288, 7, 4}, {"y", 140, 294, 3, 2}}},
      {"1.5", {{"1", 100, 300, 3, 2}, {".", 120, 300, 3, 2}, {"5", 128, 300, 3, 2}}},
      {"２c", {{"２", 100, 300, 2, 2}, {"c", 134, 288, 7, 4}}},
  };
  std::vector<std::function<void()>> bodies;
  for (const auto& c : cases)
    bodies.push_back([&] {
      AA_S = c.first;
      X = 100;
      Y = 300;
      PLAINTEXT();
    });
  const auto drawnBy = drawEachCase(bodies);
  ASSERT_EQ(drawnBy.size(), cases.size());
  for (std::size_t k = 0; k < cases.size(); ++k) {
    SCOPED_TRACE(toUtf8(cases[k].first));
    const auto glyphs = glyphsOf(drawnBy[k]);
    ASSERT_EQ(glyphs.size(), cases[k].second.size());
    for (std::size_t g = 0; g < glyphs.size(); ++g) {
      const auto& [text, x, y, magX, magY] = cases[k].second[g];
      EXPECT_EQ(glyphs[g].text, toUtf8(text));
      EXPECT_EQ(glyphs[g].x, x) << text;
      EXPECT_EQ(glyphs[g].y, y) << text;
      EXPECT_EQ(glyphs[g].magX, magX) << text;
      EXPECT_EQ(glyphs[g].magY, magY) << text;
      const bool italic = magX == 7;
      EXPECT_EQ(glyphs[g].italic, italic) << text;
      EXPECT_EQ(glyphs[g].size, italic ? 8 : 15) << text;
      if (italic) {
        EXPECT_EQ(glyphs[g].face, "Times New Roman");
      }
    }
  }
}

// Whatever face was current, an italic letter leaves the gothic face upright behind it; the
// size is 16 and bold off, also after an empty text. Probe texts show the font state.
TEST(PlainText, LeavesTheFontStateItPromises) {
  float pen = 0;
  const HeadlessResult run = runRoutine([&] {
    FE_SETDRAWWIDTH(6);
    FE_SETFONTNAME("MT Extra");
    FE_SETFONTBOLD(true);
    FE_SETFONTSIZE(20);
    AA_S = "";
    X = 50;
    PLAINTEXT();
    PsSYMBOL40(0, 0, 1, 1, 0, "p");
    AA_S = "2c";
    PLAINTEXT();
    PsSYMBOL40(0, 0, 1, 1, 0, "q");
    pen = FE_GETDRAWWIDTH();
  });
  EXPECT_EQ(pen, 6);
  const auto probes = glyphsOf(drawn(run));
  ASSERT_EQ(probes.size(), 4u);
  // After the empty text: nothing drawn, X kept, face untouched.
  EXPECT_EQ(probes[0].text, "p");
  EXPECT_EQ(probes[0].face, "MT Extra");
  EXPECT_EQ(probes[0].size, 16);
  EXPECT_FALSE(drawn(run)[0].bold);
  // "2" in the face current on entry, then the gothic face after the italic c.
  EXPECT_EQ(probes[1].face, "MT Extra");
  EXPECT_EQ(probes[3].text, "q");
  EXPECT_EQ(probes[3].face, toUtf8("ゴシック"));
  EXPECT_FALSE(probes[3].italic);
  EXPECT_EQ(probes[3].size, 16);
  EXPECT_FALSE(drawn(run)[3].bold);
  EXPECT_EQ(X, 90);
}

}  // namespace
