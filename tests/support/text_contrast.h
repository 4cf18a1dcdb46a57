// What a pupil reads: each character a run wrote, with the colour it is written in and the colour
// it stands on, read from the operation log, and the contrast of the two as the palette paints
// them (the WCAG 2 contrast ratio on 8-bit sRGB).
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "engine/platform/oplog.h"
#include "engine/platform/palette.h"

// Relative luminance of a palette colour as the screen shows it, in 8-bit channels.
inline double luminance(const Rgb& c) {
  const auto linear = [](double v) {
    v = std::round(v * 255) / 255;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

// The contrast ratio of two colours, from 1 (the same) to 21 (black and white).
inline double contrast(const Rgb& a, const Rgb& b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
inline double contrast(int a, int b) { return contrast(PALETTE[a], PALETTE[b]); }

// A colour in CIELAB (D65), as 8-bit sRGB shows it: L* from 0 (black) to 100 (white). Flare,
// a share of white that a screen's black level and a lit room add to every colour, may be given.
struct Lab {
  double l, a, b;
};
inline Lab lab(const Rgb& c, double flare = 0) {
  const auto linear = [flare](double v) {
    v = std::round(v * 255) / 255;
    return (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4)) + flare;
  };
  const double r = linear(c.r), g = linear(c.g), b = linear(c.b);
  const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
  const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
  const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
  const auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
  return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}
// How far apart two colours look side by side on a projector: their distance in CIELAB (the 1976
// colour difference), with the flare the contrast ratio allows for (5% of white) added to both,
// which brings dark colours together as a projector's black level does. About 2 is the least an
// eye tells apart, 10 a clear difference; black and white are 70 apart.
inline constexpr double FLARE = 0.05;
inline double colourDifference(const Rgb& p, const Rgb& q) {
  const Lab a = lab(p, FLARE), b = lab(q, FLARE);
  return std::hypot(a.l - b.l, a.a - b.a, a.b - b.b);
}

// Text smaller than this many pixels tall is small text, which needs a higher contrast (the
// guidelines' large text starts at 18 points, 24 pixels).
inline constexpr double LARGE_TEXT = 24;

struct WrittenCharacter {
  std::string character;  // UTF-8
  int colour = 0;         // the text's colour number
  int ground = 15;        // the colour number it stands on
  bool small = false;
  float x = 0, y = 0;            // the centre of its cell
  std::uint64_t keysBefore = 0;  // keys read before it was drawn
};

namespace text_contrast_detail {

// A filled area a text may stand on: a filled box, or a filled circle or sector.
struct Ground {
  const Op* op;
  bool covers(double x, double y) const {
    if (op->kind == OpKind::FilledBox)
      return x >= std::min(op->x1, op->x2) && x < std::max(op->x1, op->x2) + 1 && y >= std::min(op->y1, op->y2) &&
             y < std::max(op->y1, op->y2) + 1;
    const double dx = x - (op->cx + 0.5), dy = y - (op->cy + 0.5);
    if (std::hypot(dx, dy) > op->radius) return false;
    if (op->start == 0 && op->end == 0) return true;
    // A sector from start to end, in turns clockwise on the screen from the right.
    const double turn = std::atan2(dy, dx) / (2 * std::numbers::pi);
    const double a = turn - std::floor(turn);
    return op->start <= op->end ? a >= op->start && a <= op->end : a >= op->start || a <= op->end;
  }
};

// The characters of UTF-8 text, each with its code point.
struct Character {
  char32_t code;
  std::string utf8;
};
inline std::vector<Character> characters(const std::string& s) {
  std::vector<Character> out;
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = std::min(s.size() - i, std::size_t{b < 0x80 ? 1u : b < 0xE0 ? 2u : b < 0xF0 ? 3u : 4u});
    char32_t c = n == 1 ? b : b & (0x3F >> (n - 1));
    for (std::size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    out.push_back({c, s.substr(i, n)});
    i += n;
  }
  return out;
}

}  // namespace text_contrast_detail

// Every character the operations write, each on the colour under the middle of its cell: the
// last filled box, disc or sector drawn before it that covers that point, else the page (white,
// or the clear colour after a clear). A cell is size x magnification wide, half that for ASCII
// and half-width katakana, and size x magnification tall. Blanks write nothing and are left out,
// and so is text written in the colour it stands on: that erases an earlier text, it says nothing.
inline std::vector<WrittenCharacter> writtenCharacters(const std::vector<Op>& ops) {
  using text_contrast_detail::Ground;
  std::vector<WrittenCharacter> written;
  std::vector<Ground> grounds;
  int page = 15;
  std::uint64_t keys = 0;
  for (const Op& op : ops) {
    switch (op.kind) {
      case OpKind::Key: ++keys; continue;
      case OpKind::Clear:
        grounds.clear();
        page = CLEAR_COLOUR;
        continue;
      case OpKind::FilledBox:
        if (std::min(op.x1, op.x2) <= 0 && std::min(op.y1, op.y2) <= 0 && std::max(op.x1, op.x2) >= CANVAS_WIDTH &&
            std::max(op.y1, op.y2) >= CANVAS_HEIGHT) {
          // Over the whole page: a new page in its fill.
          grounds.clear();
          page = op.fill;
          continue;
        }
        grounds.push_back({&op});
        continue;
      case OpKind::Circle:
        if (op.filled) grounds.push_back({&op});
        continue;
      case OpKind::Text: break;
      default: continue;
    }
    const double height = static_cast<double>(op.size) * op.magY;
    double x = op.x1;
    for (const auto& [c, utf8] : text_contrast_detail::characters(op.text)) {
      const bool half = c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F);
      const double width = static_cast<double>(op.size) * op.magX / (half ? 2 : 1);
      const double cx = x + width / 2, cy = op.y1 + height / 2;
      x += width;
      if (c == U' ' || c == U'\u3000') continue;
      int ground = page;
      for (auto g = grounds.rbegin(); g != grounds.rend(); ++g)
        if (g->covers(cx, cy)) {
          ground = g->op->fill;
          break;
        }
      if (ground == op.colour) continue;
      written.push_back({utf8, op.colour, ground, height < LARGE_TEXT, static_cast<float>(cx), static_cast<float>(cy),
                         keys});
    }
  }
  return written;
}
