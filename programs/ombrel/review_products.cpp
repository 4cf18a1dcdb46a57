// Review answers, pages 1 to 4: a polynomial times or divided by a monomial, products of two
// polynomials, the multiplication formulas, and sums of products with a repeated part put
// equal to M. Each page is drawn at once, with no wait.
#include "programs/ombrel/answer_pages.h"

namespace ombrel {
namespace {

using namespace answer_rows;

// (1) to (3) a monomial times a polynomial; (4) to (6) a polynomial divided by a monomial, a
// division by a fraction worked as a multiplication by its reciprocal.
constexpr PageRow PAGE1[] = {
    CLEAR, FORM_COLUMNS, REVIEW_TITLE, reviewNumber("1"),
    row(LABEL, down(60), 3, "(1)"),
    row(END, SAME, 0, "(3x-2y)*5xy"),
    row(TEXT, down(50), 5, "=15x^2y-10xy^2"),
    row(LABEL, down(60), 3, "(2)"),
    row(END, SAME, 0, "3a(4a-5b)"),
    row(TEXT, down(50), 5, "=12a^2-15ab"),
    row(LABEL, down(60), 3, "(3)"),
    row(END, SAME, 0, "2y(-xy+3x-2y)"),
    row(TEXT, down(50), 5, "=-2xy^2+6xy-4y^2"),
    row(LABEL, down(60), 3, "(4)"),
    row(END, SAME, 0, "(4x^2+8x)/2x"),
    row(TEXT, down(70), 0, "=ﾀ4x^2/2xﾀ+ﾀ8x/2xﾀ"),
    row(TEXT, down(70), 5, "=2x+4"),
    COLUMNS(480, 534),
    row(LABEL, line(30), 3, "(5)"),
    row(END, SAME, 0, "(10a^2-15ab)/5a"),
    row(TEXT, down(70), 0, "=ﾀ10a^2/5aﾀ+ﾀ-15ab/5aﾀ"),
    row(TEXT, down(60), 5, "=2a-3b"),
    row(LABEL, down(70), 3, "(6)"),
    row(END, SAME, 0, "(x^2y^2-3xy^2)/(-ﾀ1/3ﾀxy)"),
    row(TEXT, down(70), 0, "=(x^2y^2-3xy^2)*(-ﾀ3/xyﾀ)"),
    row(TEXT, down(70), 0, "=x^2y^2*(-ﾀ3/xyﾀ)-3xy^2*(-ﾀ3/xyﾀ)"),
    row(TEXT, down(70), 5, "=-3xy+9y"),
};

// Products of two polynomials; the right column goes on with the last two lines of (4).
constexpr PageRow PAGE2[] = {
    CLEAR, FORM_COLUMNS, REVIEW_TITLE, reviewNumber("2"),
    row(LABEL, down(60), 3, "(1)"),
    row(END, SAME, 0, "(x-1)(y-1)"),
    row(TEXT, down(50), 0, "=x(y-1)-(y-1)"),
    row(TEXT, down(50), 5, "=xy-x-y+1"),
    row(LABEL, down(60), 3, "(2)"),
    row(END, SAME, 0, "(a-b)(c+d)"),
    row(TEXT, down(50), 0, "=a(c+d)-b(c+d)"),
    row(TEXT, down(50), 5, "=ac+ad-bc-bd"),
    row(LABEL, down(60), 3, "(3)"),
    row(END, SAME, 0, "(a-7)(a+9)"),
    row(TEXT, down(50), 0, "=a^2+9a-7a-63"),
    row(TEXT, down(50), 5, "=a^2+2a-63"),
    row(LABEL, down(50), 3, "(4)"),
    row(END, SAME, 0, "(x+3y)(2x-8y)"),
    row(TEXT, down(50), 0, "=x(2x-8y)+3y(2x-8y)"),
    COLUMNS(520, 574),
    row(TEXT, line(30), 0, "=2x^2-8xy+6xy-24y^2"),
    row(TEXT, down(50), 5, "=2x^2-2xy-24y^2"),
    row(LABEL, down(50), 3, "(5)"),
    row(END, SAME, 0, "(b+1)(a-b-1)"),
    row(TEXT, down(50), 0, "=b(a-b-1)+(a-b-1)"),
    row(TEXT, down(50), 0, "=ab-b^2-b+a-b-1"),
    row(TEXT, down(50), 0, "=ab-b^2+a-b-b-1"),
    row(TEXT, down(50), 5, "=ab-b^2+a-2b-1"),
    row(LABEL, down(50), 3, "(6)"),
    row(END, SAME, 0, "(2x+y)(x-2y+3)"),
    row(TEXT, down(50), 0, "=2x(x-2y+3)+y(x-2y+3)"),
    row(TEXT, down(50), 0, "=2x^2-4xy+6x+xy-2y^2+3y"),
    row(TEXT, down(50), 0, "=2x^2+6x-4xy+xy-2y^2+3y"),
    row(TEXT, down(50), 5, "=2x^2+6x-3xy-2y^2+3y"),
};

// Expansions by the multiplication formulas.
constexpr PageRow PAGE3[] = {
    CLEAR, FORM_COLUMNS, REVIEW_TITLE, reviewNumber("3"),
    row(LABEL, down(60), 3, "(1)"),
    row(END, SAME, 0, "(x+1)(x+4)"),
    row(TEXT, down(50), 0, "=x^2+(1+4)x+1*4"),
    row(TEXT, down(50), 5, "=x^2+5x+4"),
    row(LABEL, down(60), 3, "(2)"),
    row(END, SAME, 0, "(x-5)(x+7)"),
    row(TEXT, down(50), 0, "=x^2+(-5+7)x+(-5)*7"),
    row(TEXT, down(50), 5, "=x^2+2x-35"),
    row(LABEL, down(60), 3, "(3)"),
    row(END, SAME, 0, "(x-2)(x+8)"),
    row(TEXT, down(50), 5, "=x^2+6x-16"),
    row(LABEL, down(60), 3, "(4)"),
    row(END, SAME, 0, "(x-3)(x-7)"),
    row(TEXT, down(50), 5, "=x^2-10x+21"),
    COLUMNS(600, 654),
    row(LABEL, line(30), 3, "(5)"),
    row(END, SAME, 0, "(x+6)^2"),
    row(TEXT, down(50), 0, "=x^2+2*6x+6^2"),
    row(TEXT, down(50), 5, "=x^2+12x+36"),
    row(LABEL, down(60), 3, "(6)"),
    row(END, SAME, 0, "(y-10)^2"),
    row(TEXT, down(50), 5, "=y^2-20y+100"),
    row(LABEL, down(60), 3, "(7)"),
    row(END, SAME, 0, "(2a+5b)^2"),
    row(TEXT, down(50), 0, "=(2a)^2+2*2a*5b+(5b)^2"),
    row(TEXT, down(50), 5, "=4a^2+20ab+25b^2"),
    row(LABEL, down(60), 3, "(8)"),
    row(END, SAME, 0, "(x+4)(x-4)"),
    row(TEXT, down(50), 0, "=x^2-4^2"),
    row(TEXT, down(50), 5, "=x^2-16"),
};

// Sums and differences of products; expansions with a repeated part put equal to M, the notes
// 27 px right of the text column.
constexpr PageRow PAGE4[] = {
    CLEAR, FORM_COLUMNS, REVIEW_TITLE, reviewNumber("4"),
    row(LABEL, down(60), 3, "(1)"),
    row(END, SAME, 0, "(x+2)(x+3)+(x-1)^2"),
    row(TEXT, down(50), 0, "=x^2+5x+6+x^2-2x+1"),
    row(TEXT, down(50), 0, "=x^2+x^2+5x-2x+6+1"),
    row(TEXT, down(50), 5, "=2x^2+3x+7"),
    row(LABEL, down(60), 3, "(2)"),
    row(END, SAME, 0, "(x-6)(x-9)-2x(x-13)"),
    row(TEXT, down(50), 0, "=x^2-15x+54-2x^2+26x"),
    row(TEXT, down(50), 0, "=x^2-2x^2-15x+26x+54"),
    row(TEXT, down(50), 5, "=-x^2+11x+54"),
    COLUMNS(600, 654, 681),
    row(LABEL, line(30), 3, "(3)"),
    row(END, SAME, 0, "(x-y-1)^2"),
    row(NOTE, down(50), 3, "x-y=M とおくと"),
    row(TEXT, down(50), 0, "=(M-1)^2"),
    row(TEXT, down(50), 0, "=M^2-2M+1"),
    row(TEXT, down(50), 0, "=(x-y)^2-2(x-y)+1"),
    row(TEXT, down(50), 5, "=x^2-2xy+y^2-2x+2y+1"),
    row(LABEL, down(60), 3, "(4)"),
    row(END, SAME, 0, "(a+b-2)(a+b+4)"),
    row(NOTE, down(50), 3, "a+b=M とおくと"),
    row(TEXT, down(50), 0, "=(M-2)(M+4)"),
    row(TEXT, down(50), 0, "=M^2+2M-8"),
    row(TEXT, down(50), 0, "=(a+b)^2+2(a+b)-8"),
    row(TEXT, down(50), 5, "=a^2+2ab+b^2+2a+2b-8"),
};

}  // namespace

const std::span<const PageRow> REVIEW_PRODUCT_PAGES[4] = {PAGE1, PAGE2, PAGE3, PAGE4};

}  // namespace ombrel
