// Section 4, values of expressions, on screen: the aim and the sub-menu, each scene's texts
// where and in the colour they stand with the key presses between them, the practice areas the
// drills erase, and a walk through every item of the section and back out.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "common/op_walk.h"
#include "ombrel_support.h"
#include "programs/ombrel/exprvalue_drills.h"
#include "support/test_names.h"

namespace {

using namespace ombrel_test;

// The keys from the main menu through scene ① with one problem in each drill, to its sub-menu.
const std::string REVIEW_ONCE = "1\n" + steps(5) + "1\n" + steps(7) + "1\n" + steps(1);
// Scene ② with one problem in each task.
const std::string TASKS_ONCE = "2\n" + steps(7) + "1\n" + steps(5) + "1\n" + steps(1);
// Scene ③: fourteen steps.
const std::string ANSWERS_ONCE = "3\n" + steps(14);

TEST(OmbrelExprValue, AimAndSubMenuLine) {
  const HeadlessResult run = runOmbrel("4\n");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  EXPECT_TRUE(glyphAt(ops, 44, 240, 5, "<"));
  std::size_t aim = 0;
  while (aim < ops.size() && !(ops[aim].kind == OpKind::Text && ops[aim].x1 == 76 && ops[aim].y1 == 305)) ++aim;
  ASSERT_LT(aim, ops.size());
  EXPECT_EQ(ops[aim].colour, 0);
  EXPECT_EQ(lineText(ops, aim, 305), toUtf8("式の値を求めよう。"));
  const auto lines = subMenuLines(ops);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lineText(ops, lines[0], 666), toUtf8("①復習　②課題　③問５　④終了"));
  EXPECT_EQ(filledBoxes(ops, 0, 0, 1320, 1300, 15).size(), 0u) << "the aim stands on the main menu's clear";
}

struct MenuEntry {
  const char* typed;
  int scene;  // 0: the line is written again; 1 to 3: the scene; 4: the main menu
};

void PrintTo(const MenuEntry& entry, std::ostream* os) { *os << '"' << entry.typed << '"'; }

class OmbrelExprValueMenu : public testing::TestWithParam<MenuEntry> {};

