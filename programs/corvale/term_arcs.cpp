#include "term_arcs.h"

#include <optional>

#include "engine/engine.h"
#include "programs/common/scene.h"

namespace corvale {

void anchoredPieces(std::span<const std::string> pieces) {
  int k = 1;
  for (const std::string& piece : pieces) {
    const bool signFirst = !piece.empty() && (piece.front() == '+' || piece.front() == '-');
    X_A(k) = signFirst ? XI2 + 27 : XI2;
    Y_A(k) = YI1;
    common::textAfter(0, piece);
    ++k;
  }
}

void drawTermArc(const TermArc& arc) {
  const float y = Y_A(arc.from) + arc.dy;
  std::optional<common::ArcLabel> label;
  if (arc.label[0] != '\0') label = common::ArcLabel{arc.label, arc.labelColour, arc.labelDy};
  common::spanArc(X_A(arc.from) + arc.fromDx, y, X_A(arc.to) + arc.toDx, y, {arc.houkou, 1, arc.takasa, arc.dots},
                  label);
}

}  // namespace corvale
