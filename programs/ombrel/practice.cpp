// Section 3, scene ⑤: practice of the two expansions, squares (t + u)² and then products
// (t + u)(t − u), each worked out line by line.
#include "engine/engine.h"
#include "programs/common/scene.h"
#include "programs/ombrel/drills.h"
#include "programs/ombrel/frame.h"
#include "programs/ombrel/globals.h"
#include "programs/ombrel/numcalc.h"

namespace ombrel {
namespace {

void drawSquare() {
  common::textLine(XI0, YI1, 0, "① ");
  common::textAfter(3, T_S_A(3) + "^2");
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 0, "=(" + T_S_A(2) + "+" + T_S_A(1) + ")^2");
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 0, "=" + T_S_A(4) + "+" + T_S_A(5) + "+" + T_S_A(6));
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 5, "=" + T_S_A(7));
}

void drawSumTimesDifference() {
  common::textLine(XI0, YI1, 0, "② ");
  common::textAfter(3, T_S_A(3) + "*" + T_S_A(4));
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 0, "=(" + T_S_A(2) + "+" + T_S_A(1) + ")" + "(" + T_S_A(2) + "-" + T_S_A(1) + ")");
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 0, "=" + T_S_A(2) + "^2-" + T_S_A(1) + "^2");
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 0, "=" + T_S_A(5) + "-" + T_S_A(6));
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 5, "=" + T_S_A(7));
}

}  // namespace

void PRACTICE() {
  common::clearScene();
  XI0 = 40;
  XI1 = XI0 + 27;
  YI1 = 30;
  common::textLine(XI0, YI1, 3, "例2 ");
  common::textAfter(0, "展開を利用して、次の計算をしなさい。");
  PRACTICELOOP(50, GENSQUARE, drawSquare);
  // The last square and its working stay above the second loop's area.
  PRACTICELOOP(50, GENSUMDIFF, drawSumTimesDifference);
  STEPWAIT();
  common::textLine(132, 570, 3, "教科書 問4　をしなさい。");
}

}  // namespace ombrel
