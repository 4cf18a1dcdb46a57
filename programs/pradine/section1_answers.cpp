#include "engine/engine.h"
#include "programs/common/page.h"
#include "section1.h"

namespace pradine {
namespace {

using common::PageRow;
constexpr auto F = PageRow::Kind::Formula;
constexpr auto W = PageRow::Kind::Wait;

// Label column 40 and text column 94 on the left, 640 and 694 on the right; one item per step.
constexpr PageRow ANSWERS[] = {
    {PageRow::Kind::Clear},
    {F, 94, 30, 3, "問1 解答 "},
    {F, 40, 90, 3, "(1)"},
    {F, 94, 90, 0, " (x+2)(x+3)"},
    {F, 94, 140, 0, "=x^2+(2+3)x+2*3"},
    {F, 94, 190, 5, "=x^2+5x+6"},
    {W},
    {F, 40, 250, 3, "(2)"},
    {F, 94, 250, 0, " (x-6)(x-4)"},
    {F, 94, 300, 0, "=x^2+(-6-4)x+(-6)*(-4)"},
    {F, 94, 350, 5, "=x^2-10x+24"},
    {W},
    {F, 40, 410, 3, "(3)"},
    {F, 94, 410, 0, " (x+9)(x-5)"},
    {F, 94, 460, 0, "=x^2+(9-5)x+9*(-5)"},
    {F, 94, 510, 5, "=x^2+4x-45"},
    {W},
    {F, 640, 30, 3, "(4)"},
    {F, 694, 30, 0, " (x+5)(x-8)"},
    {F, 694, 80, 0, "=x^2+(5-8)x+5*(-8)"},
    {F, 694, 130, 5, "=x^2-3x-40"},
};

}  // namespace

void PROBLEM1ANSWERS() { common::drawPage(ANSWERS); }

}  // namespace pradine
