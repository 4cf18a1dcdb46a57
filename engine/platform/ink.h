// Where an operation's paint can land: tighter than its bounds, which carry margins for every
// window size, so that the display list can tell when a later filled box hides it completely.
// Internal to the platform layer.
#pragma once

#include "canvas.h"

// Every pixel the operation can touch in a window of one device pixel per canvas pixel or more
// (a projector's picture, a PNG of the canvas), in canvas pixels; empty when it paints nothing.
// A text's glyphs are measured in the faces and ems they are painted in.
Bounds inkBounds(const Op& op);
