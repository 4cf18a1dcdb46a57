#include "exprvalue_support.h"

#include <algorithm>
#include <map>

#include "engine/strings.h"

namespace exprvalue_test {

std::string formulaAt(const std::vector<Op>& ops, std::size_t from, std::size_t to, float x1, float x2, float y) {
  to = std::min(to, ops.size());
  std::map<float, std::string> tokens;  // x -> markup
  const auto across = [&](float x) { return x >= x1 && x < x2; };
  for (std::size_t i = from; i < to; ++i) {
    const Op& op = ops[i];
    if (op.kind == OpKind::Text && across(op.x1) && op.y1 >= y - 30 && op.y1 <= y + 12) {
      const std::string glyph = op.text == toUtf8("×") ? "*" : fromUtf8(op.text);
      tokens[op.x1] = op.magY == 2 ? "^" + glyph : glyph;
    } else if (op.kind == OpKind::Line && op.y1 == op.y2 && across(op.x1) && op.y1 > y && op.y1 < y + 40) {
      // A vertical stroke through the middle of a horizontal one makes it a plus.
      const bool plus = std::any_of(ops.begin() + static_cast<long>(from), ops.begin() + static_cast<long>(to),
                                    [&](const Op& v) {
                                      return v.kind == OpKind::Line && v.x1 == v.x2 && v.x1 > op.x1 && v.x1 < op.x2 &&
                                             std::min(v.y1, v.y2) < op.y1 && std::max(v.y1, v.y2) > op.y1;
                                    });
      tokens[op.x1] = std::string(1, plus ? '+' : '-');
    }
  }
  std::string line;
  for (const auto& [x, token] : tokens) line += token;
  return line;
}

std::vector<std::size_t> areaErases(const std::vector<Op>& ops, float x, float y) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const Op& op = ops[i];
    if (op.kind == OpKind::FilledBox && op.x1 == x && op.y1 == y && op.x2 == x + 1320 && op.y2 == y + 1300 &&
        op.colour == 15 && op.fill == 15)
      found.push_back(i);
  }
  return found;
}

}  // namespace exprvalue_test
