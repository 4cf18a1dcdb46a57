// Review answers, page 9: a rectangular pond p m by q m with a road a m wide around it. The
// figure is built in four steps, one per key, and S = al is proved in a column on the left.
#include "engine/engine.h"
#include "programs/ombrel/answer_pages.h"
#include "programs/ombrel/pond_figure.h"

namespace ombrel {
namespace {

using namespace answer_rows;

// The rectangular pond: the outer edge 10 by 8 cells, the pond 6 by 4.
void RECTPOND() { RECTPOINTS(2); }

// The outer edge of the road, the pond inside it, and the road's width; the road itself keeps
// the background colour.
void RECTROAD() {
  PsLINE(X_A(1), Y_A(1), X_A(2), Y_A(2), 0, LineMode::Box);
  PsLINE(X_A(3), Y_A(3), X_A(4), Y_A(4), 0, LineMode::FilledBox, 13);
  TOPWIDTH(0);
}

// The road's centre line, with the width drawn again over it.
void RECTCENTRE() {
  CENTREBOX(3);
  TOPWIDTH(0);
}

// The pond's left side p and its top side q.
void RECTSIDES() {
  common::spanArc(X_A(3), Y_A(3), X_A(3), Y_A(3) + 4 * SIZE, sideArc(-1, 0), common::ArcLabel{"pm", SIDE_LABEL});
  common::spanArc(X_A(3), Y_A(3), X_A(3) + 6 * SIZE, Y_A(3), sideArc(1, 0), common::ArcLabel{"qm", SIDE_LABEL});
}

// The "=" under the one that begins the line of l stands 10 px after the script l; the figure
// leaves the pen width 6.
constexpr PageRow PAGE9[] = {
    CLEAR, FORM_COLUMNS, REVIEW_TITLE, reviewNumber("9"), call(RECTPOND), WAIT,
    call(RECTROAD), row(924, line(100), 5, "am"), WAIT,
    call(RECTCENTRE), row(924, line(100), 5, "am"), row(924, line(400), 7, "lm"), call(BOTTOMPOINTER), WAIT,
    at(704, line(460), 5, "道の面積…Sm^2"), WAIT,
    call(RECTSIDES), WAIT,
    row(44, line(90), 5, "＜証明＞"), WAIT,
    row(44, down(55), 5, "S"), WAIT,
    row(END, SAME, 0, "=(p+2a)(q+2a)-pq"), WAIT,
    row(44, down(55), 0, " =pq+2ap+2aq+4a^2-pq"), WAIT,
    row(44, down(55), 0, " ="), row(END, SAME, 5, "2ap+2aq+4a^2"), row(END, SAME, 0, "…①"), WAIT,
    row(44, down(55), 3, "l"), WAIT,
    at(END + 10, SAME, 0, "=2(p+a)+2(q+a)"), row(END + 10, down(55), 0, "="), WAIT,
    row(END, SAME, 3, "2p+2q+4a"), WAIT,
    row(44, down(60), 5, "al"), row(END, SAME, 0, "=a(2p+2q+4a)"), WAIT,
    row(100, down(55), 0, "="), row(END, SAME, 5, "2ap+2aq+4a^2"), row(END, SAME, 0, "…②"), WAIT,
    row(44, down(70), 0, "①,②より、"), row(END, SAME, 5, "S=al"),
};

}  // namespace

const std::span<const PageRow> REVIEW_POND_PAGE = PAGE9;

}  // namespace ombrel
