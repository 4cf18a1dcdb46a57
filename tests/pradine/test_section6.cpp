// Section 6 of Pradine through the headless runner: the section menu without an aim screen and
// the three answer sheets with their frame, pages and steps.
// Pictures: build/test-output/pradine-section6-*.png.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "programs/pradine/globals.h"
#include "sections_support.h"

namespace {

using namespace later_sections;
using walk::OpWalk;

TEST(Section6, MenuWithoutAnAimScreen) {
  const HeadlessResult run = runScript(pradine::PROGRAM, "6\r5\r0\r-1\r4\r8\r", "00:00:00", "pradine-section6-menu.png");
  ASSERT_FALSE(run.error);
  EXPECT_TRUE(textsEqual(run, "め").empty());
  OpWalk w(run);
  w.reads(264, 30, 15, MAIN_MENU_HEADING);
  w.fill(0, 0, 1760, 1800, 15, 15, 2);
  w.reads(16, 666, 0, SECTION6_MENU);
  w.reads(16, 666, 0, SECTION6_MENU, 2);  // 5 is refused
  w.reads(16, 666, 0, SECTION6_MENU, 2);  // 0 too
  w.reads(16, 666, 0, SECTION6_MENU, 3);  // and -1
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 2);
  EXPECT_EQ(w.keysLeft(), 2);
}

// The frame of a sheet: the clear, the header box and the sheet's number 20 px right of it.
void expectFrame(OpWalk& w, const std::string& number, int keysBefore) {
  w.fill(0, 0, 1320, 1300, 15, 15, keysBefore);
  w.fill(94, 30, 396, 46, 3, 13);
  w.readsCentred(94, 396, 31, 0, "P20練習問題");
  w.fill(510, 30, 40, 44, 4, 3);
  w.readsCentred(510, 40, 30, 13, number);
}

// A sheet's lines: an item's first text right after its label.
void expectRows(OpWalk& w, const std::vector<PageLine>& lines) { expectPageLines(w, lines); }

HeadlessResult runSheet(const std::string& sheet, int waits, const std::string& name) {
  const HeadlessResult run =
      runScript(pradine::PROGRAM, "6\r" + sheet + "\r" + steps(waits) + "4\r8\r", "00:00:00", name);
  EXPECT_FALSE(run.error);
  return run;
}

TEST(Section6, SheetOneTwoPagesTheSecondUnderTheSameHeader) {
  const HeadlessResult run = runSheet("1", 1, "pradine-section6-sheet1.png");
  EXPECT_EQ(U_A(31), 40);
  EXPECT_EQ(V_A(31), 80);
  OpWalk w(run);
  expectFrame(w, "1", 4);
  expectRows(w, {{40, 90, 3, "(1)"},
                 {AFTER, 90, 0, "(x+7)(x+4)"},
                 {94, 140, 0, "=x^2+(7+4)x+7*4"},
                 {94, 190, 5, "=x^2+11x+28"},
                 {40, 250, 3, "(2)"},
                 {AFTER, 250, 0, "(x-8)(x+1)"},
                 {94, 300, 0, "=x^2+(-8+1)x-8*1"},
                 {94, 350, 5, "=x^2-7x-8"},
                 {40, 410, 3, "(3)"},
                 {AFTER, 410, 0, "(x-4y)(x-9y)"},
                 {40, 460, 0, "=x^2+(-4y-9y)x-4y*(-9y)"},
                 {94, 510, 5, "=x^2-13xy+36y^2"},
                 {640, 90, 3, "(4)"},
                 {AFTER, 90, 0, "(x+4)^2"},
                 {694, 140, 0, "=x^2+2*x*4+4^2"},
                 {694, 190, 5, "=x^2+8x+16"},
                 {640, 250, 3, "(5)"},
                 {AFTER, 250, 0, "(3x-2)^2"},
                 {694, 300, 0, "=(3x)^2-2*3x*2+2^2"},
                 {694, 350, 5, "=9x^2-12x+4"},
                 {640, 410, 3, "(6)"},
                 {AFTER, 410, 0, "(4x-3y)^2"},
                 {694, 460, 0, "=(4x)^2-2*4x*3y+(3y)^2"},
                 {694, 510, 5, "=16x^2-24xy+9y^2"}});
  // The key clears the answer area only; the header and the number stay.
  w.fill(40, 80, 1320, 1300, 15, 15, 1);
  expectRows(w, {{40, 90, 3, "(7)"},
                 {AFTER, 90, 0, "(ﾀ1/2ﾀx+2)^2"},
                 {94, 160, 0, "=(ﾀ1/2ﾀx)^2+2*ﾀ1/2ﾀx*2+2^2"},
                 {94, 230, 5, "=ﾀ1/4ﾀx^2+2x+4"},
                 {40, 310, 3, "(8)"},
                 {AFTER, 310, 0, "(5+a)(5-a)"},
                 {94, 360, 0, "=5^2-a^2"},
                 {94, 410, 5, "=25-a^2"},
                 {40, 470, 3, "(9)"},
                 {AFTER, 470, 0, "(x-7y)(x+7y)"},
                 {94, 520, 0, "=x^2-(7y)^2"},
                 {94, 570, 5, "=x^2-49y^2"},
                 {560, 30, 3, "(10)"},
                 {AFTER, 30, 0, "(1-x)^2"},
                 {614, 80, 0, "=1^2-2*1*x+x^2"},
                 {614, 130, 5, "=1-2x+x^2"},
                 {560, 190, 3, "(11)"},
                 {AFTER, 190, 0, "(-5x+1)(5x-1)"},
                 {614, 240, 0, "=-(5x-1)^2"},
                 {614, 290, 0, "=-(25x^2-10x+1)"},
                 {614, 340, 5, "=-25x^2+10x-1"},
                 {560, 400, 3, "(12)"},
                 {AFTER, 400, 0, "(a-ﾀ1/2ﾀ)(a+ﾀ1/4ﾀ)"},
                 {614, 470, 0, "=a^2+(-ﾀ1/2ﾀ+ﾀ1/4ﾀ)*a+(-ﾀ1/2ﾀ)*ﾀ1/4ﾀ"},
                 {614, 540, 5, "=a^2-ﾀ1/4ﾀa-ﾀ1/8ﾀ"}});
  w.reads(16, 666, 0, SECTION6_MENU);  // no wait after the second page
  w.reads(264, 30, 15, MAIN_MENU_HEADING, 2);
}

