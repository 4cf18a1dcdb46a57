#include <string>

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/scene.h"
#include "section4.h"
#include "task_kit.h"

namespace pradine {
namespace {

// A piece of the expansion line that takes its room now and shows later: drawn in the background
// colour where the line has got to, its left edge kept in X(element) and the line in Y(1).
void reserve(float element, const std::string& piece) {
  X_A(element) = XI2;
  Y_A(1) = YI1;
  common::textAfter(15, piece);
}

// A reserved piece shown: the same text again at its place, now in colour.
void reveal(float element, float colour, const std::string& piece) {
  common::textLine(X_A(element), Y_A(1), colour, piece);
}

}  // namespace

void COMBINEDEXAMPLE() {
  common::clearWindow();
  TEXTCOLUMN(40);
  XI3 = XI1 + 80;
  common::textLine(XI0, YI1, 0, "例題1　次の式を計算しなさい。");
  common::textLine(XI0, YI1 + 70, 3, "①");
  common::textLine(XI1, YI1, 0, " 2(x+5)^2-(x+3)(x-3)");
  STEPWAIT();
  common::textLine(XI3, YI1 + 50, 3, "(x+5)^2 と(x+3)(x-3) を展開する");
  STEPWAIT();
  // The two expansions, with gaps where the coefficient, the sign and the brackets will stand.
  common::textLine(XI1, YI1 + 80, 0, "=");
  reserve(8, "2");
  reserve(1, "(");
  common::textAfter(0, "x^2+10x+25");
  reserve(3, ")");
  reserve(4, "-");
  reserve(5, "(");
  common::textAfter(0, "x^2-9");
  reserve(7, ")");
  STEPWAIT();
  reveal(8, 0, "2");
  reveal(4, 0, "-");
  STEPWAIT();
  reveal(1, 5, "(");
  reveal(3, 5, ")");
  STEPWAIT();
  reveal(5, 5, "(");
  reveal(7, 5, ")");
  common::textLine(X_A(7) + 88, Y_A(1), 5, "( )をつける");
  STEPWAIT();
  common::textLine(XI1, YI1 + 80, 0, "=2x^2+20x+50-x^2+9");
  STEPWAIT();
  common::textLine(XI2 + 88, YI1, 3, "同類項をまとめる");
  STEPWAIT();
  common::textLine(XI1, YI1 + 80, 0, "=2x^2-x^2+20x+50+9");
  STEPWAIT();
  common::textLine(XI1, YI1 + 80, 5, "=x^2+20x+59");
  STEPWAIT();
  AINP = 3;
  NO = 0;
  COMBINEDDRILL();
}

}  // namespace pradine
