// What a pupil sees, pixel by pixel: every colour the operations paint, each against what lies
// under it. A run's operations are painted one by one at the canvas's own size, as the renderer
// paints them, and every pixel an operation covers at least half is read against the colour the
// canvas showed there before it: the ink of a text or a line against its ground (fills, lines and
// texts drawn earlier alike), a fill against what it covers and what lies beside it. Each pair of
// colours is kept with the share of the operation's ink it took and a place where it was seen.
//
// What erases says nothing and is left out: ink in the colour of the fill under it, ink on the
// same colour, and an operation drawn again at the place of one of the same shape (a text
// highlighted in another colour) stands on what the earlier one stood on, as the display list
// replaces it.
#pragma once

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "engine/platform/canvas.h"
#include "engine/platform/ink.h"
#include "engine/platform/oplog.h"
#include "engine/platform/palette.h"
#include "engine/platform/render.h"
#include "text_contrast.h"
#include "tools/scene_walk.h"

// What the ink is, for the floor it must reach.
enum class Ink { Text, SmallText, Line, Fill };

inline const char* inkName(Ink ink) {
  static constexpr const char* NAMES[] = {"text", "small text", "line", "fill"};
  return NAMES[static_cast<int>(ink)];
}

struct InkPair {
  Ink ink;
  int colour;  // the ink's colour number
  int ground;  // the colour number it lies on, or beside (a fill)
  auto operator<=>(const InkPair&) const = default;
};

// A pair matters to a pupil where it takes at least this share of an operation's ink, and this
// many pixels: a glyph's corner touching a line, or the dot that rounds a box's corner over the
// fill beside it, is no part of reading.
inline constexpr double SLIVER = 0.05;
inline constexpr long FEW_PIXELS = 16;

// Where a pair was seen: the operation that painted most of it, of those where it matters.
struct PairSighting {
  long pixels = 0;               // all pixels of the pair, over the run
  int operations = 0;            // operations that painted it
  bool matters = false;          // it matters to a pupil in one of them at least
  long operationPixels = 0;      // the pixels of the pair in the operation shown
  double share = 0;              // their share of that operation's ink
  std::string operation;         // that operation, as the log describes it
  int x = 0, y = 0;              // a pixel of it there
  std::uint64_t keysBefore = 0;  // keys read before it was painted
  // Keys read before each operation where it matters, in order, each number once.
  std::vector<std::uint64_t> mattersAfterKeys;
};

using InkPairs = std::map<InkPair, PairSighting>;

inline constexpr const char* COLOUR_NAMES[16] = {
    "black", "blue", "dark red", "red",  "dark blue", "blue",   "dark green", "purple",
    "dark grey", "green", "navy", "teal", "violet",   "yellow", "orange",     "white"};

inline std::string colourName(int n) { return std::to_string(n) + " " + COLOUR_NAMES[n]; }

// Where a walk was after `keys` keys: the section (by its main-menu item) and the scene.
inline std::string placeInWalk(const SceneWalk& walk, std::uint64_t keys) {
  for (const SceneWalk::Section& section : walk.sections())
    for (std::size_t k = 0; k < section.scenes.size(); ++k) {
      const SceneWalk::Scene& scene = section.scenes[k];
      if (keys >= scene.startKey && keys <= scene.startKey + static_cast<std::uint64_t>(scene.keys))
        return "section " + std::to_string(section.menuItem) + ", item " + std::to_string(k + 1);
    }
  return "a menu";
}

// Two fills side by side are clearly apart at this colour difference.
inline constexpr double FILLS_APART = 20;

// The floor each ink must reach on its ground: a contrast ratio for texts and lines, a colour
// difference (colourDifference) for a fill against what lies beside or under it.
inline double floorOf(Ink ink) {
  switch (ink) {
    case Ink::Text: return 3.0;
    case Ink::SmallText: return 4.5;
    case Ink::Line: return 3.0;
    case Ink::Fill: return FILLS_APART;
  }
  return 0;
}

// How a pair scores in a palette: a contrast ratio, or a fill's colour difference.
inline double score(const InkPair& pair, const Rgb* palette) {
  return pair.ink == Ink::Fill ? colourDifference(palette[pair.colour], palette[pair.ground])
                               : contrast(palette[pair.colour], palette[pair.ground]);
}

