#include "programs/common/page.h"
#include "section1.h"
#include "task_kit.h"

namespace pradine {
namespace {

using namespace common::page_rows;

// Label column 40 and text column 94 on the left, one item per step.
constexpr PageRow LEFT_COLUMN[] = {
    CLEAR,
    text(94, 30, 3, "問1 解答 "),
    text(40, 90, 3, "(1)"),
    text(94, 90, 0, " (x+2)(x+3)"),
    text(94, 140, 0, "=x^2+(2+3)x+2*3"),
    text(94, 190, 5, "=x^2+5x+6"),
    WAIT,
    text(40, 250, 3, "(2)"),
    text(94, 250, 0, " (x-6)(x-4)"),
    text(94, 300, 0, "=x^2+(-6-4)x+(-6)*(-4)"),
    text(94, 350, 5, "=x^2-10x+24"),
    WAIT,
    text(40, 410, 3, "(3)"),
    text(94, 410, 0, " (x+9)(x-5)"),
    text(94, 460, 0, "=x^2+(9-5)x+9*(-5)"),
    text(94, 510, 5, "=x^2+4x-45"),
    WAIT,
};

// Label column 640 and text column 694 on the right, from the title's line; no wait after it.
constexpr PageRow RIGHT_COLUMN[] = {
    text(640, 30, 3, "(4)"),
    text(694, 30, 0, " (x+5)(x-8)"),
    text(694, 80, 0, "=x^2+(5-8)x+5*(-8)"),
    text(694, 130, 5, "=x^2-3x-40"),
};

}  // namespace

// The label and text columns stay in XI0 and XI1 as the page's right column set them.
void PROBLEM1ANSWERS() {
  TEXTCOLUMN(40);
  common::drawPage(LEFT_COLUMN);
  TEXTCOLUMN(640);
  common::drawPage(RIGHT_COLUMN);
}

}  // namespace pradine
