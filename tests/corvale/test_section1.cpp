// Section 1 of Corvale through scripted keys: the aim, the sub-menu's choices, and each scene
// walked to its end, checked at the texts, places and colours that matter. Pictures for a look
// land in the test-output folder.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "common/op_walk.h"
#include "corvale_checks.h"
#include "engine/engine.h"
#include "programs/corvale/corvale.h"
#include "programs/corvale/monomul.h"
#include "support/line_chain.h"
#include "support/test_names.h"

using namespace corvale;

namespace {

// The sub-menu line's first glyph, as often as it was drawn.
std::size_t subMenuLines(const HeadlessResult& run) { return glyphsAt(run, "①", 16, 666).size(); }

// The dots of the dotted arcs in one colour.
std::vector<Op> dots(const HeadlessResult& run, int colour) {
  std::vector<Op> found;
  for (const Op& op : run.ops)
    if (op.kind == OpKind::Circle && op.colour == colour && op.radius < 1) found.push_back(op);
  return found;
}

bool hasDotNear(const std::vector<Op>& dots, float x, float y) {
  for (const Op& op : dots)
    if (std::fabs(op.cx - x) < 1 && std::fabs(op.cy - y) < 1) return true;
  return false;
}

}  // namespace

TEST(CorvaleSection1, AimAboveTheSubMenuLine) {
  const HeadlessResult run = runScript(PROGRAM, "1\\n", "00:00:00", "corvale-s1-aim.png");
  EXPECT_TRUE(drewGlyph(run, "<", 44, 240, 5));
  EXPECT_TRUE(drewGlyph(run, "め", 71, 240, 5));
  EXPECT_TRUE(drewGlyph(run, "多", 76, 305, 0));
  EXPECT_TRUE(drewGlyph(run, "単", 205, 305, 0));  // three kanji, 34 px each, and the sign, 27
  EXPECT_TRUE(drewGlyph(run, "①", 16, 666, 0));
  EXPECT_EQ(subMenuLines(run), 1u);
}

namespace {

enum class SubMenuOutcome { AskAgain, MainMenu, CardTrick };

struct SubMenuCase {
  const char* entry;
  SubMenuOutcome outcome;
};

void PrintTo(const SubMenuCase& c, std::ostream* out) { *out << '"' << c.entry << '"'; }

std::string subMenuName(const testing::TestParamInfo<SubMenuCase>& info) { return typedName(info.param.entry); }

class CorvaleSubMenuEntry : public testing::TestWithParam<SubMenuCase> {};

}  // namespace

TEST_P(CorvaleSubMenuEntry, LeadsWhereTheChoiceSays) {
  const HeadlessResult run = runScript(PROGRAM, "1\\n" + std::string(GetParam().entry) + "\\n");
  const bool mainMenuAgain = textsEqual(run, "＜").size() == 2;
  const bool cardTrick = drewGlyph(run, "P", 30, 20, 7);
  switch (GetParam().outcome) {
    case SubMenuOutcome::AskAgain:
      // The line is drawn again over the aim, which stays: nothing clears the window.
      EXPECT_EQ(subMenuLines(run), 2u);
      EXPECT_FALSE(mainMenuAgain || cardTrick);
      EXPECT_EQ(filledBoxes(run, 0, 0, 1760, 1800).size(), 2u);  // the menu's two clears only
      break;
    case SubMenuOutcome::MainMenu: EXPECT_TRUE(mainMenuAgain); break;
    case SubMenuOutcome::CardTrick: EXPECT_TRUE(cardTrick); break;
  }
}

INSTANTIATE_TEST_SUITE_P(Entries, CorvaleSubMenuEntry,
                         testing::Values(SubMenuCase{"", SubMenuOutcome::AskAgain},
                                         SubMenuCase{"0", SubMenuOutcome::AskAgain},
                                         SubMenuCase{"6", SubMenuOutcome::AskAgain},
                                         SubMenuCase{"-1", SubMenuOutcome::AskAgain},
                                         SubMenuCase{"5/", SubMenuOutcome::AskAgain},
                                         SubMenuCase{"5", SubMenuOutcome::MainMenu},
                                         SubMenuCase{"10/2", SubMenuOutcome::MainMenu},
                                         SubMenuCase{"4.6", SubMenuOutcome::MainMenu},
                                         SubMenuCase{"1.4", SubMenuOutcome::CardTrick},
                                         SubMenuCase{"2/2", SubMenuOutcome::CardTrick}),
                         subMenuName);

