// Exercise answers, pages 4 to 6: factorising by a common factor and by the formulas, and with a
// bracketed part put equal to M, after taking out a minus sign or rewriting so that a bracket
// repeats.
#include "programs/ombrel/answer_pages.h"

namespace ombrel {
namespace {

using namespace answer_rows;

// Nine factorisations. (1) to (7) are drawn at once; after a key the first column below the
// header, kept from (U(1),V(1)) to (U(2),V(2)), is erased and (8) and (9) take its place.
constexpr PageRow PAGE4[] = {
    CLEAR, FORM_COLUMNS, EXERCISE_TITLE, exerciseNumber("4"), keep(1, LABEL, down(50)),
    row(LABEL, down(60), 3, "(1)"),
    row(END, SAME, 0, "10x^2+25x"),
    row(END, SAME, 5, "=5x(2x+5)"),
    row(LABEL, down(80), 3, "(2)"),
    row(END, SAME, 0, "x^2-ﾀ1/4ﾀy^2"),
    row(END, SAME, 0, "=x^2-(ﾀ1/2ﾀy)^2"),
    row(TEXT, down(70), 5, "=(x+ﾀ1/2ﾀy)(x-ﾀ1/2ﾀy)"),
    row(LABEL, down(60), 3, "(3)"),
    row(END, SAME, 0, "x^2+10x+24"),
    row(TEXT, down(50), 5, "=(x+4)(x+6)"),
    row(LABEL, down(80), 3, "(4)"),
    row(END, SAME, 0, "x^2+x+ﾀ1/4ﾀ"),
    row(TEXT, down(70), 0, "=x^2+2*x*ﾀ1/2ﾀ+(ﾀ1/2ﾀ)^2"),
    row(TEXT, down(60), 5, "=(x+ﾀ1/2ﾀ)^2"),
    COLUMNS(654, 708), keep(2, LABEL, line(30 + 1500)),
    row(LABEL, line(30), 3, "(5)"),
    row(END, SAME, 0, "x^2-9x+20"),
    row(TEXT, down(50), 5, "=(x-4)(x-5)"),
    row(LABEL, down(60), 3, "(6)"),
    row(END, SAME, 0, "xy^2+xyz-4xy"),
    row(TEXT, down(50), 5, "=xy(y+z-4)"),
    row(LABEL, down(60), 3, "(7)"),
    row(END, SAME, 0, "25x^2-30x+9"),
    row(TEXT, down(50), 0, "=(5x)^2-2*5x*3+3^2"),
    row(TEXT, down(50), 5, "=(5x-3)^2"), WAIT,
    eraseKept(1, 2), FORM_COLUMNS,
    row(LABEL, line(90), 3, "(8)"),
    row(END, SAME, 0, "a^2-2a-15"),
    row(TEXT, down(50), 5, "=(a+3)(a-5)"),
    row(LABEL, down(60), 3, "(9)"),
    row(END, SAME, 0, "-10x+9+x^2"),
    row(TEXT, down(50), 0, "=x^2-10x+9"),
    row(TEXT, down(50), 5, "=(x-1)(x-9)"),
};

// A minus sign taken out first, then three with a bracket put equal to M; the notes 54 px right
// of the text column. The page waits before its first item.
constexpr PageRow PAGE5[] = {
    CLEAR, COLUMNS(40, 94, 148), EXERCISE_TITLE, exerciseNumber("5"), WAIT,
    row(LABEL, down(70), 3, "(1)"),
    row(END, SAME, 0, "-x^2+5x+6"),
    row(TEXT, down(50), 0, "=-(x^2-5x-6)"),
    row(TEXT, down(50), 5, "=-(x+1)(x-6)"), WAIT,
    row(LABEL, down(60), 3, "(2)"),
    row(END, SAME, 0, "(x-2)^2-3(x-2)+2"),
    row(NOTE, down(50), 3, "x-2=M とおくと"),
    row(TEXT, down(50), 0, "=M^2-3M+2"),
    row(TEXT, down(50), 0, "=(M-1)(M-2)"),
    row(TEXT, down(50), 0, "=(x-2-1)(x-2-2)"),
    row(TEXT, down(50), 5, "=(x-3)(x-4)"), WAIT,
    COLUMNS(600, 654, 708),
    row(LABEL, line(30), 3, "(3)"),
    row(END, SAME, 0, "(x+y)^2-4"),
    row(NOTE, down(50), 3, "x+y=M とおくと"),
    row(TEXT, down(50), 0, "=M^2-4"),
    row(TEXT, down(50), 0, "=(M-2)(M+2)"),
    row(TEXT, down(50), 5, "=(x+y-2)(x+y+2)"), WAIT,
    row(LABEL, down(70), 3, "(4)"),
    row(END, SAME, 0, "(x-y)^2+4(x-y)-5"),
    row(NOTE, down(50), 3, "x-y=M とおくと"),
    row(TEXT, down(50), 0, "=M^2+4M-5"),
    row(TEXT, down(50), 0, "=(M-1)(M+5)"),
    row(TEXT, down(50), 5, "=(x-y-1)(x-y+5)"),
};

// Two rewritten so that a bracket repeats, then worked with M; the note of the right column
// stands 27 px right of its text column. The page waits before its first item.
constexpr PageRow PAGE6[] = {
    CLEAR, COLUMNS(40, 94, 148), EXERCISE_TITLE, exerciseNumber("6"), WAIT,
    row(LABEL, down(60), 3, "(1)"),
    row(END, SAME, 0, "(x-7)y+7-x"),
    row(TEXT, down(50), 0, "=(x-7)y-(x-7)"),
    row(NOTE, down(50), 3, "x-7=M とおくと"),
    row(TEXT, down(50), 0, "=My-M"),
    row(TEXT, down(50), 0, "=M(y-1)"),
    row(TEXT, down(50), 5, "=(x-7)(y-1)"), WAIT,
    COLUMNS(600, 654, 681),
    row(LABEL, line(90), 3, "(2)"),
    row(END, SAME, 0, "2ab+2b-a-1"),
    row(TEXT, down(50), 0, "=2b(a+1)-(a+1)"),
    row(NOTE, down(50), 3, "a+1=M とおくと"),
    row(TEXT, down(50), 0, "=2bM-M"),
    row(TEXT, down(50), 0, "=M(2b-1)"),
    row(TEXT, down(50), 5, "=(a+1)(2b-1)"),
};

}  // namespace

const std::span<const PageRow> EXERCISE_FACTOR_PAGES[3] = {PAGE4, PAGE5, PAGE6};

}  // namespace ombrel
