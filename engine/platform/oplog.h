// The record of one drawing operation: kept in the canvas's display list to be painted, and in
// the operation log that tests and tools/replay read.
#pragma once

#include <string>
#include <vector>

#include "platform.h"

enum class OpKind { Line, Box, FilledBox, Circle, Polyline, Text, Clear, Key };

struct Op {
  OpKind kind = OpKind::Clear;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line and box corners (absolute); text top-left in x1,y1
  float cx = 0, cy = 0, radius = 0;       // circle centre and radius
  float start = 0, end = 0;               // arc ends as fractions of a turn; both 0 for a full circle
  bool filled = false;
  int colour = 0;
  int fill = -1;                          // interior colour of a filled box or a painted circle
  int magX = 1, magY = 1;
  int pen = 1;                            // pen width in force
  std::string text;                       // text drawn or key read, in UTF-8
  std::string face;                       // font state in force, face name in UTF-8
  float size = 16;
  bool bold = false, italic = false;
  std::vector<Point> points;              // polyline points
};

// One line of the readable log: the operation's kind and every value that matters for it.
std::string describe(const Op& op);