TEST(CorvaleSection1, CardTrickToItsEnd) {
  // 15 steps on page 1, 5 on page 2, then the cards 5 and 9 (swapped), another pass with 13
  // and 2, and 1 to leave.
  const HeadlessResult run =
      runScript(PROGRAM, "1\\n1\\n" + steps(20) + "5\\n9\\n2\\n13\\n2\\n1\\n", "00:00:00", "corvale-s1-cards.png");
  ASSERT_FALSE(run.error.has_value());
  // Page 1: the rules and the thirteen boxes, empty first and then filled one per step.
  EXPECT_TRUE(drewGlyph(run, "P", 30, 20, 7));
  EXPECT_TRUE(drewGlyph(run, "①", 30, 70, 7));
  EXPECT_TRUE(drewGlyph(run, "大", 66, 120, 0));
  EXPECT_TRUE(drewGlyph(run, "③", 30, 290, 7));
  EXPECT_TRUE(drewGlyph(run, "④", 30, 360, 7));
  EXPECT_TRUE(drewGlyph(run, "A", 66, 420, 0));
  EXPECT_TRUE(drewGlyph(run, "D", 66, 600, 0));
  // Box 1 after "A=" (27 + 32 px) and 10 px; box 12 on row 600 after D=, four boxes and signs.
  const std::vector<Op> box1 = filledBoxes(run, 135, 417, 225, 467);
  ASSERT_EQ(box1.size(), 2u);
  EXPECT_EQ(box1[0].colour, 3);
  EXPECT_EQ(box1[0].fill, 13);
  EXPECT_EQ(filledBoxes(run, 551, 597, 641, 647).size(), 2u);
  EXPECT_FALSE(glyphsAt(run, "6", 569, 600).empty());  // "64" centred in box 12
  // Page 2 begins after exactly 15 steps and explains with 5 more before the first card prompt.
  const int firstCardPrompt = findOp(run, 0, [](const Op& op) {
    return op.kind == OpKind::Text && op.text == toUtf8("大") && op.x1 == 16 && op.y1 == 666;
  });
  ASSERT_GE(firstCardPrompt, 0);
  HeadlessResult before;
  before.ops.assign(run.ops.begin(), run.ops.begin() + firstCardPrompt);
  EXPECT_EQ(stepBoxes(before), 20u);
  EXPECT_TRUE(drewGlyph(run, "<", 30, 20, 7));
  EXPECT_TRUE(drewGlyph(run, "⑤", 30, 180, 7));
  EXPECT_TRUE(drewGlyph(run, "⑥", 30, 450, 7));
  // The two green outlines, pen 8, of the rectangles of equal area.
  int outlines = 0;
  for (const Op& op : run.ops)
    if (op.kind == OpKind::Box && op.colour == 9 && op.pen == 8) ++outlines;
  EXPECT_EQ(outlines, 2);
  // The figure: the filled area D, drawn once on page 2 and again by each pass.
  EXPECT_EQ(filledBoxes(run, 880, 90, 1080, 530).size(), 3u);
  EXPECT_EQ(filledBoxes(run, 1080, 410, 1200, 530).size(), 3u);
  EXPECT_EQ(filledBoxes(run, 800, 0, 2400, 1200).size(), 2u);
  // The last pass labels the figure with 13 and 2; the closing line stands at (66, 500).
  EXPECT_EQ(T_A(1), 13);
  EXPECT_EQ(T_A(2), 2);
  EXPECT_EQ(T_S_A(3), "13-2");
  EXPECT_EQ(T_S_A(4), "13+2");
  EXPECT_TRUE(drewGlyph(run, "他", 66, 500, 7));
  EXPECT_EQ(nextStepBoxes(run), 2u);
  EXPECT_EQ(subMenuLines(run), 2u);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
}

TEST(CorvaleSection1, MenusKeepThePenWidthTheLastSceneLeft) {
  // The card trick's first boxes come with start-up's pen 3, and the scene leaves pen 5. The
  // sub-menu, the main menu, its empty item 4 and the aim set no pen, so on the next visit the
  // same boxes come with width 5.
  const std::string keys = "1\\n1\\n" + steps(20) + "8\\n3\\n1\\n"  // the card trick
                           + "5\\n4\\n1\\n1\\n" + steps(1);         // main menu, item 4, card trick
  const HeadlessResult run = runScript(PROGRAM, keys);
  ASSERT_FALSE(run.error.has_value());
  const std::vector<Op> box1 = filledBoxes(run, 135, 417, 225, 467);
  ASSERT_EQ(box1.size(), 3u);  // empty and filled on the first visit, empty on the second
  EXPECT_EQ(box1[0].pen, 3);
  EXPECT_EQ(box1[2].pen, 5);
  EXPECT_EQ(glyphsAt(run, "め", 71, 240).size(), 2u);
}

namespace {

struct CardCase {
  const char* keys;
  float bigger, smaller;
  const char *difference, *sum;
};

void PrintTo(const CardCase& c, std::ostream* out) { *out << '"' << c.keys << '"'; }

class CorvaleCardInput : public testing::TestWithParam<CardCase> {};

}  // namespace