TEST(Section6, SheetTwoEachPageOnAFrameOfItsOwn) {
  const HeadlessResult run = runSheet("2", 1, "pradine-section6-sheet2.png");
  OpWalk w(run);
  expectFrame(w, "2", 4);
  expectRows(w, {{40, 90, 3, "(1)"},
                 {AFTER, 90, 0, "(x-7)(x+7)-(x-6)^2"},
                 {94, 140, 0, "=(x^2-49)-(x^2-12x+36)"},
                 {94, 190, 0, "=x^2-49-x^2+12x-36"},
                 {94, 240, 0, "=x^2-x^2+12x-49-36"},
                 {94, 290, 5, "=12x-85"},
                 {40, 360, 3, "(2)"},
                 {AFTER, 360, 0, "(a+b)^2-(a-b)^2"},
                 {94, 410, 0, "=(a^2+2ab+b^2)-(a^2-2ab+b^2)"},
                 {94, 460, 0, "=a^2+2ab+b^2-a^2+2ab-b^2"},
                 {94, 510, 0, "=a^2-a^2+2ab+2ab+b^2-b^2"},
                 {94, 560, 5, "=4ab"}});
  expectFrame(w, "2", 1);
  expectRows(w, {{40, 90, 3, "(3)"},
                 {AFTER, 90, 0, "(2x+y)^2-(x-3y)(x+3y)"},
                 {94, 140, 0, "=(4x^2+4xy+y^2)-(x^2-9y^2)"},
                 {94, 190, 0, "=4x^2+4xy+y^2-x^2+9y^2"},
                 {94, 240, 0, "=4x^2-x^2+4xy+y^2+9y^2"},
                 {94, 290, 5, "=3x^2+4xy+10y^2"},
                 {40, 350, 3, "(4)"},
                 {AFTER, 350, 0, "(x+1)(x+5)+(x-2)(x-4)"},
                 {94, 400, 0, "=(x^2+6x+5)+(x^2-6x+8)"},
                 {94, 450, 0, "=x^2+6x+5+x^2-6x+8"},
                 {94, 500, 0, "=x^2+x^2+6x-6x+5+8"},
                 {94, 550, 5, "=2x^2+13"}});
  w.reads(16, 666, 0, SECTION6_MENU);
}

TEST(Section6, SheetThreeOneExercisePerStepInTwoColumns) {
  const HeadlessResult run = runSheet("3", 3, "pradine-section6-sheet3.png");
  EXPECT_EQ(pradine::XI0, 600);
  EXPECT_EQ(XI1, 654);
  OpWalk w(run);
  expectFrame(w, "3", 4);
  expectRows(w, {{40, 90, 3, "(1)"},
                 {AFTER, 90, 0, "a-2b=X とおくと"},
                 {94, 140, 0, " (a-2b+3)(a-2b-3)"},
                 {94, 190, 0, "=(X+3)(X-3)=X^2-9"},
                 {94, 240, 0, "=(a-2b)^2-9"},
                 {94, 290, 5, "=a^2-4ab+4b^2-9"},
                 {40, 350, 3, "(2)", 1},
                 {AFTER, 350, 0, "x+y=A とおくと"},
                 {94, 400, 0, " (x+y-7)^2"},
                 {94, 450, 0, "=(A-7)^2"},
                 {94, 500, 0, "=A^2-14A+49"},
                 {94, 550, 0, "=(x+y)^2-14(x+y)+49"},
                 {94, 600, 5, "=x^2+2xy+y^2-14x-14y+49"},
                 {600, 15, 3, "(3)", 1},
                 {AFTER, 15, 0, "x+y=A とおくと"},
                 {654, 65, 0, " (x+y)(x+y-5)"},
                 {654, 115, 0, "=A(A-5)"},
                 {654, 165, 0, "=A^2-5A"},
                 {654, 215, 0, "=(x+y)^2-5(x+y)"},
                 {654, 265, 5, "=x^2+2xy+y^2-5x-5y"},
                 {600, 325, 3, "(4)", 1},
                 {AFTER, 325, 0, "x+3y=A とおくと"},
                 {654, 375, 0, " (x+3y-2)(x+3y-9)"},
                 {654, 425, 0, "=(A-2)(A-9)"},
                 {654, 475, 0, "=A^2-11A+18"},
                 {654, 525, 0, "=(x+3y)^2-11(x+3y)+18"},
                 {654, 575, 5, "=x^2+6xy+9y^2-11x-33y+18"}});
  w.reads(16, 666, 0, SECTION6_MENU);
}

}  // namespace
