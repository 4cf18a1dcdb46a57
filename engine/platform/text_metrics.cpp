#include "text_metrics.h"

#include <array>
#include <map>
#include <utility>

namespace {

// A lesson uses a few dozen faces and ems; the window scales each of them once more whenever it
// changes size. Past these counts everything is measured afresh, so a long session of resizes
// cannot pile up fonts.
constexpr std::size_t MAX_FONTS = 512;
constexpr std::size_t MAX_TEXTS = 16384;

using FontKey = std::pair<cairo_font_face_t*, std::array<double, 6>>;

struct Cache {
  std::map<FontKey, cairo_scaled_font_t*> fonts;
  std::map<std::pair<cairo_scaled_font_t*, std::string>, cairo_text_extents_t> extents;
  cairo_font_options_t* options = nullptr;

  Cache() {
    // The options a context painting an image uses: those of the image surface (hinted metrics,
    // glyph positions rounded to pixels) merged with a fresh context's, which add nothing.
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    options = cairo_font_options_create();
    cairo_surface_get_font_options(image, options);
    cairo_surface_destroy(image);
  }
  ~Cache() {
    forget();
    cairo_font_options_destroy(options);
  }
  Cache(const Cache&) = delete;
  Cache& operator=(const Cache&) = delete;

  void forget() {
    extents.clear();
    for (const auto& [key, font] : fonts) cairo_scaled_font_destroy(font);
    fonts.clear();
  }
};

Cache& cache() {
  static Cache instance;
  return instance;
}

}  // namespace

cairo_scaled_font_t* scaledFont(cairo_font_face_t* face, double emX, double emY, const cairo_matrix_t& ctm) {
  Cache& c = cache();
  const FontKey key{face, {emX, emY, ctm.xx, ctm.yx, ctm.xy, ctm.yy}};
  if (const auto it = c.fonts.find(key); it != c.fonts.end()) return it->second;
  if (c.fonts.size() >= MAX_FONTS) c.forget();
  cairo_matrix_t em;
  cairo_matrix_init_scale(&em, emX, emY);
  cairo_matrix_t scale = ctm;
  scale.x0 = scale.y0 = 0;
  cairo_scaled_font_t* font = cairo_scaled_font_create(face, &em, &scale, c.options);
  c.fonts.emplace(key, font);
  return font;
}

const cairo_text_extents_t& textExtents(cairo_scaled_font_t* font, const std::string& utf8) {
  Cache& c = cache();
  auto key = std::make_pair(font, utf8);
  if (const auto it = c.extents.find(key); it != c.extents.end()) return it->second;
  if (c.extents.size() >= MAX_TEXTS) c.extents.clear();
  cairo_text_extents_t extents;
  cairo_scaled_font_text_extents(font, utf8.c_str(), &extents);
  return c.extents.emplace(std::move(key), extents).first->second;
}
