#include "page.h"

#include "engine/engine.h"
#include "scene.h"

namespace common {

void drawPage(std::span<const PageRow> rows) {
  for (const PageRow& row : rows) {
    switch (row.kind) {
      case PageRow::Kind::Formula:
      case PageRow::Kind::Plain:
      case PageRow::Kind::After: {
        const bool after = row.kind == PageRow::Kind::After;
        CCC1 = static_cast<float>(row.colour);
        X = after ? XI2 + row.x : row.x;
        Y = after ? YI1 : row.y;
        const float line = Y;
        AA_S = row.text;
        if (row.kind == PageRow::Kind::Plain) {
          PLAINTEXT();
        } else {
          DRAWFORMULA();
        }
        XI2 = X;
        YI1 = line;
        break;
      }
      case PageRow::Kind::Wait: STEPWAIT(); break;
      case PageRow::Kind::Clear: clearScene(); break;
      case PageRow::Kind::ClearWide: clearWindow(); break;
    }
  }
}

}  // namespace common
