// Which installed face answers each requested face name, and how a text's glyphs are fitted
// into its cells: size s at magnification (h, v) gives a full-width cell of s*h by s*v pixels
// and a half-width cell of s*h/2 by s*v, with the text's top-left corner at the op's point.
#pragma once

#include <cairo.h>

#include <string>

#include "oplog.h"

// A text operation ready to paint: the face and font matrix are set on the context; show the
// text (UTF-8, after any symbol substitution of its face) with its baseline origin at (x, y).
struct PlacedText {
  double x;
  double y;
  std::string text;
};

PlacedText placeText(cairo_t* cr, const Op& op);
