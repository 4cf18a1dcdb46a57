// Item 6 of section 1: the answers to textbook problem 1, in three columns of two items. Each item
// is its polynomial, the factorised form, and one line per term: the term as the common factor
// times the remaining factor, which stands out in colour 3.
#include "engine/engine.h"
#include "programs/common/page.h"
#include "section1.h"

namespace fenwist {
namespace {

using common::PageRow;
constexpr auto F = PageRow::Kind::Formula;
constexpr auto A = PageRow::Kind::After;
constexpr auto W = PageRow::Kind::Wait;

constexpr PageRow PAGE[] = {
    {PageRow::Kind::Clear},
    {F, 40, 30, 3, "問1 解答"},
    {W},
    {F, 40, 90, 0, "(1)ab-ac"},
    {F, 94, 140, 5, "=a(b-c)"},
    {F, 94, 190, 0, "ab=a*"}, {A, 0, 0, 3, "b"},
    {F, 94, 240, 0, "ac=a*"}, {A, 0, 0, 3, "c"},
    {W},
    {F, 40, 310, 0, "(2)4ax-2a"},
    {F, 94, 360, 5, "=2a(2x-1)"},
    {F, 94, 410, 0, "4ax=2a*"}, {A, 0, 0, 3, "2x"},
    {F, 94, 460, 0, "2a=2a*"}, {A, 0, 0, 3, "1"},
    {W},
    {F, 400, 30, 0, "(3)2ax+3ay"},
    {F, 454, 80, 5, "=a(2x+3y)"},
    {F, 454, 130, 0, "2ax=a*"}, {A, 0, 0, 3, "2x"},
    {F, 454, 180, 0, "3ay=a*"}, {A, 0, 0, 3, "3y"},
    {F, 400, 250, 0, "(4)8a^2b-4b^2"},
    {F, 454, 300, 5, "=4b(2a^2-b)"},
    {F, 454, 350, 0, "8a^2b=4b*"}, {A, 0, 0, 3, "2a^2"},
    {F, 454, 400, 0, "4b^2=4b*"}, {A, 0, 0, 3, "b"},
    {W},
    {F, 800, 30, 0, "(5)a^2b-ab^2"},
    {F, 854, 80, 5, "=ab(a-b)"},
    {F, 854, 130, 0, "a^2b=ab*"}, {A, 0, 0, 3, "a"},
    {F, 854, 180, 0, "ab^2=ab*"}, {A, 0, 0, 3, "b"},
    {F, 800, 250, 0, "(6)ax+bx+cx"},
    {F, 854, 300, 5, "=x(a+b+c)"},
    {F, 854, 350, 0, "ax=x*"}, {A, 0, 0, 3, "a"},
    {F, 854, 400, 0, "bx=x*"}, {A, 0, 0, 3, "b"},
    {F, 854, 450, 0, "cx=x*"}, {A, 0, 0, 3, "c"},
};

}  // namespace

void PROBLEM1ANSWERS() { common::drawPage(PAGE); }

}  // namespace fenwist
