// Items 2, 5 and 7 of section 4: the trinomial drills. Each problem shows the trinomial and an
// answer frame with two numbered boxes, then the factor-pair table of its constant, then the two
// numbers in the boxes.
#include <string>

#include "engine/engine.h"
#include "globals.h"
#include "pair_table.h"
#include "programs/common/scene.h"
#include "section4.h"
#include "sign_coef.h"

namespace fenwist {
namespace {

// What one loop of the family draws, besides the numbers.
struct Show {
  std::string problem;
  const char* frame[3];  // the answer frame around the two boxes
  float haba;            // the boxes' width
  std::string product;   // the header texts of the table: the constant ...
  std::string sum;       // ... and the coefficient of x
};

// An answer box on the line y, its left edge at x: a numbered box first, the answer later.
void trinomialBox(float x, float y, float haba, const std::string& text) {
  common::formulaBox(x, y, {haba, 60, 13, 7, 6}, text, common::BoxAt::TextLine);
  XI2 = X;
  YI1 = Y;
}

// One problem from the cursor line YI1: the problem line 80 px lower, the answer frame 80 px
// lower again; a key; the table at (728, 60); a key; the numbers in the boxes; the next-step
// prompt.
void TRINOMIALSHOW(const Show& show) {
  common::textLine(XI1 - 66, YI1 + 80, 0, show.problem);
  common::textLine(XI1, YI1 + 80, 0, show.frame[0]);
  X11 = X + 10;
  trinomialBox(XI2 + 10, YI1, show.haba, "①");
  Y11 = Y;
  common::textLine(XI2 + 10, YI1, 0, show.frame[1]);
  X12 = X + 10;
  trinomialBox(XI2 + 10, YI1, show.haba, "②");
  Y12 = Y;
  common::textLine(XI2 + 10, YI1, 0, show.frame[2]);
  STEPWAIT();
  XI = XI1 + 640;
  YI = 60;
  X_S_A(1) = "積が" + show.product;
  X_S_A(2) = "和が" + show.sum;
  X_A(1) = T_A(3);
  WA = 1;
  KOSUU = 2 * KOSUU;
  PAIRTABLE();
  STEPWAIT();
  trinomialBox(X11, Y11, show.haba, T_S_A(1));
  trinomialBox(X12, Y12, show.haba, T_S_A(2));
  NEXTSTEP();
}

// The numbers of a problem of the drill and the rows of its table.
void newProblem(TrinomialDrill drill) {
  GENTRINOMIAL(drill);
  SIGNEDPAIRS();
  NUMSTRINGS();
}

// A drill whose every problem starts on a cleared window under its heading; every sign of the
// problem line comes from SIGNCOEF, and the boxes are wide enough for a signed number.
void signedDrill(TrinomialDrill drill, const char* heading, float productIndex) {
  AINP = 3;
  while (AINP != 1) {
    newProblem(drill);
    SIGNCOEF(1, 4);
    XI1 = 88;
    YI1 = 18;
    common::clearScene();
    common::textLine(XI1, YI1, 0, heading);
    TRINOMIALSHOW({"  x^2" + T_S_A(3) + "x" + T_S_A(4), {"=(x", ")(x", ")"}, 132, T_S_A(productIndex), T_S_A(5)});
  }
}

// The key that ends a drill, then the textbook problems to do next.
void pointTo(float x, const char* problems) {
  STEPWAIT();
  common::textLine(x, 570, 0, problems);
}

}  // namespace

void TRINOMIALPRACTICE() {
  AINP = 3;
  while (AINP != 1) {
    newProblem(TrinomialDrill::BothPositive);
    XI1 = 88;
    YI1 = 18;
    common::clearScene();
    common::textLine(XI1, YI1, 0, "練習　次の式を因数分解しなさい。");
    TRINOMIALSHOW({"(1) x^2+" + T_S_A(3) + "x+" + T_S_A(4), {"=(x+", ")(x+", ")"}, 88, T_S_A(4), T_S_A(3)});
  }
  // Part (2) keeps the heading and the last problem of part (1) above its own.
  AINP = 3;
  while (AINP != 1) {
    newProblem(TrinomialDrill::BothNegative);
    XI1 = 88;
    YI1 = 240;
    common::eraseBox(XI, 0, 1320, 1300);
    common::eraseBox(0, YI1, 1320, 1300);
    TRINOMIALSHOW({"(2) x^2" + T_S_A(3) + "x+" + T_S_A(4), {"=(x", ")(x", ")"}, 88, T_S_A(4), T_S_A(3)});
  }
  pointTo(484, "教科書P24 問6,問7　をしなさい。");
}

void TRINOMIALEXAMPLE7() {
  signedDrill(TrinomialDrill::OneNegative, "例7　次の式を因数分解しなさい。", 4);
  pointTo(132, "教科書 問8　をしなさい。");
}

void FORMULAPRACTICE() {
  signedDrill(TrinomialDrill::AnySigns, "問　次の式を因数分解しなさい。", 6);
  pointTo(132, "教科書 問9　をしなさい。");
}

}  // namespace fenwist
