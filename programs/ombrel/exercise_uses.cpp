// Exercise answers, pages 7 to 10: values of expressions after factorising, proofs about two
// consecutive odd and even numbers, alternating sums of squares, and the comparison of two
// products around 365.
#include "programs/ombrel/answer_pages.h"

namespace ombrel {
namespace {

using namespace answer_rows;

// Four values, each after factorising or putting a bracket equal to M, the notes 27 px right of
// the text column; (3) and (4) on a second screen without a header, side by side.
constexpr PageRow PAGE7[] = {
    CLEAR, COLUMNS(40, 94, 121), EXERCISE_TITLE, exerciseNumber("7"), WAIT,
    row(LABEL, down(70), 3, "(1)"),
    row(END, SAME, 0, "x^2+4x+4"),
    row(END, SAME, 0, "=(x+2)^2"),
    row(NOTE, down(50), 3, "x=198 を代入して"),
    row(TEXT, down(50), 0, "=(198+2)^2"),
    row(TEXT, down(50), 0, "=200^2"),
    row(END, SAME, 5, "=40000"), WAIT,
    row(LABEL, down(60), 3, "(2)"),
    row(END, SAME, 0, "x^2-y^2"),
    row(TEXT, down(50), 0, "=(x+y)(x-y)"),
    row(NOTE, down(50), 3, "x=3.75,y=2.25を代入して"),
    row(TEXT, down(50), 0, "=(3.75+2.25)*(3.75-2.25)"),
    row(TEXT, down(50), 0, "=6*1.5"),
    row(TEXT, down(50), 5, "=9"), WAIT,
    CLEAR, COLUMNS(40, 94, 121),
    row(LABEL, line(30), 3, "(3)"),
    row(END, SAME, 0, "x(x+3)-(x+3)(x+1)"),
    row(NOTE, down(50), 3, "x+3=M とおくと"),
    row(TEXT, down(50), 0, "=xM-M(x+1)"),
    row(TEXT, down(50), 0, "=M{x-(x+1)}"),
    row(TEXT, down(50), 0, "=M(x-x-1)=-M"),
    row(TEXT, down(50), 3, "=-(x+3)=-x-3"),
    row(NOTE, down(50), 3, "x=27 を代入して"),
    row(TEXT, down(50), 0, "=-27-3"),
    row(END, SAME, 5, "=-30"), WAIT,
    COLUMNS(600, 654, 708),
    row(LABEL, line(30), 3, "(4)"),
    row(END, SAME, 0, "(a+b)^2-2(a+b)+1"),
    row(NOTE, down(50), 3, "a+b=M とおくと"),
    row(TEXT, down(50), 0, "=M^2-2M+1"),
    row(TEXT, down(50), 0, "=(M-1)^2"),
    row(TEXT, down(50), 3, "=(a+b-1)^2"),
    row(NOTE, down(50), 3, "a=17 ,b=4 を代入して"),
    row(TEXT, down(50), 0, "=(17+4-1)^2"),
    row(TEXT, down(50), 0, "=20^2"),
    row(END, SAME, 5, "=400"),
};

// Two proofs, the text column 36 px right of the labels. The first screen proves the odd case;
// the second, after the header again, predicts the even case from three examples, erases the
// prediction from its line down (kept in V(1)) and proves it on that line.
constexpr PageRow PAGE8[] = {
    CLEAR, COLUMNS(40, 76), EXERCISE_TITLE, exerciseNumber("8"),
    row(END, line(30), 3, "(1)"),
    row(LABEL, down(60), 7, "①"),
    row(END, SAME, 0, "連続する奇数の小さい方の数を 2n+1,"),
    row(TEXT, down(50), 0, "大きい方の数を "), WAIT,
    row(END, SAME, 3, "2n+3 "),
    row(END, SAME, 0, "と表す。"),
    row(LABEL, down(50), 3, "<証明>"), WAIT,
    row(TEXT, down(50), 0, "(2n+3)^2-(2n+1)^2"), WAIT,
    row(TEXT, down(50), 0, "={(2n+3)+(2n+1)}{(2n+3)-(2n+1)}"), WAIT,
    row(TEXT, down(50), 0, "=(2n+3+2n+1)(2n+3-2n-1)"), WAIT,
    row(TEXT, down(50), 0, "=(4n+4)*2"), WAIT,
    row(TEXT, down(50), 0, "=8(n+1)"),
    row(TEXT, down(50), 0, "n+1 は整数だから、8の倍数になる。"),
    row(TEXT, down(50), 0, "したがって、連続する2つの奇数では、大きい方の数の2乗から"),
    row(TEXT, down(50), 0, "小さい方の数の2乗をひくと、8の倍数になる。"), WAIT,
    CLEAR, COLUMNS(40, 76), EXERCISE_TITLE, exerciseNumber("8"),
    row(END, line(30), 3, "(2)"),
    row(TEXT, down(70), 3, "＜予想＞"), WAIT,
    keep(1, 0, SAME),
    row(LABEL, down(50), 0, "4と6では、6^2-4^2=(6+4)*(6-4)=10*2=20"), WAIT,
    row(LABEL, down(50), 0, "6と8では、8^2-6^2=(8+6)*(8-6)=14*2=28"), WAIT,
    row(LABEL, down(50), 0, "100と102では、"),
    row(LABEL, down(50), 0, "102^2-100^2=(102+100)*(102-100)=202*2=404"), WAIT,
    row(TEXT, down(50), 3, "4の倍数になりそうだ"), WAIT,
    eraseKept(1, 1320, 1300), COLUMNS(40, 76),
    row(TEXT, line(100), 3, "<証明>"), WAIT,
    row(TEXT, down(50), 0, "連続する2つの偶数を2n,2n+2 とすると"), WAIT,
    row(TEXT, down(50), 0, "(2n+2)^2-(2n)^2"), WAIT,
    row(TEXT, down(50), 0, "=4n^2+8n+4-4n^2"), WAIT,
    row(TEXT, down(50), 0, "=8n+4"),
    row(TEXT, down(50), 0, "=4(2n+1)"),
    row(TEXT, down(50), 0, "2n+1 は整数だから、4の倍数になる。"),
    row(TEXT, down(50), 0, "したがって、連続する2つの偶数では、大きい方の数の2乗から"),
    row(TEXT, down(50), 0, "小さい方の数の2乗をひくと、4の倍数になる。"),
};

// Two alternating sums of squares, by the difference of two squares and around 10. The page
// waits before its first item.
constexpr PageRow PAGE9[] = {
    CLEAR, COLUMNS(40, 94, 121), EXERCISE_TITLE, exerciseNumber("9", 60), WAIT,
    row(LABEL, down(70), 3, "(1)"),
    row(END, SAME, 0, "21^2-20^2+19^2-18^2+17^2-16^2"),
    row(TEXT, down(50), 0, "=(21+20)*(21-20)"),
    row(NOTE, down(50), 0, "+(19+18)*(19-18)+(17+16)*(17-16)"),
    row(TEXT, down(50), 0, "=41+37+33"),
    row(END, SAME, 5, "=111"), WAIT,
    row(LABEL, down(60), 3, "(2)"),
    row(END, SAME, 0, "8^2-10^2+12^2"),
    row(TEXT, down(50), 0, "=(10-2)^2-10^2+(10+2)^2"),
    row(TEXT, down(50), 0, "=10^2-2*10*2+2^2-10^2+10^2+2*10*2+2^2"),
    row(TEXT, down(50), 0, "=(10^2-10^2+10^2)+(-2*10*2+2*10*2)+(2^2+2^2)"),
    row(TEXT, down(50), 0, "=10^2+2^2+2^2"),
    row(TEXT, down(50), 0, "=4+100+4"),
    row(END, SAME, 5, "=108"),
};

// 364 x 366 and 363 x 367 written around 365, labelled ア and イ.
constexpr PageRow PAGE10[] = {
    CLEAR, FORM_COLUMNS, EXERCISE_TITLE, exerciseNumber("10", 60),
    row(LABEL, down(70), 3, "ア  "),
    row(END, SAME, 0, "364*366"),
    row(TEXT, down(50), 0, "=(365-1)*(365+1)"),
    row(TEXT, down(50), 3, "=365^2-1"), WAIT,
    row(LABEL, down(70), 3, "イ  "),
    row(END, SAME, 0, "363*367"),
    row(TEXT, down(50), 0, "=(365-2)*(365+2)"),
    row(TEXT, down(50), 3, "=365^2-4"), WAIT,
    row(TEXT, down(50), 0, "アより、イのほうがひく数が大きいので"), WAIT,
    row(TEXT, down(50), 5, "364*366 のほうが大きい。"),
};

}  // namespace

const std::span<const PageRow> EXERCISE_USE_PAGES[4] = {PAGE7, PAGE8, PAGE9, PAGE10};

}  // namespace ombrel
