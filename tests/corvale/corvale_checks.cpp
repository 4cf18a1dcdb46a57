#include "corvale_checks.h"

std::vector<Op> glyphsAt(const HeadlessResult& run, const std::string& glyph, float x, float y) {
  std::vector<Op> found;
  for (const Op& op : textsEqual(run, glyph))
    if (op.x1 == x && op.y1 == y) found.push_back(op);
  return found;
}

bool drewGlyph(const HeadlessResult& run, const std::string& glyph, float x, float y, int colour) {
  for (const Op& op : glyphsAt(run, glyph, x, y))
    if (op.colour == colour) return true;
  return false;
}

std::vector<Op> filledBoxes(const HeadlessResult& run, float x1, float y1, float x2, float y2) {
  std::vector<Op> found;
  for (const Op& op : run.ops)
    if (op.kind == OpKind::FilledBox && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2) found.push_back(op);
  return found;
}

std::vector<std::string> keysRead(const HeadlessResult& run) {
  std::vector<std::string> keys;
  for (const Op& op : run.ops)
    if (op.kind == OpKind::Key) keys.push_back(op.text);
  return keys;
}

std::string entryTestName(const char* entry) {
  std::string name = "e";
  for (const char* c = entry; *c; ++c) name += *c == '/' ? "_" : *c == '-' ? "m" : *c == '.' ? "p" : std::string(1, *c);
  return name == "e" ? "empty" : name;
}

std::string joined(const std::vector<std::string>& pieces) {
  std::string all;
  for (const std::string& piece : pieces) all += piece;
  return all;
}
