#include "support/glyph_reading.h"

#include <initializer_list>

#include "engine/strings.h"

namespace reading {

namespace {

// The gothic face by either of its names, as the log writes them (UTF-8): the typesetter sets
// "ゴシック"; small plain text draws in the face it finds, "ｺﾞｼｯｸ" from start-up.
bool isGothic(const std::string& face) {
  static const std::string names[] = {toUtf8("ゴシック"), toUtf8("ｺﾞｼｯｸ")};
  return face == names[0] || face == names[1];
}

bool isOneOf(const std::string& mark, std::initializer_list<const char*> marks) {
  for (const char* m : marks)
    if (mark == m) return true;
  return false;
}

}  // namespace

std::vector<Token> readingsOf(const Op& op) {
  const std::string ch = fromUtf8(op.text);
  const float x = op.x1, y = op.y1;
  const auto at = [&](const std::string& mark, float dx, float dy, float advance, Metrics metrics) {
    return Token{mark, x - dx, y - dy, advance, metrics};
  };
  const auto mag = [&](int h, int v) { return op.magX == h && op.magY == v; };
  if (op.face == "Times New Roman" && op.italic && op.size == 8) {
    if (mag(10, 7)) return {at(ch, 4, -22, 27, Metrics::Line)};
    if (mag(12, 5)) return {at(ch, 4, -16, 32, Metrics::Fraction)};
    if (mag(7, 4)) return {at(ch, 4, -12, 20, Metrics::Plain)};
    return {};
  }
  if (op.face == "MT Extra") {
    if (op.size == 16 && mag(6, 3)) return {at(ch, 0, 0, 32, Metrics::Both)};
    if (op.size == 56 && mag(1, 1)) return {at(ch, 4, -4, 32, Metrics::Line)};
    if (op.size == 38 && mag(3, 1)) return {at(ch, 0, 0, 32, Metrics::Fraction)};
    return {};
  }
  if (!isGothic(op.face)) return {};
  if (op.size == 16 && mag(1, 1)) {  // prompt text: 16 px cells, half-width glyphs 4 px higher
    if (ch == "．") return {at(ch, -4, 0, 0, Metrics::Prompt)};  // in the gap before its cell
    return {at(ch, 0, ch.size() == 1 ? -4 : 0, 16, Metrics::Prompt)};
  }
  if (op.size == 15) {  // small plain text
    if ((ch == "." || ch == ",") && mag(3, 2)) return {at(ch, 0, 0, 8, Metrics::Plain)};
    if (ch == "(" && mag(3, 2)) return {at(ch, -8, 0, 12, Metrics::Plain)};
    if (ch == ")" && mag(3, 2)) return {at(ch, 0, 0, 8, Metrics::Plain)};
    if (ch.size() == 2 && mag(2, 2)) return {at(ch, 0, 0, 30, Metrics::Plain)};
    if (ch == "y" && mag(3, 2)) return {at(ch, 0, -6, 20, Metrics::Plain)};
    if (mag(3, 2)) return {at(ch, 0, 0, 20, Metrics::Plain)};
    return {};
  }
  if (op.size == 14 && mag(3, 3) && ch == "=") return {at(ch, 4, 0, 32, Metrics::Both)};
  if (op.size == 8 && mag(6, 3))
    return {at("\\" + ch, 0, -10, 24, Metrics::Both), at("^" + ch, 0, -4, 24, Metrics::Fraction)};
  if (op.size == 11 && mag(3, 3)) return {at(ch, 0, 0, 38, Metrics::Fraction)};
  if (op.size != 16) return {};
  if (mag(3, 2)) {
    if (ch == ".") return {at(ch, -3, 14, 8, Metrics::Both), at("^" + ch, 0, 0, 24, Metrics::Line)};
    return {at("^" + ch, 0, 0, 24, Metrics::Line)};
  }
  if (mag(3, 3)) {
    if (ch == "'" || ch == "°") return {at(ch, 0, 0, 12, Metrics::Both)};
    return {at(ch, 0, 0, 27, Metrics::Line)};
  }
  if (mag(3, 4) && ch == "(") return {at(ch, -4, -6, 27, Metrics::Both)};
  if (mag(3, 4) && ch == ")") return {at(ch, 6, -6, 27, Metrics::Both)};
  if (mag(2, 3)) {
    if (isOneOf(ch, {"×", "÷", "±"})) return {at(ch, -4, 0, 27, Metrics::Line)};
    return {at(ch, 0, 0, 34, Metrics::Line)};
  }
  if (mag(4, 2)) return {at(ch, 0, 0, 32, Metrics::Fraction)};
  return {};
}

bool horizontal(const Op& op, int pen) { return op.kind == OpKind::Line && op.pen == pen && samePlace(op.y1, op.y2); }
bool vertical(const Op& op, int pen) { return op.kind == OpKind::Line && op.pen == pen && samePlace(op.x1, op.x2); }

std::optional<Token> signAt(const std::vector<Op>& ops, std::size_t i, std::size_t to, std::size_t& taken) {
  const Op& op = ops[i];
  if (!horizontal(op, 5) || op.x2 <= op.x1) return std::nullopt;
  const float length = op.x2 - op.x1;
  const bool inFraction = samePlace(length, 20);
  if (!inFraction && !samePlace(length, 19)) return std::nullopt;
  // The plus's upright: crossing the bar at its middle in a fraction, 9 px right of its start outside.
  const float upX = op.x1 + (inFraction ? 10 : 9), upTop = op.y1 - (inFraction ? 10 : 12);
  const float upLength = inFraction ? 20 : 24;
  const bool plus = i + 1 < to && vertical(ops[i + 1], 5) && ops[i + 1].colour == op.colour &&
                    samePlace(ops[i + 1].x1, upX) && samePlace(ops[i + 1].y1, upTop) &&
                    samePlace(ops[i + 1].y2, upTop + upLength);
  taken = plus ? 2 : 1;
  if (inFraction) return Token{plus ? "+" : "-", op.x1 - 6, op.y1 - 14, 32, Metrics::Fraction};
  return Token{plus ? "+" : "-", op.x1 - 4, op.y1 - (plus ? 22 : 20), 27, Metrics::Line};
}

std::optional<Token> polylineSign(const Op& op) {
  if (op.kind != OpKind::Polyline || op.points.size() != 5) return std::nullopt;
  const auto shaped = [&](std::initializer_list<Point> offsets) {
    const Point& p0 = op.points[0];
    const Point& o0 = *offsets.begin();
    std::size_t k = 0;
    for (const Point& o : offsets) {
      if (!samePlace(op.points[k].x - p0.x, o.x - o0.x) || !samePlace(op.points[k].y - p0.y, o.y - o0.y)) return false;
      ++k;
    }
    return true;
  };
  const Point& p = op.points[0];
  if (op.pen == 3 && shaped({{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}}))
    return Token{"!", p.x - 4, p.y - 36, 28, Metrics::Line, 4};
  if (op.pen == 3 && shaped({{4, 24}, {8, 13}, {16, 29}, {24, -6}, {26, -6}}))
    return Token{"!", p.x - 4, p.y - 24, 26, Metrics::Fraction, 6};
  if (op.pen == 3 && shaped({{4, 36}, {8, 24}, {16, 60}, {30, -14}, {38, -14}}))
    return Token{"#", p.x - 4, p.y - 36, 32, Metrics::Line, 14};
  if (op.pen == 5 && shaped({{4, 40}, {25, 40}, {32, 8}, {11, 8}, {4, 40}}))
    return Token{"&", p.x - 4, p.y - 40, 36, Metrics::Both};
  return std::nullopt;
}

}  // namespace reading
