// The glyph warm-up that the window runs while it waits: it must give way when asked, never do
// the same work twice for a scale (a waiting program would pay for it at every wait), and start
// afresh for a new scale, whose glyphs are rasterised anew.
#include <cairo.h>
#include <gtest/gtest.h>

#include "engine/platform/glyph_warmup.h"

namespace {

cairo_matrix_t canvasTransform(double scale, double left = 0, double top = 0) {
  cairo_matrix_t ctm;
  cairo_matrix_init(&ctm, scale, 0, 0, scale, left, top);
  return ctm;
}

const auto NEVER = [] { return false; };

TEST(GlyphWarmup, GivesWayWhenAskedAndTakesUpWhereItStopped) {
  GlyphWarmup warmup;
  const cairo_matrix_t ctm = canvasTransform(1.4);
  int asked = 0;
  const std::size_t before = warmup.warm(ctm, [&] { return ++asked > 2; });
  EXPECT_EQ(asked, 3);
  EXPECT_GT(before, 0u);
  EXPECT_LT(before, GlyphWarmup::size());
  EXPECT_EQ(warmup.warm(ctm, [] { return true; }), 0u);
  EXPECT_EQ(before + warmup.warm(ctm, NEVER), GlyphWarmup::size());
}

TEST(GlyphWarmup, OnceWarmForAScaleItAsksNothingAndPaintsNothing) {
  GlyphWarmup warmup;
  EXPECT_EQ(warmup.warm(canvasTransform(0.75), NEVER), GlyphWarmup::size());
  int asked = 0;
  const auto counting = [&] {
    ++asked;
    return false;
  };
  EXPECT_EQ(warmup.warm(canvasTransform(0.75), counting), 0u);
  // The canvas moved within a window of another shape, at the same scale.
  EXPECT_EQ(warmup.warm(canvasTransform(0.75, 120, 0), counting), 0u);
  EXPECT_EQ(asked, 0);
}

TEST(GlyphWarmup, ANewScaleStartsAfresh) {
  GlyphWarmup warmup;
  EXPECT_EQ(warmup.warm(canvasTransform(1), NEVER), GlyphWarmup::size());
  EXPECT_EQ(warmup.warm(canvasTransform(2), NEVER), GlyphWarmup::size());
}

}  // namespace
