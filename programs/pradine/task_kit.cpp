#include "task_kit.h"

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/scene.h"

namespace pradine {

void TASKPROBLEM(float left, const std::string& problem, std::optional<float> letterGap,
                 const std::optional<std::string>& box1) {
  constexpr common::BoxStyle BOX1{120, 50, 13, 5, 4}, BOX2{120, 50, 13, 7, 6}, COVER{120, 50, 13, 15, 15};
  XI1 = left;
  YI1 = 18;
  common::clearScene();
  common::textLine(XI1, YI1, 0, "問　①,②を求めなさい。");
  common::textLine(XI1 + 44, YI1 + 80, 0, problem);
  common::textLine(XI1 + 44, YI1 + 80, 0, "=x^2");
  X_A(1) = XI2 + 20;
  Y_A(1) = YI1;
  common::formulaBoxLine(X_A(1), Y_A(1), BOX1, "①");
  if (letterGap) common::textLine(XI2 + *letterGap, YI1, 0, "x");
  X_A(2) = XI2 + 20;
  Y_A(2) = YI1;
  common::formulaBoxLine(X_A(2), Y_A(2), BOX2, "②");
  STEPWAIT();
  common::formulaBoxLine(X_A(1), Y_A(1), box1 ? BOX1 : COVER, box1.value_or(""));
  common::formulaBoxLine(X_A(2), Y_A(2), BOX2, T_S_A(4));
  NEXTSTEP();
}

void TEXTCOLUMN(float left) {
  XI0 = left;
  XI1 = XI0 + 54;
  YI1 = 30;
}

void DIAGRAMLABELS(std::initializer_list<const char*> labels) {
  float n = 1;
  for (const char* label : labels) F_S_A(n++) = label;
  for (; n <= 8; ++n) F_S_A(n) = "";
}

}  // namespace pradine
