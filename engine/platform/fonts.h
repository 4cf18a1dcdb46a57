// Which installed face answers each requested face name, and how a text's glyphs are fitted
// into its cells: size s at magnification (h, v) gives a full-width cell of s*h by s*v pixels
// and a half-width cell of s*h/2 by s*v, with the text's top-left corner at the op's point.
#pragma once

#include <cairo.h>

#include <optional>
#include <string>

#include "oplog.h"

// A text operation ready to paint: show the text (UTF-8, after any symbol substitution of its
// face) in the font, with its baseline origin at (x, y). The font stays valid until the next text
// is placed.
struct PlacedText {
  double x;
  double y;
  std::string text;
  cairo_scaled_font_t* font;
};

// Places the text for painting under ctm, the transform from canvas to device pixels.
PlacedText placeText(const Op& op, const cairo_matrix_t& ctm);

// Text whose cell is empty, not a number or absurdly large is not drawn: cairo refuses such a
// font matrix, and a refused call would stop all later drawing on the same context.
bool textPaintable(const Op& op);

// The gothic face's "=" is drawn as two bars, as the typesetter draws its plus and minus, about as
// wide as they are and on their axis: the face's own "=" is small and high beside the 16-point
// glyphs. The bar of a fraction beside it runs between its two bars, not level with one of them.
struct EqualsBars {
  double left, right;    // where each bar's stroke starts and ends; the pen rounds its ends
  double upper, lower;   // the bars' heights
  double thickness;
};

std::optional<EqualsBars> equalsBars(const Op& op);
