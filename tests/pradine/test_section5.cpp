// Section 5 of Pradine through the headless runner: the aim and the section menu, the figure
// drill, the box task, example 2 with its diagram and the substitution drills after it (the last
// product problem kept whole beside the square drill), and the answers to problem 7.
// Pictures: build/test-output/pradine-section5-*.png.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/sumdiff_diagram_expect.h"
#include "engine/engine.h"
#include "programs/pradine/globals.h"
#include "programs/pradine/section5.h"
#include "sections_support.h"
#include "support/line_chain.h"
#include "support/pictures.h"

namespace {

using namespace later_sections;
using walk::ANY_X;
using walk::Labels;
using walk::OpWalk;

TEST(Section5, AimScreenAndMenuAskingAgainUntilAValidChoice) {
  const HeadlessResult run = runScript(pradine::PROGRAM, "5\r6\r0\r\r5\r8\r", "00:00:00", "pradine-section5-aim.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.reads(44, 240, 5, "<めあて>", 2);
  w.reads(44, 305, 0, "(a+b-2)(a+b+2) のような式を展開しよう。");
  w.reads(16, 666, 0, SECTION5_MENU);
  w.reads(16, 666, 0, SECTION5_MENU, 2);  // 6 is refused
  w.reads(16, 666, 0, SECTION5_MENU, 2);  // 0 too
  w.reads(16, 666, 0, SECTION5_MENU, 1);  // and an empty entry
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 2);
  EXPECT_EQ(w.keysLeft(), 2);
}

// The texts of the problem SUBSTPROBLEM made last, kept while the walker reads them.
struct Problem {
  std::string letter, pair, name, number, one, two;
  Problem() {
    letter = X_S;
    pair = X_S_A(1) + X_S_A(2);
    name = X_S_A(3);
    number = T_S_A(3);
    one = "(" + letter + T_S_A(1) + ")(" + letter + T_S_A(2) + ")";
    two = "(" + pair + T_S_A(1) + ")(" + pair + T_S_A(2) + ")";
  }
};

TEST(Section5, FigureDrillNamesTheSideOfTheSquare) {
  // Two problems in each loop: an empty entry or 2 asks for another, 1 moves on.
  const std::string keys = "5\r1\r" " \r" " 1\r" " 2\r" " 1\r" "5\r8\r";
  const HeadlessResult run = runWithShots(keys, "00:20:00", "pradine-section5-figure");
  ASSERT_FALSE(run.error);
  EXPECT_EQ(keysRead(run), static_cast<int>(keys.size()));
  OpWalk w(run);
  w.fill(0, 0, 1320, 1300, 15, 15, 4);
  PaRandomize(20);
  const int keysBefore[] = {0, 1, 2, 2};
  for (int problem = 0; problem < 4; ++problem) {
    const bool first = problem < 2;
    const float left = first ? 88 : 44, top = first ? 30 : 240;
    pradine::SUBSTPROBLEM();
    const Problem p;
    w.fill(left, top, 924, 210, 15, 15, keysBefore[problem]);
    // The label 22 px left of the loop's margin, then the question 22 px after it.
    w.reads(left - 22, top, 0, first ? "①" : "②");
    w.reads(left + 34, top, 0, "次の式を表す図の" + p.name + "をいいなさい。");
    w.reads(left + 44, top + 70, 3, first ? p.one : p.two);
    w.fill(660, 20, 1320, 900, 15, 15);
    walk::expectSumDiffArea(w, 792, 100, Labels{p.name.c_str(), p.number.c_str(), p.number.c_str(), "", "", "", "", ""});
    w.fill(660, 20, 1320, 900, 15, 15, 1);
    const std::string answer = first ? p.letter : p.pair;
    walk::expectSumDiffArea(w, 792, 100, Labels{answer.c_str(), p.number.c_str(), p.number.c_str(), "", "", "", "", ""});
  }
  w.reads(44, 420, 5, "※ 多項式を1つの文字とみる！", 2);
  w.reads(16, 666, 0, SECTION5_MENU);
  // The first loop sets the pen width 5 and the scene leaves it: every diagram cell and the
  // menus after it are drawn with it.
  for (const Op& op : run.ops)
    if (op.kind == OpKind::FilledBox && op.colour == 0) {
      EXPECT_EQ(op.pen, 5);
    }
  EXPECT_EQ(textsEqual(run, "＜").back().pen, 5);
}

TEST(Section5, BoxTaskFillsTheBoxAfterAKey) {
  // Two problems in each loop, then the step before the remark.
  const std::string keys = "5\r2\r" " \r" " 1\r" " 0\r" " 1\r" " " "5\r8\r";
  const HeadlessResult run = runWithShots(keys, "00:00:33", "pradine-section5-boxtask");
  ASSERT_FALSE(run.error);
  EXPECT_EQ(keysRead(run), static_cast<int>(keys.size()));
  OpWalk w(run);
  PaRandomize(33);
  const int keysBefore[] = {4, 1, 2, 2};
  for (int problem = 0; problem < 4; ++problem) {
    pradine::SUBSTPROBLEM();
    const Problem p;
    if (problem < 2) {
      w.fill(0, 0, 1320, 1300, 15, 15, keysBefore[problem]);
      w.reads(44, 18, 0, "問　①を求めなさい。");
      w.reads(44, 98, 0, "(1) " + p.one);
    } else {
      w.fill(0, 240, 1320, 1300, 15, 15, keysBefore[problem]);
      w.reads(44, 320, 0, "(2) " + p.two);
    }
    // The box 10 px after "=" or 20 px after "=(", 160 x 60 on the line; the rest 10 px after it.
    const float y = problem < 2 ? 178 : 400;
    const float box = 132 + (problem < 2 ? widthOf("=") + 10 : widthOf("=(") + 20);
    w.fill(box, y - 8, 160, 60, 5, 4);
    w.readsCentred(box, 160, y, 13, "①");
    w.reads(box + 170, y, 0, (problem < 2 ? "-" : ")^2-") + p.number + "^2");
    w.fill(box, y - 8, 160, 60, 5, 4, 1);
    w.readsCentred(box, 160, y, 13, problem < 2 ? p.letter + "^2" : p.pair);
  }
  w.reads(176, 510, 7, "多項式を１つの文字とみれば、公式が使えそうだ！", 3);
  w.reads(16, 666, 0, SECTION5_MENU);
}

const Labels EXAMPLE_LABELS = {"a+b", "2", "2", "", "", "", "", ""};

// The worked example, from its clear to the heading of the drills.
void expectExample(OpWalk& w) {
  w.fill(0, 0, 1320, 1300, 15, 15, 2);
  w.reads(22, 30, 3, "例題2　次の式を展開しなさい。");
  const reading::Line problem = w.reads(44, 100, 0, "①(a+b-2)(a+b+2)");
  walk::expectSumDiffArea(w, 836, 100, EXAMPLE_LABELS, 1);
  w.reads(176, 155, 3, "a+b=M とおくと、", 1);
  const reading::Line inM = w.reads(132, 225, 3, "=(M-2)(M+2)", 1);
  const reading::Line expanded = w.reads(132, 295, 3, "=M^2-4", 1);
  const reading::Line putBack = w.reads(44, 365, 0, "=(a+b)^2-4", 1);
  walk::expectSumDiffMove(w, 836, 100, EXAMPLE_LABELS, 1);
  walk::expectSumDiffResult(w, 836, 100, {"a+b", "2", "2", "(a+b)^2", "", "", "4", ""}, 1);
  const reading::Line answer = w.reads(44, 435, 5, "=a^2+2ab+b^2-4", 1);
  EXPECT_TRUE(reading::sameChain({inM, expanded}));
  EXPECT_TRUE(reading::sameChain({problem, putBack, answer}));
  w.reads(44, 500, 7, "※ a+b をM におきかえて、公式を使う。", 1);
  w.fill(0, 0, 1760, 1800, 15, 15, 1);
  w.reads(40, 30, 3, "例題2 次の式を展開しなさい。");
}

// One problem of a substitution drill: the product drill on the left under the heading, the
// square drill right of x 600.
void expectDrillProblem(OpWalk& w, pradine::SubstDrill drill, int keysBefore) {
  pradine::SUBSTDRILLPROBLEM(drill);
  const pradine::SubstTexts t = pradine::substTexts(drill);
  const bool product = drill == pradine::SubstDrill::Product;
  const float column = product ? 88 : 636, top = product ? 100 : 30;
  // The label in the label column, the problem a blank's width after the text column.
  if (product) {
    w.fill(0, 90, 1760, 1800, 15, 15, keysBefore);
    w.reads(40, top, 0, "②");
  } else {
    w.fill(600, 0, 1760, 390, 15, 15, keysBefore);
    w.reads(600, top, 0, "③");
  }
  const reading::Line problem = w.reads(column + 27, top, 0, t.problem);
  const float box = column + 64;
  w.fill(box, top + 58, 144, 48, 7, 6);
  w.readsCentred(box, 144, top + 60, 13, "①");
  w.reads(box + 144, top + 60, 3, "=M とおくと");
  w.fill(box, top + 58, 144, 48, 7, 6, 1);
  w.readsCentred(box, 144, top + 60, 13, t.boxed);
  const reading::Line inM = w.reads(column, top + 120, 0, t.inM, 1);
  const reading::Line expanded = w.reads(column, top + 180, 0, t.expanded, 1);
  EXPECT_TRUE(reading::sameChain({inM, expanded}));
  EXPECT_TRUE(reading::sameChain(
      {problem, w.reads(column, top + 240, 0, t.putBack, 1), w.reads(column, top + 300, 5, t.answer, 1)}));
}

TEST(Section5, ExampleTwoThenTheProductAndSquareDrills) {
  // Eleven keys for the example, two problems of each drill.
  const std::string keys = "5\r3\r" + steps(11) + "     \r" "     1\r" "     0\r" "     1\r" "5\r8\r";
  const HeadlessResult run = runWithShots(keys, "00:01:00", "pradine-section5-example");
  ASSERT_FALSE(run.error);
  EXPECT_EQ(keysRead(run), static_cast<int>(keys.size()));
  EXPECT_EQ(pradine::Y21, 365);
  OpWalk w(run);
  w.reads(264, 30, 15, MAIN_MENU_HEADING);
  w.fill(0, 0, 1760, 1800, 15, 15, 2);
  expectExample(w);
  PaRandomize(1);
  expectDrillProblem(w, pradine::SubstDrill::Product, 0);
  expectDrillProblem(w, pradine::SubstDrill::Product, 1);
  expectDrillProblem(w, pradine::SubstDrill::Square, 2);
  expectDrillProblem(w, pradine::SubstDrill::Square, 2);
  w.reads(132, 570, 3, "教科書 問7　をしなさい。", 2);
  w.reads(16, 666, 0, SECTION5_MENU);
  EXPECT_EQ(w.keysLeft(), 4);
}

// A seed whose first product problem is the row 2a+c with two-digit coefficients: its answer
// reaches past x 600, beside the square drill.
int seedOfALongProduct() {
  for (int seed = 0; seed <= 141; ++seed) {
    PaRandomize(static_cast<float>(seed));
    pradine::SUBSTDRILLPROBLEM(pradine::SubstDrill::Product);
    if (Y_S_A(1) == "2a+c" && T_A(5) >= 10 && T_A(4) >= 10) return seed;
  }
  return -1;
}

TEST(Section5, TheSquareDrillKeepsTheLastProductProblemWhole) {
  const int seed = seedOfALongProduct();
  ASSERT_GE(seed, 0);
  // One product problem, then two square problems.
  const std::string example = "5\r3\r" + steps(11);
  const std::string keys = example + "     1\r" "     \r" "     1\r";
  const HeadlessResult run = runWithShots(keys, clockFor(seed), "pradine-section5-long-product", Seen::ByTest);
  ASSERT_FALSE(run.error);
  // The product answer reaches right of x 600.
  float right = 0;
  for (const Op& op : run.ops)
    if (op.kind == OpKind::Text && op.colour == 5 && op.y1 >= 378 && op.y1 <= 400) right = std::max(right, op.x1);
  ASSERT_GT(right, 620);
  // The square drill draws nothing below y 390 right of x 600, so its clear, which stops there,
  // removes the whole square problem before it.
  bool squares = false;
  for (const Op& op : run.ops) {
    if (op.kind == OpKind::FilledBox && op.x1 == 600 && op.y1 == 0) {
      squares = true;
      EXPECT_EQ(op.y2, 390);
    }
    if (!squares || op.x1 < 600 || op.y1 >= 630) continue;
    if (op.kind == OpKind::Text) {
      EXPECT_LE(cellBottom(op), 390) << describe(op);
    } else if (op.kind == OpKind::FilledBox || op.kind == OpKind::Line) {
      EXPECT_LE(std::max(op.y1, op.y2), 390) << describe(op);
    }
  }
  // The picture of the product problem is the same at its next-step prompt and at the end: left
  // of x 600 (its longest working line ends just short of it) and, on the answer's line, beyond.
  const int productPrompt = static_cast<int>(example.size()) + 5 + 1;
  char shot[32];
  std::snprintf(shot, sizeof shot, "/shot-%03d.png", productPrompt);
  const Picture before(outputPath("pradine-section5-long-product") + shot);
  const Picture after(outputPath("pradine-section5-long-product.png"));
  ASSERT_GT(before.width(), 0);
  ASSERT_EQ(before.width(), after.width());
  const int scale = before.width() / 1366;
  bool inkRightOf600 = false;
  for (int y = 90 * scale; y < 460 * scale; ++y) {
    const int right = (y < 392 * scale ? 600 : 760) * scale;
    for (int x = 0; x < right; ++x) {
      const Pixel a = before.at(x, y), b = after.at(x, y);
      ASSERT_TRUE(a.r == b.r && a.g == b.g && a.b == b.b) << "pixel (" << x << "," << y << ")";
      inkRightOf600 = inkRightOf600 || (x > 600 * scale && closeTo(a, paletteColour(5), 48));
    }
  }
  EXPECT_TRUE(inkRightOf600);
}

TEST(Section5, ProblemSevenAnswersOneLinePerStep) {
  const HeadlessResult run = runScript(pradine::PROGRAM, "5\r4\r" + steps(17) + "5\r8\r", "00:00:00",
                                       "pradine-section5-answers.png");
  ASSERT_FALSE(run.error);
  OpWalk w(run);
  w.reads(264, 30, 15, MAIN_MENU_HEADING);
  w.fill(0, 0, 1760, 1800, 15, 15, 2);
  w.fill(0, 0, 1760, 1800, 15, 15, 2);
  const std::vector<PageLine> lines = {
      {40, 30, 0, "問7解答 ", 0},
      {AFTER, 30, 7, "(1)", 0},
      {AFTER, 30, 3, "a+b=M とすると", 0},
      {94, 80, 0, " (a+b-1)(a+b+3)", 1},
      {94, 130, 3, "=(M-1)(M+3)", 1},
      {94, 180, 3, "=M^2+2M-3", 1},
      {94, 230, 0, "=(a+b)^2+2(a+b)-3", 1},
      {94, 280, 5, "=a^2+2ab+b^2+2a+2b-3", 1},
      {40, 340, 7, "(2)", 1},
      {94, 340, 3, " x+y=M とすると", 0},
      {94, 390, 0, " (x+y-2)^2", 1},
      {94, 440, 3, "=(M-2)^2", 1},
      {94, 490, 3, "=M^2-4M+4", 1},
      {94, 540, 0, "=(x+y)^2-4(x+y)+4", 1},
      {40, 590, 5, "=x^2+2xy+y^2-4x-4y+4", 1},
      {594, 30, 7, "(2)", 1},
      {AFTER, 30, 3, " y-2=M とすると", 0},
      {660, 80, 0, " (x+y-2)^2", 1},
      {660, 130, 3, "=(x+M)^2", 1},
      {660, 180, 3, "=x^2+2xM+M^2", 1},
      {660, 230, 0, "=x^2+2x(y-2)+(y-2)^2", 1},
      {660, 280, 3, "=x^2+2xy", 1},
      {AFTER, 280, 7, "-4x", 0},
      {AFTER, 280, 3, "+y^2-4y+4", 0},
  };
  expectPageLines(w, lines);
  w.reads(16, 666, 0, SECTION5_MENU);  // no wait after the last line
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 2);
}

}  // namespace
