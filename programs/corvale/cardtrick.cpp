// Scene 1 of section 1: the card trick. Page 1 states the rules and works the example 8 and 3
// in thirteen answer boxes; page 2 explains it with the area figure and lets the class try
// other card numbers.
#include <array>

#include "engine/engine.h"
#include "globals.h"
#include "monomul.h"
#include "programs/common/card_legend.h"
#include "programs/common/scene.h"

namespace corvale {

namespace {

// Where a text of a row starts.
enum class At {
  Steps,  // the column of step numbers, XI0
  Body,   // the column of body lines, XI1
  End,    // where the text before it in the row ended, XI2
};

struct RuleText {
  At at;
  float y;
  float colour;
  const char* text;
};

// The rules above and below the legend of row 230 (common::CARDLEGEND).
constexpr std::array<RuleText, 7> RULES_ABOVE{{
    {At::Steps, 20, 7, "P10 "},
    {At::End, 20, 3, "裏にしたカードの数字をあてるマジック"},
    {At::Steps, 70, 7, "①"},
    {At::End, 70, 0, "ジョーカーを抜いたトランプから、数字が異なる2枚のカードを選ばせ、"},
    {At::Body, 120, 0, "大きい数のカードは裏に、小さい数のカードは表にして置かせる。"},
    {At::Steps, 170, 7, "②"},
    {At::End, 170, 0, "次のA,B,C,Dを計算させ、Dの値をいわせる。"},
}};
constexpr std::array<RuleText, 2> RULES_BELOW{{
    {At::Steps, 290, 7, "③"},
    {At::End, 290, 0, "Dがどんな数の2乗か考え、その数を裏のカードの数字とする。"},
}};

float columnX(At at) {
  switch (at) {
    case At::Steps: return XI0;
    case At::Body: return XI1;
    case At::End: return XI2;
  }
  return XI1;
}

// An element of an equation row: a text, or answer box n.
struct Element {
  const char* text = nullptr;
  int box = 0;
};
constexpr Element box(int n) { return {nullptr, n}; }
constexpr Element text(const char* t) { return {t, 0}; }

struct Equation {
  float y;
  std::array<Element, 11> elements;  // unused places at the end stay empty
};

// A = 8+3 = 11, B = 8-3 = 5, C = 3² = 9, D = 11×5+9 = 64 = 8², with the boxes empty at first.
constexpr std::array<Equation, 4> EQUATIONS{{
    {420, {text("A="), box(1), text("+"), box(2), text("="), box(3)}},
    {480, {text("B="), box(4), text("-"), box(5), text("="), box(6)}},
    {540, {text("C="), box(7), text("\\2="), box(8)}},
    {600,
     {text("D="), box(9), text("*"), box(10), text("+"), box(11), text("="), box(12), text("="), box(13),
      text("\\2")}},
}};

constexpr std::array<const char*, 13> BOX_VALUES{"8", "3", "11", "8", "3", "5", "3", "9", "11", "5", "9", "64", "8"};

// Answer box n at (U(n), V(n)), centred on its text row, showing value.
void answerBox(int n, const std::string& value) {
  X = U_A(n);
  Y = V_A(n);
  HABA = 90;
  TATE = 50;
  CCC2 = 3;
  CCC3 = 13;
  CCC1 = 0;
  A_S = value;
  BOXFORMULAMID();
  XI2 = X;
}

void pageOne() {
  common::clearWindow();
  XI0 = 30;
  XI1 = XI0 + 36;
  YI1 = 20;
  for (const RuleText& rule : RULES_ABOVE) common::textLine(columnX(rule.at), rule.y, rule.colour, rule.text);
  common::CARDLEGEND(XI0);  // row 230
  for (const RuleText& rule : RULES_BELOW) common::textLine(columnX(rule.at), rule.y, rule.colour, rule.text);
  STEPWAIT();

  common::textLine(XI0, YI1 + 70, 7, "④ ");
  common::textAfter(3, "8と3の場合で考えよう。");
  for (const Equation& equation : EQUATIONS) {
    float x = XI1;
    for (const Element& element : equation.elements) {
      if (element.text == nullptr && element.box == 0) break;
      if (element.box != 0) {
        U_A(element.box) = x;
        V_A(element.box) = equation.y;
        answerBox(element.box, "");
      } else {
        common::textLine(x, equation.y, 0, element.text);
      }
      x = XI2 + 10;
    }
  }
  STEPWAIT();

  for (int n = 1; n <= 13; ++n) {
    answerBox(n, BOX_VALUES[n - 1]);
    STEPWAIT();
  }
}

// The line of the explanation that a long label left of the figure reaches over.
constexpr const char* D_LINE = "D=(8+3)*(8-3)+3^2 で黄色の面積";

void pageTwo() {
  common::clearWindow();
  XI0 = 30;
  XI1 = XI0 + 36;
  YI1 = 20;
  FE_SETDRAWWIDTH(5);
  CARDLATTICE();
  T_S_A(1) = "8";
  T_S_A(2) = "3";
  T_S_A(3) = T_S_A(1) + "-" + T_S_A(2);
  T_S_A(4) = T_S_A(1) + "+" + T_S_A(2);
  CARDFIGURE();

  common::textLine(XI0, YI1, 7, "<はるせさんの考え>");
  common::textLine(XI1, YI1 + 50, 0, "(8+3)*(8-3)+3^2で表される面積は、");
  common::textLine(XI1, YI1 + 50, 0, "1辺が8の正方形の面積と等しい。");
  common::textLine(XI0, YI1 + 60, 7, "⑤");
  common::textAfter(3, "なぜ裏のカードの数字が8?");
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 0, D_LINE);
  const float dLineY = YI1;
  STEPWAIT();
  // The two green rectangles of equal area: the bottom strip and the empty strip.
  FE_SETDRAWWIDTH(8);
  PsLINE(X_A(2), Y_A(2), X_A(9), Y_A(9), 9, LineMode::Box);
  PsLINE(X_A(4), Y_A(4), X_A(8), Y_A(8), 9, LineMode::Box);
  common::textLine(XI1, YI1 + 50, 0, "緑の長方形の面積は等しいから");
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 0, "Dは1辺が8の正方形の面積と等しい。");
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 0, "また、正方形の1辺は大きい数だから。");
  STEPWAIT();
  common::textLine(XI0, YI1 + 70, 7, "⑥");
  common::textAfter(3, "他の数の場合を考えよう。");
  FE_SETDRAWWIDTH(5);

  // Try other numbers: the class types two cards and the figure is labelled with them.
  AINP = 3;
  while (AINP != 1) {
    CARDINPUT();
    common::eraseBox(800, 0, 1600, 1200);
    // A long label of the last figure (13/3 shows 4.333333) reached over the end of the line
    // beside it: erase the labels whole and write that line again before the new labels.
    ERASECARDLABELS();
    common::textAt(XI1, dLineY, 0, D_LINE);
    CARDFIGURE();
    NEXTSTEP();
  }
  common::textLine(XI1, YI1 + 50, 7, "他の数でも同じようにマジックができる。");
}

}  // namespace

void CARDTRICK() {
  pageOne();
  pageTwo();
}

}  // namespace corvale
