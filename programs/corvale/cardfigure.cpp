// The card trick's area figure and the entry of two card numbers. For a bigger number a and a
// smaller b the figure shows that (a+b)(a-b) + b^2 is the square of side a. Its shapes are
// built for the example 8 and 3 and never rescaled: other card numbers change only the labels.
#include <array>
#include <utility>
#include <vector>

#include "engine/engine.h"
#include "globals.h"
#include "monomul.h"
#include "programs/common/scene.h"

namespace corvale {

namespace {

// Three columns of three lattice points, top to bottom: columns at 0, 5 and 8 units, rows at
// 11, 3 and 0 units (the example's a+b and b, with a-b = 5 and b = 3 across).
constexpr std::array<float, 3> COLUMNS{0, 5, 8};
constexpr std::array<float, 3> ROWS{11, 3, 0};

// The filled area D: the rectangle a-b wide and a+b high, and the b-by-b square at its foot.
struct FilledBox {
  int from, to;  // lattice points of two opposite corners
};
constexpr std::array<FilledBox, 2> FILLS{{{1, 6}, {5, 9}}};

// A dotted line or a labelled dimension arc between two lattice points.
struct Span {
  int from, to;
  float takasa, houkou, haba;
  int label;  // index of the label in T$(), 0 for a plain dotted line in colour 0
};
constexpr std::array<Span, 9> SPANS{{
    {4, 7, 0, 1, 10, 0},   // top side of the empty strip
    {7, 8, 0, 1, 5, 0},    // right side of the empty strip
    {2, 5, 0, 1, 8, 0},    // across the rectangle at height b
    {1, 7, 20, -1, 5, 1},  // a, above the top side
    {1, 4, 20, 1, 8, 3},   // a-b, under the top side, over the rectangle
    {4, 7, 20, 1, 10, 2},  // b, under the top side, in the empty strip
    {1, 3, 20, -1, 3, 4},  // a+b, right of the left side
    {1, 2, 20, 1, 5, 1},   // a, left of the figure
    {2, 3, 20, 1, 10, 2},  // b, left of the figure
}};

// Where the labels of the figure drawn last lie. The scene clears only the figure's side of the
// window before it draws the figure again for other cards, and a long label (13/3 shows
// 4.333333) reaches past that side, over the explanation: ERASECARDLABELS erases them whole.
// A new lattice starts a new figure.
struct LabelBox {
  float left, top, right, bottom;
};
std::vector<LabelBox> labelsDrawn;

// A label's glyphs stay within its line's height and a few pixels of its measured width; after
// SPANARC the label's line ends at (X, Y) and LLT holds its width.
constexpr float LABEL_MARGIN = 4;
constexpr float LABEL_HEIGHT = 48;

// Asks with text at the bottom bar until the entry is a card number, 1 to 13.
float askCard(const char* text) {
  do {
    AA_S = text;
    MENUBAR();
    CLEARMENUBAR();
  } while (AINP < 1 || AINP > 13);
  return AINP;
}

}  // namespace

void CARDLATTICE() {
  GGX = 880;
  GGY = 90;
  YOKO = 8;
  TATE = 11;
  SIZE = 40;
  CCC2 = 15;  // the grid's lines are not drawn: only its layout is wanted
  SQUAREGRID();
  labelsDrawn.clear();
  for (int c = 0; c < 3; ++c) {
    for (int r = 0; r < 3; ++r) {
      const int n = 3 * c + r + 1;
      X_A(n) = GX0 + SIZE * COLUMNS[c];
      Y_A(n) = GY0 - SIZE * ROWS[r];
    }
  }
}

void ERASECARDLABELS() {
  for (const LabelBox& box : labelsDrawn) common::eraseBox(box.left, box.top, box.right - box.left, box.bottom - box.top);
  labelsDrawn.clear();
}

void CARDFIGURE() {
  for (const FilledBox& fill : FILLS) {
    M = fill.from;
    N = fill.to;
    PsLINE(X_A(M), Y_A(M), X_A(N), Y_A(N), 0, LineMode::FilledBox, 13);
  }
  for (const Span& span : SPANS) {
    A = span.from;
    B = span.to;
    // A plain dotted line is an arc with an empty label in colour 3.
    common::spanArc(X_A(A), Y_A(A), X_A(B), Y_A(B),
                    {span.houkou, span.haba, span.takasa, span.label == 0 ? 0.0f : 3.0f},
                    common::ArcLabel{span.label == 0 ? "" : T_S_A(span.label), 3});
    if (span.label != 0)
      labelsDrawn.push_back({X - LLT - LABEL_MARGIN, Y - LABEL_MARGIN, X + LABEL_MARGIN, Y + LABEL_HEIGHT});
  }
}

void CARDINPUT() {
  T_A(1) = askCard("大きい数を入力して下さい。");
  T_A(2) = askCard("小さい数を入力して下さい。");
  if (T_A(2) > T_A(1)) std::swap(T_A(1), T_A(2));
  NUMSTRINGS();
  T_S_A(3) = T_S_A(1) + "-" + T_S_A(2);
  T_S_A(4) = T_S_A(1) + "+" + T_S_A(2);
}

}  // namespace corvale
