// Where the engine's prompts show in a headless run's operation log: the sub-menu lines written
// on the bottom bar, the step boxes of the step waits and the boxes of the next-step prompts.
#pragma once

#include <cstddef>
#include <vector>

#include "support/test_support.h"

namespace walk {

// Indices in ops where a sub-menu line starts (its first glyph at (16,666)).
inline std::vector<std::size_t> subMenuLines(const std::vector<Op>& ops) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < ops.size(); ++i)
    if (ops[i].kind == OpKind::Text && ops[i].x1 == 16 && ops[i].y1 == 666) found.push_back(i);
  return found;
}

// The number of step waits (step boxes) in ops[from, to).
inline int stepWaits(const std::vector<Op>& ops, std::size_t from, std::size_t to) {
  int waits = 0;
  for (std::size_t i = from; i < to && i < ops.size(); ++i) {
    const Op& op = ops[i];
    waits += op.kind == OpKind::FilledBox && op.x1 == 96 && op.y1 == 657 && op.x2 == 400 && op.y2 == 693 && op.fill == 4;
  }
  return waits;
}

// Whether op draws the box of the next-step prompt that ends a drill's problem (at (96,639)).
inline bool isNextStep(const Op& op) {
  return op.kind == OpKind::FilledBox && op.x1 == 96 && op.y1 == 639 && op.x2 == 400 && op.y2 == 675 && op.fill == 12;
}

// Indices in ops where a next-step prompt is drawn.
inline std::vector<std::size_t> nextSteps(const std::vector<Op>& ops) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < ops.size(); ++i)
    if (isNextStep(ops[i])) found.push_back(i);
  return found;
}

}  // namespace walk
