// The canvas's display list: what each operation may touch, what hides it, what replaces it.
#include <algorithm>
#include <cmath>

#include "canvas.h"
#include "ink.h"

namespace {

// Stroked shapes reach half the pen (capped as the painter caps it) plus a pixel of antialiasing
// beyond their path.
double strokeReach(int pen) { return std::min<double>(std::max(1, pen), MAX_PAINTED_PEN) / 2 + 2; }

Bounds box(double x1, double y1, double x2, double y2, double reach) {
  Bounds b{std::min(x1, x2) - reach, std::min(y1, y2) - reach, std::max(x1, x2) + reach, std::max(y1, y2) + reach};
  if (!std::isfinite(b.left) || !std::isfinite(b.top) || !std::isfinite(b.right) || !std::isfinite(b.bottom)) return {};
  return b;
}

// A filled box over the whole canvas hides everything before it, so the list can restart there.
bool coversCanvas(const Op& op) {
  return op.kind == OpKind::FilledBox && std::fmin(op.x1, op.x2) <= 0 && std::fmin(op.y1, op.y2) <= 0 &&
         std::fmax(op.x1, op.x2) >= CANVAS_WIDTH && std::fmax(op.y1, op.y2) >= CANVAS_HEIGHT;
}

// What a filled box paints over completely in a window of one device pixel per canvas pixel or
// more: the whole device pixels of the box (inkBounds), but for the canvas's outermost pixels, which
// the window may letterbox at a fraction of a device pixel and so paint only in part.
Bounds opaqueArea(const Op& op) {
  if (op.kind != OpKind::FilledBox) return {};
  const Bounds b = box(op.x1, op.y1, op.x2 + 1, op.y2 + 1, 0);
  if (b.empty()) return {};
  return {std::max(b.left, 1.0), std::max(b.top, 1.0), std::min(b.right, CANVAS_WIDTH - 1.0),
          std::min(b.bottom, CANVAS_HEIGHT - 1.0)};
}

// The radius within which a whole filled circle paints over everything, in canvas pixels: its
// disc, rim included, less the half pixel its antialiased edge takes (0 for any other operation,
// and for circles so large that they are painted as polygons).
double discCore(const Op& op) {
  if (op.kind != OpKind::Circle || !op.filled || op.start != 0 || op.end != 0 || !(op.radius <= CANVAS_WIDTH))
    return 0;
  return std::max(0.0, static_cast<double>(op.radius) + halfPen(op.pen) - ANTIALIAS);
}

// True when a and b paint exactly the same pixels, whatever their colours.
bool sameShape(const Op& a, const Op& b) {
  if (a.kind != b.kind) return false;
  switch (a.kind) {
    case OpKind::Line:
    case OpKind::Box: return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.pen == b.pen;
    case OpKind::FilledBox: return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
    case OpKind::Circle:
      return a.cx == b.cx && a.cy == b.cy && a.radius == b.radius && a.start == b.start && a.end == b.end &&
             a.filled == b.filled && a.pen == b.pen;
    case OpKind::Polyline:
      return a.pen == b.pen && a.points.size() == b.points.size() &&
             std::equal(a.points.begin(), a.points.end(), b.points.begin(),
                        [](const Point& p, const Point& q) { return p.x == q.x && p.y == q.y; });
    case OpKind::Text:
      return a.x1 == b.x1 && a.y1 == b.y1 && a.magX == b.magX && a.magY == b.magY && a.text == b.text &&
             a.face == b.face && a.size == b.size && a.bold == b.bold && a.italic == b.italic;
    case OpKind::Clear:
    case OpKind::Key: return false;
  }
  return false;
}

// FNV-1a over the bytes given.
class Hash {
 public:
  void bytes(const void* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
      h_ ^= static_cast<const unsigned char*>(data)[i];
      h_ *= 1099511628211ull;
    }
  }
  template <typename T>
  void value(const T& v) {
    bytes(&v, sizeof v);
  }
  void text(const std::string& s) {
    bytes(s.data(), s.size());
    value(s.size());
  }
  std::uint64_t value() const { return h_; }

 private:
  std::uint64_t h_ = 14695981039346656037ull;
};