TEST_P(CorvaleCardInput, AcceptsCardsFromOneToThirteenBiggerFirst) {
  const CardCase& c = GetParam();
  const HeadlessResult run = runRoutine(CARDINPUT, c.keys);
  ASSERT_FALSE(run.error.has_value());
  EXPECT_EQ(T_A(1), c.bigger);
  EXPECT_EQ(T_A(2), c.smaller);
  EXPECT_EQ(T_S_A(3), c.difference);
  EXPECT_EQ(T_S_A(4), c.sum);
  EXPECT_TRUE(drewGlyph(run, "大", 16, 666, 0));
  EXPECT_TRUE(drewGlyph(run, "小", 16, 666, 0));
}

INSTANTIATE_TEST_SUITE_P(Cards, CorvaleCardInput,
                         testing::Values(
                             // Out of range (also empty) asks again; 1 and 13 are cards; a smaller
                             // number typed first is swapped.
                             CardCase{"0\\n14\\n-2\\n\\n1\\n13\\n", 13, 1, "13-1", "13+1"},
                             CardCase{"5\\n9\\n", 9, 5, "9-5", "9+5"},
                             CardCase{"7\\n7\\n", 7, 7, "7-7", "7+7"},
                             CardCase{"13\\n0\\n14\\n3\\n", 13, 3, "13-3", "13+3"},
                             CardCase{"2.5\\n1\\n", 2.5, 1, "2.5-1", "2.5+1"},
                             CardCase{"5/2\\n2\\n", 2.5, 2, "2.5-2", "2.5+2"}),
                         // Named by the difference shown: "13minus1".
                         [](const testing::TestParamInfo<CardCase>& info) { return testName(info.param.difference); });

TEST(CorvaleSection1, CardLatticeDrawsNothing) {
  const HeadlessResult run = runRoutine(CARDLATTICE);
  EXPECT_TRUE(drawn(run).empty());
  const float xs[] = {880, 880, 880, 1080, 1080, 1080, 1200, 1200, 1200};
  const float ys[] = {90, 410, 530, 90, 410, 530, 90, 410, 530};
  for (int n = 1; n <= 9; ++n) {
    EXPECT_EQ(X_A(n), xs[n - 1]) << n;
    EXPECT_EQ(Y_A(n), ys[n - 1]) << n;
  }
}

TEST(CorvaleSection1, FlowerBedToItsEnd) {
  const HeadlessResult run = runScript(PROGRAM, "1\\n2\\n" + steps(9), "00:00:00", "corvale-s1-flowerbed.png");
  ASSERT_FALSE(run.error.has_value());
  // The page's lines whole at their places, with the waits between them: the problem, "<式>"
  // after the two figure steps, the product (four pieces on one line), the result below it and
  // then the line leading to it, and the rule after the two arcs.
  walk::OpWalk w(run);
  w.reads(44, 30, 0, "縦2am,横3amの長方形の花壇があります。", 4);
  w.reads(44, 90, 0, "縦をbmだけのばしたときの花壇の面積を求めなさい。");
  w.reads(484, 150, 5, "<式>", 2);
  const reading::Line product = w.reads(528, 210, 0, "(2a+b)*3a", 1);
  w.reads(484, 350, 5, "=6a^2+3ab (m^2)", 2);
  EXPECT_TRUE(reading::sameChain({product, w.reads(484, 280, 0, "=2a*3a+b*3a", 1)}));
  w.reads(484, 430, 3, "分配法則を使う！", 3);
  // Each cell drawn empty and again with its text, at the same corner and size.
  for (float x : {144, 232, 320}) {
    EXPECT_EQ(filledBoxes(run, x, 210, x + 88, 298).size(), 2u) << x;
    EXPECT_EQ(filledBoxes(run, x, 298, x + 88, 386).size(), 2u) << x;
    EXPECT_EQ(filledBoxes(run, x, 386, x + 88, 456).size(), 2u) << x;
  }
  // Arcs D and E join the recorded starts of the formula pieces on y 210: "a" after "(2" at
  // 582, "b" at 636, and the last "a" at 744; 181 dots each, drawn with pen 5, no label.
  const std::vector<Op> arcD = dots(run, 9), arcE = dots(run, 7);
  ASSERT_EQ(arcD.size(), 181u);
  ASSERT_EQ(arcE.size(), 181u);
  EXPECT_TRUE(hasDotNear(arcD, 582, 210) && hasDotNear(arcD, 744, 210));
  EXPECT_TRUE(hasDotNear(arcE, 636, 210) && hasDotNear(arcE, 744, 210));
  EXPECT_EQ(arcD.front().pen, 5);
  EXPECT_EQ(stepBoxes(run), 9u);
  EXPECT_EQ(subMenuLines(run), 2u);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
}

