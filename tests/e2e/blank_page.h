// The rule by which a window's picture shows nothing where the page is blank: the canvas at its
// own size, where every box lies on whole pixels, tells where the page is blank (a blank map:
// white there, black wherever anything shows, white text and lines included); a screen pixel
// whose footprint on the canvas lies farther than REACH canvas pixels from anything that shows
// must be blank (pure white) too. So a faint line that an erase leaves where the canvas is scaled
// (an edge painted over in the background colour, its antialiased fringe still showing) fails,
// while ink that scaling and the glyphs' hinting at another size carry a little past where it
// lies on the canvas does not.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

namespace blank_page {

inline constexpr int CANVAS_W = 1366;
inline constexpr int CANVAS_H = 768;

// How far past its place on the canvas ink reaches on a screen of another size: antialiasing and
// the glyphs' hinting at that size carry it up to REACH device pixels, and up to REACH canvas
// pixels where the screen is larger than the canvas. Measured by the erase sweep (blank-page
// --walk) over every wait of the four programs' walks at sizes from 800 x 600 to 3840 x 2160:
// 2 canvas pixels at every scale of 1 or more, 3 at 1024 x 768 (scale 0.75, the hinted tops of
// "8" and "※") and at 800 x 600 (scale 0.59).
inline constexpr double REACH = 2;
// The farthest, in whole canvas pixels, that ink may reach at a scale.
inline int reachAt(double scale) { return static_cast<int>(std::ceil(REACH / std::min(1.0, scale) - 1e-9)); }

// A screen pixel this close to white, in 8-bit levels on every channel, shows nothing: an eye
// and a projector see no difference, and two antialiased edges that meet where one erases the
// other leave as much (a disc erased by a larger one in white, at scale 0.75). What an erase
// leaves that a pupil sees is tens of levels off white.
inline constexpr int FAINT = 3;
inline bool showsNothing(const unsigned char* bgr) {
  return bgr[0] >= 255 - FAINT && bgr[1] >= 255 - FAINT && bgr[2] >= 255 - FAINT;
}

// Distances are counted up to this; anything farther is as far.
inline constexpr int FAR = 15;

// Where a window of a size shows the canvas, as the platform fits it: scaled uniformly, centred
// on whole pixels.
struct Fit {
  double scale, left, top;
};
inline Fit fitOn(int width, int height) {
  const double scale = std::min(static_cast<double>(width) / CANVAS_W, static_cast<double>(height) / CANVAS_H);
  return {scale, std::round((width - CANVAS_W * scale) / 2), std::round((height - CANVAS_H * scale) / 2)};
}

// The distance from each canvas pixel to the nearest one where something shows (0 there), in
// canvas pixels along either axis, up to FAR.
template <class Blank>
std::vector<unsigned char> distanceToInk(Blank blank) {
  std::vector<unsigned char> d(static_cast<std::size_t>(CANVAS_W) * CANVAS_H);
  for (int y = 0; y < CANVAS_H; ++y)
    for (int x = 0; x < CANVAS_W; ++x) d[static_cast<std::size_t>(y) * CANVAS_W + x] = blank(x, y) ? FAR : 0;
  const auto at = [&d](int x, int y) -> unsigned char& { return d[static_cast<std::size_t>(y) * CANVAS_W + x]; };
  // Two passes of the chessboard distance transform.
  for (int y = 0; y < CANVAS_H; ++y)
    for (int x = 0; x < CANVAS_W; ++x) {
      int v = at(x, y);
      if (x > 0) v = std::min(v, at(x - 1, y) + 1);
      if (y > 0) {
        v = std::min(v, at(x, y - 1) + 1);
        if (x > 0) v = std::min(v, at(x - 1, y - 1) + 1);
        if (x + 1 < CANVAS_W) v = std::min(v, at(x + 1, y - 1) + 1);
      }
      at(x, y) = static_cast<unsigned char>(v);
    }
  for (int y = CANVAS_H - 1; y >= 0; --y)
    for (int x = CANVAS_W - 1; x >= 0; --x) {
      int v = at(x, y);
      if (x + 1 < CANVAS_W) v = std::min(v, at(x + 1, y) + 1);
      if (y + 1 < CANVAS_H) {
        v = std::min(v, at(x, y + 1) + 1);
        if (x + 1 < CANVAS_W) v = std::min(v, at(x + 1, y + 1) + 1);
        if (x > 0) v = std::min(v, at(x - 1, y + 1) + 1);
      }
      at(x, y) = static_cast<unsigned char>(v);
    }
  return d;
}

// How far the footprint of screen pixel (x, y) lies from anything that shows on the canvas: the
// least distance over the canvas pixels it covers (FAR outside the canvas).
inline int reachOf(const std::vector<unsigned char>& distance, const Fit& fit, int x, int y) {
  const int u0 = std::max(0, static_cast<int>(std::floor((x - fit.left) / fit.scale)));
  const int u1 = std::min(CANVAS_W, static_cast<int>(std::ceil((x + 1 - fit.left) / fit.scale)));
  const int v0 = std::max(0, static_cast<int>(std::floor((y - fit.top) / fit.scale)));
  const int v1 = std::min(CANVAS_H, static_cast<int>(std::ceil((y + 1 - fit.top) / fit.scale)));
  int reach = FAR;
  for (int v = v0; v < v1; ++v)
    for (int u = u0; u < u1; ++u) reach = std::min<int>(reach, distance[static_cast<std::size_t>(v) * CANVAS_W + u]);
  return reach;
}

}  // namespace blank_page
