// Section 2, scenes ③ and ⑤: the proofs, one line per key, that the product of two
// consecutive even (odd) numbers plus 1 is the square of the odd (even) number between them.
#include "programs/common/page.h"
#include "programs/ombrel/evenodd.h"

namespace ombrel {

using namespace common::page_rows;

namespace {

constexpr PageRow EVEN_PROOF[] = {
    CLEARWIDE,
    text(44, 30, 3, "連続する2つの偶数の積に1をたした数は、奇数の2乗になる。"),
    text(44, 80, 5, "＜証明＞"), WAIT,
    text(44, 130, 0, "nを整数とすると、連続する2つの偶数は、"), WAIT,
    text(44, 180, 5, "2n ,"), WAIT,
    after(5, "2n+2"), WAIT,
    after(0, "と表される。"), WAIT,
    text(44, 230, 0, "それらの数の積に１をたした数は、"), WAIT,
    text(44, 280, 0, "　2n(2n+2)+1"), WAIT,
    text(44, 330, 0, "=4n^2+4n+1"), WAIT,
    text(44, 380, 5, "=(2n+1)^2"), WAIT,
    text(44, 430, 0, "だから、"), after(5, "奇数2n+1の2乗になる。"), WAIT,
    text(44, 480, 0, "したがって、連続する2つの偶数の積に1をたした数は、奇数の2乗になる。"), WAIT,
    text(44, 540, 7, "教科書P30 問2　をやろう。"), WAIT,
    after(5, "連続する2つの偶数の間の奇数の2乗になる。", 10), WAIT,
    text(44, 590, 3, "連続する2つの奇数にかえて調べよう。"),
};

constexpr PageRow ODD_PROOF[] = {
    CLEARWIDE,
    text(44, 30, 3, "連続する2つの奇数の積に1をたした数は、間の偶数の2乗になる。"),
    text(44, 80, 5, "＜証明＞"), WAIT,
    text(44, 130, 0, "nを整数とすると、連続する2つの奇数は、"), WAIT,
    text(44, 180, 5, "2n-1 ,"), WAIT,
    after(5, "2n+1"), WAIT,
    after(0, "と表される。"), WAIT,
    text(44, 230, 0, "それらの数の積に１をたした数は、"), WAIT,
    text(44, 280, 0, "　(2n-1)(2n+1)+1"), WAIT,
    text(44, 330, 0, "=4n^2-1+1"), WAIT,
    text(44, 380, 3, "=4n^2"), WAIT,
    after(5, "=(2n)^2"), WAIT,
    text(44, 430, 0, "だから、"), after(5, "間の偶数の2乗になる。"), WAIT,
    text(44, 480, 0, "したがって、連続する2つの奇数の積に1をたした数は、"),
    text(44, 530, 0, "間の偶数の2乗になる。"),
};

}  // namespace

void EVENPROOF() { common::drawPage(EVEN_PROOF); }

void ODDPROOF() { common::drawPage(ODD_PROOF); }

}  // namespace ombrel
