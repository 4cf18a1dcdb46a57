// Looking at what a Corvale run drew: glyphs at their places, boxes, and the keys it read.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "support/test_support.h"

// How often a step wait showed its step box.
std::size_t stepBoxes(const HeadlessResult& run);
// How often the next-step prompt showed its box.
std::size_t nextStepBoxes(const HeadlessResult& run);

// The text operations of glyph (code page 932) whose top-left corner is (x, y).
std::vector<Op> glyphsAt(const HeadlessResult& run, const std::string& glyph, float x, float y);
// The same, in one colour: true when at least one was drawn.
bool drewGlyph(const HeadlessResult& run, const std::string& glyph, float x, float y, int colour);
// The filled boxes from (x1, y1) to (x2, y2).
std::vector<Op> filledBoxes(const HeadlessResult& run, float x1, float y1, float x2, float y2);
// The pieces of a line joined in order, as the scene draws them one after another.
std::string joined(const std::vector<std::string>& pieces);
// The keys the program read, in UTF-8 ("\r" for Enter).
std::vector<std::string> keysRead(const HeadlessResult& run);
// The dots of the dotted arcs in one colour, in drawing order.
std::vector<Op> arcDots(const std::vector<Op>& ops, int colour);
// A distributive arc of the division scenes: 181 dots drawn with the scenes' pen 5 from (x0, y0)
// to (x1, y1), its farthest dot bulge px from the chord and above both ends.
void expectDistributiveArc(const std::vector<Op>& dots, float x0, float y0, float x1, float y1, float bulge);
// Position in the log of the first operation after index from for which match holds, or -1.
template <typename Match>
int findOp(const HeadlessResult& run, std::size_t from, Match match) {
  for (std::size_t i = from; i < run.ops.size(); ++i)
    if (match(run.ops[i])) return static_cast<int>(i);
  return -1;
}
