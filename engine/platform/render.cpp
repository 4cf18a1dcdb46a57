#include "render.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "canvas.h"
#include "fonts.h"
#include "palette.h"

namespace {

// Coordinates far outside the canvas are brought within this margin before cairo sees them:
// cairo's fixed-point coordinates overflow long before a float does.
constexpr double MARGIN = 4000;
constexpr double MIN_X = -MARGIN, MAX_X = CANVAS_WIDTH + MARGIN;
constexpr double MIN_Y = -MARGIN, MAX_Y = CANVAS_HEIGHT + MARGIN;

void setColour(cairo_t* cr, int colour) {
  const Rgb& c = PALETTE[colour < 0 || colour > 15 ? 15 : colour];
  cairo_set_source_rgb(cr, c.r, c.g, c.b);
}

bool finite(double a, double b) { return std::isfinite(a) && std::isfinite(b); }

// Clips the segment to the working rectangle; false when nothing of it is inside. Each cut is
// computed from the segment's slope, so an end at 1e30 still leaves the exact line near the canvas.
bool clipSegment(double& x1, double& y1, double& x2, double& y2) {
  if (!finite(x1, y1) || !finite(x2, y2)) return false;
  enum : unsigned { LEFT = 1, RIGHT = 2, ABOVE = 4, BELOW = 8 };
  const auto outside = [](double x, double y) {
    return (x < MIN_X ? LEFT : x > MAX_X ? RIGHT : 0u) | (y < MIN_Y ? ABOVE : y > MAX_Y ? BELOW : 0u);
  };
  for (int pass = 0; pass < 8; ++pass) {
    const unsigned a = outside(x1, y1), b = outside(x2, y2);
    if ((a | b) == 0) return true;
    if (a & b) return false;
    // Move an end that lies outside onto the edge it lies beyond.
    const unsigned out = a ? a : b;
    double& x = a ? x1 : x2;
    double& y = a ? y1 : y2;
    if (out & (LEFT | RIGHT)) {
      const double edge = out & LEFT ? MIN_X : MAX_X;
      y = y1 + (edge - x1) * ((y2 - y1) / (x2 - x1));
      x = edge;
    } else {
      const double edge = out & ABOVE ? MIN_Y : MAX_Y;
      x = x1 + (edge - y1) * ((x2 - x1) / (y2 - y1));
      y = edge;
    }
    if (!finite(x, y)) return false;
  }
  return outside(x1, y1) == 0 && outside(x2, y2) == 0;
}

void strokeWithPen(cairo_t* cr, int pen) {
  cairo_set_line_width(cr, std::min<double>(std::max(1, pen), MAX_PAINTED_PEN));
  cairo_stroke(cr);
}

void paintLine(cairo_t* cr, const Op& op) {
  double x1 = op.x1, y1 = op.y1, x2 = op.x2, y2 = op.y2;
  if (!clipSegment(x1, y1, x2, y2)) return;
  setColour(cr, op.colour);
  cairo_move_to(cr, x1 + 0.5, y1 + 0.5);
  cairo_line_to(cr, x2 + 0.5, y2 + 0.5);
  strokeWithPen(cr, op.pen);
}

// Box corners are pixels, both included: the box covers from the smaller to the larger corner's far edge.
void boxBounds(const Op& op, double& left, double& top, double& right, double& bottom) {
  left = std::clamp<double>(std::min(op.x1, op.x2), MIN_X, MAX_X);
  right = std::clamp<double>(std::max(op.x1, op.x2), MIN_X, MAX_X) + 1;
  top = std::clamp<double>(std::min(op.y1, op.y2), MIN_Y, MAX_Y);
  bottom = std::clamp<double>(std::max(op.y1, op.y2), MIN_Y, MAX_Y) + 1;
}

void paintBox(cairo_t* cr, const Op& op) {
  if (!finite(op.x1, op.y1) || !finite(op.x2, op.y2)) return;
  double left, top, right, bottom;
  boxBounds(op, left, top, right, bottom);
  setColour(cr, op.colour);
  cairo_rectangle(cr, left + 0.5, top + 0.5, right - left - 1, bottom - top - 1);
  strokeWithPen(cr, op.pen);
}

// A rectangle, left and top included, right and bottom excluded.
struct Rect {
  double left, top, right, bottom;
};

Rect toDevice(cairo_t* cr, Rect r) {
  cairo_user_to_device(cr, &r.left, &r.top);
  cairo_user_to_device(cr, &r.right, &r.bottom);
  return r;
}

void fillRect(cairo_t* cr, const Rect& r, int colour) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  setColour(cr, colour);
  cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
  cairo_fill(cr);
}

