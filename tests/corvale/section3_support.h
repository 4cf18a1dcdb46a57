// What the tests of Corvale's section 3 share: the keys that reach a scene, the aim they pass,
// and the marks of the prompts in the log.
#pragma once

#include <string>

#include "corvale_checks.h"
#include "scene_walk.h"

namespace polymul_test {

// The keys from the main menu into section 3 and on to item `item` of its sub-menu.
inline std::string toItem(int item) { return "3\\n" + std::to_string(item) + "\\n"; }

// The aim on the window the main menu cleared, then the clear of the scene of item `item`.
inline void expectAimThenClear(SceneWalk& w, int item) {
  w.reads(44, 240, 5, "<めあて>", 2);
  w.reads(76, 305, 0, "多項式×多項式の計算を考えよう。");
  w.fill(0, 0, 1320, 1300, 15, 15, item >= 10 ? 3 : 2);
}

// How often the sub-menu line was written: its first item after the line's leading blank.
inline std::size_t subMenuLines(const HeadlessResult& run) { return glyphsAt(run, "①", 32, 666).size(); }

// The pen widths of the boxes framed in colour 0 (the cells) and of the dots of the arcs.
inline std::vector<int> cellPens(const HeadlessResult& run) {
  std::vector<int> pens;
  for (const Op& op : run.ops)
    if (op.kind == OpKind::FilledBox && op.colour == 0) pens.push_back(op.pen);
  return pens;
}
inline std::vector<int> dotPens(const HeadlessResult& run) {
  std::vector<int> pens;
  for (const Op& op : run.ops)
    if (op.kind == OpKind::Circle && op.radius == 0.5f) pens.push_back(op.pen);
  return pens;
}

}  // namespace polymul_test
