// Section 3, scene ①: two drills that show only the answer, a² − b² with a + b = 100 and
// (t + u)(t − u) with t a multiple of 10, to make the class wonder how it is done so fast.
#include "engine/engine.h"
#include "programs/common/scene.h"
#include "programs/ombrel/drills.h"
#include "programs/ombrel/frame.h"
#include "programs/ombrel/globals.h"
#include "programs/ombrel/numcalc.h"

namespace ombrel {
namespace {

void drawSquareDifference() {
  common::textLine(XI0, YI1, 3, "(1)");
  common::textAfter(0, T_S_A(1) + "^2-" + T_S_A(2) + "^2");
  STEPWAIT();
  common::textAfter(5, "=" + T_S_A(5));
}

void drawSumTimesDifference() {
  common::textLine(XI0, YI1, 3, "(2)");
  common::textAfter(0, T_S_A(3) + "*" + T_S_A(4));
  STEPWAIT();
  common::textAfter(5, "=" + T_S_A(7));
}

}  // namespace

void INTRODRILLS() {
  common::clearScene();
  XI0 = 40;
  YI1 = 30;
  common::textLine(XI0, YI1, 3, "次の計算をしなさい。");
  PRACTICELOOP(50, GENSQDIFF, drawSquareDifference);
  // Drill (1)'s last problem stays on its line above the second drill's area.
  PRACTICELOOP(80, GENSUMDIFF, drawSumTimesDifference);
}

}  // namespace ombrel
