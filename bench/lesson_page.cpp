#include "lesson_page.h"

#include <string>

#include "engine/engine.h"

namespace {

void formula(float x, float y, int colour, const std::string& text) {
  X = x;
  Y = y;
  CCC1 = static_cast<float>(colour);
  AA_S = text;
  DRAWFORMULA();
}

}  // namespace

void drawLessonPage(int variant) {
  const std::string n = PfSTR244(static_cast<float>(variant % 9 + 2)).substr(1);
  PsLINE(0, 0, 1760, 1800, 15, LineMode::FilledBox, 15, Corner::Step);
  FE_SETDRAWWIDTH(5);
  PsLINE(22, 10, 1320, 90, 15, LineMode::FilledBox, 10, Corner::Step);
  FE_SETFONTNAME("ゴシック");
  FE_SETFONTSIZE(16);
  PsSYMBOL40(264, 30, 2, 2, 15, "＜例題" + n + "　多項式の乗法＞");
  for (int row = 0; row < 8; ++row) {
    const float y = 130 + 60 * static_cast<float>(row);
    formula(66, y, row % 2 ? 0 : 4, "(x+" + n + ")(x-3)=x^2-3x+" + n + "x-3*" + n);
    formula(760, y, 3, "ﾀx+" + n + "/" + n + "ﾀ+√" + n + "ﾝ");
  }
  X = 400;
  Y = 630;
  HABA = 200;
  TATE = 50;
  CCC2 = 13;
  CCC3 = 4;
  A_S = "x^2+" + n + "x";
  CCC1 = 15;
  BOXFORMULA();
  PsCIRCLE(1200, 560, 60, 9);
  PsCIRCLE(1200, 560, 40, 3, 0.75f, 0.25f);
  PsCONNECT({{1100, 700}, {1200, 640}, {1300, 700}}, 5);
}

void drawLessonStep(int step) {
  const float y = 130 + 60 * static_cast<float>(step % 8);
  formula(1060, y, 3, "=" + PfSTR244(static_cast<float>(step)).substr(1) + "x");
  PsCIRCLE(1050, y + 16, 4, 5, 0, 0, true);
}