// A device coordinate this close to a whole number counts as on it: the canvas transform's
// rounding errors are far smaller, and cairo's own grid (1/256 of a pixel) far coarser.
constexpr double ON_PIXEL = 1e-6;

// The device pixels a device rectangle touches.
Rect touchedPixels(const Rect& r) {
  return {std::floor(r.left + ON_PIXEL), std::floor(r.top + ON_PIXEL), std::ceil(r.right - ON_PIXEL),
          std::ceil(r.bottom - ON_PIXEL)};
}

// A filled box covers every device pixel its area touches, whatever the scale, so that anything
// drawn inside it before is hidden to the last antialiased pixel, and an erase over a box at the
// same place leaves the background exactly: an edge antialiased at a fractional position would
// keep a faint line of what was under it. Its edge, one canvas pixel wide inside the box in the
// line colour, also lies on device pixels and is at least one of them wide, so it shows at any scale.
void paintFilledBox(cairo_t* cr, const Op& op) {
  if (!finite(op.x1, op.y1) || !finite(op.x2, op.y2)) return;
  Rect box;
  boxBounds(op, box.left, box.top, box.right, box.bottom);
  const Rect outer = touchedPixels(toDevice(cr, box));
  const Rect i = toDevice(cr, {box.left + 1, box.top + 1, box.right - 1, box.bottom - 1});
  const Rect inner{std::max(std::round(i.left), outer.left + 1), std::max(std::round(i.top), outer.top + 1),
                   std::min(std::round(i.right), outer.right - 1), std::min(std::round(i.bottom), outer.bottom - 1)};
  cairo_save(cr);
  cairo_identity_matrix(cr);
  fillRect(cr, outer, op.colour);
  if (op.fill != op.colour) fillRect(cr, inner, op.fill);
  cairo_restore(cr);
}

// Radii up to this are handed to cairo as arcs; a larger circle is drawn as the polygon of its
// part near the canvas, since cairo's fixed-point coordinates cannot hold it.
constexpr double MAX_ARC_RADIUS = 100000;

