#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "engine/platform/platform.h"
#include "engine/state.h"
#include "engine/strings.h"
#include "support/test_support.h"
#include "tools/demo/demo.h"

namespace {

TEST(Startup, SetsTheEngineStateInOrder) {
  float pen = 0;
  const HeadlessResult run = runRoutine([&] { pen = FE_GETDRAWWIDTH(); });
  EXPECT_EQ(pen, 3);
  EXPECT_EQ(CCC1, 4);
  EXPECT_EQ(KAIX, 1056);
  EXPECT_EQ(KAIY, 648);
  EXPECT_EQ(TITLE_S, "Test");
  EXPECT_FALSE(run.error);
}

// The seed is hours + minutes + seconds, so 10:20:30 draws what a seed of 60 draws.
TEST(Startup, SeedsTheRandomGeneratorFromTheClock) {
  const std::pair<const char*, float> cases[] = {{"00:00:00", 0}, {"10:20:30", 60}, {"23:59:59", 141}};
  for (const auto& [time, seed] : cases) {
    float drawn = -1;
    HeadlessOptions options;
    options.time = time;
    static float* target;
    target = &drawn;
    runHeadless(ProgramInfo{"Seed", [] { *target = PaRnd(); }, false}, options);
    PaRandomize(seed);
    EXPECT_EQ(drawn, PaRnd()) << time;
  }
}

void expectErrorScreen(const HeadlessResult& run, int line, ErrorCode code) {
  ASSERT_TRUE(run.error);
  EXPECT_EQ(run.error->line, line);
  EXPECT_EQ(run.error->code, code);
  const Op& last = run.ops.back();
  ASSERT_EQ(last.kind, OpKind::Text);
  EXPECT_EQ(last.x1, 288);
  EXPECT_EQ(last.y1, 432);
  EXPECT_EQ(last.colour, 13);
  EXPECT_EQ(last.text, toUtf8(PfSTR244(static_cast<float>(line)) + "," + PfSTR244(static_cast<float>(code)) +
                              "エラーが発生しました。マウスで×をクリックして下さい。"));
  EXPECT_EQ(run.ops[run.ops.size() - 2].kind, OpKind::Clear);
}

TEST(ErrorScreen, BadIndexDeepInsideALessonEndsOnTheErrorScreen) {
  static int line;
  const HeadlessResult run = runRoutine([] {
    auto lesson = [] { line = __LINE__; T_A(81) = 1; };
    auto menu = [&] { lesson(); };
    menu();
  });
  expectErrorScreen(run, line, ErrorCode::IndexOutOfRange);
  EXPECT_EQ(run.ops.back().text.substr(0, 1), " ");  // the blank before a non-negative number stays
}

// The screen shows only the line and the code; what went wrong, and where, stays with the recorded
// error for the tools that report a failure.
TEST(ErrorScreen, KeepsWhatTheFaultSaidAndWhereItWasRaised) {
  static int line;
  const HeadlessResult bad = runRoutine([] { line = __LINE__; T_A(81) = 1; });
  ASSERT_TRUE(bad.error);
  EXPECT_EQ(bad.error->text, "");
  EXPECT_TRUE(bad.error->place.ends_with("test_startup.cpp:" + std::to_string(line))) << bad.error->place;

  const HeadlessResult thrown = runRoutine([] { throw std::logic_error("the seventh row is missing"); });
  expectErrorScreen(thrown, 0, ErrorCode::Internal);
  EXPECT_EQ(thrown.error->text, "the seventh row is missing");
  EXPECT_EQ(thrown.error->place, "");
}

TEST(ErrorScreen, DivisionByZeroInTheDemo) {
  const HeadlessResult run = runScript(demo::PROGRAM, "xd", "00:00:00", "error-screen.png");
  ASSERT_TRUE(run.error);
  EXPECT_EQ(run.error->code, ErrorCode::DivisionByZero);
}

TEST(ErrorScreen, UsesTheFontInForceAndIgnoresKeys) {
  const HeadlessResult run = runRoutine([] {
    FE_SETFONTNAME("Times New Roman");
    FE_SETFONTITALIC(true);
    X = DIV(1, 0);
  }, "abc");
  ASSERT_TRUE(run.error);
  EXPECT_EQ(run.ops.back().face, "Times New Roman");
  EXPECT_TRUE(run.ops.back().italic);
  for (const Op& op : run.ops) EXPECT_NE(op.kind, OpKind::Key);
}

TEST(Harness, EndsCleanlyWhenTheKeysRunOut) {
  const HeadlessResult run = runScript(demo::PROGRAM, "aa", "00:00:00", "demo.png");
  EXPECT_FALSE(run.error);
  int keys = 0;
  for (const Op& op : run.ops) keys += op.kind == OpKind::Key;
  EXPECT_EQ(keys, 2);
}

TEST(Harness, KeyScriptEscapes) {
  const std::vector<std::string> keys = parseKeys("1\\n\\b\\f\\\\ｱ\n");
  const std::vector<std::string> expected = {"1", "\r", "\b", "\f", "\\", "ｱ", "\r"};
  EXPECT_EQ(keys, expected);
}

}  // namespace
