// Section 3, scene 1: (a+b)(c+d) on the flower bed and by putting c+d = M, walked to its end in
// drawing order with its nineteen key presses. Picture: build/test-output/corvale-s3-bed.png.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "programs/corvale/corvale.h"
#include "section3_support.h"

using namespace corvale;
using namespace polymul_test;

namespace {

// The four cells of the bed, empty or with their areas.
void expectCells(SceneWalk& w, bool withText, int keysBefore) {
  w.cell(132, 270, 220, 132, 3, withText ? "ac" : "", 13, keysBefore);
  w.cell(352, 270, 132, 132, 4, withText ? "ad" : "");
  w.cell(132, 402, 220, 88, 6, withText ? "bc" : "");
  w.cell(352, 402, 132, 88, 8, withText ? "bd" : "");
}

}  // namespace

TEST(CorvaleSection3Bed, BothPagesInOrderWithTheirCellsArcsAndWaits) {
  const HeadlessResult run = runScript(PROGRAM, toItem(1) + steps(19), "00:00:00", "corvale-s3-bed.png");
  ASSERT_FALSE(run.error.has_value());
  SceneWalk w(run);
  expectAimThenClear(w, 1);
  w.reads(44, 30, 0, "縦am,横cmの長方形の花壇があります。");
  w.reads(44, 90, 0, "縦をbm,横をdmのばしたとき");
  w.reads(44, 150, 0, "花壇の面積を求めなさい。");
  // The side arcs stand outside the bed, their letters outside them; one dot every 2 degrees
  // down a side, every degree along the top.
  w.cell(132, 270, 220, 132, 3);
  w.arc({132, 270, 132, 402, 16, 1, 91, 9, 5, "a"});
  w.arc({132, 270, 352, 270, 16, -1, 181, 9, 5, "c"});
  w.cell(352, 270, 132, 132, 4, "", 13, 1);
  w.arc({352, 270, 484, 270, 16, -1, 181, 9, 5, "d"});
  w.cell(132, 402, 220, 88, 6);
  w.arc({132, 402, 132, 490, 16, 1, 91, 9, 5, "b"});
  w.cell(352, 402, 132, 88, 8);
  w.reads(528, 210, 5, "<式>", 1);
  w.reads(572, 270, 0, "(a+b)(c+d)", 1);
  expectCells(w, true, 1);
  // The sum comes below the product, the line that leads to it between them later.
  w.reads(528, 410, 5, "=ac+ad+bc+bd (m^2)", 1);
  w.cell(132, 270, 352, 132, 10, "", 13, 1);
  w.cell(132, 402, 352, 88, 12);
  w.cell(132, 270, 352, 132, 10, "a(c+d)", 13, 1);
  w.cell(132, 402, 352, 88, 12, "b(c+d)");
  w.reads(528, 340, 0, "=a(c+d)+b(c+d)", 1);
  w.cell(712, 270, 176, 44, 10, "(c+d)", 13, 1);
  // From over a and over b to over the boxed factor, without labels; the one from a higher.
  w.arc({616, 270, 836, 270, 32, -1, 181, 9, 5}, 1);
  w.arc({674, 270, 806, 270, 16, -1, 181, 7, 5}, 1);

  // Page 2 after the twelfth key. The product with (c+d) boxed 20 px after "(a+b)" at 88:
  // a at 115, b at 169, the box at 243; the arcs end 60 px into the box.
  w.fill(0, 0, 1320, 1300, 15, 15, 1);
  w.reads(88, 90, 0, "(a+b)");
  w.reads(44, 230, 5, "=ac+ad+bc+bd ");
  w.reads(44, 160, 0, "=a(c+d)+b(c+d)");
  w.cell(243, 90, 176, 44, 10, "(c+d)");
  w.arc({115, 90, 303, 90, 32, -1, 181, 9, 5});
  w.arc({169, 90, 303, 90, 16, -1, 181, 7, 5});
  w.reads(704, 90, 0, "(a+b)(c+d)");
  w.reads(660, 160, 3, "  c+d=M とおくと、", 1);
  w.reads(660, 230, 0, "=(a+b)", 1);
  w.follows(3, "M");
  w.reads(660, 300, 0, "=a", 1);
  w.follows(3, "M");
  w.follows(0, "+b");
  w.follows(3, "M");
  w.reads(660, 370, 3, "  Mをc+d　にもどすと、", 1);
  w.reads(660, 440, 0, "=a(c+d)+b(c+d)", 1);
  w.reads(660, 510, 5, "=ac+ad+bc+bd ", 1);
  w.reads(44, 340, 3, "このように、積の形を和の形", 1);
  w.reads(44, 400, 3, "に表すことを、もとの式を");
  w.reads(44, 460, 5, "展開");
  w.follows(3, "するという。");
  EXPECT_EQ(w.keysLeft(), 0);
  EXPECT_EQ(subMenuLines(run), 2u);
  // Pen 5 from the first clear on, every cell and arc, and after the scene.
  for (int pen : cellPens(run)) EXPECT_EQ(pen, 5);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
}

TEST(CorvaleSection3Bed, TheMergedRowsCoverTheCellsAndNotTheSideLetters) {
  const HeadlessResult run = runScript(PROGRAM, toItem(1) + steps(7));
  ASSERT_FALSE(run.error.has_value());
  // By the seventh key the two rows, empty and then named, cover x 132 to 484 and y 270 to 490
  // exactly, and every side letter stands outside that.
  EXPECT_EQ(filledBoxes(run, 132, 270, 484, 402).size(), 2u);
  EXPECT_EQ(filledBoxes(run, 132, 402, 484, 490).size(), 2u);
  for (const char* letter : {"a", "b", "c", "d"}) {
    const std::vector<Op> labels = textsEqual(run, letter);
    ASSERT_FALSE(labels.empty()) << letter;
    const Op& side = labels.front();
    EXPECT_TRUE(side.x1 + 27 <= 132 || side.y1 + 44 <= 270) << letter << " at (" << side.x1 << "," << side.y1 << ")";
  }
}

TEST(CorvaleSection3Bed, TheSameTwoPagesOnEveryVisit) {
  const HeadlessResult run = runScript(PROGRAM, toItem(1) + steps(19) + "1\\n" + steps(19));
  ASSERT_FALSE(run.error.has_value());
  const std::vector<Op> ops = drawn(run);
  // A visit: from the scene's first clear to the sub-menu line after it; two clears each.
  std::vector<std::size_t> clears, menus;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const Op& op = ops[i];
    if (op.kind == OpKind::FilledBox && op.x1 == 0 && op.y1 == 0 && op.x2 == 1320 && op.y2 == 1300) clears.push_back(i);
    if (op.kind == OpKind::Text && op.x1 == 32 && op.y1 == 666 && !clears.empty()) menus.push_back(i);
  }
  ASSERT_EQ(clears.size(), 4u);
  ASSERT_EQ(menus.size(), 2u);
  ASSERT_EQ(menus[0] - clears[0], menus[1] - clears[2]);
  for (std::size_t i = 0; i < menus[0] - clears[0]; ++i)
    ASSERT_EQ(describe(ops[clears[0] + i]), describe(ops[clears[2] + i])) << i;
}
