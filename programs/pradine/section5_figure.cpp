#include <string>

#include "engine/engine.h"
#include "globals.h"
#include "programs/common/scene.h"
#include "programs/common/sumdiff_diagram.h"
#include "section5.h"
#include "task_kit.h"

namespace pradine {
namespace {

// One of the drill's two loops: where its question stands, its label, and the base of the
// product it takes from SUBSTPROBLEM, which is the answer.
struct FigureLoop {
  float left, top;
  bool setsPen;  // the first loop sets the pen width 5 in every cycle, and leaves it
  const char* label;
  std::string (*base)();
};

std::string oneLetter() { return X_S; }
std::string twoLetters() { return X_S_A(1) + X_S_A(2); }

constexpr FigureLoop ONE_LETTER{88, 30, true, "①", oneLetter};
constexpr FigureLoop TWO_LETTERS{44, 240, false, "②", twoLetters};

// The diagram right of the question, its square's side labelled side and its short sides t.
void figure(const std::string& side) {
  XI3 = 792;
  YI3 = 100;
  common::eraseBox(XI3 - 132, 20, 1320, 900);
  DIAGRAMLABELS({side.c_str(), T_S_A(3).c_str(), T_S_A(3).c_str()});
  common::SUMDIFFAREA();
}

void figureCycle(const FigureLoop& loop) {
  XI1 = loop.left;
  YI1 = loop.top;
  if (loop.setsPen) FE_SETDRAWWIDTH(5);
  SUBSTPROBLEM();
  common::eraseBox(XI1, YI1, 924, 210);
  common::textLine(XI1 - 22, YI1, 0, loop.label);
  XI2 = XI2 + 22;
  common::textLine(XI2, YI1, 0, "次の式を表す図の" + X_S_A(3) + "をいいなさい。");
  const std::string base = loop.base();
  common::textLine(XI1 + 44, YI1 + 70, 3, substProduct(base));
  figure(X_S_A(3));
  STEPWAIT();
  figure(base);
  NEXTSTEP();
}

}  // namespace

void SUBSTFIGUREDRILL() {
  common::clearScene();
  for (const FigureLoop* loop : {&ONE_LETTER, &TWO_LETTERS}) {
    AINP = 3;
    NO = 0;
    while (AINP != 1) figureCycle(*loop);
  }
  common::textLine(44, 420, 5, "※ 多項式を1つの文字とみる！");
}

}  // namespace pradine
