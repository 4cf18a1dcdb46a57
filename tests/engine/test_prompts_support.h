// Runs several small cases of prompt drawing in one headless run and keeps apart what each drew.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/platform/canvas.h"
#include "engine/strings.h"
#include "support/test_support.h"

// The operations (keys left out) each case made, in the order of the cases. A case that ends
// the run (its keys spent during a wait) and the cases after it get no entry.
inline std::vector<std::vector<Op>> drawEachCase(const std::vector<std::function<void()>>& cases,
                                                 const std::string& keys = "") {
  std::vector<std::size_t> bounds;
  const HeadlessResult run = runRoutine(
      [&] {
        for (const auto& body : cases) {
          bounds.push_back(canvas().log().size());
          body();
        }
        bounds.push_back(canvas().log().size());
      },
      keys);
  std::vector<std::vector<Op>> each;
  for (std::size_t k = 0; k + 1 < bounds.size(); ++k) {
    std::vector<Op> ops;
    for (std::size_t i = bounds[k]; i < bounds[k + 1]; ++i)
      if (run.ops[i].kind != OpKind::Key) ops.push_back(run.ops[i]);
    each.push_back(std::move(ops));
  }
  return each;
}

// The texts of text operations, in UTF-8.
inline std::vector<std::string> textsOf(const std::vector<Op>& ops) {
  std::vector<std::string> texts;
  for (const Op& op : ops)
    if (op.kind == OpKind::Text) texts.push_back(op.text);
  return texts;
}

// Code page 932 texts as the log holds them (UTF-8).
inline std::vector<std::string> utf8(std::initializer_list<const char*> cp932) {
  std::vector<std::string> texts;
  for (const char* t : cp932) texts.push_back(toUtf8(t));
  return texts;
}
