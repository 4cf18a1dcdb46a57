// Product lines whose terms are joined by dotted arcs: the line is drawn piece by piece, each
// piece's anchor kept in X() and Y(), and an arc runs from one anchor to another.
#pragma once

#include <array>
#include <span>
#include <string>

namespace corvale {

// Draws the pieces one after another from (XI2, YI1) in colour 0. Before piece k it keeps its
// anchor: X(k) = where the piece begins, or 27 px (a sign's advance) right of that when the
// piece begins with "+" or "-"; Y(k) = the line's top.
void anchoredPieces(std::span<const std::string> pieces);

// An arc from anchor `from` to anchor `to` (X(from) + fromDx to X(to) + toDx) on the chord
// Y(from) + dy, one dot per degree. A labelled arc's label stands at its apex in labelColour,
// its top moved down by labelDy.
struct TermArc {
  int from;
  float fromDx;
  int to;
  float toDx;
  float dy;
  float houkou;  // -1 above a line drawn left to right, 1 below it
  float takasa;  // the bulge, as SPANARC takes it
  float dots;    // the dots' colour
  const char* label = "";
  float labelColour = 0;
  float labelDy = 0;
};

void drawTermArc(const TermArc& arc);

// The four numbered arcs of a product of two binomials, term pieces 1 to 4: ① first with
// first, ② first with second, ③ second with first, ④ second with second; ① and ② over the
// line, ③ and ④ under it from a chord 40 px below its top.
inline constexpr std::array<TermArc, 4> NUMBERED_ARCS{{
    {1, 10, 3, 10, 0, -1, -15, 9, "①", 3, 20},
    {1, 0, 4, 0, 0, -1, -40, 7, "   ②", 3, 20},
    {2, 0, 3, 0, 40, 1, -15, 9, "  ③", 5, -20},
    {2, 0, 4, 0, 40, 1, -40, 7, "  ④", 5, -20},
}};

}  // namespace corvale
