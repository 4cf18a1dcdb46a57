// What one drawing operation of the typesetter, of small plain text or of the prompt text shows:
// its glyph classes, from which the line reader (line_reader.h) knows each glyph's cursor, line
// and advance, and the signs and root signs the typesetter draws as strokes and polylines.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engine/platform/oplog.h"

namespace reading {

// Which metrics a glyph's style belongs to: a formula's line, a fraction's numerator or
// denominator, both alike, small plain text, or a prompt line.
enum class Metrics { Line, Fraction, Both, Plain, Prompt };

// One way to read a drawing: the markup it shows, where the glyph cursor stood (tx, ty is the
// cursor and the top of its text line) and how far it moved.
struct Token {
  std::string mark;
  float tx = 0, ty = 0, advance = 0;
  Metrics metrics = Metrics::Line;
  int root = 0;  // a root sign: the height of its bar above the line (4, 6 or 14); 0 otherwise
};

// Two coordinates of the log that stand for the same place.
inline bool samePlace(float a, float b) { return a - b < 0.01f && b - a < 0.01f; }

// The readings of a text operation by its face, size and magnification. Several when one style
// serves two classes; none for a text drawn otherwise.
std::vector<Token> readingsOf(const Op& op);
// A drawn "+" or "-" at ops[i] (with the plus's upright stroke after it, before to): its token,
// and in taken how many operations it took.
std::optional<Token> signAt(const std::vector<Op>& ops, std::size_t i, std::size_t to, std::size_t& taken);
// A root sign or the parallelogram sign drawn as a polyline.
std::optional<Token> polylineSign(const Op& op);
// A line of the pen width given: horizontal, or upright.
bool horizontal(const Op& op, int pen);
bool vertical(const Op& op, int pen);

}  // namespace reading
