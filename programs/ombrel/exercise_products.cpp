// Exercise answers, pages 1 to 3: a polynomial times or divided by a monomial with fractions,
// expansions by the formulas and with a repeated part put equal to M, and sums and differences
// of products gathered.
#include "programs/ombrel/answer_pages.h"

namespace ombrel {
namespace {

using namespace answer_rows;

// Four items, one per key; a division by a fraction worked as a multiplication by its
// reciprocal. The right column starts 20 px below the header's line.
constexpr PageRow PAGE1[] = {
    CLEAR, FORM_COLUMNS, EXERCISE_TITLE, exerciseNumber("1"),
    row(LABEL, down(70), 3, "(1)"),
    row(TEXT, SAME, 0, " 6c(-ﾀ1/2ﾀa+ﾀ2/3ﾀb)"),
    row(TEXT, down(70), 0, "=-6c*ﾀ1/2ﾀa+6c*ﾀ2/3ﾀb"),
    row(TEXT, down(60), 5, "=-3ac+4bc"), WAIT,
    row(LABEL, down(70), 3, "(2)"),
    row(END, SAME, 0, "ﾀ2/3ﾀx(15x-9y+6)"),
    row(TEXT, down(70), 0, "=ﾀ2/3ﾀx*15x-ﾀ2/3ﾀx*9y+ﾀ2/3ﾀx*6"),
    row(TEXT, down(60), 5, "=10x^2-6xy+4x"), WAIT,
    COLUMNS(600, 654),
    row(LABEL, line(50), 3, "(3)"),
    row(END, SAME, 0, "(2x^2y-12xy^2)/3xy"),
    row(TEXT, down(70), 0, "=ﾀ2x^2y/3xyﾀ-ﾀ12xy^2/3xyﾀ"),
    row(TEXT, down(70), 5, "=ﾀ2x/3ﾀ-4y"), WAIT,
    row(LABEL, down(70), 3, "(4)"),
    row(END, SAME, 0, "(9a^2b-3ab)/(-ﾀ3/2ﾀa)"),
    row(TEXT, down(70), 0, "=(9a^2b-3ab)*(-ﾀ2/3aﾀ)"),
    row(LABEL, down(70), 0, "=9a^2b*(-ﾀ2/3aﾀ)-3ab*(-ﾀ2/3aﾀ)"),
    row(TEXT, down(60), 5, "=-6ab+2b"),
};

// Nine expansions, one per key, on two screens: squares, sums times differences and products
// (x+a)(x+b) on the first; on the second, after the header again, three with a repeated part
// put equal to M.
constexpr PageRow PAGE2[] = {
    CLEAR, FORM_COLUMNS, EXERCISE_TITLE, exerciseNumber("2"),
    row(LABEL, down(60), 3, "(1)"),
    row(END, SAME, 0, " (-5x+4y)^2"),
    row(TEXT, down(50), 0, "=(-5x)^2+2*(-5x)*4y+(4y)^2"),
    row(TEXT, down(50), 5, "=25x^2-40xy+16y^2"), WAIT,
    row(LABEL, down(60), 3, "(2)"),
    row(END, SAME, 0, " (2x-ﾀ1/3ﾀ)^2"),
    row(TEXT, down(50), 0, "=4x^2-2*2x*ﾀ1/3ﾀ+ﾀ1/9ﾀ"),
    row(TEXT, down(50), 5, "=4x^2-ﾀ4/3ﾀx+ﾀ1/9ﾀ"), WAIT,
    row(LABEL, down(70), 3, "(3)"),
    row(END, SAME, 0, " (x-ﾀ1/4ﾀ)(x+ﾀ1/4ﾀ)"),
    row(TEXT, down(70), 0, "=x^2-(ﾀ1/4ﾀ)^2"),
    row(TEXT, down(70), 5, "=x^2-ﾀ1/16ﾀ"), WAIT,
    COLUMNS(640, 694),
    row(LABEL, line(30), 3, "(4)"),
    row(END, SAME, 0, " (7x-2)(2+7x)"),
    row(TEXT, down(50), 0, "=(7x-2)(7x+2)"),
    row(TEXT + 81, down(50), 0, "=(7x)^2-2^2"),
    row(TEXT + 81, down(50), 5, "=49x^2-4"), WAIT,
    row(LABEL, down(60), 3, "(5)"),
    row(END, SAME, 0, "(x+3)(x-7)"),
    row(TEXT, down(50), 0, "=x^2+(3-7)x-21"),
    row(TEXT, down(50), 5, "=x^2-4x-21"), WAIT,
    row(LABEL, down(70), 3, "(6)"),
    row(END, SAME, 0, "(2x+5)(2x+9)"),
    row(TEXT, down(70), 0, "=(2x)^2+(5+9)*2x+45"),
    row(TEXT, down(70), 5, "=4x^2+28x+45"), WAIT,
    CLEAR, FORM_COLUMNS, EXERCISE_TITLE, exerciseNumber("2"),
    row(LABEL, down(60), 3, "(7)"),
    row(END, SAME, 0, "(a+b)(a+b-c)"),
    row(TEXT, down(50), 3, "  a+b=Mとすると"),
    row(TEXT, down(50), 0, "=M(M-c)=M^2-Mc"),
    row(TEXT, down(50), 0, "=(a+b)^2-c(a+b)"),
    row(TEXT, down(50), 5, "=a^2+2ab+b^2-ac-bc"), WAIT,
    row(LABEL, down(60), 3, "(8)"),
    row(END, SAME, 0, "(a-b-c)^2"),
    row(TEXT, down(50), 3, "  a-b=Mとすると"),
    row(TEXT, down(50), 0, "=(M-c)^2=M^2-2Mc+c^2"),
    row(TEXT, down(50), 0, "=(a-b)^2-2c(a-b)+c^2"),
    row(TEXT, down(50), 5, "=a^2-2ab+b^2-2ac+2bc+c^2"), WAIT,
    COLUMNS(600, 654),
    row(LABEL, line(90), 3, "(9)"),
    row(END, SAME, 0, "(x+2y-1)(x+2y+1)"),
    row(TEXT, down(50), 3, "  x+2y=Mとすると"),
    row(TEXT, down(50), 0, "=(M-1)(M+1)=M^2-1"),
    row(TEXT, down(50), 0, "=(x+2y)^2-1"),
    row(TEXT, down(50), 5, "=x^2+4xy+4y^2-1"),
};

// Four sums and differences of products, drawn at once; the problem of (4) goes on in a line of
// its own.
constexpr PageRow PAGE3[] = {
    CLEAR, FORM_COLUMNS, EXERCISE_TITLE, exerciseNumber("3"),
    row(LABEL, down(60), 3, "(1)"),
    row(END, SAME, 0, "(a+b)^2+(a-b)^2"),
    row(TEXT, down(50), 0, "=a^2+2ab+b^2+a^2-2ab+b^2"),
    row(TEXT, down(50), 0, "=a^2+a^2+2ab-2ab+b^2+b^2"),
    row(TEXT, down(50), 5, "=2a^2+2b^2"),
    row(LABEL, down(60), 3, "(2)"),
    row(END, SAME, 0, "(x-1)(x+2)-(x-3)(x-5)"),
    row(TEXT, down(50), 0, "=x^2+x-2-(x^2-8x+15)"),
    row(TEXT, down(50), 0, "=x^2+x-2-x^2+8x-15"),
    row(TEXT, down(50), 0, "=x^2-x^2+x+8x-2-15"),
    row(TEXT, down(50), 5, "=9x-17"),
    COLUMNS(680, 734, 788),
    row(LABEL, line(30), 3, "(3)"),
    row(END, SAME, 0, "(x+3)^2-(x+2)(x+4)"),
    row(TEXT, down(50), 0, "=x^2+6x+9-(x^2+6x+8)"),
    row(TEXT, down(50), 0, "=x^2+6x+9-x^2-6x-8"),
    row(TEXT, down(50), 0, "=x^2-x^2+6x-6x+9-8"),
    row(TEXT, down(50), 5, "=1"),
    row(LABEL, down(60), 3, "(4)"),
    row(END, SAME, 0, "(2x+1)(2x-1)"),
    row(NOTE, down(50), 0, "-(x-5)(x+2)"),
    row(TEXT, down(50), 0, "=4x^2-1-(x^2-3x-10)"),
    row(TEXT, down(50), 0, "=4x^2-1-x^2+3x+10"),
    row(TEXT, down(50), 0, "=4x^2-x^2+3x-1+10"),
    row(TEXT, down(50), 5, "=3x^2+3x+9"),
};

}  // namespace

const std::span<const PageRow> EXERCISE_PRODUCT_PAGES[3] = {PAGE1, PAGE2, PAGE3};

}  // namespace ombrel