// A hash of what sameShape compares: operations of the same shape have the same one.
std::uint64_t shapeHash(const Op& op) {
  Hash h;
  h.value(op.kind);
  switch (op.kind) {
    case OpKind::Line:
    case OpKind::Box:
      for (float f : {op.x1, op.y1, op.x2, op.y2}) h.value(f);
      h.value(op.pen);
      break;
    case OpKind::FilledBox:
      for (float f : {op.x1, op.y1, op.x2, op.y2}) h.value(f);
      break;
    case OpKind::Circle:
      for (float f : {op.cx, op.cy, op.radius, op.start, op.end}) h.value(f);
      h.value(op.filled);
      h.value(op.pen);
      break;
    case OpKind::Polyline:
      h.value(op.pen);
      for (const Point& p : op.points) h.value(p);
      break;
    case OpKind::Text:
      for (float f : {op.x1, op.y1, op.size}) h.value(f);
      for (int i : {op.magX, op.magY}) h.value(i);
      for (bool b : {op.bold, op.italic}) h.value(b);
      h.text(op.text);
      h.text(op.face);
      break;
    case OpKind::Clear:
    case OpKind::Key: break;
  }
  return h.value();
}

// A hash of a circle's centre.
std::uint64_t centreHash(const Op& op) {
  Hash h;
  for (float f : {op.cx, op.cy}) h.value(f);
  return h.value();
}

// A hash of everything about an operation that shows in the picture: its shape and its colours.
std::uint64_t contentHash(const Op& op, std::uint64_t shape) {
  Hash h;
  h.value(shape);
  h.value(op.colour);
  h.value(op.fill);
  return h.value();
}

}  // namespace

void Bounds::add(const Bounds& b) {
  if (b.empty()) return;
  if (empty()) {
    *this = b;
    return;
  }
  left = std::min(left, b.left);
  top = std::min(top, b.top);
  right = std::max(right, b.right);
  bottom = std::max(bottom, b.bottom);
}

Bounds Bounds::clippedTo(const Bounds& b) const {
  if (!intersects(b)) return {};
  return {std::max(left, b.left), std::max(top, b.top), std::min(right, b.right), std::min(bottom, b.bottom)};
}

Bounds boundsOf(const Op& op) {
  switch (op.kind) {
    case OpKind::Line:
    case OpKind::Box: return box(op.x1, op.y1, op.x2 + 1, op.y2 + 1, strokeReach(op.pen));
    case OpKind::FilledBox: return box(op.x1, op.y1, op.x2 + 1, op.y2 + 1, 2);
    case OpKind::Circle: {
      const double reach = std::fabs(static_cast<double>(op.radius)) + strokeReach(op.pen) + 1;
      return box(op.cx - reach, op.cy - reach, op.cx + reach, op.cy + reach, 0);
    }
    case OpKind::Polyline: {
      Bounds all;
      for (const Point& p : op.points) all.add(box(p.x, p.y, p.x + 1, p.y + 1, strokeReach(op.pen)));
      return all;
    }
    case OpKind::Text: {
      // Layout gives a text no more than a cell per character; a cell of slack on every side
      // takes in italic overhang, accents and glyphs that spill past their advance.
      std::size_t chars = 0;
      for (const char c : op.text) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
      const double w = std::fabs(static_cast<double>(op.size)) * op.magX;
      const double h = std::fabs(static_cast<double>(op.size)) * op.magY;
      return box(op.x1 - w, op.y1 - h, op.x1 + w * static_cast<double>(chars + 1), op.y1 + 2 * h, 0);
    }
    case OpKind::Clear: return {0, 0, CANVAS_WIDTH, CANVAS_HEIGHT};
    case OpKind::Key: return {};
  }
  return {};
}

void Canvas::keep(Op op) {
  if (op.kind == OpKind::Clear || coversCanvas(op)) restart();
  // A list nobody reads (a run without pictures) drops its gone entries once they are half of it.
  if (2 * gone_ > entries_.size()) compact();
  const Bounds b = boundsOf(op);
  // What can never show is not kept: nothing finite, or nothing on the canvas.
  if (!b.intersects(Bounds{0, 0, CANVAS_WIDTH, CANVAS_HEIGHT})) return;
  ++revision_;
  dropHiddenBy(opaqueArea(op));
  dropCircleUnder(op);
  const std::uint64_t shape = shapeHash(op);
  if (replaceSameShape(op, b, shape)) return;
  append(std::move(op), b, shape);
}

void Canvas::append(Op op, const Bounds& b, std::uint64_t shape) {
  const std::uint64_t content = contentHash(op, shape);
  display_.push_back(std::move(op));
  entries_.push_back(Entry{b, std::nullopt, nextSerial_++, nextPlace_, content, shape});
  if (display_.back().kind == OpKind::Circle) latestCircleAt_[centreHash(display_.back())] = nextPlace_;
  latestOfShape_[shape] = nextPlace_++;
  contentSum_ += content;
  ++structure_;
}

std::uint64_t Canvas::fingerprint() const {
  std::uint64_t h = contentSum_;
  for (std::uint64_t v : {static_cast<std::uint64_t>(generation_), structure_}) h = (h ^ v) * 1099511628211ull;
  return h;
}

