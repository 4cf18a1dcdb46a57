// Scene 3 of section 1: worked example 1. Three practice loops build one picture from top to
// bottom and left to right, each giving new problems until 1 is typed at its next-step prompt,
// and the section's summary closes it.
#include <array>

#include "engine/engine.h"
#include "monomul.h"
#include "monomul_drills.h"
#include "programs/common/page.h"
#include "programs/common/scene.h"

namespace corvale {

namespace {

using namespace common::page_rows;

// The summary under the last problem 3, at its column 680 from 80 px below its answer line
// (always at y 280), and after a key the pointer to the textbook on the left.
constexpr std::array<PageRow, 7> SUMMARY{{
    text(680, 360, 3, "<多項式と単項式の乗法>"),
    text(680, 410, 0, "分配法則を使って計算する"),
    text(680, 460, 7, "(a+b)*c=ac+bc"),
    text(680, 510, 7, "c(a+b)=ac+bc"),
    text(680, 560, 5, "※cが分数の場合でも同じ"),
    WAIT,
    text(40, 580, 3, "教科書 問1をやろう。"),
}};

}  // namespace

void EXAMPLEMONOMUL() {
  common::clearScene();
  XI1 = 40;
  YI1 = 30;
  FE_SETDRAWWIDTH(5);  // for the whole example
  common::textLine(XI1, YI1, 0, "例1　分配法則を使って、");
  common::textLine(XI1 + 64, YI1 + 50, 0, "次の計算をしなさい。");

  // Problem 1 under the heading; every loop shows at least one problem (AINP = 3).
  U_A(31) = XI1;
  V_A(31) = YI1 + 50;
  AINP = 3;
  while (AINP != 1) {
    GENMONOTRI();
    SHOWMONOTRI();
  }

  // Problem 2 80 px under problem 1's last answer line.
  U_A(31) = XI1;
  V_A(31) = YI1 + 80;
  AINP = 3;
  while (AINP != 1) {
    GENMONOTRI();
    SHOWTRIMONO();
  }

  // Problem 3 at the top of the right-hand part.
  U_A(31) = XI1 + 640;
  V_A(31) = 30;
  AINP = 3;
  while (AINP != 1) {
    GENFRACMONO();
    SHOWFRACMONO();
  }

  SUMMARYMONOMUL();
}

void SUMMARYMONOMUL() {
  U_A(31) = XI1;
  V_A(31) = YI1 + 80;
  XI1 = U_A(31);
  YI1 = V_A(31);
  FE_SETDRAWWIDTH(5);
  common::drawPage(SUMMARY);
}

}  // namespace corvale
