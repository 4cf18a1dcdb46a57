#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine.h"
#include "test_prompts_support.h"

namespace {

struct Entry {
  std::string text;
  float value;
  float colour;  // CCC1 afterwards
};

// Runs one entry after another in one run, as a lesson's prompts follow one another.
std::vector<Entry> enter(int entries, const std::string& keys, std::vector<std::vector<Op>>* drawnBy = nullptr) {
  std::vector<Entry> results;
  std::vector<std::function<void()>> bodies;
  for (int k = 0; k < entries; ++k)
    bodies.push_back([&] {
      CCC1 = 7;
      INPUTFIELD();
      INPUTVALUE();
      results.push_back({AINP_S, AINP, CCC1});
    });
  auto ops = drawEachCase(bodies, keys);
  if (drawnBy) *drawnBy = std::move(ops);
  return results;
}

TEST(NumberEntry, TypedTextAndItsValue) {
  struct Case {
    const char* keys;
    const char* text;
    float value;
  };
  const Case cases[] = {
      {"12\r", "12", 12},
      {"12/3\r", "12/3", 4},
      {"3/4\r", "3/4", 0.75f},
      {"2/2\r", "2/2", 1},
      {"-3\r", "-3", -3},
      {"1.5\r", "1.5", 1.5f},
      {"/4\r", "/4", 0},
      {"\r", "", 0},
      // A second "/" belongs to the divisor's text, which converts as far as it can: 1 / 2.
      {"1/2/4\r", "1/2/4", 0.5f},
      // Keys outside "-", ".", "/" and the digits are dropped.
      {"1a 2x\r", "12", 12},
      // Backspace and character 12 clear the whole entry.
      {"123\b45\r", "45", 45},
      {"99\f7\r", "7", 7},
      {"123456789\r", "123456789", 123456789.0f},
      // The tenth character is taken; the next key, Enter too, clears the entry, which goes on.
      {"1234567890\r8\r", "8", 8},
      {"12345678901\r", "", 0},
  };
  std::string keys;
  for (const Case& c : cases) keys += c.keys;
  const auto results = enter(std::size(cases), keys);
  ASSERT_EQ(results.size(), std::size(cases));
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    SCOPED_TRACE(cases[k].keys);
    EXPECT_EQ(results[k].text, cases[k].text);
    EXPECT_FLOAT_EQ(results[k].value, cases[k].value);
  }
}

// A pupil's slip such as "5/" has no quotient: it gives 0, so the prompt's caller asks again or
// goes on to the next problem, and the lesson does not end on the error screen.
TEST(NumberEntry, EmptyOrZeroDivisorGivesZeroWithoutAnError) {
  const char* slips[] = {"5/\r", "1/0\r", "/\r", "7/0.0\r", "0/0\r"};
  std::string keys;
  for (const char* s : slips) keys += s;
  keys += "1\r";
  int passes = 0;
  std::vector<float> values;
  const HeadlessResult run = runRoutine(
      [&] {
        do {
          ++passes;
          NEXTSTEP();
          values.push_back(AINP);
        } while (AINP != 1);
      },
      keys);
  EXPECT_FALSE(run.error);
  EXPECT_EQ(passes, 6);
  for (std::size_t k = 0; k + 1 < values.size(); ++k) {
    EXPECT_EQ(values[k], 0) << slips[k];
    EXPECT_FALSE(std::isnan(values[k]));
  }
}

TEST(NumberEntry, ValueOfATextSetDirectly) {
  AINP_S = "12/3";
  INPUTVALUE();
  EXPECT_EQ(AINP, 4);
  EXPECT_EQ(LEM, 4);
  EXPECT_EQ(N, 3);
  EXPECT_EQ(A_S, "12");
  EXPECT_EQ(B_S, "3");
  EXPECT_EQ(AINP_S, "12/3");
  AINP_S = "-";
  INPUTVALUE();
  EXPECT_EQ(AINP, 0);
  EXPECT_EQ(N, 0);
}

// The label, the echo, the cursor dot and the erase of the field, for the keys 1, 2 and Enter.
TEST(NumberEntry, LabelEchoDotAndErase) {
  std::vector<std::vector<Op>> drawnBy;
  const auto results = enter(1, "12\r", &drawnBy);
  ASSERT_EQ(results.size(), 1u);
  ASSERT_EQ(drawnBy.size(), 1u);
  EXPECT_EQ(results[0].colour, 5);
  const auto& ops = drawnBy[0];
  EXPECT_EQ(textsOf(ops), utf8({"入", "力", "１", "２"}));
  const Op* label = &ops[0];
  EXPECT_EQ(label->x1, 1008);
  EXPECT_EQ(label->y1, 648);
  EXPECT_EQ(label->colour, 0);
  std::vector<const Op*> echo, dots;
  for (const Op& op : ops) {
    if (op.kind == OpKind::Text && op.colour == 5) echo.push_back(&op);
    if (op.kind == OpKind::Circle) dots.push_back(&op);
  }
  ASSERT_EQ(echo.size(), 2u);
  EXPECT_EQ(echo[0]->x1, 1056);
  EXPECT_EQ(echo[1]->x1, 1072);
  EXPECT_EQ(echo[1]->y1, 648);
  // The dot before each key, erased when the key is echoed; the last one erased at Enter.
  ASSERT_EQ(dots.size(), 6u);
  const float centres[] = {1064, 1064, 1080, 1080, 1096, 1096};
  for (std::size_t k = 0; k < dots.size(); ++k) {
    EXPECT_EQ(dots[k]->cx, centres[k]);
    EXPECT_EQ(dots[k]->cy, 656);
    EXPECT_EQ(dots[k]->radius, k % 2 == 0 ? 4 : 5);  // erased one pixel wider, leaving no rim
    EXPECT_EQ(dots[k]->pen, 2);
    EXPECT_TRUE(dots[k]->filled);
    EXPECT_EQ(dots[k]->colour, k % 2 == 0 ? 5 : 15);
    EXPECT_EQ(dots[k]->fill, k % 2 == 0 ? 5 : 15);
  }
  const Op& erase = ops.back();
  EXPECT_EQ(erase.kind, OpKind::FilledBox);
  EXPECT_EQ(erase.x1, 1008);
  EXPECT_EQ(erase.y1, 640);
  EXPECT_EQ(erase.x2, 1248);
  EXPECT_EQ(erase.y2, 670);
  EXPECT_EQ(erase.colour, 15);
  EXPECT_EQ(erase.fill, 15);
}

