#include "area_kit.h"

#include "engine/engine.h"
#include "scene.h"

namespace common {
namespace {

const std::string& labelText(int element) {
  static const std::string none;
  return element == 0 ? none : F_S_A(static_cast<float>(element));
}

void drawCell(const DiagramStep& step) {
  const BoxStyle style{step.dx1, step.dy1, static_cast<float>(step.labelColour), 0, static_cast<float>(step.fill)};
  formulaBoxLine(XI3 + step.dx, YI3 + step.dy, style, labelText(step.label));
}

void drawArc(const DiagramStep& step) {
  const ArcStyle style{static_cast<float>(step.houkou), static_cast<float>(step.haba), 1, 9};
  spanArc(XI3 + step.dx, YI3 + step.dy, XI3 + step.dx1, YI3 + step.dy1, style,
          ArcLabel{labelText(step.label), static_cast<float>(step.labelColour)});
}

}  // namespace

void drawDiagram(std::span<const DiagramStep> steps) {
  for (const DiagramStep& step : steps) {
    switch (step.kind) {
      case DiagramStep::Kind::Cell: drawCell(step); break;
      case DiagramStep::Kind::Arc: drawArc(step); break;
      case DiagramStep::Kind::Wait: STEPWAIT(); break;
    }
  }
}

}  // namespace common
