#include "demo.h"

#include "engine/platform/platform.h"
#include "engine/runtime.h"
#include "engine/state.h"
#include "engine/strings.h"

namespace demo {
namespace {

// Waits for one key press.
std::string waitKey() {
  std::string key;
  do key = PfINKEY24();
  while (key.empty());
  return key;
}

void drawPage() {
  PsLINE(0, 0, 1760, 1800, 15, LineMode::FilledBox, 15, Corner::Step);
  PsLINE(22, 10, 1320, 600, 15, LineMode::FilledBox, 10, Corner::Step);
  PsSYMBOL40(264, 30, 2, 2, 15, "＜" + TITLE_S + "　デモ＞");
  PsSYMBOL40(44, 120, 1, 1, 13, "Ｅ：添字の誤り　Ｄ：０で割る　Ｑ：終わり　ほかのキー：もう一度");
  PsLINE(100, 200, 500, 400, 0);
  PsLINE(550, 200, 750, 400, 3, LineMode::Box);
  PsLINE(800, 200, 200, 150, 0, LineMode::FilledBox, 13, Corner::Step);
  PsCIRCLE(1150, 300, 100, 9);
  PsCIRCLE(1150, 300, 60, 0, 0.75, 0.25);
  PsCIRCLE(1150, 300, 20, 0, 0, 0, true, 12);
  PsCIRCLE(1150, 450, 0.5, 0, 0, 0, true);
  PsCONNECT({{100, 500}, {300, 450}, {500, 550}}, 5);
  FE_SETFONTNAME("Times New Roman");
  FE_SETFONTITALIC(true);
  PsSYMBOL40(600, 480, 2, 2, 0, "x");
  FE_SETFONTITALIC(false);
  FE_SETFONTNAME("ゴシック");
  PsSYMBOL40(640, 480, 2, 2, 0, "2");
}

void MAINMENU() {
  Array1<float, 3> small;
  for (;;) {
    drawPage();
    const std::string key = waitKey();
    if (key == "q" || key == "Q") PsEND();
    if (key == "e" || key == "E") small(4) = 1;
    if (key == "d" || key == "D") X = DIV(1, Y);
  }
}

}  // namespace

const ProgramInfo PROGRAM{"Demo", MAINMENU, false};

}  // namespace demo
