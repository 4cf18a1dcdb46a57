// Scene 4 of section 3: worked example 6, random practice with (x+a)(x-b). Each problem is
// distributed, multiplied out and combined, a line per key.
#include <string>
#include <vector>

#include "binomprod.h"
#include "engine/engine.h"
#include "polymul.h"
#include "programs/common/scene.h"

namespace corvale {

void EXAMPLE6() {
  common::clearScene();
  AINP = 3;
  while (AINP != 1) {
    GENBINOMPROD(BinomVariant::Example6);
    XI1 = 44;
    YI1 = 18;
    FE_SETDRAWWIDTH(5);
    common::clearScene();
    const std::vector<std::string> lines = example6Lines();
    common::textLine(XI1 + 88, YI1, 0, "例6 次の式を展開しなさい。");
    common::textLine(XI1 + 176, YI1 + 80, 3, lines[0]);
    STEPWAIT();
    common::textLine(XI1 + 132, YI1 + 70, 0, lines[1]);
    STEPWAIT();
    common::textLine(XI1 + 132, YI1 + 70, 0, lines[2]);
    STEPWAIT();
    common::textLine(XI1 + 132, YI1 + 70, 5, lines[3]);
    NEXTSTEP();
  }
  common::textLine(XI1 + 132, YI1 + 70, 3, "※同類項はまとめる");
  STEPWAIT();
  common::textLine(44, 570, 0, "教科書 問4　をしなさい。");
}

}  // namespace corvale
