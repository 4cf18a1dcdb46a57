#include "engine/engine.h"
#include "globals.h"
#include "programs/common/scene.h"
#include "programs/common/sumdiff_diagram.h"
#include "section5.h"
#include "task_kit.h"

namespace pradine {
namespace {

// A line beside the diagram whose y is kept in Y21 rather than YI1: the lines that follow the
// diagram's steps are placed from it, since the diagram moves YI1 to its cells.
void keptLine(float x, float y, float colour, const char* text) {
  common::textAt(x, y, colour, text);
  XI2 = X;
  Y21 = Y;
}

}  // namespace

void SUBSTEXAMPLE() {
  common::clearScene();
  XI1 = 44;
  YI1 = 30;
  common::textLine(22, YI1, 3, "例題2　次の式を展開しなさい。");
  keptLine(XI1, YI1 + 70, 0, "①(a+b-2)(a+b+2)");
  STEPWAIT();
  XI3 = 836;
  YI3 = 100;
  DIAGRAMLABELS({"a+b", "2", "2"});
  common::SUMDIFFAREA();
  STEPWAIT();
  common::textLine(XI1 + 132, Y21 + 55, 3, "a+b=M とおくと、");
  STEPWAIT();
  common::textLine(XI1 + 88, YI1 + 70, 3, "=(M-2)(M+2)");
  STEPWAIT();
  common::textLine(XI1 + 88, YI1 + 70, 3, "=M^2-4");
  STEPWAIT();
  keptLine(XI1, YI1 + 70, 0, "=(a+b)^2-4");
  STEPWAIT();
  common::SUMDIFFMOVE();
  STEPWAIT();
  DIAGRAMLABELS({"a+b", "2", "2", "(a+b)^2", "", "", "4"});
  common::SUMDIFFRESULT();
  STEPWAIT();
  common::textLine(XI1, Y21 + 70, 5, "=a^2+2ab+b^2-4");
  STEPWAIT();
  common::textLine(44, 500, 7, "※ a+b をM におきかえて、公式を使う。");
  STEPWAIT();
  // The drills below the example's heading, on a cleared window.
  common::clearWindow();
  XI0 = 40;
  YI1 = 30;
  common::textLine(XI0, YI1, 3, "例題2 次の式を展開しなさい。");
  SUBSTPRODUCTDRILL();
  SUBSTSQUAREDRILL();
}

}  // namespace pradine
