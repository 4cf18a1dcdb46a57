#include "page.h"

#include "engine/engine.h"

namespace common {

void drawPage(std::span<const PageRow> rows) {
  for (const PageRow& row : rows) {
    switch (row.kind) {
      case PageRow::Kind::Formula:
      case PageRow::Kind::Plain:
        CCC1 = static_cast<float>(row.colour);
        X = row.x;
        Y = row.y;
        AA_S = row.text;
        if (row.kind == PageRow::Kind::Formula) {
          DRAWFORMULA();
        } else {
          PLAINTEXT();
        }
        XI2 = X;
        YI1 = row.y;
        break;
      case PageRow::Kind::Wait: STEPWAIT(); break;
      case PageRow::Kind::Clear: PsLINE(0, 0, 1320, 1300, 15, LineMode::FilledBox, 15, Corner::Step); break;
    }
  }
}

}  // namespace common
