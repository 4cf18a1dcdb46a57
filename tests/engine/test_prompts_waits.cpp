#include <gtest/gtest.h>

#include "engine/engine.h"
#include "test_prompts_support.h"

namespace {

void expectFilledBox(const Op& op, float x1, float y1, float x2, float y2, int colour, int fill) {
  EXPECT_EQ(op.kind, OpKind::FilledBox);
  EXPECT_EQ(op.x1, x1);
  EXPECT_EQ(op.y1, y1);
  EXPECT_EQ(op.x2, x2);
  EXPECT_EQ(op.y2, y2);
  EXPECT_EQ(op.colour, colour);
  EXPECT_EQ(op.fill, fill);
}

// A scene with pen 15 and text colour 3 gets both back; the box is drawn with pen 3.
TEST(StepWait, DrawsTheStepBoxWaitsAndRestoresPenAndColour) {
  float pen = 0;
  const HeadlessResult run = runRoutine(
      [&] {
        FE_SETDRAWWIDTH(15);
        CCC1 = 3;
        STEPWAIT();
        pen = FE_GETDRAWWIDTH();
      },
      "q");
  EXPECT_EQ(pen, 15);
  EXPECT_EQ(CCC1, 3);
  EXPECT_EQ(CCC0, 3);
  EXPECT_EQ(DR, 15);
  EXPECT_EQ(X, 320);
  EXPECT_EQ(Y, 666);
  EXPECT_EQ(AA_S, "");
  EXPECT_EQ(I_S, "q");
  const auto ops = drawn(run);
  ASSERT_EQ(ops.size(), 14u);  // box, 12 characters, erase
  expectFilledBox(ops[0], 96, 657, 400, 693, 13, 4);
  EXPECT_EQ(ops[0].pen, 3);
  std::string text;
  for (std::size_t k = 1; k <= 12; ++k) {
    EXPECT_EQ(ops[k].x1, 128 + 16 * (k - 1));
    EXPECT_EQ(ops[k].y1, 666);
    EXPECT_EQ(ops[k].colour, 9);
    text += ops[k].text;
  }
  EXPECT_EQ(text, toUtf8("何かキーを押して下さい。"));
  // The erase starts at x 0, left of the box.
  expectFilledBox(ops[13], 0, 657, 400, 693, 15, 15);
  // The key is read after the prompt is drawn and before the erase.
  std::size_t key = 0;
  while (run.ops[key].kind != OpKind::Key) ++key;
  EXPECT_EQ(key, 13u);
}

// Keys typed while a scene draws are kept: each ends the next wait, in order, and the number
// entry takes the rest as its first keys.
TEST(StepWait, KeysTypedAheadEndTheNextWaits) {
  std::vector<std::string> keys;
  const HeadlessResult run = runRoutine(
      [&] {
        for (int step = 0; step < 3; ++step) {
          PsLINE(10, 10, 200, 200, 2);
          STEPWAIT();
          keys.push_back(I_S);
        }
        NEXTSTEP();
      },
      "\x1b" "a7" "1\r");
  EXPECT_EQ(keys, (std::vector<std::string>{"\x1b", "a", "7"}));
  EXPECT_EQ(AINP, 1);
  EXPECT_FALSE(run.error);
}

TEST(BarMessage, BoxInTheBarAnyKeyThenTheWholeBarErased) {
  float pen = 0;
  const HeadlessResult run = runRoutine(
      [&] {
        FE_SETDRAWWIDTH(6);
        CCC1 = 2;
        AA_S = "あいうえおかきくけこ";
        BARMESSAGE();
        pen = FE_GETDRAWWIDTH();
      },
      "z");
  EXPECT_EQ(X, 208);
  EXPECT_EQ(Y, 666);
  EXPECT_EQ(AA_S, "");
  EXPECT_EQ(I_S, "z");
  EXPECT_EQ(CCC1, 2);
  EXPECT_EQ(pen, 6);
  const auto ops = drawn(run);
  ASSERT_EQ(ops.size(), 12u);
  expectFilledBox(ops[0], 16, 657, 496, 693, 13, 4);
  EXPECT_EQ(ops[0].pen, 3);
  EXPECT_EQ(ops[1].x1, 48);
  EXPECT_EQ(ops[1].colour, 9);
  expectFilledBox(ops[11], 0, 657, 992, 720, 15, 15);
}

// The window closes while the step wait waits: the box and its text stand in the picture.
TEST(StepWait, PictureWhileWaiting) {
  const HeadlessResult run = runRoutine(
      [] {
        CCC1 = 3;
        AA_S = "12.5";
        X = 100;
        Y = 100;
        PLAINTEXT();
        STEPWAIT();
      },
      "", "prompt-step-box.png");
  EXPECT_FALSE(run.error);
  EXPECT_EQ(drawn(run).back().text, toUtf8("。"));
}

}  // namespace
