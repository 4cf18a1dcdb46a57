// Review answers, pages 5 to 8: factorising by a common factor and by the formulas, a common
// factor first and a repeated bracket put equal to M, mental arithmetic with the formulas, and
// the value of an expression at x = 15, after simplifying it and after factorising it.
#include "programs/ombrel/answer_pages.h"

namespace ombrel {
namespace {

using namespace answer_rows;

// Eight factorisations. The number box is 48 px high; the right column's first label stands on
// the header's line, over the number box's right end. Item (8) stands beside item (7): its label
// where the hint line of (7) ends, 150 px above that item's last line.
constexpr PageRow PAGE5[] = {
    CLEAR, FORM_COLUMNS, REVIEW_TITLE, reviewNumber("5", 48),
    row(LABEL, down(60), 3, "(1)"),
    row(END, SAME, 0, "2x^2-x"),
    row(TEXT + 30, down(50), 0, "共通因数は x"),
    row(TEXT, down(50), 5, "=x(2x-1)"),
    row(LABEL, down(60), 3, "(2)"),
    row(END, SAME, 0, "x^2-36"),
    row(TEXT, down(50), 0, "=x^2-6^2"),
    row(TEXT, down(50), 5, "=(x+6)(x-6)"),
    row(LABEL, down(60), 3, "(3)"),
    row(END, SAME, 0, "x^2+16x+64"),
    row(TEXT, down(50), 0, "=x^2+2*8*x+8^2"),
    row(TEXT, down(50), 5, "=(x+8)^2"),
    COLUMNS(440, 494),
    row(LABEL, line(30), 3, "(4)"),
    row(END, SAME, 0, "16a^2-24a+9"),
    row(TEXT, down(50), 0, "=(4a)^2-2*3*4a+3^2"),
    row(TEXT, down(50), 5, "=(4a-3)^2"),
    row(LABEL, down(60), 3, "(5)"),
    row(END, SAME, 0, "x^2+7x+12"),
    row(TEXT, down(50), 0, "かけて12,たして+7"),
    row(TEXT, down(50), 5, "=(x+3)(x+4)"),
    row(LABEL, down(60), 3, "(6)"),
    row(END, SAME, 0, "x^2-6x+8"),
    row(TEXT, down(50), 0, "かけて8,たして-6"),
    row(TEXT, down(50), 5, "=(x-2)(x-4)"),
    row(LABEL, down(60), 3, "(7)"),
    row(END, SAME, 0, "x^2-x-2"),
    row(TEXT, down(50), 0, "かけて2,ひいて-1"),
    NOTE_AT_END,
    row(TEXT, down(50), 5, "=(x-2)(x+1)"),
    row(NOTE, line(460), 3, "(8)"),
    row(END, SAME, 0, "x^2+5x-24"),
    row(NOTE + 54, down(50), 0, "かけて24,ひいて5"),
    row(NOTE + 54, down(50), 5, "=(x-3)(x+8)"),
};

// A common factor taken out before a formula; a repeated bracket put equal to M, the notes 27 px
// right of the text column.
constexpr PageRow PAGE6[] = {
    CLEAR, FORM_COLUMNS, REVIEW_TITLE, reviewNumber("6"),
    row(LABEL, down(60), 3, "(1)"),
    row(END, SAME, 0, "3x^2-48"),
    row(TEXT, down(50), 0, "=3(x^2-16)"),
    row(TEXT, down(50), 5, "=3(x+4)(x-4)"),
    row(LABEL, down(60), 3, "(2)"),
    row(END, SAME, 0, "2a^2b-4ab-30b"),
    row(TEXT, down(50), 0, "=2b(a^2-2a-15)"),
    row(TEXT, down(50), 5, "=2b(a-5)(a+3)"),
    COLUMNS(600, 654, 681),
    row(LABEL, line(30), 3, "(3)"),
    row(END, SAME, 0, "(x+1)y+2(x+1)"),
    row(NOTE, down(50), 3, "x+1=M とおくと"),
    row(TEXT, down(50), 0, "=My+2M"),
    row(TEXT, down(50), 0, "=M(y+2)"),
    row(TEXT, down(50), 5, "=(x+1)(y+2)"),
    row(LABEL, down(60), 3, "(4)"),
    row(END, SAME, 0, "(x-2)^2-(x-2)-20"),
    row(NOTE, down(50), 3, "x-2=M とおくと"),
    row(TEXT, down(50), 0, "=M^2-M-20"),
    row(TEXT, down(50), 0, "=(M-5)(M+4)"),
    row(TEXT, down(50), 0, "=(x-2-5)(x-2+4)"),
    row(TEXT, down(50), 5, "=(x-7)(x+2)"),
};

// Mental arithmetic through the formulas; in (1) and (2) the answer ends the last working line.
constexpr PageRow PAGE7[] = {
    CLEAR, FORM_COLUMNS, REVIEW_TITLE, reviewNumber("7"),
    row(LABEL, down(60), 3, "(1)"),
    row(END, SAME, 0, "26^2-14^2"),
    row(TEXT, down(50), 0, "=(26+14)*(26-14)"),
    row(TEXT, down(50), 0, "=40*12"),
    row(END, SAME, 5, "=480"),
    row(LABEL, down(60), 3, "(2)"),
    row(END, SAME, 0, "78^2-22^2"),
    row(TEXT, down(50), 0, "=(78+22)*(78-22)"),
    row(TEXT, down(50), 0, "=100*56"),
    row(END, SAME, 5, "=5600"),
    COLUMNS(600, 654),
    row(LABEL, line(30), 3, "(3)"),
    row(END, SAME, 0, "49^2"),
    row(TEXT, down(50), 0, "=(50-1)^2"),
    row(TEXT, down(50), 0, "=50^2+2*(-1)*50+(-1)^2"),
    row(TEXT, down(50), 0, "=2500-100+1"),
    row(TEXT, down(50), 5, "=2401"),
    row(LABEL, down(60), 3, "(4)"),
    row(END, SAME, 0, "57*63"),
    row(TEXT, down(50), 0, "=(60-3)*(60+3)"),
    row(TEXT, down(50), 0, "=60^2-3^2"),
    row(TEXT, down(50), 0, "=3600-9"),
    row(TEXT, down(50), 5, "=3591"),
};

// The value at x = 15: expanded and simplified first (left, lines 60 px apart), then after a key
// factorised first (right, lines 70 px apart), both from the line y 90.
constexpr PageRow PAGE8[] = {
    CLEAR, FORM_COLUMNS, REVIEW_TITLE, reviewNumber("8"),
    row(LABEL, down(60), 3, "(1)"),
    row(END, SAME, 0, "(2x+1)(2x-1)-(2x-3)^2"),
    row(TEXT, down(60), 3, "展開して、整理すると"),
    row(TEXT, down(60), 0, "=4x^2-1-(4x^2-12x+9)"),
    row(TEXT, down(60), 0, "=4x^2-1-4x^2+12x-9"),
    row(TEXT, down(60), 0, "=4x^2-4x^2+12x-1-9"),
    row(TEXT, down(60), 0, "=12x-10"),
    row(TEXT, down(60), 3, "x=15　を代入して"),
    row(TEXT, down(60), 0, "=12*15-10"),
    row(TEXT, down(60), 0, "=180-10"),
    row(END, SAME, 5, "=170"), WAIT,
    COLUMNS(680, 734),
    row(LABEL, line(90), 3, "(2)"),
    row(END, SAME, 0, "x^2-10x+25"),
    row(TEXT, down(70), 3, "因数分解すると"),
    row(TEXT, down(70), 0, "=(x-5)^2"),
    row(TEXT, down(70), 3, "x=15　を代入して"),
    row(TEXT, down(70), 0, "=(15-5)^2"),
    row(TEXT, down(70), 0, "=10^2"),
    row(TEXT, down(70), 5, "=100"),
};

}  // namespace

const std::span<const PageRow> REVIEW_FACTOR_PAGES[4] = {PAGE5, PAGE6, PAGE7, PAGE8};

}  // namespace ombrel
