// The drawing operations: each is recorded on the retained canvas, which a back end paints.
#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <unordered_map>

#include "../runtime.h"
#include "../strings.h"

namespace {

Backend* installed = nullptr;

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

// A text drawn, in UTF-8 as the operations carry it. Lessons draw the same few hundred glyphs
// and face names again and again, and converting one costs more than recording it.
const std::string& utf8Of(const std::string& cp932) {
  static std::unordered_map<std::string, std::string> converted;
  constexpr std::size_t MAX_KEPT = 4096;
  if (const auto it = converted.find(cp932); it != converted.end()) return it->second;
  if (converted.size() >= MAX_KEPT) converted.clear();
  return converted.emplace(cp932, toUtf8(cp932)).first->second;
}

}  // namespace

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
  keep(std::move(op));
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
  op.text = utf8Of(text);
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
  font.faceUtf8 = utf8Of(face);
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
