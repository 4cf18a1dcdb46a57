#include "card_legend.h"

#include "engine/engine.h"
#include "page.h"
#include "scene.h"

namespace common {
namespace {

using namespace page_rows;

// Everything after the first label, each text placed from the end of the one before.
constexpr PageRow LEGEND_REST[] = {
    after(3, "2つの数の和"),
    after(7, "B", 30),
    after(3, "2つの数の差の絶対値"),
    after(7, "C", 30),
    after(3, "小さい数の2乗"),
    after(7, "D ", 30),
    after(3, "A*B+C"),
};

}  // namespace

void CARDLEGEND(float xi0) {
  textLine(xi0, YI1 + 60, 7, "A");
  drawPage(LEGEND_REST);
}

}  // namespace common