// The path of a circle or an arc; filled, the disc or the sector the arc bounds. Angles are in
// cairo's sense, which is the runtime's: clockwise on the screen from the right-pointing direction.
void circlePath(cairo_t* cr, double cx, double cy, double r, double from, double to, bool full, bool filled) {
  cairo_new_path(cr);
  if (r <= MAX_ARC_RADIUS) {
    if (filled && !full) cairo_move_to(cr, cx, cy);
    cairo_arc(cr, cx, cy, r, from, to);
    if (filled) cairo_close_path(cr);
    return;
  }
  // Only directions near that of the working rectangle's centre can show: a point of the rim
  // within the rectangle's half diagonal of that centre lies at most twice the angle that half
  // diagonal subtends from it.
  const double turn = 2 * std::numbers::pi;
  const double reach = std::hypot(MAX_X - MIN_X, MAX_Y - MIN_Y) / 2;
  const double towards = std::atan2((MIN_Y + MAX_Y) / 2 - cy, (MIN_X + MAX_X) / 2 - cx);
  const double halfSpan = 2 * std::asin(std::min(1.0, reach / r));
  while (to < from) to += turn;
  double centre = towards;
  while (centre < from) centre += turn;
  while (centre >= from + turn) centre -= turn;
  // The rim inside that window, as a polygon; a fill closes it with the same rim pulled inwards
  // past the rectangle, which covers everything of the disc that can show.
  const double inner = std::max(0.0, r - 4 * reach);
  constexpr int STEPS = 512;
  for (int k = -1; k <= 1; ++k) {
    // A full circle is the one window in a piece; an arc is cut at its ends.
    if (full && k != 0) continue;
    const double a0 = full ? centre - halfSpan : std::max(from, centre + k * turn - halfSpan);
    const double a1 = full ? centre + halfSpan : std::min(to, centre + k * turn + halfSpan);
    if (a0 >= a1) continue;
    cairo_new_sub_path(cr);
    for (int i = 0; i <= STEPS; ++i) {
      const double a = a0 + (a1 - a0) * i / STEPS;
      cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    if (!filled) continue;
    for (int i = STEPS; i >= 0; --i) {
      const double a = a0 + (a1 - a0) * i / STEPS;
      cairo_line_to(cr, cx + inner * std::cos(a), cy + inner * std::sin(a));
    }
    cairo_close_path(cr);
  }
}

void paintCircle(cairo_t* cr, const Op& op) {
  const double r = op.radius;
  if (!finite(op.cx, op.cy) || !std::isfinite(r) || !std::isfinite(op.start) || !std::isfinite(op.end)) return;
  // What shows of a circle lies within its pen's reach of the rim; skip it when the rim misses
  // the working rectangle (all outside it, or all of it inside the circle and nothing to fill).
  const double cx = op.cx + 0.5, cy = op.cy + 0.5;
  const double nearX = std::clamp(cx, MIN_X, MAX_X) - cx, nearY = std::clamp(cy, MIN_Y, MAX_Y) - cy;
  const double farX = std::max(std::fabs(MIN_X - cx), std::fabs(MAX_X - cx));
  const double farY = std::max(std::fabs(MIN_Y - cy), std::fabs(MAX_Y - cy));
  const double pen = std::min<double>(std::max(1, op.pen), MAX_PAINTED_PEN);
  if (std::hypot(nearX, nearY) > r + pen) return;
  const bool full = op.start == 0 && op.end == 0;
  if (std::hypot(farX, farY) < r - pen) {
    // The working rectangle lies inside the circle, away from its rim.
    if (!op.filled) return;
    if (full) {
      setColour(cr, op.fill);
      cairo_rectangle(cr, MIN_X, MIN_Y, MAX_X - MIN_X, MAX_Y - MIN_Y);
      cairo_fill(cr);
      return;
    }
  }
  const double turn = 2 * std::numbers::pi;
  // An end below the start wraps through the right-pointing direction (cairo_arc does so too).
  const double from = full ? 0 : op.start * turn;
  const double to = full ? turn : op.end * turn;
  if (op.filled && full && op.fill == op.colour) {
    // A disc in one colour is the filled circle with its pen-wide rim: painted as one disc,
    // because stroking a rim wider than the circle itself would leave a hole in a small dot.
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r + pen / 2, 0, turn);
    setColour(cr, op.colour);
    cairo_fill(cr);
    return;
  }
  circlePath(cr, cx, cy, r, from, to, full, op.filled);
  if (op.filled) {
    setColour(cr, op.fill);
    cairo_fill_preserve(cr);
  }
  setColour(cr, op.colour);
  strokeWithPen(cr, op.pen);
}

void paintPolyline(cairo_t* cr, const Op& op) {
  setColour(cr, op.colour);
  for (std::size_t i = 1; i < op.points.size(); ++i) {
    double x1 = op.points[i - 1].x, y1 = op.points[i - 1].y, x2 = op.points[i].x, y2 = op.points[i].y;
    if (!clipSegment(x1, y1, x2, y2)) continue;
    cairo_move_to(cr, x1 + 0.5, y1 + 0.5);
    cairo_line_to(cr, x2 + 0.5, y2 + 0.5);
  }
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  strokeWithPen(cr, op.pen);
}

