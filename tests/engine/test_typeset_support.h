// Runs several small typesetter cases in one headless run and keeps apart what each drew.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/platform/canvas.h"
#include "engine/platform/platform.h"
#include "engine/state.h"
#include "engine/strings.h"
#include "support/test_support.h"

// The typesetter's shared flags as a fresh program has them.
inline void resetTypesetter() {
  JYOU = 0;
  JYOUK = 0;
  HROOT = 0;
  TXM = 0;
  KAKKO = 0;
  BUN = 0;
}

// The drawing operations each case made, in the order of the cases. Every case starts from
// fresh typesetter flags, pen width 3 and text colour 5.
inline std::vector<std::vector<Op>> typesetEach(const std::vector<std::function<void()>>& cases) {
  std::vector<std::size_t> bounds;
  const HeadlessResult run = runRoutine([&] {
    for (const auto& body : cases) {
      resetTypesetter();
      FE_SETDRAWWIDTH(3);
      CCC1 = 5;
      bounds.push_back(canvas().log().size());
      body();
    }
    bounds.push_back(canvas().log().size());
  });
  std::vector<std::vector<Op>> each;
  for (std::size_t k = 0; k + 1 < bounds.size(); ++k)
    each.emplace_back(run.ops.begin() + static_cast<long>(bounds[k]), run.ops.begin() + static_cast<long>(bounds[k + 1]));
  return each;
}

// Draws text with DRAWFORMULA at (x, y).
inline void formula(const std::string& text, float x = 100, float y = 200) {
  X = x;
  Y = y;
  AA_S = text;
  DRAWFORMULA();
}

// The operations of a kind.
inline std::vector<Op> opsOf(const std::vector<Op>& ops, OpKind kind) {
  std::vector<Op> found;
  for (const Op& op : ops)
    if (op.kind == kind) found.push_back(op);
  return found;
}

// The points an operation draws at: a text's corner, a line's or a box's two corners, a
// polyline's points.
inline std::vector<Point> pointsOf(const Op& op) {
  switch (op.kind) {
    case OpKind::Text: return {{op.x1, op.y1}};
    case OpKind::Line:
    case OpKind::Box:
    case OpKind::FilledBox: return {{op.x1, op.y1}, {op.x2, op.y2}};
    case OpKind::Polyline: return op.points;
    default: return {};
  }
}

// All operations, one readable line each, for failure messages.
inline std::string listing(const std::vector<Op>& ops) {
  std::string all;
  for (const Op& op : ops) all += describe(op) + "\n";
  return all;
}
