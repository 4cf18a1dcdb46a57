// imgdiff SCREENSHOT CANVAS [DIFF]
// Compares a screenshot of a program's window with the headless picture of the same canvas.
// The window shows the canvas scaled uniformly to fit and centred, with margins in the
// background colour; fonts and antialiasing may differ a little at another scale. Both pictures
// are therefore reduced to one grid of 4 x 4 canvas-pixel cells and compared cell by cell: the
// comparison passes when hardly any cell differs noticeably and the margins are background.
// Exit status 0 when they match, 1 when they differ, 2 on bad input.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int CANVAS_W = 1366;
constexpr int CANVAS_H = 768;
constexpr int CELL = 4;                  // canvas pixels per cell side
constexpr double NOTICEABLE = 40;        // a cell differs when a channel is off by more (of 255)
constexpr double MAX_DIFFERING = 0.004;  // share of cells that may differ

struct Image {
  cairo_surface_t* surface = nullptr;
  int w = 0, h = 0, stride = 0;
  const unsigned char* data = nullptr;

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
  bool ok() const { return data != nullptr && w > 0 && h > 0; }

  // Mean colour of the pixels whose centres lie in [x0,x1) x [y0,y1) (at least the nearest one).
  void mean(double x0, double y0, double x1, double y1, double rgb[3]) const {
    int ix0 = std::clamp(static_cast<int>(std::lround(x0)), 0, w - 1);
    int iy0 = std::clamp(static_cast<int>(std::lround(y0)), 0, h - 1);
    const int ix1 = std::clamp(static_cast<int>(std::lround(x1)), ix0 + 1, w);
    const int iy1 = std::clamp(static_cast<int>(std::lround(y1)), iy0 + 1, h);
    double sum[3] = {0, 0, 0};
    for (int y = iy0; y < iy1; ++y)
      for (int x = ix0; x < ix1; ++x) {
        const unsigned char* p = data + y * stride + x * 4;  // B G R A in memory
        sum[0] += p[2];
        sum[1] += p[1];
        sum[2] += p[0];
      }
    const double n = static_cast<double>((ix1 - ix0) * (iy1 - iy0));
    for (int c = 0; c < 3; ++c) rgb[c] = sum[c] / n;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: imgdiff SCREENSHOT CANVAS [DIFF]\n");
    return 2;
  }
  const Image shot(argv[1]), reference(argv[2]);
  if (!shot.ok() || !reference.ok()) {
    std::fprintf(stderr, "imgdiff: cannot read %s or %s\n", argv[1], argv[2]);
    return 2;
  }
  // Where the canvas lies in each picture.
  const auto fit = [](const Image& im, double& scale, double& ox, double& oy) {
    scale = std::min(static_cast<double>(im.w) / CANVAS_W, static_cast<double>(im.h) / CANVAS_H);
    ox = (im.w - CANVAS_W * scale) / 2;
    oy = (im.h - CANVAS_H * scale) / 2;
  };
  double ss, sx, sy, rs, rx, ry;
  fit(shot, ss, sx, sy);
  fit(reference, rs, rx, ry);

  const int cols = CANVAS_W / CELL, rows = CANVAS_H / CELL;
  cairo_surface_t* diff = cairo_image_surface_create(CAIRO_FORMAT_RGB24, cols, rows);
  unsigned char* out = cairo_image_surface_get_data(diff);
  const int outStride = cairo_image_surface_get_stride(diff);
  int differing = 0;
  double worst = 0;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const double x0 = c * CELL, y0 = r * CELL, x1 = x0 + CELL, y1 = y0 + CELL;
      double a[3], b[3];
      shot.mean(sx + x0 * ss, sy + y0 * ss, sx + x1 * ss, sy + y1 * ss, a);
      reference.mean(rx + x0 * rs, ry + y0 * rs, rx + x1 * rs, ry + y1 * rs, b);
      double d = 0;
      for (int k = 0; k < 3; ++k) d = std::max(d, std::fabs(a[k] - b[k]));
      worst = std::max(worst, d);
      const bool off = d > NOTICEABLE;
      differing += off;
      unsigned char* p = out + r * outStride + c * 4;
      const unsigned char grey = static_cast<unsigned char>((a[0] + a[1] + a[2]) / 12 + 160);
      p[0] = off ? 0 : grey;
      p[1] = off ? 0 : grey;
      p[2] = off ? 255 : grey;
    }
  cairo_surface_mark_dirty(diff);
  if (argc > 3) cairo_surface_write_to_png(diff, argv[3]);
  cairo_surface_destroy(diff);

  // The margins around the canvas show the background, white.
  double margin = 0;
  if (sx >= 1) {
    double m[3];
    shot.mean(0, 0, sx - 0.5, shot.h, m);
    margin = std::max(margin, 255 - std::min({m[0], m[1], m[2]}));
  }
  if (sy >= 1) {
    double m[3];
    shot.mean(0, 0, shot.w, sy - 0.5, m);
    margin = std::max(margin, 255 - std::min({m[0], m[1], m[2]}));
  }

  const double share = static_cast<double>(differing) / (cols * rows);
  const bool match = share <= MAX_DIFFERING && margin <= NOTICEABLE;
  std::printf("imgdiff: %dx%d against %dx%d: %.3f%% of cells differ (worst %.0f), margin off white by %.0f: %s\n",
              shot.w, shot.h, reference.w, reference.h, share * 100, worst, margin, match ? "match" : "DIFFERENT");
  return match ? 0 : 1;
}