void paintText(cairo_t* cr, const Op& op) {
  if (!finite(op.x1, op.y1) || op.x1 < MIN_X || op.x1 > MAX_X || op.y1 < MIN_Y || op.y1 > MAX_Y) return;
  setColour(cr, op.colour);
  if (const auto bars = equalsBars(op)) {
    cairo_set_line_width(cr, bars->thickness);
    for (const double y : {bars->upper, bars->lower}) {
      cairo_move_to(cr, bars->left, y);
      cairo_line_to(cr, bars->right, y);
    }
    cairo_stroke(cr);
    return;
  }
  cairo_matrix_t ctm;
  cairo_get_matrix(cr, &ctm);
  const PlacedText placed = placeText(op, ctm);
  cairo_set_scaled_font(cr, placed.font);
  cairo_move_to(cr, placed.x, placed.y);
  cairo_show_text(cr, placed.text.c_str());
  cairo_new_path(cr);
}

// Where fitCanvas puts the canvas on a device surface: scaled to fit, centred, its top-left corner
// on a whole device pixel.
struct Placement {
  double scale, left, top;
};

Placement placementOn(int deviceWidth, int deviceHeight) {
  const double scale = std::min(static_cast<double>(deviceWidth) / CANVAS_WIDTH,
                                static_cast<double>(deviceHeight) / CANVAS_HEIGHT);
  return {scale, std::round((deviceWidth - CANVAS_WIDTH * scale) / 2),
          std::round((deviceHeight - CANVAS_HEIGHT * scale) / 2)};
}

cairo_matrix_t canvasMatrix(const Placement& p) {
  cairo_matrix_t m;
  cairo_matrix_init_translate(&m, p.left, p.top);
  cairo_matrix_scale(&m, p.scale, p.scale);
  return m;
}

// What fitCanvas does, within the clip already set on cr, whose transform is the identity: paints
// the background there, then clips to the canvas and maps the canvas onto the device.
void placeCanvas(cairo_t* cr, int deviceWidth, int deviceHeight) {
  const Placement p = placementOn(deviceWidth, deviceHeight);
  paintBackground(cr);
  // The canvas is clipped to whole device pixels: an antialiased clip would keep a faint line of
  // whatever an erase at the canvas's edge paints over.
  const Rect shown = touchedPixels({p.left, p.top, p.left + CANVAS_WIDTH * p.scale, p.top + CANVAS_HEIGHT * p.scale});
  cairo_rectangle(cr, shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top);
  cairo_clip(cr);
  cairo_translate(cr, p.left, p.top);
  cairo_scale(cr, p.scale, p.scale);
}

DeviceRect unite(const DeviceRect& a, const DeviceRect& b) {
  if (b.empty()) return a;
  const int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
  return {left, top, std::max(a.x + a.w, b.x + b.w) - left, std::max(a.y + a.h, b.y + b.h) - top};
}

}  // namespace

void paintBackground(cairo_t* cr) {
  setColour(cr, 15);
  cairo_paint(cr);
}

void paintOp(cairo_t* cr, const Op& op) {
  // The stroke style is set afresh for every operation (polylines round their joins): a window
  // keeps its cairo context from frame to frame, and must paint as a fresh one does.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  switch (op.kind) {
    case OpKind::Clear:
      setColour(cr, CLEAR_COLOUR);
      cairo_paint(cr);
      break;
    case OpKind::Line: paintLine(cr, op); break;
    case OpKind::Box: paintBox(cr, op); break;
    case OpKind::FilledBox: paintFilledBox(cr, op); break;
    case OpKind::Circle: paintCircle(cr, op); break;
    case OpKind::Polyline: paintPolyline(cr, op); break;
    case OpKind::Text:
      if (textPaintable(op)) paintText(cr, op);
      break;
    case OpKind::Key: break;
  }
}

void paintOps(cairo_t* cr, const std::vector<Op>& ops, std::size_t from) {
  for (std::size_t i = from; i < ops.size(); ++i) paintOp(cr, ops[i]);
}

void fitCanvas(cairo_t* cr, int deviceWidth, int deviceHeight) {
  cairo_identity_matrix(cr);
  cairo_reset_clip(cr);
  placeCanvas(cr, deviceWidth, deviceHeight);
}

