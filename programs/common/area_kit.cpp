#include "area_kit.h"

#include "engine/engine.h"

namespace common {
namespace {

const std::string& labelText(int element) {
  static const std::string none;
  return element == 0 ? none : F_S_A(static_cast<float>(element));
}

void drawCell(const DiagramStep& step) {
  X = XI3 + step.dx;
  Y = YI3 + step.dy;
  HABA = step.dx1;
  TATE = step.dy1;
  CCC2 = 0;
  CCC3 = static_cast<float>(step.fill);
  A_S = labelText(step.label);
  CCC1 = static_cast<float>(step.labelColour);
  BOXFORMULA();
  XI2 = X;
  YI1 = Y;
}

void drawArc(const DiagramStep& step) {
  ZX0 = XI3 + step.dx;
  ZY0 = YI3 + step.dy;
  ZX1 = XI3 + step.dx1;
  ZY1 = YI3 + step.dy1;
  TAKASA = 1;
  HOUKOU = static_cast<float>(step.houkou);
  HABA = static_cast<float>(step.haba);
  CCC2 = 9;
  CCC1 = static_cast<float>(step.labelColour);
  AAA_S = labelText(step.label);
  SPANARC();
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