TEST(NumberEntry, PointTakesNoRoomInTheEcho) {
  std::vector<std::vector<Op>> drawnBy;
  enter(1, "1.5-/\r", &drawnBy);
  ASSERT_EQ(drawnBy.size(), 1u);
  std::vector<std::pair<std::string, float>> echo;
  for (const Op& op : drawnBy[0])
    if (op.kind == OpKind::Text && op.colour == 5) echo.push_back({op.text, op.x1});
  const std::vector<std::pair<std::string, float>> expected = {
      {toUtf8("１"), 1056}, {toUtf8("．"), 1068}, {toUtf8("５"), 1072}, {toUtf8("－"), 1088}, {toUtf8("÷"), 1104}};
  EXPECT_EQ(echo, expected);
}

// Ten characters stand in the field; Enter then clears them (the label stays) and the next
// digit is drawn at the start of the field again.
TEST(NumberEntry, KeyAfterTheTenthCharacterClearsTheEntry) {
  std::vector<std::vector<Op>> drawnBy;
  const auto results = enter(1, "1234567890\r7\r", &drawnBy);
  ASSERT_EQ(results.size(), 1u);
  ASSERT_EQ(drawnBy.size(), 1u);
  EXPECT_EQ(results[0].text, "7");
  const auto& ops = drawnBy[0];
  std::size_t clear = 0;
  for (std::size_t i = 0; i < ops.size(); ++i)
    if (ops[i].kind == OpKind::FilledBox && ops[i].x1 == 1056) clear = i;
  ASSERT_GT(clear, 0u);
  EXPECT_EQ(ops[clear].y1, 640);
  EXPECT_EQ(ops[clear].x2, 1248);
  EXPECT_EQ(ops[clear].y2, 670);
  EXPECT_EQ(textsOf({ops.begin(), ops.begin() + static_cast<long>(clear)}).size(), 12u);  // label and ten digits
  std::vector<Op> after(ops.begin() + static_cast<long>(clear), ops.end());
  ASSERT_EQ(textsOf(after), utf8({"７"}));
  for (const Op& op : after)
    if (op.kind == OpKind::Text) {
      EXPECT_EQ(op.x1, 1056);
    }
}

// Cleared with backspace and then submitted empty: nothing stands, yet the echo colour stays.
TEST(NumberEntry, ClearedEntryLeavesTheEchoColour) {
  const auto results = enter(2, "12\b\r\r");
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0].text, "");
  EXPECT_EQ(results[0].value, 0);
  EXPECT_EQ(results[0].colour, 5);
  EXPECT_EQ(results[1].colour, 0);
}

// A scene's thick pen does not reach the dot: at pen 15 a dot would cover half the next cell
// and its erase would bite into the character before it. The caller keeps its pen.
TEST(NumberEntry, DotKeepsToItsCellWhateverThePen) {
  float pen = 0;
  const HeadlessResult run = runRoutine(
      [&] {
        FE_SETDRAWWIDTH(15);
        INPUTFIELD();
        pen = FE_GETDRAWWIDTH();
      },
      "12\r");
  EXPECT_EQ(pen, 15);
  for (const Op& op : drawn(run)) {
    if (op.kind != OpKind::Circle) continue;
    // Reach of the disc and its rim, from the left edge of the dot's own cell.
    const float cellLeft = op.cx - 8;
    EXPECT_GE(op.cx - op.radius - op.pen / 2.0f, cellLeft);
    EXPECT_LE(op.cx + op.radius + op.pen / 2.0f, cellLeft + 16);
  }
}

// While the entry waits, the dot stands in the echo colour and nothing more is drawn, however
// long the wait: the run below ends after many empty polls.
TEST(NumberEntry, DotStaysVisibleWhileWaiting) {
  const HeadlessResult run = runRoutine([] { INPUTFIELD(); }, "4");
  std::vector<Op> circles;
  for (const Op& op : drawn(run))
    if (op.kind == OpKind::Circle) circles.push_back(op);
  ASSERT_EQ(circles.size(), 3u);
  EXPECT_EQ(circles.back().colour, 5);
  EXPECT_EQ(circles.back().cx, 1080);
  EXPECT_EQ(drawn(run).back().kind, OpKind::Circle);
  EXPECT_FALSE(run.error);
}

}  // namespace