// The typed value itself is tested against 1 to 4; a value inside, rounded, chooses the item.
TEST_P(OmbrelExprValueMenu, ChoosesByTheTypedValue) {
  const MenuEntry& entry = GetParam();
  const HeadlessResult run = runOmbrel("4\n" + std::string(entry.typed) + "\n");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(subMenuLines(ops).size(), entry.scene == 0 ? 2u : 1u);
  EXPECT_EQ(areaErases(ops, 40, 30).size(), entry.scene == 1 || entry.scene == 2 ? 1u : 0u);
  EXPECT_EQ(glyphAt(ops, 40, 30, 3, "復"), entry.scene == 1);
  EXPECT_EQ(glyphAt(ops, 40, 30, 3, "課"), entry.scene == 2);
  EXPECT_EQ(filledBoxes(ops, 0, 0, 1320, 1300, 15).size(), entry.scene == 3 ? 1u : 0u);
  EXPECT_EQ(menuPanels(ops), entry.scene == 4 ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(Table, OmbrelExprValueMenu,
                         testing::Values(MenuEntry{"0", 0}, MenuEntry{"5", 0}, MenuEntry{"-1", 0}, MenuEntry{"", 0},
                                         MenuEntry{"0.6", 0}, MenuEntry{"4.4", 0}, MenuEntry{"1", 1},
                                         MenuEntry{"1.4", 1}, MenuEntry{"2", 2}, MenuEntry{"3", 3},
                                         MenuEntry{"6/2", 3}, MenuEntry{"4", 4}),
                         [](const testing::TestParamInfo<MenuEntry>& info) { return typedName(info.param.typed); });

// The first seed from which the review's first problem shows a.
int seedOfA(float a) {
  for (int seed = 0; seed <= 141; ++seed) {
    PaRandomize(static_cast<float>(seed));
    ombrel::GENREVIEWA();
    if (T_A(1) == a) return seed;
  }
  return -1;
}

struct ReviewA {
  float a;
  const char* heading;  // after "復習1"
  const char* put;      // the line that says what is substituted
  const char* product;
  const char* value;
};

void PrintTo(const ReviewA& c, std::ostream* os) { *os << "a=" << c.a; }

class OmbrelReviewA : public testing::TestWithParam<ReviewA> {};

// One problem of the first review drill: every line at its place and in its colour, a key
// between the steps, the value with the next-step prompt. Negative a is bracketed in the
// product only; 0 gives 0, not -0.
TEST_P(OmbrelReviewA, LinesStepsAndValue) {
  const ReviewA& c = GetParam();
  const int seed = seedOfA(c.a);
  ASSERT_GE(seed, 0);
  const HeadlessResult run = runOmbrel("4\n1\n" + steps(5) + "1\n", clockFor(seed));
  ASSERT_FALSE(run.error);
  walk::OpWalk walk(run);
  walk.fill(40, 30, 1320, 1300, 15, 15, 4);
  walk.reads(40, 30, 3, "復習1");
  walk.follows(0, std::string(" ") + c.heading);
  walk.reads(80, 80, 0, "-5aの値を求めなさい。");
  walk.reads(80, 150, 5, "＜解答＞", 1);
  walk.reads(80, 210, 3, c.put, 1);
  walk.reads(80, 270, 0, " -5a", 1);
  walk.reads(80, 330, 0, c.product, 1);
  walk.reads(80, 390, 5, c.value, 1);
  walk.fill(96, 639, 304, 36, 13, 12);
  const std::vector<Op> ops = drawn(run);
  ASSERT_FALSE(areaErases(ops, 40, 30).empty()) << "the first drill's area was never erased";
  const std::size_t first = areaErases(ops, 40, 30)[0];
  EXPECT_EQ(formulaAt(ops, first, ops.size(), 80, 520, 330), c.product);
  EXPECT_EQ(formulaAt(ops, first, ops.size(), 80, 520, 390), c.value);
  EXPECT_EQ(formulaAt(ops, first, ops.size(), 80, 520, 270), "-5a");
}

INSTANTIATE_TEST_SUITE_P(
    Table, OmbrelReviewA,
    testing::Values(ReviewA{0, "a=0のとき、", "a=0を代入して", "=-5*0", "=0"},
                    ReviewA{-5, "a=-5のとき、", "a=-5を代入して", "=-5*(-5)", "=25"},
                    ReviewA{4, "a=4のとき、", "a=4を代入して", "=-5*4", "=-20"},
                    ReviewA{-1, "a=-1のとき、", "a=-1を代入して", "=-5*(-1)", "=5"}),
    [](const testing::TestParamInfo<ReviewA>& info) {
      return "A" + testName(std::to_string(static_cast<int>(info.param.a)));
    });

struct NextStep {
  const char* typed;
  bool leaves;
};

void PrintTo(const NextStep& n, std::ostream* os) { *os << '"' << n.typed << '"'; }

class OmbrelReviewNextStep : public testing::TestWithParam<NextStep> {};

// Only an entry whose value is exactly 1 leaves the first drill; anything else erases its area
// and shows a new problem.
TEST_P(OmbrelReviewNextStep, OnlyTheValueOneLeaves) {
  const NextStep& n = GetParam();
  const HeadlessResult run = runOmbrel("4\n1\n" + steps(5) + n.typed + "\n");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(areaErases(ops, 40, 30).size(), n.leaves ? 1u : 2u);
  EXPECT_EQ(areaErases(ops, 520, 30).size(), n.leaves ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Table, OmbrelReviewNextStep,
                         testing::Values(NextStep{"1", true}, NextStep{"01", true}, NextStep{"1.0", true},
                                         NextStep{"2/2", true}, NextStep{"", false}, NextStep{"0", false},
                                         NextStep{"11", false}, NextStep{"-1", false}, NextStep{"1.5", false}),
                         [](const testing::TestParamInfo<NextStep>& info) { return typedName(info.param.typed); });

// The second drill beside the first: a problem at 10:20:30, its lines where and in the colour
// the scene puts them, seven keys between, the value on the products' line; then one more key
// and the note, and the sub-menu under the picture.
TEST(OmbrelReviewXY, LinesStepsAndTheClosingNote) {
  const HeadlessResult run = runOmbrel("4\n" + REVIEW_ONCE, "10:20:30", "ombrel-review.png");
  ASSERT_FALSE(run.error);
  walk::OpWalk walk(run);
  walk.fill(520, 30, 1320, 1300, 15, 15, 11);
  walk.reads(520, 30, 3, "復習2");
  walk.follows(0, " x=-5,y=-4のとき、");
  walk.reads(560, 80, 0, "次の式の値を求めなさい。");
  walk.reads(552, 140, 3, "-4(-6x+5y)-4(-6x-4y)");
  walk.reads(520, 200, 0, "=24x-20y+24x+16y", 1);
  walk.reads(520, 260, 0, "=24x+24x-20y+16y", 1);
  walk.reads(520, 320, 0, "=48x-4y", 1);
  walk.reads(560, 370, 3, "x=-5,y=-4 を代入して", 1);
  walk.reads(520, 430, 0, "=48*(-5)-4*(-4)", 1);
  walk.reads(520, 490, 0, "=-240+16", 1);
  walk.follows(5, "=-224", 1);
  walk.fill(96, 639, 304, 36, 13, 12);
  walk.reads(520, 570, 5, "※ 式を簡単にしてから代入する。", 3);
  const std::vector<Op> ops = drawn(run);
  ASSERT_FALSE(areaErases(ops, 520, 30).empty()) << "the second drill's area was never erased";
  const std::size_t second = areaErases(ops, 520, 30)[0];
  EXPECT_EQ(formulaAt(ops, second, ops.size(), 520, 1360, 140), "-4(-6x+5y)-4(-6x-4y)");
  EXPECT_EQ(formulaAt(ops, second, ops.size(), 520, 1360, 430), "=48*(-5)-4*(-4)");
  EXPECT_EQ(formulaAt(ops, second, ops.size(), 520, 1360, 490), "=-240+16=-224");
  // The first drill's last problem stays on the left: its area is not erased again.
  ASSERT_EQ(areaErases(ops, 40, 30).size(), 1u);
  EXPECT_LT(areaErases(ops, 40, 30)[0], second);
  const auto lines = subMenuLines(ops);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(stepWaits(ops, second, lines[1]), 8);
  EXPECT_EQ(walk.keysLeft(), 0) << "the sub-menu follows the note";
}

// A new problem of the second drill erases only its own area, from (520, 30).
TEST(OmbrelReviewXY, ANewProblemErasesOnlyItsArea) {
  const HeadlessResult run = runOmbrel("4\n1\n" + steps(5) + "1\n" + steps(7) + "0\n" + steps(7) + "1\n");
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(areaErases(ops, 520, 30).size(), 2u);
  EXPECT_EQ(areaErases(ops, 40, 30).size(), 1u);
  EXPECT_EQ(filledBoxes(ops, 0, 0, 1320, 1300, 15).size(), 0u);
  EXPECT_EQ(textsEqual(run, "※").size(), 0u) << "the note waits for one more key";
}

// The tasks: task 1 on the left and task 2 on the right, each line where and in the colour the
// scene puts it, the keys between; then the two closing lines, a key, and the textbook pointer.
TEST(OmbrelTasks, LinesStepsAndTheClosingRows) {
  FMAESU = 0;  // as after start-up
  const HeadlessResult run = runOmbrel("4\n" + TASKS_ONCE, "10:20:30", "ombrel-tasks.png");
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  ASSERT_EQ(areaErases(ops, 40, 30).size(), 1u);
  ASSERT_EQ(areaErases(ops, 680, 30).size(), 1u);
  const std::size_t one = areaErases(ops, 40, 30)[0], two = areaErases(ops, 680, 30)[0];
  // Task 1: the numbers of this problem, read back; then every row.
  const std::string heading = formulaAt(ops, one, two, 150, 680, 30);
  ASSERT_EQ(heading.substr(0, 4), "x=-1") << toUtf8(heading);
  walk::OpWalk walk(run);
  walk.fill(40, 30, 1320, 1300, 15, 15, 4);
  walk.reads(40, 30, 3, "課題1");
  walk.follows(0, " x=-1,y=4のとき、");
  walk.reads(80, 80, 0, "次の式の値を求めなさい。");
  walk.reads(40, 140, 3, " (x+2y)(x-2y)");
  walk.reads(229, 190, 3, "-(x-4y)(x+y)");
  walk.reads(40, 250, 0, "=x^2-4y^2", 1);
  walk.reads(175, 300, 0, "-(x^2+xy-4xy-4y^2)");
  walk.reads(40, 360, 0, "=x^2-4y^2-(x^2-3xy-4y^2)", 1);
  walk.reads(40, 420, 0, "=x^2-4y^2-x^2+3xy+4y^2", 1);
  walk.reads(40, 480, 0, "=3xy", 1);
  walk.reads(80, 530, 3, "x=-1,y=4 を代入して", 1);
  walk.reads(40, 590, 0, "=3*(-1)*4", 1);
  walk.follows(5, "=-12", 1);
  walk.fill(96, 639, 304, 36, 13, 12);
  // Task 2.
  walk.fill(680, 30, 1320, 1300, 15, 15, 2);
  walk.reads(680, 30, 3, "課題2");
  walk.follows(0, " x=131,y=69のとき、");
  walk.reads(720, 80, 0, "次の式の値を求めなさい。");
  walk.reads(712, 140, 3, "x^2-y^2");
  walk.reads(680, 200, 0, "=(x+y)(x-y)", 1);
  walk.reads(720, 250, 3, "x=131,y=69 を代入して", 1);
  walk.reads(680, 310, 0, "=(131+69)(131-69)", 1);
  walk.reads(680, 370, 0, "=200*62", 1);
  walk.follows(5, "=12400", 1);
  walk.fill(96, 639, 304, 36, 13, 12);
  walk.reads(680, 440, 5, "展開や因数分解を利用して、", 2);
  walk.reads(680, 490, 5, "式を変形してから代入する。");
  walk.reads(528, 570, 7, "教科書 問5　をしなさい。", 1);
  EXPECT_EQ(formulaAt(ops, one, two, 40, 680, 590), "=3*(-1)*4=-12");
  EXPECT_EQ(formulaAt(ops, two, ops.size(), 680, 1360, 310), "=(131+69)(131-69)");
  // Task 1 stays on the left; the scene clears nothing else.
  EXPECT_EQ(filledBoxes(ops, 0, 0, 1320, 1300, 15).size(), 0u);
  EXPECT_EQ(subMenuLines(ops).size(), 2u);
  EXPECT_EQ(walk.keysLeft(), 0);
}

// The answer page: both columns, a key between the steps, then the sub-menu without a key.
TEST(OmbrelProblem5, TwoColumnsAndFourteenSteps) {
  const HeadlessResult run = runOmbrel("4\n" + ANSWERS_ONCE, "00:00:00", "ombrel-problem5.png");
  ASSERT_FALSE(run.error);
  walk::OpWalk walk(run);
  walk.fill(0, 0, 1320, 1300, 15, 15, 4);
  walk.reads(84, 30, 3, "問5 解答");
  walk.reads(30, 90, 3, "(1)");
  walk.follows(0, "x^2-9x-36");
  walk.reads(84, 160, 3, "因数分解すると", 1);
  walk.reads(84, 230, 0, "=(x-12)(x+3)", 1);
  walk.reads(84, 300, 3, "x=22　を代入して", 1);
  walk.reads(84, 370, 0, "=(22-12)*(22+3)", 1);
  walk.reads(84, 440, 0, "=10*25", 1);
  walk.reads(84, 510, 5, "=250", 1);
  walk.reads(560, 90, 3, "(2)", 1);
  walk.follows(0, "(4-x)(4+x)+(x-6)(x+1)");
  walk.reads(614, 160, 3, "展開して、整理すると", 1);
  walk.reads(614, 230, 0, "=16-x^2+x^2-5x-6", 1);
  walk.reads(614, 300, 0, "=-5x+10", 1);
  walk.reads(614, 370, 3, "x=22　を代入して", 1);
  walk.reads(614, 440, 0, "=-5*22+10", 1);
  walk.reads(614, 510, 0, "=-110+10", 1);
  walk.reads(614, 580, 5, "=-100", 1);
  EXPECT_EQ(walk.keysLeft(), 0);
  const std::vector<Op> ops = drawn(run);
  const auto lines = subMenuLines(ops);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(stepWaits(ops, lines[0], lines[1]), 14);
  EXPECT_EQ(formulaAt(ops, lines[0], lines[1], 84, 560, 370), "=(22-12)*(22+3)");
  EXPECT_EQ(formulaAt(ops, lines[0], lines[1], 614, 1360, 230), "=16-x^2+x^2-5x-6");
}

// A scene's picture stays under the sub-menu line; the aim is not drawn again on the way back.
TEST(OmbrelExprValue, ScenesComeBackToTheSubMenuWithoutTheAim) {
  const HeadlessResult run = runOmbrel("4\n" + ANSWERS_ONCE + TASKS_ONCE);
  ASSERT_FALSE(run.error);
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(subMenuLines(ops).size(), 3u);
  EXPECT_EQ(filledBoxes(ops, 0, 0, 1320, 1300, 15).size(), 1u) << "the answer page's clear only";
  std::size_t aims = 0;
  for (const Op& op : ops) aims += op.kind == OpKind::Text && op.x1 == 76 && op.y1 == 305;
  EXPECT_EQ(aims, 1u) << "the aim line once";
  EXPECT_TRUE(glyphAt(ops, 30, 90, 3, "(")) << "the answer page's label left of task 1's area stays";
}

// Main-menu item 4, the aim, every item of the sub-menu with a few problems in each drill, back
// to the main menu, and the end: never the error screen, and nothing read after the end.
TEST(OmbrelWalk, EverySceneOfSectionFourAndOut) {
  const std::string review = "1\n" + steps(5) + "0\n" + steps(5) + "1\n" + steps(7) + "2\n" + steps(7) + "1\n" +
                             steps(1);
  const std::string tasks = "2\n" + steps(7) + "\n" + steps(7) + "1\n" + steps(5) + "3\n" + steps(5) + "1\n" +
                            steps(1);
  const std::string keys = "4\n" + review + tasks + ANSWERS_ONCE + "4\n" "8\n";
  const HeadlessResult run = runOmbrel(keys + "1\n");
  ASSERT_FALSE(run.error) << "error screen at line " << run.error->line;
  const std::vector<Op> ops = drawn(run);
  EXPECT_EQ(menuPanels(ops), 2u);
  EXPECT_EQ(subMenuLines(ops).size(), 4u);
  EXPECT_EQ(areaErases(ops, 40, 30).size(), 2u + 2u);
  EXPECT_EQ(areaErases(ops, 520, 30).size(), 2u);
  EXPECT_EQ(areaErases(ops, 680, 30).size(), 2u);
  EXPECT_EQ(keysRead(run), keys.size());
}

}  // namespace
