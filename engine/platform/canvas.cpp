// The drawing operations: each is recorded on the retained canvas, which a back end paints.
#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>

#include "../runtime.h"
#include "../strings.h"

namespace {

Backend* installed = nullptr;

// Stroked shapes reach half the pen (capped as the painter caps it) plus a pixel of antialiasing
// beyond their path.
double strokeReach(int pen) { return std::min<double>(std::max(1, pen), MAX_PAINTED_PEN) / 2 + 2; }

// A filled box hides what lies inside it; its edges may be antialiased at fractional positions
// and any window scale, so only what lies this far inside counts as hidden.
constexpr double OPAQUE_INSET = 4;

// How far back an operation drawn again at the same place looks for its earlier self.
constexpr std::size_t SAME_SHAPE_LOOKBACK = 256;

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

// The part of a filled box that is sure to be painted over completely.
Bounds opaqueArea(const Op& op) {
  if (op.kind != OpKind::FilledBox) return {};
  const Bounds b = box(op.x1, op.y1, op.x2 + 1, op.y2 + 1, 0);
  if (b.empty()) return {};
  return {b.left + OPAQUE_INSET, b.top + OPAQUE_INSET, b.right - OPAQUE_INSET, b.bottom - OPAQUE_INSET};
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

// A hash of everything about an operation that shows in the picture.
std::uint64_t contentHash(const Op& op) {
  std::uint64_t h = 14695981039346656037ull;
  const auto mix = [&h](const void* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
      h ^= static_cast<const unsigned char*>(data)[i];
      h *= 1099511628211ull;
    }
  };
  const auto value = [&mix](const auto& v) { mix(&v, sizeof v); };
  value(op.kind);
  for (float f : {op.x1, op.y1, op.x2, op.y2, op.cx, op.cy, op.radius, op.start, op.end, op.size}) value(f);
  for (int i : {op.colour, op.fill, op.magX, op.magY, op.pen}) value(i);
  for (bool b : {op.filled, op.bold, op.italic}) value(b);
  mix(op.text.data(), op.text.size());
  value(op.text.size());
  mix(op.face.data(), op.face.size());
  value(op.face.size());
  for (const Point& p : op.points) value(p);
  return h;
}

Op withState(OpKind kind, int colour) {
  const Canvas& c = canvas();
  Op op;
  op.kind = kind;
  op.colour = colour;
  op.pen = c.pen;
  op.face = c.font.faceUtf8;
  op.size = c.font.size;
  op.bold = c.font.bold;
  op.italic = c.font.italic;
  return op;
}

int colourNumber(int colour) { return colour < 0 || colour > 15 ? 15 : colour; }

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

Canvas& canvas() {
  static Canvas instance;
  return instance;
}

Backend& backend() {
  if (installed == nullptr) raiseError(ErrorCode::IllegalArgument);
  return *installed;
}

void installBackend(Backend* b) { installed = b; }

void Canvas::add(Op op) {
  if (suppressed > 0) return;
  if (logging) log_.push_back(op);
  if (logOut) *logOut << describe(op) << '\n';
  if (op.kind == OpKind::Clear || coversCanvas(op)) restart();
  const Bounds b = boundsOf(op);
  // What can never show is not kept: nothing finite, or nothing on the canvas.
  if (!b.intersects(Bounds{0, 0, CANVAS_WIDTH, CANVAS_HEIGHT})) return;
  ++revision_;
  dropHiddenBy(opaqueArea(op));
  if (replaceSameShape(op, b)) return;
  append(std::move(op), b);
}

void Canvas::append(Op op, const Bounds& b) {
  const std::uint64_t h = contentHash(op);
  display_.push_back(std::move(op));
  bounds_.push_back(b);
  serials_.push_back(nextSerial_++);
  hashes_.push_back(h);
  contentSum_ += h;
  ++structure_;
}

std::uint64_t Canvas::fingerprint() const {
  std::uint64_t h = contentSum_;
  for (std::uint64_t v : {static_cast<std::uint64_t>(generation_), structure_}) h = (h ^ v) * 1099511628211ull;
  return h;
}

bool Canvas::replaceSameShape(Op& op, const Bounds& b) {
  const std::size_t stop = display_.size() > SAME_SHAPE_LOOKBACK ? display_.size() - SAME_SHAPE_LOOKBACK : 0;
  for (std::size_t i = display_.size(); i-- > stop;) {
    if (!bounds_[i].intersects(b)) continue;
    // The first earlier operation that overlaps decides: the same shape is replaced where it
    // stands (nothing after it overlaps, so the picture is the same as drawing over it),
    // anything else keeps its place under the new one.
    if (!sameShape(display_[i], op)) return false;
    const std::uint64_t h = contentHash(op);
    contentSum_ += h - hashes_[i];
    hashes_[i] = h;
    display_[i] = std::move(op);
    serials_[i] = nextSerial_++;
    damage_.add(b);
    return true;
  }
  return false;
}

void Canvas::dropHiddenBy(const Bounds& opaque) {
  if (opaque.empty()) return;
  std::size_t kept = 0;
  for (std::size_t i = 0; i < display_.size(); ++i) {
    if (bounds_[i].inside(opaque)) {
      contentSum_ -= hashes_[i];
      ++structure_;
      continue;
    }
    if (kept != i) {
      display_[kept] = std::move(display_[i]);
      bounds_[kept] = bounds_[i];
      serials_[kept] = serials_[i];
      hashes_[kept] = hashes_[i];
    }
    ++kept;
  }
  display_.resize(kept);
  bounds_.resize(kept);
  serials_.resize(kept);
  hashes_.resize(kept);
}

void Canvas::restart() {
  display_.clear();
  bounds_.clear();
  serials_.clear();
  hashes_.clear();
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

void Canvas::logKey(const std::string& key) {
  if (!logging && !logOut) return;
  Op op;
  op.kind = OpKind::Key;
  op.text = toUtf8(key);
  if (logOut) *logOut << describe(op) << std::endl;
  if (logging) log_.push_back(std::move(op));
}

void Canvas::clear() { add(withState(OpKind::Clear, 15)); }

void PsLINE(float x1, float y1, float x2, float y2, int colour, LineMode mode, int fillColour, Corner corner) {
  static constexpr OpKind kinds[] = {OpKind::Line, OpKind::Box, OpKind::FilledBox};
  Op op = withState(kinds[static_cast<int>(mode)], colourNumber(colour));
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = corner == Corner::Step ? x1 + x2 : x2;
  op.y2 = corner == Corner::Step ? y1 + y2 : y2;
  op.fill = mode == LineMode::FilledBox ? colourNumber(fillColour < 0 ? colour : fillColour) : -1;
  canvas().add(std::move(op));
}

void PsCIRCLE(float cx, float cy, float radius, int colour, float start, float end, bool filled, int paintColour) {
  Op op = withState(OpKind::Circle, colourNumber(colour));
  op.cx = cx;
  op.cy = cy;
  op.radius = std::fabs(radius);
  op.start = start;
  op.end = end;
  op.filled = filled;
  op.fill = filled ? colourNumber(paintColour < 0 ? colour : paintColour) : -1;
  canvas().add(std::move(op));
}

void PsCONNECT(std::initializer_list<Point> points, int colour) {
  Op op = withState(OpKind::Polyline, colourNumber(colour));
  op.points.assign(points.begin(), points.end());
  canvas().add(std::move(op));
}

void PsSYMBOL40(float x, float y, int magX, int magY, int colour, const std::string& text) {
  Op op = withState(OpKind::Text, colourNumber(colour));
  op.x1 = x;
  op.y1 = y;
  op.magX = magX < 1 ? 1 : magX;
  op.magY = magY < 1 ? 1 : magY;
  op.text = toUtf8(text);
  canvas().add(std::move(op));
}

void PsCLS() { canvas().clear(); }

std::string PfINKEY24() {
  std::string key = backend().pollKey();
  if (!key.empty()) canvas().logKey(key);
  return key;
}

std::string PfTIME24() { return backend().clockText(); }

void FE_SETMAPMODE() {}  // the canvas is always one unit per pixel, origin top left
void FE_MAXIMIZEWINDOW() { backend().maximize(); }
void FE_SETFONTNAME(const std::string& face) {
  FontState& font = canvas().font;
  font.face = face;
  font.faceUtf8 = toUtf8(face);
}
void FE_SETFONTSIZE(float size) { canvas().font.size = size; }
void FE_SETFONTBOLD(bool on) { canvas().font.bold = on; }
void FE_SETFONTITALIC(bool on) { canvas().font.italic = on; }
void FE_SETDRAWWIDTH(float width) { canvas().pen = ROUNDED(width); }
float FE_GETDRAWWIDTH() { return static_cast<float>(canvas().pen); }

MeasuringRun::MeasuringRun() { ++canvas().suppressed; }
MeasuringRun::~MeasuringRun() { --canvas().suppressed; }

void idleForever() {
  for (;;) backend().idle();
}

std::string describe(const Op& op) {
  char head[256];
  switch (op.kind) {
    case OpKind::Line:
    case OpKind::Box:
      std::snprintf(head, sizeof head, "%s %g,%g %g,%g c%d w%d", op.kind == OpKind::Line ? "LINE" : "BOX", op.x1, op.y1,
                    op.x2, op.y2, op.colour, op.pen);
      return head;
    case OpKind::FilledBox:
      std::snprintf(head, sizeof head, "FILL %g,%g %g,%g c%d f%d", op.x1, op.y1, op.x2, op.y2, op.colour, op.fill);
      return head;
    case OpKind::Circle:
      std::snprintf(head, sizeof head, "CIRCLE %g,%g r%g c%d arc%g..%g%s f%d w%d", op.cx, op.cy, op.radius, op.colour,
                    op.start, op.end, op.filled ? " filled" : "", op.fill, op.pen);
      return head;
    case OpKind::Polyline: {
      std::string s = "POLY c" + std::to_string(op.colour) + " w" + std::to_string(op.pen);
      for (const Point& p : op.points) {
        std::snprintf(head, sizeof head, " %g,%g", p.x, p.y);
        s += head;
      }
      return s;
    }
    case OpKind::Text:
      std::snprintf(head, sizeof head, "TEXT %g,%g c%d m%dx%d %s %g%s%s \"", op.x1, op.y1, op.colour, op.magX, op.magY,
                    op.face.c_str(), op.size, op.bold ? " bold" : "", op.italic ? " italic" : "");
      return head + op.text + "\"";
    case OpKind::Clear:
      return "CLS";
    case OpKind::Key: {
      if (op.text.size() == 1 && static_cast<unsigned char>(op.text[0]) < 32) {
        std::snprintf(head, sizeof head, "KEY chr(%d)", op.text[0]);
        return head;
      }
      return "KEY \"" + op.text + "\"";
    }
  }
  return "?";
}
