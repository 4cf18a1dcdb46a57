#include "engine/engine.h"
#include "globals.h"
#include "programs/common/scene.h"
#include "programs/common/sumdiff_diagram.h"
#include "section3.h"
#include "task_kit.h"

namespace pradine {
namespace {

// One pass of the practice loop: a product with the boxes ① and ② of its expansion, then box ①
// taken away and the product of the numbers in box ②.
void taskPass() {
  SUMDIFFTASKNUMBERS();
  TASKPROBLEM(44, " (x" + T_S_A(1) + ")(x" + T_S_A(2) + ")", std::nullopt, std::nullopt);
}

// The three frames of the diagram labelled in F$(): the product beside its empty strip; a key;
// the strip moved into the empty column (a key inside); the working line at y; a key; the square
// less its corner, unlabelled; a key; the same labelled square and corner; a key.
void diagramFrames(float y, const char* working, const char* square, const char* corner) {
  common::SUMDIFFAREA();
  STEPWAIT();
  common::SUMDIFFMOVE();
  common::textLine(XI1, y, 0, working);
  STEPWAIT();
  common::SUMDIFFRESULT();
  STEPWAIT();
  F_S_A(4) = square;
  F_S_A(7) = corner;
  common::SUMDIFFRESULT();
  STEPWAIT();
}

// Why box ① goes and box ② is the product: (x+2)(x-2) and (a+b)(a-b) on the sum-and-difference
// diagrams, and the formula. The diagrams move the layout cursor, so the lines beside them are
// placed from Y11.
void explanation() {
  common::textLine(XI1, YI1 + 80, 3, "①は消え、②は積。なぜ？");
  STEPWAIT();
  common::textAt(XI1 + 44, YI1 + 80, 5, "(x+2)(x-2)");
  Y11 = YI1 + 80;
  STEPWAIT();
  XI3 = 704;
  YI3 = 100;
  DIAGRAMLABELS({"x", "2", "2"});
  diagramFrames(Y11 + 50, "=x^2-2x+2x-4", "x^2", "4");
  common::textAt(XI1, Y11 + 100, 5, "=x^2-4");
  STEPWAIT();

  common::eraseBox(XI1, Y11, 660, 1300);
  common::textAt(XI1 + 44, Y11, 5, "(a+b)(a-b)");
  STEPWAIT();
  XI3 = 748;
  YI3 = 100;
  common::eraseBox(XI3 - 44, 20, 1320, 900);
  DIAGRAMLABELS({"a", "b", "b"});
  diagramFrames(Y11 + 60, "=a^2-ab+ab-b^2", "a^2", "b^2");
  common::textLine(XI1, Y11 + 120, 0, "=");
  common::textAfter(5, "a^2-b^2");
  STEPWAIT();
  common::textLine(XI1, YI1 + 120, 3, "和と差の積　(a+b)(a-b)=a^2-b^2");
}

}  // namespace

void SUMDIFFTASK() {
  AINP = 3;
  NO = 0;
  while (AINP != 1) taskPass();
  explanation();
}

}  // namespace pradine
