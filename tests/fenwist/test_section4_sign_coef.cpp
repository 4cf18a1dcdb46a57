// The signs of a problem's number texts: a "+" before every positive number of the range, the
// coefficient of the letter 1 and -1 written as its sign alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "programs/fenwist/sign_coef.h"

namespace {

std::vector<std::string> signedTexts(const std::vector<float>& numbers, float last) {
  float n = 1;
  for (const float number : numbers) T_A(n++) = number;
  NUMSTRINGS();
  fenwist::SIGNCOEF(1, last);
  std::vector<std::string> texts;
  for (float i = 1; i < n; ++i) texts.push_back(T_S_A(i));
  return texts;
}

TEST(FenwistSignCoef, PlusBeforeThePositiveNumbersOfTheRangeOnly) {
  EXPECT_EQ(signedTexts({3, -4, -1, -12, 5, 6}, 4), (std::vector<std::string>{"+3", "-4", "-", "-12", "5", "6"}));
  EXPECT_EQ(signedTexts({-3, 4, 1, -12, -1, 0}, 6), (std::vector<std::string>{"-3", "+4", "+", "-12", "-1", "0"}));
  EXPECT_EQ(signedTexts({1, -1, 7, 12, 5, 30}, 6), (std::vector<std::string>{"+1", "-1", "+7", "+12", "+5", "+30"}));
  EXPECT_EQ(signedTexts({3, -3, 0, -9}, 4), (std::vector<std::string>{"+3", "-3", "0", "-9"}));
}

}  // namespace
