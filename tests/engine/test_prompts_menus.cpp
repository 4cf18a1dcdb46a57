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

std::string joined(const std::vector<Op>& ops, std::size_t from, std::size_t count) {
  std::string text;
  for (std::size_t k = from; k < from + count; ++k) text += ops[k].text;
  return text;
}

TEST(AskNumber, PromptLeftOfTheFieldThenTheEntry) {
  const HeadlessResult run = runRoutine(
      [] {
        ASKNUMBER();
        CLEARASK();
      },
      "3\r");
  EXPECT_EQ(AINP_S, "3");
  EXPECT_EQ(AINP, 3);
  EXPECT_EQ(CCC1, 5);
  const auto ops = drawn(run);
  EXPECT_EQ(joined(ops, 0, 11), toUtf8("番号を入力して下さい。"));
  EXPECT_EQ(ops[0].x1, 816);
  EXPECT_EQ(ops[0].y1, 648);
  EXPECT_EQ(ops[0].colour, 0);
  EXPECT_EQ(ops[10].x1, 976);
  EXPECT_EQ(joined(ops, 11, 2), toUtf8("入力"));
  expectFilledBox(ops.back(), 816, 640, 1872, 690, 15, 15);
}

// Entered with nothing typed: the colour is the label's.
TEST(AskNumber, EnterAloneGivesZeroAndLeavesColourZero) {
  runRoutine([] { ASKNUMBER(); }, "\r");
  EXPECT_EQ(AINP_S, "");
  EXPECT_EQ(AINP, 0);
  EXPECT_EQ(CCC1, 0);
  EXPECT_EQ(Y, 648);
}

TEST(MenuBar, CallersLineAtTheLeftOfTheBarThenTheEntry) {
  float pen = 0;
  const HeadlessResult run = runRoutine(
      [&] {
        FE_SETDRAWWIDTH(7);
        AA_S = "①例3　②終了";
        MENUBAR();
        CLEARMENUBAR();
        pen = FE_GETDRAWWIDTH();
      },
      "2\r");
  EXPECT_EQ(AINP, 2);
  EXPECT_EQ(AA_S, "");
  EXPECT_EQ(pen, 7);
  const auto ops = drawn(run);
  EXPECT_EQ(joined(ops, 0, 7), toUtf8("①例３　②終了"));
  EXPECT_EQ(ops[0].x1, 16);
  EXPECT_EQ(ops[0].y1, 666);
  EXPECT_EQ(ops[0].colour, 0);
  EXPECT_EQ(ops[6].x1, 16 + 6 * 16);
  expectFilledBox(ops.back(), 0, 657, 992, 720, 15, 15);
}

TEST(MenuBar, EmptyLineStillTakesAnEntry) {
  const HeadlessResult run = runRoutine([] { MENUBAR(); }, "12\r");
  EXPECT_EQ(AINP, 12);
  const auto texts = textsOf(drawn(run));
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.front(), toUtf8("入"));
}

TEST(NextStep, BoxEntryAndErasesWithPenTwo) {
  float pen = 0;
  const HeadlessResult run = runRoutine(
      [&] {
        FE_SETDRAWWIDTH(5);
        CCC1 = 3;
        NEXTSTEP();
        pen = FE_GETDRAWWIDTH();
      },
      "2/2\r");
  EXPECT_EQ(AINP, 1);
  EXPECT_EQ(pen, 5);
  EXPECT_EQ(DR, 5);
  EXPECT_EQ(CCC1, 5);  // not restored
  const auto ops = drawn(run);
  expectFilledBox(ops[0], 96, 639, 400, 675, 13, 12);
  EXPECT_EQ(ops[0].pen, 2);
  EXPECT_EQ(joined(ops, 1, 12), toUtf8("次のステップは１を入力。"));
  EXPECT_EQ(ops[1].x1, 128);
  EXPECT_EQ(ops[1].y1, 648);
  EXPECT_EQ(ops[1].colour, 9);
  for (const Op& op : ops) {
    if (op.kind == OpKind::Circle) {
      EXPECT_EQ(op.pen, 2);
    }
  }
  const std::size_t n = ops.size();
  expectFilledBox(ops[n - 3], 1008, 640, 1248, 670, 15, 15);  // the entry's own erase
  expectFilledBox(ops[n - 2], 1008, 639, 1168, 666, 15, 15);
  expectFilledBox(ops[n - 1], 96, 639, 400, 675, 15, 15);
}

TEST(NextStep, EnterAloneAsksForTheNextProblem) {
  runRoutine([] { NEXTSTEP(); }, "\r");
  EXPECT_EQ(AINP, 0);
  EXPECT_EQ(CCC1, 0);
}

// Pictures of the prompts as they wait, the window closed in the middle of an entry.
TEST(PromptPictures, MenuBarWithEchoedKeys) {
  const HeadlessResult run = runRoutine(
      [] {
        AA_S = "①例3　②問3　③例4　④問4　⑤問5　⑥終了";
        MENUBAR();
      },
      "1.5/-2", "prompt-menu-bar.png");
  EXPECT_EQ(drawn(run).back().kind, OpKind::Circle);
  EXPECT_EQ(drawn(run).back().colour, 5);
}

TEST(PromptPictures, NextStepWaiting) {
  const HeadlessResult run = runRoutine([] { NEXTSTEP(); }, "", "prompt-next-step.png");
  EXPECT_EQ(drawn(run).back().kind, OpKind::Circle);
}

TEST(PromptPictures, MainMenuPromptWithEchoedKeys) {
  const HeadlessResult run = runRoutine([] { ASKNUMBER(); }, "12", "prompt-ask-number.png");
  EXPECT_EQ(drawn(run).back().cx, 1096);
}

}  // namespace
