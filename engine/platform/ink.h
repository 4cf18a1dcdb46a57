// Where an operation's paint can land: tighter than its bounds, which carry margins for every
// window size, so that the display list can tell when a later filled shape hides it completely.
// Internal to the platform layer.
#pragma once

#include <algorithm>

#include "canvas.h"

// Antialiasing touches every device pixel a shape reaches into. The device pixels a filled box
// covers are its own rounded to whole pixels, so a shape whose outline stays half a canvas pixel
// inside the box's edges touches none of the box's edge pixels but those the box paints over.
inline constexpr double ANTIALIAS = 0.5;

// Lines are stroked through the middle of their pixels, with round caps and joins: they reach
// half the pen (capped as the painter caps it) past their path.
inline double halfPen(int pen) { return std::min<double>(std::max(1, pen), MAX_PAINTED_PEN) / 2; }

// Every pixel the operation can touch in a window of one device pixel per canvas pixel or more
// (a projector's picture, a PNG of the canvas), in canvas pixels; empty when it paints nothing.
// A text's glyphs are measured in the faces and ems they are painted in.
Bounds inkBounds(const Op& op);
