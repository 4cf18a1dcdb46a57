#include "ombrel_support.h"

#include <algorithm>

#include "engine/strings.h"
#include "programs/ombrel/ombrel.h"

namespace ombrel_test {

std::string steps(int n) { return std::string(static_cast<std::size_t>(n), 'x'); }

HeadlessResult runOmbrel(const std::string& keys, const std::string& time, const std::string& png) {
  std::string script = keys;
  std::replace(script.begin(), script.end(), '\n', '\r');
  return runScript(ombrel::PROGRAM, script, time, png);
}

bool glyphAt(const std::vector<Op>& ops, float x, float y, int colour, const std::string& text) {
  const std::string utf8 = toUtf8(text);
  return std::any_of(ops.begin(), ops.end(), [&](const Op& op) {
    return op.kind == OpKind::Text && op.x1 == x && op.y1 == y && op.colour == colour && op.text == utf8;
  });
}

std::string glyphTextAt(const std::vector<Op>& ops, float x, float y, int colour) {
  for (const Op& op : ops)
    if (op.kind == OpKind::Text && op.x1 == x && op.y1 == y && op.colour == colour) return op.text;
  return "";
}

std::vector<std::size_t> filledBoxes(const std::vector<Op>& ops, float x1, float y1, float x2, float y2, int fill) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const Op& op = ops[i];
    if (op.kind == OpKind::FilledBox && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2 && op.fill == fill)
      found.push_back(i);
  }
  return found;
}

std::map<float, std::string> formulaLines(const std::vector<Op>& ops, std::size_t from, std::size_t to, float x1,
                                          float y1, float x2, float y2) {
  const auto inside = [&](float x, float y) { return x >= x1 && x < x2 && y >= y1 && y < y2; };
  std::map<float, std::map<float, std::string>> tokens;  // line y -> x -> token
  for (std::size_t i = from; i < to; ++i) {
    const Op& op = ops[i];
    if (op.kind != OpKind::Text || !inside(op.x1, op.y1)) continue;
    const std::string glyph = op.text == toUtf8("×") ? "*" : op.text;
    tokens[op.y1][op.x1] = op.magY == 2 ? "^" + glyph : glyph;
  }
  for (std::size_t i = from; i < to; ++i) {
    const Op& op = ops[i];
    if (op.kind != OpKind::Line || op.y1 != op.y2 || !inside(op.x1, op.y1)) continue;
    // A horizontal stroke belongs to the line whose glyphs stand up to 40 px above it; a
    // vertical stroke through its middle makes it a plus.
    const bool plus = std::any_of(ops.begin() + from, ops.begin() + to, [&](const Op& v) {
      return v.kind == OpKind::Line && v.x1 == v.x2 && v.x1 > op.x1 && v.x1 < op.x2 && std::min(v.y1, v.y2) < op.y1 &&
             std::max(v.y1, v.y2) > op.y1;
    });
    // The sign is built as a one-character string: assigning the literal trips a false -Wrestrict in GCC 12.
    for (auto& [lineY, line] : tokens)
      if (op.y1 > lineY && op.y1 < lineY + 40) line[op.x1] = std::string(1, plus ? '+' : '-');
  }
  std::map<float, std::string> lines;
  for (const auto& [lineY, line] : tokens)
    for (const auto& [x, token] : line) lines[lineY] += token;
  return lines;
}

}  // namespace ombrel_test
