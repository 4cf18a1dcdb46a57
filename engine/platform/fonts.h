// Which installed face answers each requested face name, and how a text's glyphs are fitted
// into its cells: size s at magnification (h, v) gives a full-width cell of s*h by s*v pixels
// and a half-width cell of s*h/2 by s*v, with the text's top-left corner at the op's point.
#pragma once

#include <cairo.h>

#include <optional>
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

// The gothic face's "=" is drawn as two bars, as the typesetter draws its plus and minus, about as
// wide as they are and on their axis: the face's own "=" is small and high beside the 16-point
// glyphs. The bar of a fraction beside it runs between its two bars, not level with one of them.
struct EqualsBars {
  double left, right;    // where each bar's stroke starts and ends; the pen rounds its ends
  double upper, lower;   // the bars' heights
  double thickness;
};

std::optional<EqualsBars> equalsBars(const Op& op);
