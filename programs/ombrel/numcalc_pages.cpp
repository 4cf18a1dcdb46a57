// Section 3, scenes ③, ④ and ⑥: the worked examples by expanding and the answers to the
// textbook's problems 3 and 4, fixed text reveals.
#include "programs/common/page.h"
#include "programs/ombrel/numcalc.h"

namespace ombrel {

using namespace common::page_rows;

namespace {

// An answer page: the heading, then one answer per key, (1) and (2) in the left column with
// lines 50 px apart, (3) at the top of the right column with lines 60 px apart.
constexpr PageRow ANSWERS3_PAGE[] = {
    CLEAR,
    text(94, 30, 3, "問3 解答"), WAIT,
    text(40, 110, 3, "(1)"), after(0, "45^2-35^2"),
    text(94, 160, 0, "=(45+35)(45-35)"),
    text(94, 210, 0, "=80*10"),
    text(94, 260, 5, "=800"), WAIT,
    text(40, 340, 3, "(2)"), after(0, "76^2-24^2"),
    text(94, 390, 0, "=(76+24)(76-24)"),
    text(94, 440, 0, "=100*52"),
    text(94, 490, 5, "=5200"), WAIT,
    text(680, 110, 3, "(3)"), after(0, "198^2-98^2"),
    text(734, 170, 0, "=(198+98)(198-98)"),
    text(734, 230, 0, "=296*100"),
    text(734, 290, 5, "=29600"),
};

constexpr PageRow ANSWERS4_PAGE[] = {
    CLEAR,
    text(94, 30, 3, "問4 解答"), WAIT,
    text(40, 110, 3, "(1)"), after(0, "102^2"),
    text(94, 160, 0, "=(100+2)^2"),
    text(94, 210, 0, "=100^2+2*100*2+2^2"),
    text(94, 260, 0, "=10000+400+4"),
    text(94, 310, 5, "=10404"), WAIT,
    text(40, 390, 3, "(2)"), after(0, "41*39"),
    text(94, 440, 0, "=(40+1)(40-1)"),
    text(94, 490, 0, "=40^2-1^2"),
    text(94, 540, 0, "=1600-1"),
    text(94, 590, 5, "=1599"), WAIT,
    text(680, 110, 3, "(3)"), after(0, "99^2"),
    text(734, 170, 0, "=(100-1)^2"),
    text(734, 230, 0, "=100^2-2*100*1+1^2"),
    text(734, 290, 0, "=10000-200+1"),
    text(734, 350, 5, "=9801"),
};

// Two worked examples side by side: 11² by the square formula, 21 × 19 by the sum times the
// difference; the chains of equalities end in colour 0 like the rest of the working.
constexpr PageRow EXAMPLE2_PAGE[] = {
    CLEAR,
    text(40, 30, 3, "例2"), after(0, "次のように計算できる理由を説明しなさい。"),
    text(40, 90, 0, "① "), after(3, "11^2=100+20+1=121"), WAIT,
    text(67, 150, 5, "＜説明＞"), WAIT,
    text(67, 210, 5, "11=10+1 だから、"), WAIT,
    text(67, 260, 3, "平方の公式を使って展開すると"), WAIT,
    text(94, 320, 0, "11^2　"), WAIT,
    text(67, 370, 0, "=(10+1)^2"), WAIT,
    text(67, 420, 0, "=10^2+2*10*1+1^2"), WAIT,
    text(67, 470, 0, "=100+20+1"), WAIT,
    text(67, 520, 0, "=121"), WAIT,
    text(600, 90, 0, "② "), after(3, "21*19=400-1=399"), WAIT,
    text(627, 150, 5, "＜説明＞"), WAIT,
    text(627, 210, 5, "21=20+1,19=20-1 だから、"), WAIT,
    text(627, 260, 3, "和と差の積を使って展開すると"), WAIT,
    text(654, 320, 0, "21*19　"), WAIT,
    text(627, 370, 0, "=(20+1)(20-1)"), WAIT,
    text(627, 420, 0, "=20^2-1^2"), WAIT,
    text(627, 470, 0, "=400-1"), WAIT,
    text(627, 520, 0, "=399"),
};

}  // namespace

void ANSWERS3() { common::drawPage(ANSWERS3_PAGE); }

void EXAMPLE2() { common::drawPage(EXAMPLE2_PAGE); }

void ANSWERS4() { common::drawPage(ANSWERS4_PAGE); }

}  // namespace ombrel
