// The fixed mathematics of sections 4 to 6 as a pupil reads it, each scene in one run: the worked
// examples of sections 4 and 5, the answers to problems 6 and 7 and the three answer sheets, each
// line at its step and place with its whole text; every problem and its "=" lines as one chain
// through the algebra checker, the lines in a substitution letter with the letter's expression
// put back.
#include <gtest/gtest.h>

#include <vector>

#include "page_lines.h"

namespace {

using pages::after;
using pages::Role;
using pages::Scene;

constexpr Role NOTE = Role::Note;

// Section 4, example 1: the coefficient, the sign and the brackets of the expansion line take
// their room at once in the background colour and show one group a step; the line is read here
// piece by piece as each shows, and its pieces make one line of the chain.
const Scene COMBINED_EXAMPLE = {"section 4, example 1", "4\r2\r", steps(10), {
    {0, 40, 30, 0, "例題1　次の式を計算しなさい。"},
    {0, 40, 100, 3, "①"},
    {0, 94, 100, 0, " 2(x+5)^2-(x+3)(x-3)", 1},
    {1, 174, 150, 3, "(x+5)^2 と(x+3)(x-3) を展開する"},
    {2, 94, 230, 0, "=", 1},
    {3, after(), 230, 0, "2", 1},
    {4, after(), 230, 5, "(", 1},
    {2, after(), 230, 0, "x^2+10x+25", 1},
    {4, after(), 230, 5, ")", 1},
    {3, after(), 230, 0, "-", 1},
    {5, after(), 230, 5, "(", 1},
    {2, after(), 230, 0, "x^2-9", 1},
    {5, after(), 230, 5, ")", 1},
    {5, after(88 - 27), 230, 5, "( )をつける"},  // 88 px right of the left edge of that ")"
    {6, 94, 310, 0, "=2x^2+20x+50-x^2+9", 1},
    {7, after(88), 310, 3, "同類項をまとめる"},
    {8, 94, 390, 0, "=2x^2-x^2+20x+50+9", 1},
    {9, 94, 470, 5, "=x^2+20x+59", 1},
}};

const Scene PROBLEM6_ANSWERS = {"section 4, the answers to problem 6", "4\r3\r", steps(9), {
    {0, 94, 30, 3, "問6 解答"},
    {0, 40, 80, 3, "(1)"},
    {0, after(), 80, 0, "(x-3)^2+(x-1)(x+7)", 1},
    {1, 94, 130, 0, "=x^2-6x+9+", 1},
    {1, after(), 130, 5, "(", 1},
    {1, after(), 130, 0, "x^2+6x-7", 1},
    {1, after(), 130, 5, ")", 1},
    {2, 94, 180, 0, "=x^2-6x+9+x^2+6x-7", 1},
    {3, 94, 230, 0, "=x^2+x^2-6x+6x+9-7", 1},
    {4, 94, 280, 5, "=2x^2+2", 1},
    {5, 40, 350, 3, "(2)"},
    {5, after(), 350, 0, "(x+2)(x+9)-x(x+10)", 2},
    {6, 94, 400, 0, "=", 2},
    {6, after(), 400, 5, "(", 2},
    {6, after(), 400, 0, "x^2+11x+18", 2},
    {6, after(), 400, 5, ")", 2},
    {6, after(), 400, 0, "-", 2},
    {6, after(), 400, 5, "(", 2},
    {6, after(), 400, 0, "x^2+10x", 2},
    {6, after(), 400, 5, ")", 2},
    {7, 94, 450, 0, "=x^2+11x+18-x^2-10x", 2},
    {8, 94, 500, 0, "=x^2-x^2+11x-10x+18", 2},
    {9, 94, 550, 5, "=x+18", 2},
}};

// Section 5, example 2: (a+b-2)(a+b+2) with M for a+b, the lines in M indented.
const Scene SUBST_EXAMPLE = {"section 5, example 2", "5\r3\r", steps(11), {
    {0, 22, 30, 3, "例題2　次の式を展開しなさい。"},
    {0, 44, 100, 0, "①(a+b-2)(a+b+2)", 1},
    {2, 176, 155, 3, "a+b=M とおくと、", 1, NOTE},
    {3, 132, 225, 3, "=(M-2)(M+2)", 1},
    {4, 132, 295, 3, "=M^2-4", 1},
    {5, 44, 365, 0, "=(a+b)^2-4", 1},
    {9, 44, 435, 5, "=a^2+2ab+b^2-4", 1},
    {10, 44, 500, 7, "※ a+b をM におきかえて、公式を使う。"},
    {11, 40, 30, 3, "例題2 次の式を展開しなさい。"},  // over the drills that follow
}};

// Section 5: (1) and (2) by substitution, then (2) again with another expression for M.
const Scene PROBLEM7_ANSWERS = {"section 5, the answers to problem 7", "5\r4\r", steps(17), {
    {0, 40, 30, 0, "問7解答 "},
    {0, after(), 30, 7, "(1)"},
    {0, after(), 30, 3, "a+b=M とすると", 1, NOTE},
    {1, 94, 80, 0, " (a+b-1)(a+b+3)", 1},
    {2, 94, 130, 3, "=(M-1)(M+3)", 1},
    {3, 94, 180, 3, "=M^2+2M-3", 1},
    {4, 94, 230, 0, "=(a+b)^2+2(a+b)-3", 1},
    {5, 94, 280, 5, "=a^2+2ab+b^2+2a+2b-3", 1},
    {6, 40, 340, 7, "(2)"},
    {6, 94, 340, 3, " x+y=M とすると", 2, NOTE},
    {7, 94, 390, 0, " (x+y-2)^2", 2},
    {8, 94, 440, 3, "=(M-2)^2", 2},
    {9, 94, 490, 3, "=M^2-4M+4", 2},
    {10, 94, 540, 0, "=(x+y)^2-4(x+y)+4", 2},
    {11, 40, 590, 5, "=x^2+2xy+y^2-4x-4y+4", 2},
    {12, 594, 30, 7, "(2)"},
    {12, after(), 30, 3, " y-2=M とすると", 3, NOTE},
    {13, 660, 80, 0, " (x+y-2)^2", 3},
    {14, 660, 130, 3, "=(x+M)^2", 3},
    {15, 660, 180, 3, "=x^2+2xM+M^2", 3},
    {16, 660, 230, 0, "=x^2+2x(y-2)+(y-2)^2", 3},
    {17, 660, 280, 3, "=x^2+2xy", 3},
    {17, after(), 280, 7, "-4x", 3},
    {17, after(), 280, 3, "+y^2-4y+4", 3},
}};

// Section 6, sheet 1: twelve expansions on two pages; the working of (3) starts in the label
// column, and (10) on the header's line beside the sheet's number.
const Scene SHEET1 = {"section 6, sheet 1", "6\r1\r", steps(1), {
    {0, 40, 90, 3, "(1)"},
    {0, after(), 90, 0, "(x+7)(x+4)", 1},
    {0, 94, 140, 0, "=x^2+(7+4)x+7*4", 1},
    {0, 94, 190, 5, "=x^2+11x+28", 1},
    {0, 40, 250, 3, "(2)"},
    {0, after(), 250, 0, "(x-8)(x+1)", 2},
    {0, 94, 300, 0, "=x^2+(-8+1)x-8*1", 2},
    {0, 94, 350, 5, "=x^2-7x-8", 2},
    {0, 40, 410, 3, "(3)"},
    {0, after(), 410, 0, "(x-4y)(x-9y)", 3},
    {0, 40, 460, 0, "=x^2+(-4y-9y)x-4y*(-9y)", 3},
    {0, 94, 510, 5, "=x^2-13xy+36y^2", 3},
    {0, 640, 90, 3, "(4)"},
    {0, after(), 90, 0, "(x+4)^2", 4},
    {0, 694, 140, 0, "=x^2+2*x*4+4^2", 4},
    {0, 694, 190, 5, "=x^2+8x+16", 4},
    {0, 640, 250, 3, "(5)"},
    {0, after(), 250, 0, "(3x-2)^2", 5},
    {0, 694, 300, 0, "=(3x)^2-2*3x*2+2^2", 5},
    {0, 694, 350, 5, "=9x^2-12x+4", 5},
    {0, 640, 410, 3, "(6)"},
    {0, after(), 410, 0, "(4x-3y)^2", 6},
    {0, 694, 460, 0, "=(4x)^2-2*4x*3y+(3y)^2", 6},
    {0, 694, 510, 5, "=16x^2-24xy+9y^2", 6},
    {1, 40, 90, 3, "(7)"},
    {1, after(), 90, 0, "(ﾀ1/2ﾀx+2)^2", 7},
    {1, 94, 160, 0, "=(ﾀ1/2ﾀx)^2+2*ﾀ1/2ﾀx*2+2^2", 7},
    {1, 94, 230, 5, "=ﾀ1/4ﾀx^2+2x+4", 7},
    {1, 40, 310, 3, "(8)"},
    {1, after(), 310, 0, "(5+a)(5-a)", 8},
    {1, 94, 360, 0, "=5^2-a^2", 8},
    {1, 94, 410, 5, "=25-a^2", 8},
    {1, 40, 470, 3, "(9)"},
    {1, after(), 470, 0, "(x-7y)(x+7y)", 9},
    {1, 94, 520, 0, "=x^2-(7y)^2", 9},
    {1, 94, 570, 5, "=x^2-49y^2", 9},
    {1, 560, 30, 3, "(10)"},
    {1, after(), 30, 0, "(1-x)^2", 10},
    {1, 614, 80, 0, "=1^2-2*1*x+x^2", 10},
    {1, 614, 130, 5, "=1-2x+x^2", 10},
    {1, 560, 190, 3, "(11)"},
    {1, after(), 190, 0, "(-5x+1)(5x-1)", 11},
    {1, 614, 240, 0, "=-(5x-1)^2", 11},
    {1, 614, 290, 0, "=-(25x^2-10x+1)", 11},
    {1, 614, 340, 5, "=-25x^2+10x-1", 11},
    {1, 560, 400, 3, "(12)"},
    {1, after(), 400, 0, "(a-ﾀ1/2ﾀ)(a+ﾀ1/4ﾀ)", 12},
    {1, 614, 470, 0, "=a^2+(-ﾀ1/2ﾀ+ﾀ1/4ﾀ)*a+(-ﾀ1/2ﾀ)*ﾀ1/4ﾀ", 12},
    {1, 614, 540, 5, "=a^2-ﾀ1/4ﾀa-ﾀ1/8ﾀ", 12},
}};

// Section 6, sheet 2: four expressions of two products, two a page.
const Scene SHEET2 = {"section 6, sheet 2", "6\r2\r", steps(1), {
    {0, 40, 90, 3, "(1)"},
    {0, after(), 90, 0, "(x-7)(x+7)-(x-6)^2", 1},
    {0, 94, 140, 0, "=(x^2-49)-(x^2-12x+36)", 1},
    {0, 94, 190, 0, "=x^2-49-x^2+12x-36", 1},
    {0, 94, 240, 0, "=x^2-x^2+12x-49-36", 1},
    {0, 94, 290, 5, "=12x-85", 1},
    {0, 40, 360, 3, "(2)"},
    {0, after(), 360, 0, "(a+b)^2-(a-b)^2", 2},
    {0, 94, 410, 0, "=(a^2+2ab+b^2)-(a^2-2ab+b^2)", 2},
    {0, 94, 460, 0, "=a^2+2ab+b^2-a^2+2ab-b^2", 2},
    {0, 94, 510, 0, "=a^2-a^2+2ab+2ab+b^2-b^2", 2},
    {0, 94, 560, 5, "=4ab", 2},
    {1, 40, 90, 3, "(3)"},
    {1, after(), 90, 0, "(2x+y)^2-(x-3y)(x+3y)", 3},
    {1, 94, 140, 0, "=(4x^2+4xy+y^2)-(x^2-9y^2)", 3},
    {1, 94, 190, 0, "=4x^2+4xy+y^2-x^2+9y^2", 3},
    {1, 94, 240, 0, "=4x^2-x^2+4xy+y^2+9y^2", 3},
    {1, 94, 290, 5, "=3x^2+4xy+10y^2", 3},
    {1, 40, 350, 3, "(4)"},
    {1, after(), 350, 0, "(x+1)(x+5)+(x-2)(x-4)", 4},
    {1, 94, 400, 0, "=(x^2+6x+5)+(x^2-6x+8)", 4},
    {1, 94, 450, 0, "=x^2+6x+5+x^2-6x+8", 4},
    {1, 94, 500, 0, "=x^2+x^2+6x-6x+5+8", 4},
    {1, 94, 550, 5, "=2x^2+13", 4},
}};

// Section 6, sheet 3: four expansions by substitution, one a step, in two columns.
const Scene SHEET3 = {"section 6, sheet 3", "6\r3\r", steps(3), {
    {0, 40, 90, 3, "(1)"},
    {0, after(), 90, 0, "a-2b=X とおくと", 1, NOTE},
    {0, 94, 140, 0, " (a-2b+3)(a-2b-3)", 1},
    // Drawn as "=(X+3)(X-3)" and its expansion after it, which read as one line.
    {0, 94, 190, 0, "=(X+3)(X-3)=X^2-9", 1},
    {0, 94, 240, 0, "=(a-2b)^2-9", 1},
    {0, 94, 290, 5, "=a^2-4ab+4b^2-9", 1},
    {1, 40, 350, 3, "(2)"},
    {1, after(), 350, 0, "x+y=A とおくと", 2, NOTE},
    {1, 94, 400, 0, " (x+y-7)^2", 2},
    {1, 94, 450, 0, "=(A-7)^2", 2},
    {1, 94, 500, 0, "=A^2-14A+49", 2},
    {1, 94, 550, 0, "=(x+y)^2-14(x+y)+49", 2},
    {1, 94, 600, 5, "=x^2+2xy+y^2-14x-14y+49", 2},
    {2, 600, 15, 3, "(3)"},
    {2, after(), 15, 0, "x+y=A とおくと", 3, NOTE},
    {2, 654, 65, 0, " (x+y)(x+y-5)", 3},
    {2, 654, 115, 0, "=A(A-5)", 3},
    {2, 654, 165, 0, "=A^2-5A", 3},
    {2, 654, 215, 0, "=(x+y)^2-5(x+y)", 3},
    {2, 654, 265, 5, "=x^2+2xy+y^2-5x-5y", 3},
    {3, 600, 325, 3, "(4)"},
    {3, after(), 325, 0, "x+3y=A とおくと", 4, NOTE},
    {3, 654, 375, 0, " (x+3y-2)(x+3y-9)", 4},
    {3, 654, 425, 0, "=(A-2)(A-9)", 4},
    {3, 654, 475, 0, "=A^2-11A+18", 4},
    {3, 654, 525, 0, "=(x+3y)^2-11(x+3y)+18", 4},
    {3, 654, 575, 5, "=x^2+6xy+9y^2-11x-33y+18", 4},
}};

TEST(PageMath, SectionFourExampleAndAnswers) {
  for (const Scene* scene : {&COMBINED_EXAMPLE, &PROBLEM6_ANSWERS}) pages::expectScene(*scene);
}

TEST(PageMath, SectionFiveExampleAndAnswers) {
  for (const Scene* scene : {&SUBST_EXAMPLE, &PROBLEM7_ANSWERS}) pages::expectScene(*scene);
}

TEST(PageMath, SectionSixAnswerSheets) {
  for (const Scene* scene : {&SHEET1, &SHEET2, &SHEET3}) pages::expectScene(*scene);
}

}  // namespace
