// Section 3, scene ②: why 45² − 35² = 80 × 10 = 800 (a difference of squares factorised as a
// sum times a difference) on the left, and a drill of the same kind on the right.
#include "engine/engine.h"
#include "programs/common/page.h"
#include "programs/common/scene.h"
#include "programs/ombrel/drills.h"
#include "programs/ombrel/frame.h"
#include "programs/ombrel/globals.h"
#include "programs/ombrel/numcalc.h"

namespace ombrel {

using namespace common::page_rows;

namespace {

constexpr PageRow EXPLANATION[] = {
    CLEAR,
    text(40, 30, 3, "例1①"), after(0, "次のように計算できる理由を"),
    text(67, 80, 0, "　説明しなさい。"),
    text(111, 140, 3, "45^2-35^2=80*10=800"), WAIT,
    text(67, 200, 5, "＜説明＞"), WAIT,
    text(67, 260, 5, "2乗－2乗の形だから、"), WAIT,
    text(67, 310, 3, "和と差の積を使って因数分解すると"), WAIT,
    text(111, 370, 0, "45^2-35^2　"), WAIT,
    text(67, 420, 5, "=(45+35)*(45-35)"), WAIT,
    text(67, 470, 0, "=80*10"),
    text(67, 520, 0, "=800"), WAIT,
};

void drawFactorised() {
  common::textLine(XI1 + 27, YI1, 3, T_S_A(1) + "^2-" + T_S_A(2) + "^2");
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 0, "=(" + T_S_A(1) + "+" + T_S_A(2) + ")" + "(" + T_S_A(1) + "-" + T_S_A(2) + ")");
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 0, "=" + T_S_A(3) + "*" + T_S_A(4));
  STEPWAIT();
  common::textLine(XI1, YI1 + 50, 5, "=" + T_S_A(5));
}

}  // namespace

void EXAMPLE1() {
  common::drawPage(EXPLANATION);
  XI0 = 680;
  XI1 = XI0 + 27;
  YI1 = 30;
  common::textLine(XI0, YI1, 3, "②");
  common::textAfter(0, "因数分解を利用して、");
  common::textLine(XI1, YI1 + 50, 0, "次の計算をしなさい。");
  PRACTICELOOP(50, GENSQDIFF, drawFactorised);
  STEPWAIT();
  common::textLine(132, 570, 3, "教科書 問3　をしなさい。");
}

}  // namespace ombrel
