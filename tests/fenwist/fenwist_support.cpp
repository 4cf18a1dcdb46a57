#include "fenwist_support.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/strings.h"
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

namespace {

struct Token {
  float x;
  float line;  // the y of the text line it belongs to
  std::string text;
};

bool inside(float x, float y, float x1, float y1, float x2, float y2) { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }

// A glyph as markup, with the line it stands on: italic letters stand 22 px above their line,
// small indices 10 px.
Token glyphToken(const Op& op) {
  std::string text = op.text == "\xC3\x97" ? "*" : op.text;  // ×
  if (op.size < 10 && op.italic) return {op.x1, op.y1 + 22, text};
  if (op.size < 10) return {op.x1, op.y1 + 10, "\\" + text};
  if (op.magY == 2) return {op.x1, op.y1, "^" + text};
  return {op.x1, op.y1, text};
}

}  // namespace

std::map<float, std::string> screenLines(const std::vector<Op>& ops, std::size_t to, float x1, float y1, float x2,
                                         float y2) {
  std::vector<Token> tokens;
  for (std::size_t i = 0; i < to && i < ops.size(); ++i) {
    const Op& op = ops[i];
    if (op.kind == OpKind::FilledBox) {
      std::erase_if(tokens, [&](const Token& t) { return inside(t.x + 1, t.line + 1, op.x1, op.y1, op.x2, op.y2); });
    } else if (op.kind == OpKind::Text && op.text != "　" && op.text != " ") {
      Token token = glyphToken(op);
      std::erase_if(tokens, [&](const Token& t) { return t.x == token.x && t.line == token.line; });
      tokens.push_back(token);
    } else if (op.kind == OpKind::Line && op.y1 == op.y2) {
      // A minus, or the bar of a plus when the next stroke crosses its middle upright.
      const Op* next = i + 1 < ops.size() ? &ops[i + 1] : nullptr;
      const bool plus = next != nullptr && next->kind == OpKind::Line && next->x1 == next->x2 &&
                        std::fabs(next->x1 - (op.x1 + op.x2) / 2) < 3;
      tokens.push_back({std::min(op.x1, op.x2), op.y1 - 20, plus ? "+" : "-"});
    }
  }
  // Lines by their y, each read from left to right; a line takes the tokens within 6 px of it.
  std::sort(tokens.begin(), tokens.end(), [](const Token& a, const Token& b) { return a.line < b.line; });
  std::map<float, std::vector<Token>> lines;
  for (const Token& t : tokens) {
    if (!inside(t.x, t.line, x1, y1, x2, y2)) continue;
    auto near = lines.empty() ? lines.end() : std::prev(lines.end());
    if (near != lines.end() && t.line - near->first <= 6) {
      near->second.push_back(t);
    } else {
      lines[t.line].push_back(t);
    }
  }
  std::map<float, std::string> read;
  for (auto& [y, line] : lines) {
    std::sort(line.begin(), line.end(), [](const Token& a, const Token& b) { return a.x < b.x; });
    for (const Token& t : line) read[y] += t.text;
  }
  return read;
}

}  // namespace fenwist_test
