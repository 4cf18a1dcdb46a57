#include "fenwist_support.h"

#include <algorithm>

#include "programs/fenwist/fenwist.h"

namespace fenwist_test {

HeadlessResult runFenwist(const std::string& keys, const std::string& time, const std::string& png) {
  std::string script = keys;
  std::replace(script.begin(), script.end(), '\n', '\r');
  return runScript(fenwist::PROGRAM, script, time, png);
}

std::vector<std::size_t> mainMenus(const std::vector<Op>& ops) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < ops.size(); ++i)
    if (ops[i].kind == OpKind::Text && ops[i].x1 == 264 && ops[i].y1 == 30 && ops[i].colour == 15) found.push_back(i);
  return found;
}

std::vector<std::string> glyphsAt(const std::vector<Op>& ops, float x, float y, int colour) {
  std::vector<std::string> found;
  for (const Op& op : ops)
    if (op.kind == OpKind::Text && op.x1 == x && op.y1 == y && op.colour == colour) found.push_back(op.text);
  return found;
}

}  // namespace fenwist_test
