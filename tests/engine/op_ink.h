// The ink one drawing operation leaves, measured by painting it alone, magnified, the way the
// window paints it. Lets a test compare glyphs that stand side by side in a formula.
#pragma once

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "engine/platform/oplog.h"
#include "engine/platform/render.h"

struct OpInk {
  double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;  // canvas pixels, edges of the ink
  bool empty() const { return right < left; }
  double width() const { return right - left; }
  double height() const { return bottom - top; }
  double middleY() const { return (top + bottom) / 2; }
};

// The ink of op within 160 canvas pixels of its first point, at 8 device pixels to the canvas
// pixel; a device pixel counts as ink when painted at least half-way.
inline OpInk inkOf(const Op& op) {
  constexpr int ZOOM = 8, REACH = 160, SIDE = 2 * REACH * ZOOM;
  const double originX = std::floor(op.kind == OpKind::Circle ? op.cx : op.x1) - REACH;
  const double originY = std::floor(op.kind == OpKind::Circle ? op.cy : op.y1) - REACH;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, SIDE, SIDE);
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, ZOOM, ZOOM);
  cairo_translate(cr, -originX, -originY);
  paintBackground(cr);
  Op black = op;
  black.colour = 0;
  black.fill = black.fill < 0 ? -1 : 0;
  paintOp(cr, black);
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  OpInk ink;
  for (int y = 0; y < SIDE; ++y)
    for (int x = 0; x < SIDE; ++x)
      if (data[y * stride + x * 4 + 1] < 128) {
        ink.left = std::min(ink.left, originX + static_cast<double>(x) / ZOOM);
        ink.right = std::max(ink.right, originX + static_cast<double>(x + 1) / ZOOM);
        ink.top = std::min(ink.top, originY + static_cast<double>(y) / ZOOM);
        ink.bottom = std::max(ink.bottom, originY + static_cast<double>(y + 1) / ZOOM);
      }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  return ink;
}
