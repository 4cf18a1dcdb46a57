#include "page.h"

#include "engine/engine.h"
#include "scene.h"

namespace common {

namespace {

// The columns of the table being drawn.
struct Columns {
  float label = 0;
  float text = 0;
  float note = 0;
};

float across(const PageRow& row, const Columns& columns) {
  switch (row.from) {
    case PageRow::From::Label: return columns.label + row.x;
    case PageRow::From::Text: return columns.text + row.x;
    case PageRow::From::Note: return columns.note + row.x;
    case PageRow::From::End: return XI2 + row.x;
    case PageRow::From::Screen: break;
  }
  return row.x;
}

float down(const PageRow& row) { return row.below ? YI1 + row.y : row.y; }

// The index of a kept corner in U() and V().
float slot(int n) { return static_cast<float>(n); }

// A formula text at (x, y); the layout cursor follows it unless the row keeps it.
void drawText(const PageRow& row, float x, float y) {
  CCC1 = static_cast<float>(row.colour);
  X = x;
  Y = y;
  AA_S = row.text;
  if (row.kind == PageRow::Kind::Plain) {
    PLAINTEXT();
  } else {
    DRAWFORMULA();
  }
  if (row.keepsCursor) return;
  XI2 = X;
  YI1 = y;
}

}  // namespace

void drawPage(std::span<const PageRow> rows) {
  Columns columns;
  for (const PageRow& row : rows) {
    switch (row.kind) {
      case PageRow::Kind::Formula:
      case PageRow::Kind::Plain: drawText(row, row.x, row.y); break;
      case PageRow::Kind::After: drawText(row, XI2 + row.x, YI1); break;
      case PageRow::Kind::Placed: drawText(row, across(row, columns), down(row)); break;
      case PageRow::Kind::Wait: STEPWAIT(); break;
      case PageRow::Kind::Clear: clearScene(); break;
      case PageRow::Kind::ClearWide: clearWindow(); break;
      case PageRow::Kind::Box:
        X = across(row, columns);
        Y = row.y;
        HABA = row.width;
        TATE = row.height;
        CCC1 = static_cast<float>(row.colour);
        CCC2 = static_cast<float>(row.line);
        CCC3 = static_cast<float>(row.fill);
        A_S = row.text;
        BOXFORMULA();
        XI2 = X;
        YI1 = Y;
        break;
      case PageRow::Kind::Columns: columns = {row.x, row.y, row.width}; break;
      case PageRow::Kind::NoteAtEnd: columns.note = XI2; break;
      case PageRow::Kind::Erase: eraseBox(across(row, columns), down(row), row.width, row.height); break;
      case PageRow::Kind::Keep:
        U_A(slot(row.slot)) = across(row, columns);
        V_A(slot(row.slot)) = down(row);
        break;
      case PageRow::Kind::EraseKept: {
        const float x = U_A(slot(row.slot)), y = V_A(slot(row.slot));
        if (row.slot2 == 0) {
          eraseBox(x, y, row.width, row.height);
        } else {
          PsLINE(x, y, U_A(slot(row.slot2)), V_A(slot(row.slot2)), 15, LineMode::FilledBox, 15);
        }
        break;
      }
      case PageRow::Kind::Call: row.routine(); break;
    }
  }
}

}  // namespace common
