// imgdiff SCREENSHOT PICTURE BLANK [DIFF]
// Checks a screenshot of a program's window against two headless pictures of the same run:
// - PICTURE, rendered at the screenshot's size (replay --png-size): both are painted by the same
//   code, so they agree to the pixel; the window, painted piece by piece, must come out as a
//   fresh painting of the final picture does.
// - BLANK, the blank map at the canvas's own size (blank-page PROGRAM --keys KEYS --png FILE):
//   where the page is blank over a pixel's whole footprint and a little around it, the screenshot
//   is blank too (blank_page.h). So a faint line that an erase leaves where the canvas is scaled
//   (a box painted over in the background colour, its antialiased edge still showing) fails, even
//   when PICTURE has it.
// DIFF, when given, is the screenshot greyed with every failing pixel in red.
// Exit status 0 when it passes both, 1 when it does not, 2 on bad input.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "blank_page.h"

namespace {

using blank_page::CANVAS_H;
using blank_page::CANVAS_W;

struct Image {
  cairo_surface_t* surface = nullptr;
  int w = 0, h = 0, stride = 0;
  unsigned char* data = nullptr;

  explicit Image(const char* path) {
    surface = cairo_image_surface_create_from_png(path);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) return;
    cairo_surface_flush(surface);
    w = cairo_image_surface_get_width(surface);
    h = cairo_image_surface_get_height(surface);
    stride = cairo_image_surface_get_stride(surface);
    data = cairo_image_surface_get_data(surface);
  }
  ~Image() { cairo_surface_destroy(surface); }
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;
  bool ok() const { return data != nullptr && w > 0 && h > 0; }
  // B G R A in memory.
  unsigned char* pixel(int x, int y) const { return data + y * stride + x * 4; }
  bool blank(int x, int y) const {
    const unsigned char* p = pixel(x, y);
    return p[0] == 255 && p[1] == 255 && p[2] == 255;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: imgdiff SCREENSHOT PICTURE BLANK [DIFF]\n");
    return 2;
  }
  Image shot(argv[1]);
  const Image picture(argv[2]), blank(argv[3]);
  if (!shot.ok() || !picture.ok() || !blank.ok() || blank.w != CANVAS_W || blank.h != CANVAS_H) {
    std::fprintf(stderr, "imgdiff: cannot read %s, %s or %s at the canvas's size\n", argv[1], argv[2], argv[3]);
    return 2;
  }
  if (shot.w != picture.w || shot.h != picture.h) {
    std::printf("imgdiff: %dx%d against %dx%d: the sizes differ: DIFFERENT\n", shot.w, shot.h, picture.w, picture.h);
    return 1;
  }
  const blank_page::Fit fit = blank_page::fitOn(shot.w, shot.h);
  const int reach = blank_page::reachAt(fit.scale);
  const std::vector<unsigned char> distance =
      blank_page::distanceToInk([&blank](int x, int y) { return blank.blank(x, y); });
  long differing = 0, leftovers = 0;
  int worst = 0, firstX = -1, firstY = -1, leftoverX = -1, leftoverY = -1;
  for (int y = 0; y < shot.h; ++y)
    for (int x = 0; x < shot.w; ++x) {
      const unsigned char* b = picture.pixel(x, y);
      unsigned char* a = shot.pixel(x, y);
      int d = 0;
      for (int k = 0; k < 3; ++k) d = std::max(d, std::abs(a[k] - b[k]));
      worst = std::max(worst, d);
      const bool differs = d > 0;
      const bool leftover =
          !blank_page::showsNothing(shot.pixel(x, y)) && blank_page::reachOf(distance, fit, x, y) > reach;
      if (differs && differing++ == 0) {
        firstX = x;
        firstY = y;
      }
      if (leftover && leftovers++ == 0) {
        leftoverX = x;
        leftoverY = y;
      }
      const bool off = differs || leftover;
      const unsigned char grey = static_cast<unsigned char>((a[0] + a[1] + a[2]) / 12 + 160);
      a[0] = off ? 0 : grey;
      a[1] = off ? 0 : grey;
      a[2] = off ? 255 : grey;
    }
  if (argc > 4) {
    cairo_surface_mark_dirty(shot.surface);
    cairo_surface_write_to_png(shot.surface, argv[4]);
  }
  std::printf("imgdiff: %dx%d: %ld pixels differ from the picture at this size (worst by %d of 255", shot.w,
              shot.h, differing, worst);
  if (differing > 0) std::printf(", the first at %d,%d", firstX, firstY);
  std::printf("), %ld show ink where the canvas is blank", leftovers);
  if (leftovers > 0) std::printf(" (the first at %d,%d)", leftoverX, leftoverY);
  const bool pass = differing == 0 && leftovers == 0;
  std::printf(": %s\n", pass ? "match" : "DIFFERENT");
  return pass ? 0 : 1;
}
