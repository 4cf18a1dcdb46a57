// Scene 2 of section 1: the flower bed 2a m by 3a m, its height extended by b m. Counting the
// cells gives 6a^2+3ab; the distributive law gives (2a+b)×3a = 2a×3a+b×3a.
#include <array>
#include <string>

#include "engine/engine.h"
#include "globals.h"
#include "monomul.h"
#include "programs/common/scene.h"
#include "term_arcs.h"

namespace corvale {

namespace {

// The bed, 2 rows of 3 cells a by a, from (XI3, YI3); each cell 88 px for the length a.
void bedCells(const char* text) {
  for (int r = 1; r <= 2; ++r) {
    for (int c = 1; c <= 3; ++c) {
      common::formulaBox(XI3 + 88 * (c - 1), YI3 + 88 * (r - 1), {88, 88, 5, 0, 13}, text);
    }
  }
}

// The extension under the bed: one row of 3 cells a wide and b (70 px) high.
void extensionCells(const char* text) {
  for (int c = 1; c <= 3; ++c) {
    common::formulaBox(XI3 + 88 * (c - 1), YI3 + 176, {88, 70, 5, 0, 11}, text);
  }
}

}  // namespace

void FLOWERBED() {
  common::clearScene();
  XI1 = 44;
  YI1 = 30;
  FE_SETDRAWWIDTH(5);
  common::textLine(XI1, YI1, 0, "縦2am,横3amの長方形の花壇があります。");
  common::textLine(XI1, YI1 + 60, 0, "縦をbmだけのばしたときの花壇の面積を求めなさい。");
  YI3 = YI1 + 120;
  XI3 = XI1 + 100;
  bedCells("");
  common::spanArc(XI3, YI3, XI3, YI3 + 176, {1, 7, 1, 3}, common::ArcLabel{"2a"});
  common::spanArc(XI3, YI3, XI3 + 264, YI3, {-1, 7, 1, 3}, common::ArcLabel{"3a"});
  STEPWAIT();

  extensionCells("");
  common::spanArc(XI3, YI3 + 176, XI3, YI3 + 176 + 70, {1, 15, 1, 3}, common::ArcLabel{"b"});
  STEPWAIT();

  common::textLine(XI1 + 440, YI1 + 60, 5, "<式>");
  STEPWAIT();

  // (2a+b)×3a in four pieces; the arcs later join the recorded starts of a, b and the last a.
  common::textLine(XI1 + 484, YI1 + 60, 0, "(2");
  YI2 = YI1;
  static const std::array<std::string, 3> PIECES{"a+", "b)*3", "a"};
  anchoredPieces(PIECES);
  STEPWAIT();

  bedCells("a^2");
  extensionCells("ab");
  STEPWAIT();

  // The result comes first, below; the line that leads to it is filled in above it.
  common::textLine(XI1 + 440, YI1 + 140, 5, "=6a^2+3ab (m^2)");
  STEPWAIT();
  common::textLine(XI1 + 440, YI2 + 70, 0, "=2a*3a+b*3a");
  STEPWAIT();

  common::spanArc(X_A(1), Y_A(1), X_A(3), Y_A(1), {-1, 1, 2, 9});
  STEPWAIT();
  common::spanArc(X_A(2), Y_A(1), X_A(3), Y_A(1), {-1, 1, 1, 7});
  STEPWAIT();

  common::textLine(XI1 + 440, YI1 + 150, 3, "分配法則を使う！");
}

}  // namespace corvale