namespace ink_pairs_detail {

inline std::uint64_t shapeKey(const Op& op) {
  // Everything that makes two operations the same shape, but their colours.
  std::uint64_t h = 1469598103934665603ull;
  const auto mix = [&h](std::uint64_t v) { h = (h ^ v) * 1099511628211ull; };
  const auto mixFloat = [&](float f) { mix(std::hash<float>{}(f)); };
  mix(static_cast<std::uint64_t>(op.kind));
  for (float f : {op.x1, op.y1, op.x2, op.y2, op.cx, op.cy, op.radius, op.start, op.end, op.size}) mixFloat(f);
  for (const Point& p : op.points) {
    mixFloat(p.x);
    mixFloat(p.y);
  }
  mix(op.filled);
  mix(static_cast<std::uint64_t>(op.pen));
  mix(static_cast<std::uint64_t>(op.magX) * 64 + static_cast<std::uint64_t>(op.magY));
  mix(std::hash<std::string>{}(op.text));
  mix(std::hash<std::string>{}(op.face));
  mix(op.bold * 2u + op.italic);
  return h;
}

inline bool coversCanvas(const Op& op) {
  return op.kind == OpKind::FilledBox && std::min(op.x1, op.x2) <= 0 && std::min(op.y1, op.y2) <= 0 &&
         std::max(op.x1, op.x2) >= CANVAS_WIDTH - 1 && std::max(op.y1, op.y2) >= CANVAS_HEIGHT - 1;
}

inline double distance2(const Rgb& a, double r, double g, double b) {
  return (a.r - r) * (a.r - r) + (a.g - g) * (a.g - g) + (a.b - b) * (a.b - b);
}

}  // namespace ink_pairs_detail

// Reads the pairs of a run's operations, in their order.
class InkReader {
 public:
  InkReader() { restart(15); }

  void add(const Op& op) {
    switch (op.kind) {
      case OpKind::Key: ++keys_; return;
      case OpKind::Clear: restart(CLEAR_COLOUR); return;
      default: break;
    }
    if (ink_pairs_detail::coversCanvas(op)) {
      restart(op.fill);
      return;
    }
    paint(op);
  }

  const InkPairs& pairs() const { return pairs_; }
  // Whether white ink shows at the canvas pixel: white text or lines on a darker ground, not an
  // erase (white on white) nor a white fill (the page, as a zone clear paints it).
  bool whiteInk(int x, int y) const { return whiteInk_[static_cast<std::size_t>(y) * W + x] != 0; }

 private:
  static constexpr int W = CANVAS_WIDTH, H = CANVAS_HEIGHT;
  // What an operation painted on a pixel: nothing, its line colour, or its fill.
  enum Covered : unsigned char { NONE, LINE, FILL };

  void restart(int page) {
    shown_.assign(static_cast<std::size_t>(W) * H, static_cast<unsigned char>(page));
    filled_ = shown_;
    shape_.assign(static_cast<std::size_t>(W) * H, 0);
    whiteInk_.assign(static_cast<std::size_t>(W) * H, 0);
  }

  void paint(const Op& op) {
    // Where its paint can land at the canvas's size, as the display list measures it.
    const Bounds b = inkBounds(op).clippedTo(boundsOf(op)).clippedTo(Bounds{0, 0, W, H});
    if (b.empty()) return;
    // A pixel's margin round it, to find what lies beside a fill.
    const int left = std::max(0, static_cast<int>(std::floor(b.left)) - 1);
    const int top = std::max(0, static_cast<int>(std::floor(b.top)) - 1);
    const int right = std::min(W, static_cast<int>(std::ceil(b.right)) + 1);
    const int bottom = std::min(H, static_cast<int>(std::ceil(b.bottom)) + 1);
    const int w = right - left, h = bottom - top;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_surface_set_device_offset(surface, -left, -top);
    cairo_t* cr = cairo_create(surface);
    paintOp(cr, op);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);

