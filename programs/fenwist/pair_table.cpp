#include "pair_table.h"

#include <string>

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/scene.h"

namespace fenwist {
namespace {

// One cell of the table at (x, y), 50 high and framed in colour 0.
void cell(float x, float y, float haba, float textColour, float fill, const std::string& text) {
  common::formulaBox(x, y, {haba, 50, textColour, 0, fill}, text);
}

}  // namespace

void PAIRTABLE() {
  X_A(31) = XI;
  Y_A(31) = YI;
  cell(X_A(31), Y_A(31), 264, 0, 11, X_S_A(1));
  cell(X, Y_A(31), 220, 0, 11, X_S_A(2));
  STEPWAIT();
  FOR(II, 1, KOSUU, [] { cell(X_A(31), Y_A(31) + 50 * II, 264, 5, 13, F_S_A(II) + "と" + F_S_A(20 + II)); });
  STEPWAIT();
  FOR(II, 1, KOSUU, [] {
    const bool sumFits = F_A(II) + WA * F_A(20 + II) == X_A(1);
    cell(X_A(31) + 264, Y_A(31) + 50 * II, 220, 5, 13, sumFits ? "○" : "×");
  });
}

}  // namespace fenwist
