// Scene 9 of section 3: worked example 8, random practice with (px-qy)(rx+sy-t), worked in four
// lines; after the last problem the same product once more by six numbered arcs, each partial
// product written after its arc.
#include <array>

#include "binomprod.h"
#include "engine/engine.h"
#include "globals.h"
#include "polymul.h"
#include "programs/common/scene.h"
#include "term_arcs.h"

namespace corvale {

namespace {

// From px to rx, sy and -t over the line; from -qy to the same three under it.
constexpr std::array<TermArc, 6> SIX_ARCS{{
    {1, 10, 3, 10, 0, -1, -15, 7, "①", 3, 20},
    {1, 0, 4, 0, 0, -1, -40, 7, "   ②", 3, 20},
    {1, 0, 5, 0, 0, -1, -60, 7, "     ③", 3, 20},
    {2, 0, 3, 0, 40, 1, -15, 9, "  ④", 5, -20},
    {2, 0, 4, 0, 40, 1, -40, 9, "   ⑤", 5, -30},
    {2, 0, 5, 0, 40, 1, -60, 9, "    ⑥", 5, -20},
}};

// One problem: the product and its four lines of working, a line per key. The end of the
// like-terms line is kept in U(1), V(1) for the note after the last problem.
void practiceProblem() {
  GENBINOMPROD(BinomVariant::Example8);
  XI0 = 40;
  XI1 = XI0 + 27;
  YI1 = 30;
  FE_SETDRAWWIDTH(5);
  common::clearScene();
  const ArcProductLines lines = example8Lines();
  common::textLine(XI0, YI1, 0, "例8 次の式を展開しなさい。");
  common::textLine(XI1, YI1 + 60, 3, lines.lines[0]);
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 0, lines.lines[1]);
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 0, lines.lines[2]);
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 0, lines.lines[3]);
  U_A(1) = XI2;
  V_A(1) = YI1;
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 5, lines.lines[4]);
  NEXTSTEP();
}

}  // namespace

void EXAMPLE8() {
  common::clearScene();
  AINP = 3;
  while (AINP != 1) practiceProblem();

  common::textAt(U_A(1) + 50, V_A(1), 3, "※同類項はまとめる");
  STEPWAIT();
  common::textLine(XI1, YI1 + 80, 3, "次のように計算してもよい。");
  const ArcProductLines lines = example8Lines();
  common::textLine(XI0, YI1 + 140, 0, lines.opener);
  anchoredPieces(lines.pieces);
  FE_SETDRAWWIDTH(8);
  STEPWAIT();
  for (std::size_t k = 0; k < SIX_ARCS.size(); ++k) {
    drawTermArc(SIX_ARCS[k]);
    common::textAfter(0, lines.products[k]);
    if (k + 1 < SIX_ARCS.size()) STEPWAIT();
  }
  FE_SETDRAWWIDTH(5);
  STEPWAIT();
  common::textLine(400, 600, 7, "教科書 問6 をしなさい。");
}

}  // namespace corvale