    // A disc no wider than the pen is a dot, ink as a line's is.
    const bool hasFill =
        op.fill >= 0 && (op.kind == OpKind::FilledBox || (op.kind == OpKind::Circle && op.filled && op.radius > op.pen));
    std::vector<unsigned char> coveredPixels(static_cast<std::size_t>(w) * h, NONE);
    // The loops below run over every pixel of every operation: plain pointers keep them quick in
    // a build that checks every vector index.
    unsigned char* const covered = coveredPixels.data();
    unsigned char* const shown = shown_.data();
    unsigned char* const filled = filled_.data();
    std::uint64_t* const shapes = shape_.data();
    unsigned char* const whiteInk = whiteInk_.data();
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const unsigned char* p = data + y * stride + x * 4;  // B G R A, premultiplied
        if (p[3] < 128) continue;
        if (!hasFill || op.fill == op.colour) {
          covered[y * w + x] = hasFill ? FILL : LINE;
          continue;
        }
        const double a = p[3];
        const double r = p[2] / a, g = p[1] / a, bl = p[0] / a;
        covered[y * w + x] = ink_pairs_detail::distance2(PALETTE[op.fill], r, g, bl) <=
                                     ink_pairs_detail::distance2(PALETTE[op.colour], r, g, bl)
                                 ? FILL
                                 : LINE;
      }
    cairo_surface_destroy(surface);

    const std::uint64_t shape = ink_pairs_detail::shapeKey(op);
    const bool small = static_cast<double>(op.size) * op.magY < LARGE_TEXT;
    const Ink lineInk = op.kind != OpKind::Text ? Ink::Line : small ? Ink::SmallText : Ink::Text;
    std::map<InkPair, std::tuple<long, int, int>> seen;  // pixels, and one of them
    long inkPixels = 0;
    // Neighbouring pixels mostly note the same pair: the last one is kept at hand.
    InkPair lastPair{Ink::Fill, -1, -1};
    std::tuple<long, int, int>* last = nullptr;
    const auto note = [&](Ink ink, int colour, int ground, int x, int y) {
      const InkPair pair{ink, colour, ground};
      if (last == nullptr || !(pair == lastPair)) {
        lastPair = pair;
        last = &seen[pair];
      }
      auto& [pixels, px, py] = *last;
      if (pixels++ == 0) {
        px = x;
        py = y;
      }
    };
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const unsigned char c = covered[y * w + x];
        if (c == NONE) continue;
        const int cx = left + x, cy = top + y;
        const std::size_t at = static_cast<std::size_t>(cy) * W + cx;
        const int colour = c == FILL ? op.fill : op.colour;
        // The same shape drawn again stands on what the earlier one stood on.
        const int ground = shapes[at] == shape ? filled[at] : shown[at];
        ++inkPixels;
        if (c == LINE && !hasFill) {
          if (colour != ground && colour != filled[at]) note(lineInk, colour, ground, cx, cy);
        } else {
          // A fill, and its rim: the pixel-wide edge of the fill, which shows it against what
          // lies beside it.
          if (c == FILL && op.fill != ground) note(Ink::Fill, op.fill, ground, cx, cy);
          // What lies beside it, where it ends.
          for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int nx = x + dx, ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < w && ny < h && covered[ny * w + nx] != NONE) continue;
            const int ax = cx + dx, ay = cy + dy;
            if (ax < 0 || ay < 0 || ax >= W || ay >= H) continue;
            const int beside = shown[static_cast<std::size_t>(ay) * W + ax];
            if (beside != op.fill) note(Ink::Fill, op.fill, beside, ax, ay);
          }
        }
      }
    for (const auto& [pair, found] : seen) {
      const auto& [pixels, px, py] = found;
      PairSighting& s = pairs_[pair];
      s.pixels += pixels;
      ++s.operations;
      const double share = static_cast<double>(pixels) / static_cast<double>(std::max(1L, inkPixels));
      const bool matters = share >= SLIVER && pixels >= FEW_PIXELS;
      if (matters && (s.mattersAfterKeys.empty() || s.mattersAfterKeys.back() != keys_))
        s.mattersAfterKeys.push_back(keys_);
      if (s.operations == 1 || (matters && !s.matters) || (matters == s.matters && pixels > s.operationPixels)) {
        s.matters = matters;
        s.operationPixels = pixels;
        s.share = share;
        s.operation = describe(op);
        s.x = px;
        s.y = py;
        s.keysBefore = keys_;
      }
    }
    // The canvas as it shows now.
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const unsigned char c = covered[y * w + x];
        if (c == NONE) continue;
        const std::size_t at = static_cast<std::size_t>(top + y) * W + left + x;
        const int colour = c == FILL ? op.fill : op.colour;
        const bool lineInk = c == LINE && !hasFill;
        whiteInk[at] = lineInk && colour == 15 && filled[at] != 15;
        shown[at] = static_cast<unsigned char>(colour);
        if (c == FILL) filled[at] = static_cast<unsigned char>(op.fill);
        shapes[at] = shape;
      }
  }

  std::vector<unsigned char> shown_;   // the colour each pixel shows
  std::vector<unsigned char> filled_;  // the colour of the fill (or page) under it
  std::vector<std::uint64_t> shape_;   // the shape of the operation that painted it last
  std::vector<unsigned char> whiteInk_;
  InkPairs pairs_;
  std::uint64_t keys_ = 0;
};

inline InkPairs inkPairs(const std::vector<Op>& ops) {
  InkReader reader;
  for (const Op& op : ops) reader.add(op);
  return reader.pairs();
}
