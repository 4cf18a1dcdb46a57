// Number strings, the work-area and band clears, the command keys and the keyboard drain.
#include <gtest/gtest.h>

#include "engine/numbers.h"
#include "engine/platform/platform.h"
#include "engine/state.h"
#include "engine/strings.h"
#include "support/test_support.h"

namespace {

TEST(NumStrings, EveryEntryWithoutBlanks) {
  T_A(1) = -7;
  T_A(2) = 12;
  F_S_A(3) = "ﾀ1/2ﾀ";  // a text stored before the call is replaced
  NUMSTRINGS();
  EXPECT_EQ(T_S_A(1), "-7");
  EXPECT_EQ(T_S_A(2), "12");
  for (int i = 3; i <= 80; ++i) EXPECT_EQ(T_S_A(static_cast<float>(i)), "0") << "T$(" << i << ")";
  for (int i = 1; i <= 40; ++i) EXPECT_EQ(F_S_A(static_cast<float>(i)), "0") << "F$(" << i << ")";
  EXPECT_EQ(I, 41);
  EXPECT_EQ(A_S, F_S_A(40));
  EXPECT_EQ(T_A(1), -7);
}

// The texts pupils read: no exponent, a 0 before the point, no "-0".
TEST(NumStrings, NumberTexts) {
  const std::pair<float, const char*> rows[] = {
      {0.5f, "0.5"},       {-0.5f, "-0.5"},   {-0.0f, "0"},         {1234567, "1234567"}, {-30, "-30"},
      {10000000, "10000000"}, {1.0f / 3, "0.3333333"}, {2.25f, "2.25"}, {-0.125f, "-0.125"}, {100, "100"},
  };
  for (std::size_t k = 0; k < std::size(rows); ++k) {
    T_A(static_cast<float>(k + 1)) = rows[k].first;
    F_A(static_cast<float>(40 - k)) = rows[k].first;
  }
  NUMSTRINGS();
  for (std::size_t k = 0; k < std::size(rows); ++k) {
    EXPECT_EQ(T_S_A(static_cast<float>(k + 1)), rows[k].second) << rows[k].first;
    EXPECT_EQ(F_S_A(static_cast<float>(40 - k)), rows[k].second) << rows[k].first;
  }
}

TEST(KeyFlags, TheTenCommandKeys) {
  const char* keys[] = {"Q", "W", "E", "R", "T", "@", "I", "[", "]", "S"};
  for (int k = 0; k < 10; ++k) {
    I_S = keys[k];
    FKIG = 0;
    KEYFLAGS();
    EXPECT_EQ(FKIG, 1) << keys[k];
    EXPECT_EQ(HHKIG, k + 1) << keys[k];
    EXPECT_EQ(I_S, keys[k]);
  }
}

TEST(KeyFlags, OtherTextsLeaveTheLastKeyNumber) {
  I_S = "[";
  KEYFLAGS();
  ASSERT_EQ(HHKIG, 8);
  for (const char* text : {"1", "", "q", "s", "QW", "ｓ", "\r"}) {
    I_S = text;
    FKIG = 1;
    KEYFLAGS();
    EXPECT_EQ(FKIG, 0) << text;
    EXPECT_EQ(HHKIG, 8) << text;
    EXPECT_EQ(I_S, text);
  }
}

TEST(KeyDrain, DiscardsEveryPendingKey) {
  std::string after = "unread";
  const HeadlessResult run = runRoutine([&] {
    KEYDRAIN();
    after = PfINKEY24();
  }, "abc");
  EXPECT_EQ(I_S, "");
  EXPECT_EQ(after, "");
  int keys = 0;
  for (const Op& op : run.ops) keys += op.kind == OpKind::Key;
  EXPECT_EQ(keys, 3);
}

TEST(KeyDrain, ReturnsAtOnceWithNoKeyPending) {
  I_S = "x";
  const HeadlessResult run = runRoutine([] { KEYDRAIN(); });
  EXPECT_FALSE(run.error);
  EXPECT_EQ(I_S, "");
}

TEST(ClearWork, PaintsTheWorkAreaWhite) {
  float pen = 0;
  const HeadlessResult run = runRoutine([&] {
    CCC1 = 4;
    CLEARWORK();
    pen = FE_GETDRAWWIDTH();
  });
  const auto ops = drawn(run);
  ASSERT_EQ(ops.size(), 1u);
  const Op& box = ops[0];
  EXPECT_EQ(box.kind, OpKind::FilledBox);
  EXPECT_EQ(box.x1, 0);
  EXPECT_EQ(box.y1, 54);
  EXPECT_EQ(box.x2, 1440);
  EXPECT_EQ(box.y2, 900);
  EXPECT_EQ(box.colour, 15);
  EXPECT_EQ(box.fill, 15);
  EXPECT_EQ(pen, 3);
  EXPECT_EQ(CCC1, 4);
}

TEST(ClearBand, PaintsTheBandRightOfTheAnchor) {
  const HeadlessResult run = runRoutine([] { CLEARBAND(); });
  EXPECT_EQ(X, 1136);
  EXPECT_EQ(Y, 576);
  const auto ops = drawn(run);
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].kind, OpKind::FilledBox);
  EXPECT_EQ(ops[0].x1, 1136);
  EXPECT_EQ(ops[0].y1, 576);
  EXPECT_EQ(ops[0].x2, 2576);
  EXPECT_EQ(ops[0].y2, 666);
  EXPECT_EQ(ops[0].colour, 15);
  EXPECT_EQ(ops[0].fill, 15);
}

}  // namespace
