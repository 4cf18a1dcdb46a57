// Helpers for the scene tests of Fenwist's later sections: the numbered answer boxes that a drill
// draws empty and later fills at the same corner, and the clears that start its problems.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/op_walk.h"

namespace fenwist_test {

// The next answer box: a filled box of width x 50 from (x, y), framed in colour 0 and filled with
// 13, its text in colour 5 centred in it on the line 3 px under its top. Returns the box's left
// edge, where the box that fills it stands.
inline float answerBox(walk::OpWalk& w, float x, float y, float width, const std::string& text, int keysBefore = 0) {
  const float left = w.fill(x, y, width, 50, 0, 13, keysBefore);
  w.readsCentred(left, width, y + 3, 5, text);
  return left;
}

// Indices in ops of the filled colour-15 boxes from (x, y) to (x + width, y + height).
inline std::vector<std::size_t> clearsOf(const std::vector<Op>& ops, float x, float y, float width, float height) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const Op& op = ops[i];
    if (op.kind == OpKind::FilledBox && op.fill == 15 && op.colour == 15 && op.x1 == x && op.y1 == y &&
        op.x2 == x + width && op.y2 == y + height)
      found.push_back(i);
  }
  return found;
}

}  // namespace fenwist_test
