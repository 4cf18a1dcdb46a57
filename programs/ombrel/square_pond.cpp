// Section 5, scene ③: problem 6, S = al for a square pond of side p with a road of width a
// around it. The figure is built on the right, one element per key; the proof follows on the
// left, with two blank fills and a gap that the value of l fills.
#include "engine/engine.h"
#include "programs/ombrel/geoproof.h"
#include "programs/ombrel/pond_figure.h"

namespace ombrel {
namespace {

using namespace common::page_rows;

// The square pond: the outer edge 10 cells square, the pond 6.
void SQUAREPOND() { RECTPOINTS(0); }

// Pond and road first show as one square.
void SQUAREAREA() { PsLINE(X_A(1), Y_A(1), X_A(2), Y_A(2), 3, LineMode::FilledBox, 12); }

// Then the road around the pond, and its width.
void SQUAREROAD() {
  PsLINE(X_A(1), Y_A(1), X_A(2), Y_A(2), 3, LineMode::FilledBox, 8);
  PsLINE(X_A(3), Y_A(3), X_A(4), Y_A(4), 15, LineMode::FilledBox, 12);
  TOPWIDTH(13);
}

// The road's centre line, with the width drawn again over it.
void SQUARECENTRE() {
  CENTREBOX(11);
  TOPWIDTH(13);
}

// The pond's left side, p.
void SQUARESIDE() {
  common::spanArc(X_A(3), Y_A(3), X_A(3), Y_A(3) + 6 * SIZE, sideArc(-1, 13), common::ArcLabel{"pm", SIDE_LABEL});
}

constexpr PageRow PROOF[] = {
    CLEAR,
    row(44, line(30), 3, "問6　S=al を証明しなさい。"), call(SQUAREPOND), WAIT,
    call(SQUAREAREA), WAIT,
    call(SQUAREROAD), at(924, line(100), 5, "am"), WAIT,
    call(SQUARECENTRE), at(924, line(100), 5, "am"),
    at(924, line(480), 7, "lm"), call(BOTTOMPOINTER), WAIT,
    at(704, line(540), 5, "道の面積…Sm^2"), WAIT,
    call(SQUARESIDE), WAIT,
    row(44, down(70), 5, "＜証明＞"), WAIT,
    row(44, down(60), 5, "S"), at(END, SAME, 0, "=(    )^2-p^2"), WAIT,
    erase(END + 2, down(-4), 528, 55), row(END, SAME, 0, "=(p+2a)^2-p^2"), WAIT,
    row(44, down(60), 0, " =p^2+4ap+4a^2-p^2"), WAIT,
    row(44, down(60), 0, " ="), row(END, SAME, 5, "4ap+4a^2"), row(END, SAME, 0, "…①"), WAIT,
    row(44, down(60), 3, "l"), at(END + 10, SAME, 0, "=4(   )"), WAIT,
    erase(END + 10, down(-4), 528, 55), row(END + 10, SAME, 0, "=4(p+a)"), row(END, SAME, 0, "="), WAIT,
    row(END, SAME, 3, "4p+4a"), WAIT,
    row(44, down(60), 5, "al"), row(END, SAME, 0, "=a("), at(END + 6, SAME, 0, "     )"), WAIT,
    row(END, SAME, 3, "4p+4a"), WAIT,
    row(100, down(60), 0, "="), row(END, SAME, 5, "4ap+4a^2"), row(END, SAME, 0, "…②"), WAIT,
    row(44, down(70), 0, "①,②より、"), row(END, SAME, 5, "S=al"),
    call(PENTWO),
};

}  // namespace

const std::span<const common::PageRow> SQUARE_POND_PROOF = PROOF;

}  // namespace ombrel
