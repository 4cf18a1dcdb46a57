// Scene 6 of section 3: worked example 7, (3a+2b)(2a-b), expanded term by term and then by four
// numbered arcs; then random practice with (px+a)(qx-b), each partial product written as its
// arc is drawn.
#include <array>
#include <string>

#include "answers_polymul.h"
#include "binomprod.h"
#include "engine/engine.h"
#include "globals.h"
#include "polymul.h"
#include "programs/common/page.h"
#include "programs/common/scene.h"
#include "term_arcs.h"

namespace corvale {

using namespace common::page_rows;

const std::array<PageRow, 9> EXAMPLE7_WORKED{{
    text(94, 30, 3, "例7　次の式を展開しなさい。"),
    text(94, 90, 0, " (3a+2b)(2a-b)"),
    WAIT,
    text(94, 140, 0, "=3a(2a-b)+2b(2a-b)"),
    WAIT,
    text(94, 190, 0, "=6a^2-3ab+4ab-2b^2"),
    WAIT,
    text(94, 240, 5, "=6a^2+ab-2b^2"),
    WAIT,
}};

namespace {

// The practice's arcs: as the numbered ones, without numerals, flatter, and the lower pair from
// a chord 50 px under the line.
constexpr std::array<TermArc, 4> PRACTICE_ARCS{{
    {1, 10, 3, 10, 0, -1, -10, 3},
    {1, 0, 4, 0, 0, -1, -20, 7},
    {2, 10, 3, 0, 50, 1, -10, 3},
    {2, 0, 4, 0, 50, 1, -20, 7},
}};

// The worked example and the same product by numbered arcs, each partial product written after
// its arc.
void workedExample() {
  common::clearScene();
  XI0 = 40;
  XI1 = XI0 + 54;
  YI1 = 30;
  common::drawPage(EXAMPLE7_WORKED);
  XI1 = 88;
  common::textLine(XI1, YI1 + 80, 3, "次のように計算してもよい。");
  common::textLine(XI1, YI1 + 140, 0, " (");
  static const std::array<std::string, 4> PIECES{"3a+", "2b)(", "2a-", "b)"};
  anchoredPieces(PIECES);
  FE_SETDRAWWIDTH(8);
  STEPWAIT();
  static const std::array<std::string, 4> PRODUCTS{"=6a^2", "-3ab", "+4ab", "-2b^2"};
  for (std::size_t k = 0; k < NUMBERED_ARCS.size(); ++k) {
    drawTermArc(NUMBERED_ARCS[k]);
    common::textAfter(0, PRODUCTS[k]);
    if (k + 1 == NUMBERED_ARCS.size()) FE_SETDRAWWIDTH(5);
    STEPWAIT();
  }
}

// One practice problem: the product, then each arc and its partial product, then the answer.
void practiceProblem() {
  GENBINOMPROD(BinomVariant::Example7);
  XI0 = 30;
  XI1 = XI0 + 36 + 27;
  YI1 = 20;
  FE_SETDRAWWIDTH(5);
  common::clearScene();
  const ArcProductLines lines = example7Lines();
  common::textLine(XI0, YI1, 0, "例7 次の式を展開しなさい。");
  common::textLine(XI1 + 27, YI1 + 100, 0, lines.opener);
  anchoredPieces(lines.pieces);
  STEPWAIT();
  for (std::size_t k = 0; k < PRACTICE_ARCS.size(); ++k) {
    drawTermArc(PRACTICE_ARCS[k]);
    STEPWAIT();
    if (k == 0) {
      common::textLine(XI1, YI1 + 80, 0, lines.products[k]);
    } else {
      common::textAfter(0, lines.products[k]);
    }
    STEPWAIT();
  }
  common::textLine(XI1, YI1 + 70, 5, lines.lines[0]);
  NEXTSTEP();
}

}  // namespace

void EXAMPLE7() {
  workedExample();
  common::clearScene();
  AINP = 3;
  while (AINP != 1) practiceProblem();
  common::textLine(44, 570, 3, "教科書 問5　をしなさい。");
}

}  // namespace corvale
