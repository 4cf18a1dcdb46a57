#include "support/pictures.h"

#include <cairo.h>

#include <algorithm>
#include <cstdlib>

#include "engine/platform/palette.h"
#include "engine/platform/render.h"
#include "support/test_support.h"

struct Picture::Surface {
  cairo_surface_t* image;
};

Pixel paletteColour(int colour) {
  const Rgb& c = PALETTE[colour];
  const auto channel = [](double v) { return static_cast<int>(v * 255 + 0.5); };
  return {channel(c.r), channel(c.g), channel(c.b)};
}

bool closeTo(const Pixel& a, const Pixel& b, int tolerance) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

Picture::Picture(const std::string& path)
    : surface_(std::make_unique<Surface>(Surface{cairo_image_surface_create_from_png(path.c_str())})) {
  if (cairo_surface_status(surface_->image) != CAIRO_STATUS_SUCCESS) return;
  cairo_surface_flush(surface_->image);
  width_ = cairo_image_surface_get_width(surface_->image);
  height_ = cairo_image_surface_get_height(surface_->image);
}

Picture::~Picture() { cairo_surface_destroy(surface_->image); }

Pixel Picture::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {255, 255, 255};
  const unsigned char* p =
      cairo_image_surface_get_data(surface_->image) + y * cairo_image_surface_get_stride(surface_->image) + x * 4;
  return {p[2], p[1], p[0]};
}

bool Picture::anyNear(int x1, int y1, int x2, int y2, const Pixel& colour, int tolerance) const {
  for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
    for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x)
      if (closeTo(at(x, y), colour, tolerance)) return true;
  return false;
}

std::unique_ptr<Picture> pictureOfCanvas(const std::string& name) {
  const std::string path = outputPath(name);
  writeCanvasPng(path);
  return std::make_unique<Picture>(path);
}
