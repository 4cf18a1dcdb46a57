#include "ombrel_support.h"

#include <algorithm>

#include "engine/strings.h"
#include "programs/ombrel/ombrel.h"

namespace ombrel_test {

std::string repeat(const std::string& s, int n) {
  std::string out;
  for (int k = 0; k < n; ++k) out += s;
  return out;
}

HeadlessResult runOmbrel(const std::string& keys, const std::string& time, const std::string& png) {
  std::string script = keys;
  std::replace(script.begin(), script.end(), '\n', '\r');
  return runScript(ombrel::PROGRAM, script, time, png);
}

std::size_t keysRead(const HeadlessResult& run) {
  return static_cast<std::size_t>(
      std::count_if(run.ops.begin(), run.ops.end(), [](const Op& op) { return op.kind == OpKind::Key; }));
}

std::string lineText(const std::vector<Op>& ops, std::size_t from, float y) {
  std::string text;
  for (std::size_t i = from; i < ops.size(); ++i) {
    if (ops[i].kind != OpKind::Text) continue;
    if (ops[i].y1 != y) break;
    text += ops[i].text;
  }
  return text;
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

const Op* glyphOn(const std::vector<Op>& ops, float x, float y, int colour, const std::string& text) {
  const std::string utf8 = toUtf8(text);
  for (const Op& op : ops)
    if (op.kind == OpKind::Text && op.colour == colour && op.text == utf8 && op.x1 >= x && op.y1 >= y - 30 &&
        op.y1 <= y + 12)
      return &op;
  return nullptr;
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

std::size_t menuPanels(const std::vector<Op>& ops) { return filledBoxes(ops, 22, 10, 1342, 610, 10).size(); }

std::vector<std::size_t> areaErases(const std::vector<Op>& ops, float x, float y) {
  std::vector<std::size_t> found = filledBoxes(ops, x, y, x + 1320, y + 1300, 15);
  std::erase_if(found, [&](std::size_t i) { return ops[i].colour != 15; });
  return found;
}

namespace {

// A glyph of a formula as markup (UTF-8): × as "*", an exponent as "^" and its character.
std::string glyphToken(const Op& text) {
  const std::string glyph = text.text == toUtf8("×") ? "*" : text.text;
  return text.magY == 2 ? "^" + glyph : glyph;
}

// A horizontal stroke of a formula as its sign: a plus when a vertical stroke of ops[from, to)
// runs through its middle, else a minus.
std::string signToken(const std::vector<Op>& ops, std::size_t from, std::size_t to, const Op& stroke) {
  const bool plus = std::any_of(ops.begin() + static_cast<long>(from), ops.begin() + static_cast<long>(to),
                                [&](const Op& v) {
                                  return v.kind == OpKind::Line && v.x1 == v.x2 && v.x1 > stroke.x1 &&
                                         v.x1 < stroke.x2 && std::min(v.y1, v.y2) < stroke.y1 &&
                                         std::max(v.y1, v.y2) > stroke.y1;
                                });
  // Built as a one-character string: assigning the literal trips a false -Wrestrict in GCC 12.
  return std::string(1, plus ? '+' : '-');
}

}  // namespace

std::map<float, std::string> formulaLines(const std::vector<Op>& ops, std::size_t from, std::size_t to, float x1,
                                          float y1, float x2, float y2) {
  const auto inside = [&](float x, float y) { return x >= x1 && x < x2 && y >= y1 && y < y2; };
  std::map<float, std::map<float, std::string>> tokens;  // line y -> x -> token
  for (std::size_t i = from; i < to; ++i) {
    const Op& op = ops[i];
    if (op.kind == OpKind::Text && inside(op.x1, op.y1)) tokens[op.y1][op.x1] = glyphToken(op);
  }
  for (std::size_t i = from; i < to; ++i) {
    const Op& op = ops[i];
    if (op.kind != OpKind::Line || op.y1 != op.y2 || !inside(op.x1, op.y1)) continue;
    // A horizontal stroke belongs to the line whose glyphs stand up to 40 px above it.
    for (auto& [lineY, line] : tokens)
      if (op.y1 > lineY && op.y1 < lineY + 40) line[op.x1] = signToken(ops, from, to, op);
  }
  std::map<float, std::string> lines;
  for (const auto& [lineY, line] : tokens)
    for (const auto& [x, token] : line) lines[lineY] += token;
  return lines;
}

std::string formulaAt(const std::vector<Op>& ops, std::size_t from, std::size_t to, float x1, float x2, float y) {
  to = std::min(to, ops.size());
  std::map<float, std::string> tokens;  // x -> markup
  const auto across = [&](float x) { return x >= x1 && x < x2; };
  for (std::size_t i = from; i < to; ++i) {
    const Op& op = ops[i];
    if (op.kind == OpKind::Text && across(op.x1) && op.y1 >= y - 30 && op.y1 <= y + 12)
      tokens[op.x1] = glyphToken(op);
    else if (op.kind == OpKind::Line && op.y1 == op.y2 && across(op.x1) && op.y1 > y && op.y1 < y + 40)
      tokens[op.x1] = signToken(ops, from, to, op);
  }
  std::string line;
  for (const auto& [x, token] : tokens) line += token;
  return fromUtf8(line);
}

}  // namespace ombrel_test
