#include "ink.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "fonts.h"
#include "text_metrics.h"

namespace {

// A text is measured at one device pixel per canvas pixel. Painted larger, hinting may move each
// edge of a glyph by up to half a device pixel either way, the text's origin is rounded to a
// whole device pixel, and so is each glyph's advance.
constexpr double TEXT_SLACK = 1;
constexpr double ADVANCE_SLACK = 0.5;  // for each glyph after the first
// A bold face made from a regular one is emboldened as its glyphs are rendered, by a 24th of the
// em in all; its extents leave out part of that.
constexpr double EMBOLDENING = 1.0 / 24;

Bounds around(double x1, double y1, double x2, double y2, double reach) {
  return {std::min(x1, x2) - reach, std::min(y1, y2) - reach, std::max(x1, x2) + reach, std::max(y1, y2) + reach};
}

Bounds textInk(const Op& op) {
  if (!textPaintable(op)) return {};
  if (const auto bars = equalsBars(op)) {
    const double r = bars->thickness / 2 + ANTIALIAS;
    return {bars->left - r, bars->upper - r, bars->right + r, bars->lower + r};
  }
  cairo_matrix_t canvasScale;
  cairo_matrix_init_identity(&canvasScale);
  const PlacedText placed = placeText(op, canvasScale);
  const cairo_text_extents_t& e = textExtents(placed.font, placed.text);
  if (e.width <= 0 || e.height <= 0) return {};
  std::size_t glyphs = 0;
  for (const char c : placed.text) glyphs += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  cairo_matrix_t em;
  cairo_scaled_font_get_font_matrix(placed.font, &em);
  const double bold = op.bold ? EMBOLDENING * std::max(std::fabs(em.xx), std::fabs(em.yy)) : 0;
  const double slack = TEXT_SLACK + ADVANCE_SLACK * static_cast<double>(glyphs - 1) + bold + ANTIALIAS;
  const double x = placed.x + e.x_bearing, y = placed.y + e.y_bearing;
  return around(x, y, x + e.width, y + e.height, slack);
}

}  // namespace

Bounds inkBounds(const Op& op) {
  Bounds ink;
  switch (op.kind) {
    case OpKind::Line:
    case OpKind::Box:
      ink = around(op.x1 + 0.5, op.y1 + 0.5, op.x2 + 0.5, op.y2 + 0.5, halfPen(op.pen) + ANTIALIAS);
      break;
    case OpKind::FilledBox:
      // Whole device pixels: the box itself.
      ink = around(op.x1, op.y1, op.x2 + 1, op.y2 + 1, 0);
      break;
    case OpKind::Circle: {
      const double reach = static_cast<double>(op.radius) + halfPen(op.pen) + ANTIALIAS;
      ink = around(op.cx + 0.5, op.cy + 0.5, op.cx + 0.5, op.cy + 0.5, reach);
      break;
    }
    case OpKind::Polyline:
      for (const Point& p : op.points) ink.add(around(p.x + 0.5, p.y + 0.5, p.x + 0.5, p.y + 0.5, halfPen(op.pen) + ANTIALIAS));
      break;
    case OpKind::Text: ink = textInk(op); break;
    case OpKind::Clear: ink = {0, 0, CANVAS_WIDTH, CANVAS_HEIGHT}; break;
    case OpKind::Key: break;
  }
  // Beyond what can be reckoned with: all it might touch.
  if (!std::isfinite(ink.left) || !std::isfinite(ink.top) || !std::isfinite(ink.right) || !std::isfinite(ink.bottom))
    return boundsOf(op);
  return ink;
}
