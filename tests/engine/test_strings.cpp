#include <gtest/gtest.h>

#include <limits>

#include "engine/runtime.h"
#include "engine/strings.h"

namespace {

struct SliceCase {
  const char* text;
  int klen;
  int len;
  const char* kleft2;
  const char* kright2;
  const char* kmid2_2;
};

// Mixed single- and double-byte text: half-width katakana are one byte, "表" and "ソ" have 5C
// ("\") as their second byte, which must never be taken for a character of its own.
TEST(Strings, ByteAndCharacterCountsOnMixedText) {
  const SliceCase cases[] = {
      {"abc", 3, 3, "ab", "bc", "bc"},
      {"ｱｲｳ", 3, 3, "ｱｲ", "ｲｳ", "ｲｳ"},
      {"表ソ\\", 3, 5, "表ソ", "ソ\\", "ソ\\"},
      {"x表2", 3, 4, "x表", "表2", "表2"},
      {"√2ﾝ", 3, 4, "√2", "2ﾝ", "2ﾝ"},
      {"", 0, 0, "", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(toUtf8(c.text));
    EXPECT_EQ(PfKLEN(c.text), c.klen);
    EXPECT_EQ(PfLEN(c.text), c.len);
    EXPECT_EQ(PfKLEFT24(c.text, 2), c.kleft2);
    EXPECT_EQ(PfKRIGHT24(c.text, 2), c.kright2);
    EXPECT_EQ(PfKMID24(c.text, 2, 2), c.kmid2_2);
  }
}

TEST(Strings, SearchesCountFromOne) {
  EXPECT_EQ(PfINSTR("12/3", "/"), 3);
  EXPECT_EQ(PfINSTR("123", "/"), 0);
  EXPECT_EQ(PfINSTR("a-b-c", "-", 3), 4);
  // "表" is 95 5C: a byte search finds the 5C inside it, a character search does not.
  EXPECT_EQ(PfINSTR("表\\", "\\"), 2);
  EXPECT_EQ(PfKINSTR("表\\", "\\"), 2);
  EXPECT_EQ(PfKINSTR("表x\\", "\\"), 3);
  EXPECT_EQ(PfKINSTR("ｱ表/", "/"), 3);
  EXPECT_EQ(PfMID24("abcdef", 3, 2), "cd");
  EXPECT_EQ(PfMID24("abcdef", 5), "ef");
  EXPECT_EQ(PfMID24("abc", 9), "");
  EXPECT_EQ(PfLEFT24("abc", 9), "abc");
  EXPECT_EQ(PfRIGHT24("abc", 2), "bc");
}

TEST(Strings, RejectedArgumentsAreRuntimeErrors) {
  EXPECT_THROW(PfMID24("abc", 0), RuntimeError);
  EXPECT_THROW(PfLEFT24("abc", -1), RuntimeError);
  EXPECT_THROW(PfMID24("abc", 1, -1), RuntimeError);  // a negative count is no "rest of the text"
  EXPECT_THROW(PfKMID24("ｱ表", 1, -1), RuntimeError);
  EXPECT_EQ(PfKMID24("ｱ表x", 2), "表x");
  EXPECT_THROW(PfASC(""), RuntimeError);
  EXPECT_THROW(PfCHR24(256), RuntimeError);
  EXPECT_EQ(PfASC("A"), 65);
  EXPECT_EQ(PfCHR24(65), "A");
}

TEST(Strings, NumberTexts) {
  const std::pair<float, const char*> cases[] = {
      {0, " 0"},          {-0.0f, " 0"},        {5, " 5"},           {-5, "-5"},
      {0.5f, " 0.5"},     {-0.5f, "-0.5"},      {1.0f / 3, " 0.3333333"}, {1234567, " 1234567"},
      {12345678, " 12345680"}, {100000000, " 100000000"}, {0.0001f, " 0.0001"}, {0.00000012345678f, " 0.0000001234568"}, {-98765432, "-98765430"}, {2.5f, " 2.5"},
      {-12.25f, "-12.25"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(PfSTR244(value), text) << value;
  // An overflowed number is an error, never the text "inf" in front of a class.
  EXPECT_THROW(PfSTR244(std::numeric_limits<float>::infinity()), RuntimeError);
  EXPECT_THROW(PfSTR244(std::numeric_limits<float>::quiet_NaN()), RuntimeError);
  EXPECT_EQ(PfSTR244(3e38f), " 300000000000000000000000000000000000000");
}

TEST(Strings, ValReadsTheNumberAtTheStart) {
  const std::pair<const char*, float> cases[] = {
      {"", 0},    {"12", 12},  {" 7", 7},  {"-3", -3}, {"1.5", 1.5f}, {".5", 0.5f}, {"-", 0},
      {".", 0},   {"12/3", 12}, {"5.6", 5.6f}, {"1-2", 1}, {"1..2", 1}, {"abc", 0}, {"--1", 0},
  };
  for (const auto& [text, value] : cases) EXPECT_FLOAT_EQ(PfVAL(text), value) << text;
}

TEST(Strings, StrValRoundTrip) {
  for (float v : {0.0f, 1.0f, -1.0f, 0.25f, -7.5f, 123.456f, 99999.0f, -0.001f})
    EXPECT_FLOAT_EQ(PfVAL(PfSTR244(v)), v) << v;
}

TEST(Strings, Utf8RoundTrip) {
  const std::string text = "番号を入力して下さい。ｱ表x";
  EXPECT_EQ(fromUtf8(toUtf8(text)), text);
  EXPECT_EQ(toUtf8("ﾀ"), "\xEF\xBE\x80");
}

}  // namespace
