// Section 2, scenes ② and ④: the class computes, cell by cell, the product of neighbouring
// consecutive even (odd) numbers plus 1, and is led to guess that it is the square of the number
// between them.
#include <span>

#include "engine/engine.h"
#include "programs/common/page.h"
#include "programs/common/scene.h"
#include "programs/ombrel/evenodd.h"

namespace ombrel {

using namespace common::page_rows;

namespace {

// What the even and the odd table differ in.
struct Conjecture {
  const char* heading;
  const char* task;
  const char* numbers;                 // label of row 1
  float offset;                        // row 1, cell II holds 2·II + offset
  std::span<const PageRow> closing;    // the conjecture lines, each after a wait
};

constexpr PageRow EVEN_CLOSING[] = {
    WAIT, text(260, 420, 3, "2乗した数になりそうだ"),
    WAIT, text(260, 480, 3, "奇数の2乗になりそうだ"),
    WAIT, text(40, 540, 7, "奇数の2乗になることを証明しよう。"),
};
constexpr PageRow ODD_CLOSING[] = {
    WAIT, text(260, 420, 3, "間の偶数の2乗になりそうだ"),
    WAIT, text(260, 480, 7, "このことを証明しよう。"),
};

constexpr Conjecture EVEN = {"問1", "連続する2つの偶数の積に1をたした数を計算しよう。", "偶数", 0, EVEN_CLOSING};
constexpr Conjecture ODD = {"Q", "連続する2つの奇数の積に1をたした数を計算しよう。", "奇数", -1, ODD_CLOSING};

// Row 1: the consecutive numbers. Row 2: the product of cell II and cell II + 1 of row 1.
// Row 3: that product + 1. Row 4: the number between the two, to be squared.
float cellValue(const Conjecture& table, int row) {
  const float first = 2 * II + table.offset;
  const float next = first + 2;
  switch (row) {
    case 1: return first;
    case 2: return first * next;
    case 3: return first * next + 1;
    default: return first + 1;
  }
}

// Draws cell II of a row: a 120 x 60 box framed in colour 3 with its number centred. Rows 1 to
// 3 stand below their y, row 4 around it, on the line of its label.
void drawCell(const Conjecture& table, int row) {
  A_S = PfSTR248(cellValue(table, row));
  STRIPBLANKS();
  const std::string number = row == 4 ? A_S + "^2" : A_S;
  const common::BoxStyle style{120, 60, row == 4 ? 5.0f : 0.0f, 3, row == 2 ? 11.0f : 13.0f};
  common::formulaBox(X_A(row < 3 ? row : 3) + 120 * (II - 1), Y_A(row), style, number,
                     row == 4 ? common::BoxAt::TextLine : common::BoxAt::Corner);
}

// Rows 2 to 4 are revealed one cell per key.
void revealRow(const Conjecture& table, int row) {
  FOR(II, 1, 8, [&] {
    STEPWAIT();
    drawCell(table, row);
  });
}

void drawTable(const Conjecture& table) {
  common::clearWindow();
  XI1 = 40;
  YI1 = 30;
  common::textLine(XI1, YI1, 7, table.heading);
  XI3 = XI2;
  common::textAfter(0, table.task);
  // The question's line, left empty until the third row is complete.
  YI1 = YI1 + 50;
  YI3 = YI1;
  STEPWAIT();

  X_A(1) = XI1 + 90;
  X_A(2) = X_A(1) + 66;
  X_A(3) = X_A(2);
  Y_A(1) = YI1 + 70;
  Y_A(2) = Y_A(1) + 70;
  Y_A(3) = Y_A(2) + 70;
  Y_A(4) = Y_A(3) + 70;
  common::textLine(XI1, Y_A(1), 5, table.numbers);
  FOR(II, 1, 9, [&] { drawCell(table, 1); });
  common::textLine(XI1 + 22, Y_A(2), 5, "積");
  revealRow(table, 2);
  common::textLine(XI1, Y_A(3), 5, "+1");
  revealRow(table, 3);
  CCC1 = 0;
  X = XI3;
  Y = YI3;
  AA_S = "その数はどんな数になりそうですか。（予想）";
  DRAWFORMULA();
  STEPWAIT();
  common::textLine(XI1, Y_A(4), 5, "予想");
  revealRow(table, 4);
  common::drawPage(table.closing);
}

}  // namespace

void EVENTABLE() { drawTable(EVEN); }

void ODDTABLE() { drawTable(ODD); }

}  // namespace ombrel
