// Runs figure routines in one headless run and keeps apart what each call drew.
#pragma once

#include <functional>
#include <vector>

#include "engine/platform/canvas.h"
#include "support/test_support.h"

// Runs each case in turn after the usual start-up; returns the drawing operations of each case.
// A case may read the globals it needs at its end (it runs inside the program).
inline std::vector<std::vector<Op>> opsOfEachCase(const std::vector<std::function<void()>>& cases) {
  std::vector<std::size_t> bounds;
  const HeadlessResult run = runRoutine([&] {
    for (const auto& body : cases) {
      bounds.push_back(canvas().log().size());
      body();
    }
    bounds.push_back(canvas().log().size());
  });
  std::vector<std::vector<Op>> each;
  for (std::size_t k = 0; k + 1 < bounds.size(); ++k) {
    std::vector<Op> ops;
    for (std::size_t i = bounds[k]; i < bounds[k + 1]; ++i)
      if (run.ops[i].kind != OpKind::Key) ops.push_back(run.ops[i]);
    each.push_back(std::move(ops));
  }
  return each;
}

// The operations of one kind.
inline std::vector<Op> ofKind(const std::vector<Op>& ops, OpKind kind) {
  std::vector<Op> found;
  for (const Op& op : ops)
    if (op.kind == kind) found.push_back(op);
  return found;
}
