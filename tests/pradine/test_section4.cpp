// Section 4 of Pradine through the headless runner: the aim and the section menu, the mixed
// formula drill, example 1 with its hidden pieces and the combined-expression drill after it, and
// the answers to problem 6. Pictures: build/test-output/pradine-section4-*.png.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "engine/engine.h"
#include "programs/pradine/drill_kit.h"
#include "programs/pradine/globals.h"
#include "programs/pradine/section4.h"
#include "sections_support.h"

namespace {

using namespace later_sections;
using walk::OpWalk;

TEST(Section4, AimScreenAndMenuAskingAgainUntilAValidChoice) {
  const HeadlessResult run = runScript(pradine::PROGRAM, "4\r5\r0\r\r4\r8\r", "00:00:00", "pradine-section4-aim.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.reads(44, 240, 5, "<めあて>", 2);
  w.reads(44, 305, 3, "1");
  w.reads(98, 305, 0, "公式を使う練習をしよう。");  // after "1 "
  w.reads(44, 370, 3, "2");
  w.reads(98, 370, 0, "3(x+5)^2-(x+3)(x-3) のような式を計算しよう。");
  w.reads(16, 666, 0, SECTION4_MENU);
  w.reads(16, 666, 0, SECTION4_MENU, 2);  // 5 is refused
  w.reads(16, 666, 0, SECTION4_MENU, 2);  // 0 too
  w.reads(16, 666, 0, SECTION4_MENU, 1);  // and an empty entry
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 2);
  EXPECT_EQ(w.keysLeft(), 2);
  // The aim sentences start where their number and its blank end.
  for (const float y : {305.0f, 370.0f}) {
    const auto sentence = std::find_if(run.ops.begin(), run.ops.end(), [&](const Op& op) {
      return op.kind == OpKind::Text && op.y1 == y && op.colour == 0;
    });
    ASSERT_NE(sentence, run.ops.end());
    EXPECT_FLOAT_EQ(sentence->x1 - 44, widthOf(y == 305 ? "1 " : "2 ")) << y;
  }
}

TEST(Section4, MixedDrillDrawsEachKindWithTheKit) {
  // Six problems: an empty entry, 0 and 2 ask for another, 1 ends.
  const std::string keys = "4\r1\r" "  \r" "  0\r" "  \r" "  2\r" "  \r" "  1\r" "4\r8\r";
  FMAESU = 0;  // as a fresh program has it
  const HeadlessResult run = runWithShots(keys, "10:20:30", "pradine-section4-mixed");
  ASSERT_FALSE(run.error);
  EXPECT_EQ(keysRead(run), static_cast<int>(keys.size()));
  const float lastKind = FMAESU;
  OpWalk w(run);
  PaRandomize(60);  // the clock 10:20:30
  FMAESU = 0;
  float before = 0;
  for (int problem = 0; problem < 6; ++problem) {
    pradine::MIXEDNUMBERS();
    const pradine::DrillTexts texts = pradine::drillTexts();
    w.fill(0, 0, 1320, 1300, 15, 15, problem == 0 ? 4 : problem == 1 || problem == 3 || problem == 5 ? 1 : 2);
    w.reads(44, 18, 3, "問　次の式を展開しなさい。");
    w.reads(88, 98, 0, texts.problem);
    w.reads(88, 178, 0, texts.expansion, 1);
    w.reads(88, 258, 5, texts.result, 1);
    before = pradine::KOUSIKI;
  }
  EXPECT_EQ(lastKind, before);  // the last kind stays in the memory
  w.reads(16, 666, 0, SECTION4_MENU, 2);
}

// Where the geometry of a text or a stroke stands: its kind, corners and text.
using Geometry = std::tuple<OpKind, float, float, float, float, std::string>;
Geometry geometryOf(const Op& op) { return {op.kind, op.x1, op.y1, op.x2, op.y2, op.text}; }

// The index of the n-th key press (from 1) in the log.
std::size_t keyIndex(const std::vector<Op>& ops, int n) {
  int seen = 0;
  for (std::size_t i = 0; i < ops.size(); ++i)
    if (ops[i].kind == OpKind::Key && ++seen == n) return i;
  return ops.size();
}

TEST(Section4, ExampleOneShowsItsHiddenPiecesInTheirGapsThenTheDrill) {
  // The ten steps, then three problems of the drill: an empty entry, 0, then 1.
  const std::string keys = "4\r2\r" + steps(10) + "    \r" "    0\r" "    1\r" "4\r8\r";
  const HeadlessResult run = runWithShots(keys, "01:02:03", "pradine-section4-example");
  ASSERT_FALSE(run.error);
  EXPECT_EQ(pradine::NO, 3);  // one count per problem
  EXPECT_EQ(keysRead(run), static_cast<int>(keys.size()));
  OpWalk w(run);
  w.reads(264, 30, 15, MAIN_MENU_HEADING);
  w.fill(0, 0, 1760, 1800, 15, 15, 2);  // the main menu's clear for the section
  w.fill(0, 0, 1760, 1800, 15, 15, 2);  // the scene's
  w.reads(40, 30, 0, "例題1　次の式を計算しなさい。");
  w.reads(40, 100, 3, "①");
  w.reads(94, 100, 0, " 2(x+5)^2-(x+3)(x-3)");
  w.reads(174, 150, 3, "(x+5)^2 と(x+3)(x-3) を展開する", 1);
  // The expansions in their gaps, the pieces between them drawn in the background colour.
  w.reads(94, 230, 0, "=", 1);
  w.follows(15, "2(");
  w.follows(0, "x^2+10x+25");
  w.follows(15, ")-(");
  w.follows(0, "x^2-9");
  w.follows(15, ")");

  // Step 3 draws the coefficient, the minus and the brackets in the background colour; steps 4 to
  // 6 draw them again in colour, exactly over their gaps, and the note 88 px after the last one.
  const std::size_t step3 = keyIndex(run.ops, 7), step6 = keyIndex(run.ops, 10);
  const float note = X_A(7) + 88;
  std::vector<Geometry> hidden, shown;
  for (std::size_t i = keyIndex(run.ops, 6); i < step3; ++i)
    if (run.ops[i].colour == 15 && (run.ops[i].kind == OpKind::Text || run.ops[i].kind == OpKind::Line))
      hidden.push_back(geometryOf(run.ops[i]));
  for (std::size_t i = step3; i < step6; ++i) {
    const Op& op = run.ops[i];
    if ((op.kind == OpKind::Text || op.kind == OpKind::Line) && op.y1 >= 200 && op.y1 < 300 && op.x1 < note - 1) {
      EXPECT_EQ(op.colour, op.text == "2" || op.kind == OpKind::Line ? 0 : 5) << describe(op);
      shown.push_back(geometryOf(op));
    }
  }
  EXPECT_EQ(hidden.size(), 6u);
  std::sort(hidden.begin(), hidden.end());
  std::sort(shown.begin(), shown.end());
  EXPECT_EQ(hidden, shown);
  // Each remembered place is where its piece stands, on the line y 230.
  EXPECT_EQ(Y_A(1), 230);
  for (const float element : {8.0f, 1.0f, 3.0f, 4.0f, 5.0f, 7.0f}) {
    const bool found = std::any_of(hidden.begin(), hidden.end(), [&](const Geometry& g) {
      return std::get<1>(g) >= X_A(element) && std::get<1>(g) < X_A(element) + 10;
    });
    EXPECT_TRUE(found) << "X(" << element << ") = " << X_A(element);
  }
  EXPECT_FLOAT_EQ(X_A(8), 94 + widthOf("="));
  EXPECT_FLOAT_EQ(X_A(1) - X_A(8), widthOf("2"));
  EXPECT_TRUE(std::any_of(run.ops.begin(), run.ops.end(),
                          [&](const Op& op) { return op.text == "(" && op.colour == 5 && op.x1 == note; }));

  w.reads(94, 310, 0, "=2x^2+20x+50-x^2+9", 4);
  w.reads(94 + widthOf("=2x^2+20x+50-x^2+9") + 88, 310, 3, "同類項をまとめる", 1);
  w.reads(94, 390, 0, "=2x^2-x^2+20x+50+9", 1);
  w.reads(94, 470, 5, "=x^2+20x+59", 1);

  // The drill: three problems, the second a sum times a difference.
  PaRandomize(6);  // the clock 01:02:03
  for (float no = 0; no < 3; ++no) {
    pradine::NO = no;
    pradine::COMBINEDNUMBERS();
    if (no == 1) {
      EXPECT_EQ(T_A(2), -T_A(1));
    }
    const pradine::CombinedTexts texts = pradine::combinedTexts();
    w.fill(0, 0, 1320, 1300, 15, 15, no == 2 ? 2 : 1);
    w.reads(40, 30, 3, "例題1　次の式を計算しなさい。");
    w.reads(40, 110, 3, "②");
    w.reads(94, 110, 0, texts.problem);
    w.reads(94, 180, 0, texts.products, 1);
    w.reads(94, 250, 0, texts.opened, 1);
    w.reads(94, 320, 0, texts.gathered, 1);
    w.reads(94, 390, 5, texts.answer, 1);
  }
  w.reads(132, 570, 3, "教科書 問6　をしなさい。", 2);
  w.reads(16, 666, 0, SECTION4_MENU);
  // The drill draws with the pen width 5 and leaves it so.
  for (const Op& op : run.ops)
    if (op.kind == OpKind::FilledBox && op.x2 == 1320 && op.y2 == 1300) {
      EXPECT_EQ(op.pen, 5);
    }
  const auto menus = textsEqual(run, "＜");
  ASSERT_FALSE(menus.empty());
  EXPECT_EQ(menus.back().pen, 5);
}

TEST(Section4, ProblemSixAnswersOneLinePerStep) {
  const HeadlessResult run = runScript(pradine::PROGRAM, "4\r3\r" + steps(9) + "4\r8\r", "00:00:00",
                                       "pradine-section4-answers.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.reads(264, 30, 15, MAIN_MENU_HEADING);
  w.fill(0, 0, 1760, 1800, 15, 15, 2);  // the main menu's clear for the section
  w.fill(0, 0, 1760, 1800, 15, 15, 2);  // the scene's
  const std::vector<PageLine> lines = {
      {94, 30, 3, "問6 解答", 0},
      {40, 80, 3, "(1)", 0},
      {AFTER, 80, 0, "(x-3)^2+(x-1)(x+7)", 0},
      {94, 130, 0, "=x^2-6x+9+", 1},
      {AFTER, 130, 5, "(", 0},
      {AFTER, 130, 0, "x^2+6x-7", 0},
      {AFTER, 130, 5, ")", 0},
      {94, 180, 0, "=x^2-6x+9+x^2+6x-7", 1},
      {94, 230, 0, "=x^2+x^2-6x+6x+9-7", 1},
      {94, 280, 5, "=2x^2+2", 1},
      {40, 350, 3, "(2)", 1},
      {AFTER, 350, 0, "(x+2)(x+9)-x(x+10)", 0},
      {94, 400, 0, "=", 1},
      {AFTER, 400, 5, "(", 0},
      {AFTER, 400, 0, "x^2+11x+18", 0},
      {AFTER, 400, 5, ")", 0},
      {AFTER, 400, 0, "-", 0},
      {AFTER, 400, 5, "(", 0},
      {AFTER, 400, 0, "x^2+10x", 0},
      {AFTER, 400, 5, ")", 0},
      {94, 450, 0, "=x^2+11x+18-x^2-10x", 1},
      {94, 500, 0, "=x^2-x^2+11x-10x+18", 1},
      {94, 550, 5, "=x+18", 1},
  };
  expectPageLines(w, lines);
  w.reads(16, 666, 0, SECTION4_MENU);  // no wait after the last answer
  // The brackets of the expansions, in colour 5: one pair in (1), two in (2).
  int brackets = 0;
  for (const Op& op : run.ops) brackets += op.kind == OpKind::Text && op.colour == 5 && (op.text == "(" || op.text == ")");
  EXPECT_EQ(brackets, 6);
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 2);
}

}  // namespace