void paintWholeOnto(cairo_surface_t* image, const std::vector<Op>& ops) {
  cairo_t* cr = cairo_create(image);
  fitCanvas(cr, cairo_image_surface_get_width(image), cairo_image_surface_get_height(image));
  paintOps(cr, ops, 0);
  cairo_destroy(cr);
  cairo_surface_flush(image);
}

DeviceRect devicePixels(const Bounds& b, int deviceWidth, int deviceHeight) {
  if (b.empty()) return {};
  const cairo_matrix_t m = canvasMatrix(placementOn(deviceWidth, deviceHeight));
  double x1 = b.left, y1 = b.top, x2 = b.right, y2 = b.bottom;
  cairo_matrix_transform_point(&m, &x1, &y1);
  cairo_matrix_transform_point(&m, &x2, &y2);
  const auto within = [](double v, int size) { return std::clamp(v, 0.0, static_cast<double>(size)); };
  const int left = static_cast<int>(std::floor(within(x1, deviceWidth)));
  const int top = static_cast<int>(std::floor(within(y1, deviceHeight)));
  const int right = static_cast<int>(std::ceil(within(x2, deviceWidth)));
  const int bottom = static_cast<int>(std::ceil(within(y2, deviceHeight)));
  return {left, top, right - left, bottom - top};
}

// The part is painted on the scratch pixels with the very transform a whole painting uses, only
// clipped to the part, so that every operation lands on the same device coordinates to the last
// bit. (cairo carries a text's origin to device pixels, back to canvas pixels and forth again; on
// a surface with an origin of its own the last bit can come out otherwise, and an origin half-way
// between two device pixels then rounds to the other one.) The part holds whole each operation
// reaching into the area but filled boxes and clears, which paint whole device pixels: cairo
// paints a glyph that a clip cuts through only within the glyph's box, which leaves out the row of
// ink a synthetic bold adds below it, and rasterises a stroke or a disc that a clip cuts through
// from the shape cut at the clip, whose edges, split where they cross, cover the pixels anywhere
// along it a level or two otherwise. Then only the area is copied onto the image.
void repaintPixels(cairo_surface_t* image, const DeviceRect& area, Canvas& canvas, cairo_surface_t* scratch) {
  if (area.empty()) return;
  const int width = cairo_image_surface_get_width(image), height = cairo_image_surface_get_height(image);
  const Placement p = placementOn(width, height);
  // The canvas pixels that the device pixels in area show.
  const Bounds shown{(area.x - p.left) / p.scale, (area.y - p.top) / p.scale, (area.x + area.w - p.left) / p.scale,
                     (area.y + area.h - p.top) / p.scale};
  const std::vector<Op>& ops = canvas.displayList();
  std::vector<std::size_t> touching;
  DeviceRect part = area;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    if (!canvas.bounds(i).intersects(shown)) continue;
    touching.push_back(i);
    if (ops[i].kind == OpKind::Text) {
      if (canvas.ink(i).intersects(shown)) part = unite(part, devicePixels(canvas.ink(i), width, height));
    } else if (ops[i].kind != OpKind::FilledBox && ops[i].kind != OpKind::Clear) {
      part = unite(part, devicePixels(canvas.bounds(i), width, height));
    }
  }
  cairo_t* cr = cairo_create(scratch);
  cairo_rectangle(cr, part.x, part.y, part.w, part.h);
  cairo_clip(cr);
  placeCanvas(cr, width, height);
  for (const std::size_t i : touching) paintOp(cr, ops[i]);
  cairo_destroy(cr);
  cairo_t* out = cairo_create(image);
  cairo_set_operator(out, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(out, scratch, 0, 0);
  cairo_rectangle(out, area.x, area.y, area.w, area.h);
  cairo_fill(out);
  cairo_destroy(out);
}

bool writeCanvasPng(const std::string& path, double scale) {
  return writeCanvasPng(path, static_cast<int>(std::lround(CANVAS_WIDTH * scale)),
                        static_cast<int>(std::lround(CANVAS_HEIGHT * scale)));
}

bool writeCanvasPng(const std::string& path, int deviceWidth, int deviceHeight) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, deviceWidth, deviceHeight);
  paintWholeOnto(surface, canvas().displayList());
  const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return ok;
}
