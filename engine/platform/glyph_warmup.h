// Rasterising a glyph the first time costs many times what painting it again does: FreeType
// loads, hints, emboldens and renders it, and cairo makes the scaled font of each new face and
// size. A page full of new characters took nearly half again as long to draw the first time as
// the next. The window therefore paints the characters the programs draw (drawn_characters.h)
// ahead of need, while it would otherwise only wait, so that every page finds its fonts made
// and its glyphs measured and rasterised in the caches that painting uses (text_metrics.h and
// cairo's own). Internal to the platform layer.
#pragma once

#include <cairo.h>

#include <array>
#include <cstddef>
#include <functional>

class GlyphWarmup {
 public:
  // Paints the characters not yet warm for the scale of ctm (the canvas's transform to device
  // pixels; its translation does not matter) on a small picture of its own, a few at a time,
  // asking stop() before every few: once it says so, the warm-up stops, and the next call
  // takes it up where it stopped. A new scale starts it afresh. Once every character is warm
  // for the scale a call does nothing and asks nothing. Returns how many it painted.
  std::size_t warm(const cairo_matrix_t& ctm, const std::function<bool()>& stop);

  // The characters there are to warm.
  static std::size_t size();

 private:
  std::array<double, 4> scale_{};  // the linear part of the transform warmed for
  std::size_t next_ = 0;           // the next character to warm for it
};
