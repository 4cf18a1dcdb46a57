#include <string>

#include "drill_kit.h"
#include "engine/engine.h"
#include "globals.h"
#include "programs/common/scene.h"

namespace pradine {
namespace {

bool knownKind() { return KOUSIKI == 1 || KOUSIKI == 2 || KOUSIKI == 3 || KOUSIKI == 4; }

// The next line of the drill: 80 px below the one before, at XI1 + 44.
void drillLine(float colour, const std::string& text) { common::textLine(XI1 + 44, YI1 + 80, colour, text); }

}  // namespace

DrillTexts drillTexts() {
  if (!knownKind()) return {};
  const std::string& x = X_S;
  auto t = [](int n) -> const std::string& { return T_S_A(static_cast<float>(n)); };
  // Kinds 1 and 4 share the problem, kinds 2 and 3 too; the number's sign comes from element 1.
  const std::string product = " (" + x + t(1) + ")(" + x + t(2) + ")";
  const std::string square = " (" + x + t(1) + ")^2";
  const std::string trinomial = "=" + x + "^2" + t(3) + x + t(4);
  switch (ROUNDED(KOUSIKI)) {
    case 1: return {product, "=" + x + "^2+(" + t(5) + t(2) + ")" + x + t(1) + "*" + t(6), trinomial};
    case 2: return {square, "=" + x + "^2+2*" + t(5) + "*" + x + t(1) + "^2", trinomial};
    case 3: return {square, "=" + x + "^2-2*" + t(5) + "*" + x + "+" + t(5) + "^2", trinomial};
    default: return {product, "=" + x + "^2-" + t(5) + "^2", "=" + x + "^2" + t(4)};
  }
}

void DRILLPROBLEM() {
  if (!knownKind()) return;
  drillLine(0, drillTexts().problem);
}

void DRILLSOLUTION() {
  if (!knownKind()) return;
  const DrillTexts texts = drillTexts();
  drillLine(0, texts.expansion);
  STEPWAIT();
  drillLine(5, texts.result);
}

}  // namespace pradine