const Bounds& Canvas::inkOf(std::size_t i) {
  Entry& e = entries_[i];
  // Within the bounds: they hold every pixel the operation may touch at any scale.
  if (!e.ink) e.ink = inkBounds(display_[i]).clippedTo(e.bounds);
  return *e.ink;
}

bool Canvas::replaceSameShape(Op& op, const Bounds& b, std::uint64_t shape) {
  const auto latest = latestOfShape_.find(shape);
  if (latest == latestOfShape_.end()) return false;
  const auto at = std::lower_bound(entries_.begin(), entries_.end(), latest->second,
                                   [](const Entry& e, std::uint64_t place) { return e.place < place; });
  const std::size_t i = static_cast<std::size_t>(at - entries_.begin());
  if (at == entries_.end() || at->place != latest->second || at->gone || !sameShape(display_[i], op)) return false;
  // It paints every pixel the earlier one painted. It takes the earlier one's place when
  // nothing drawn since paints over the same pixels (the same shape paints the same ink): the
  // picture is that of painting it last. Otherwise the earlier one goes and it comes last.
  for (std::size_t k = i + 1; k < entries_.size(); ++k) {
    if (!entries_[k].gone && entries_[k].bounds.intersects(b) && inkOf(k).intersects(inkOf(i))) {
      remove(i);
      return false;
    }
  }
  Entry& e = entries_[i];
  const std::uint64_t content = contentHash(op, shape);
  contentSum_ += content - e.content;
  e.content = content;
  e.serial = nextSerial_++;
  display_[i] = std::move(op);
  damage_.add(b);
  return true;
}

void Canvas::remove(std::size_t i) {
  Entry& e = entries_[i];
  contentSum_ -= e.content;
  ++structure_;
  damage_.add(e.bounds);
  latestOfShape_.erase(e.shape);
  e.gone = true;
  ++gone_;
}

void Canvas::compact() {
  if (gone_ == 0) return;
  std::size_t kept = 0;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].gone) continue;
    if (kept != i) {
      display_[kept] = std::move(display_[i]);
      entries_[kept] = std::move(entries_[i]);
    }
    ++kept;
  }
  display_.resize(kept);
  entries_.resize(kept);
  gone_ = 0;
}

void Canvas::hide(std::size_t i) {
  Entry& e = entries_[i];
  contentSum_ -= e.content;
  ++structure_;
  if (const auto it = latestOfShape_.find(e.shape); it != latestOfShape_.end() && it->second == e.place)
    latestOfShape_.erase(it);
  // Hidden where a device pixel is no larger than a canvas pixel; in a smaller window the
  // antialiased edges of what hides it may still let a trace of it through, which a painter that
  // keeps its picture paints afresh from the list.
  damage_.add(e.bounds);
  e.gone = true;
  ++gone_;
}

void Canvas::dropHiddenBy(const Bounds& opaque) {
  if (opaque.empty()) return;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    Entry& e = entries_[i];
    if (e.gone) continue;
    // Everything an operation may touch lies in its bounds, and its ink within them.
    const Bounds& b = e.bounds;
    if (!b.inside(opaque) && !(b.intersects(opaque) && (inkOf(i).empty() || inkOf(i).inside(opaque)))) continue;
    hide(i);
  }
  // One pass drops what the box hides and the entries already gone.
  compact();
}

void Canvas::dropCircleUnder(const Op& op) {
  const double core = discCore(op);
  if (core <= 0) return;
  const auto latest = latestCircleAt_.find(centreHash(op));
  if (latest == latestCircleAt_.end()) return;
  const auto at = std::lower_bound(entries_.begin(), entries_.end(), latest->second,
                                   [](const Entry& e, std::uint64_t place) { return e.place < place; });
  if (at == entries_.end() || at->place != latest->second || at->gone) return;
  const Op& under = display_[static_cast<std::size_t>(at - entries_.begin())];
  if (under.kind != OpKind::Circle || under.cx != op.cx || under.cy != op.cy) return;
  // Its own antialiased edge stays within the disc's: where the two meet at one device pixel per
  // canvas pixel, less than a level of its colour is left.
  if (static_cast<double>(under.radius) + halfPen(under.pen) + ANTIALIAS > core) return;
  hide(static_cast<std::size_t>(at - entries_.begin()));
  latestCircleAt_.erase(latest);
}

void Canvas::restart() {
  display_.clear();
  entries_.clear();
  gone_ = 0;
  latestOfShape_.clear();
  latestCircleAt_.clear();
  contentSum_ = 0;
  ++structure_;
  damage_ = {};
  ++generation_;
  ++revision_;
}

Bounds Canvas::takeDamage() {
  const Bounds d = damage_;
  damage_ = {};
  return d;
}