TEST(CorvaleSection1, ExampleOneToItsEnd) {
  // Problem 1 twice, problems 2 and 3 once each, the summary, then back at the sub-menu.
  const std::string keys = "1\\n3\\n" + steps(5) + "2\\n" + steps(5) + "1\\n" + steps(5) + "1\\n" + steps(6) +
                           "1\\n" + steps(1);
  const HeadlessResult run = runScript(PROGRAM, keys, "10:20:30", "corvale-s1-example1.png");
  ASSERT_FALSE(run.error.has_value());
  EXPECT_TRUE(drewGlyph(run, "例", 40, 30, 0));
  EXPECT_TRUE(drewGlyph(run, "次", 104, 80, 0));
  // Problem 1 wipes the whole width from y 130 on every pass; problem 2 from y 370; problem 3
  // right of x 600 from y 30.
  EXPECT_EQ(filledBoxes(run, 0, 130, 1320, 1430).size(), 2u);
  EXPECT_EQ(filledBoxes(run, 0, 370, 1320, 1670).size(), 1u);
  EXPECT_EQ(filledBoxes(run, 600, 30, 1920, 1530).size(), 1u);
  EXPECT_EQ(glyphsAt(run, "①", 40, 190).size(), 2u);
  EXPECT_FALSE(glyphsAt(run, "=", 44, 240).empty());
  EXPECT_TRUE(drewGlyph(run, "=", 44, 290, 5));
  EXPECT_TRUE(drewGlyph(run, "②", 40, 430, 3));
  EXPECT_TRUE(drewGlyph(run, "=", 44, 530, 5));
  EXPECT_TRUE(drewGlyph(run, "③", 680, 90, 3));
  EXPECT_TRUE(drewGlyph(run, "=", 684, 280, 5));
  // Problem 3's cancellations: a and b struck from 220 up to 180, the denominators from 236 up
  // to 208 with "1" under them.
  int numberStrokes = 0, denominatorStrokes = 0;
  for (const Op& op : run.ops) {
    if (op.kind != OpKind::Line || op.colour != 3) continue;
    numberStrokes += op.y1 == 220 && op.y2 == 180;
    denominatorStrokes += op.y1 == 236 && op.y2 == 208 && op.x2 - op.x1 == 27;
  }
  EXPECT_EQ(numberStrokes, 2);
  EXPECT_EQ(denominatorStrokes, 2);
  int ones = 0;
  for (const Op& op : textsEqual(run, "1")) ones += op.y1 == 236 && op.colour == 3;
  EXPECT_EQ(ones, 2);
  // 5 steps for problems 1 and 2, 6 for problem 3, 1 for the summary; a next-step prompt per pass.
  EXPECT_EQ(stepBoxes(run), 5u * 3 + 6 + 1);
  EXPECT_EQ(nextStepBoxes(run), 4u);
  // The summary under problem 3, and after its step the pointer to the textbook.
  EXPECT_TRUE(drewGlyph(run, "<", 680, 360, 3));
  EXPECT_TRUE(drewGlyph(run, "分", 680, 410, 0));
  EXPECT_TRUE(drewGlyph(run, "※", 680, 560, 5));
  EXPECT_TRUE(drewGlyph(run, "教", 40, 580, 3));
  EXPECT_EQ(subMenuLines(run), 2u);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
}

TEST(CorvaleSection1, AnswerPagesToTheirEnd) {
  const HeadlessResult run = runScript(PROGRAM, "1\\n4\\n" + steps(2), "00:00:00", "corvale-s1-answers.png");
  ASSERT_FALSE(run.error.has_value());
  EXPECT_EQ(glyphsAt(run, "問", 121, 30).size(), 2u);
  // Page 1: labels at x 40 from y 80 and at x 640 from the heading's line.
  for (float y : {80, 240, 400}) EXPECT_TRUE(drewGlyph(run, "(", 40, y, 3)) << y;
  for (float y : {30, 190, 350, 510}) EXPECT_TRUE(drewGlyph(run, "(", 640, y, 3)) << y;
  EXPECT_TRUE(drewGlyph(run, "=", 125, 180, 5));
  EXPECT_TRUE(drewGlyph(run, "=", 725, 610, 5));
  // Page 2 on a cleared window: item (8) 60 px under the heading; no wait after it.
  for (float y : {90, 250, 410}) EXPECT_TRUE(drewGlyph(run, "(", 40, y, 3)) << y;
  EXPECT_TRUE(drewGlyph(run, "=", 125, 510, 5));
  EXPECT_EQ(filledBoxes(run, 0, 0, 1320, 1300).size(), 2u);
  EXPECT_EQ(stepBoxes(run), 2u);
  EXPECT_EQ(subMenuLines(run), 2u);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
}
