// blank-page PROGRAM --keys KEYS --png FILE
//     Runs the program headless with the keys (as tools/replay does, the clock at 00:00:00) and
//     writes the blank map of its last picture at the canvas's own size: white where the page is
//     blank, black wherever anything shows, white text and lines on a darker ground included
//     (blank_page.h; tests/e2e/imgdiff reads it).
// blank-page PROGRAM --walk [--part K/N] [--diff DIR] WxH [WxH ...]
//     The erase sweep: walks the program through every scene (tools/scene_walk.h) and, at every
//     wait where the picture changed, paints it as a window of each size shows it and checks that
//     it shows nothing where the page is blank. Prints, for each size, the waits checked, the
//     pixels that show ink where the page is blank (and where the first was), and how far past
//     its place on the canvas ink reached (the measure of blank_page.h's REACH); --diff writes
//     the first failing picture at each size there, its failing pixels in red. --part K/N checks
//     only the K-th of every N waits, so that N runs share the sweep of one walk. Exit status 1
//     when a pixel shows ink where the page is blank.
#include <cairo.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "blank_page.h"
#include "engine/platform/canvas.h"
#include "engine/platform/headless.h"
#include "engine/platform/render.h"
#include "support/ink_pairs.h"
#include "tools/programs.h"
#include "tools/scene_walk.h"
#include "tools/watched_run.h"

namespace {

using blank_page::CANVAS_H;
using blank_page::CANVAS_W;

// The display list painted as a window of the size shows it.
struct Picture {
  cairo_surface_t* surface;
  int w, h, stride;
  const unsigned char* data;

  Picture(int width, int height) : w(width), h(height) {
    surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    paintWholeOnto(surface, canvas().displayList());
    stride = cairo_image_surface_get_stride(surface);
    data = cairo_image_surface_get_data(surface);
  }
  ~Picture() { cairo_surface_destroy(surface); }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  bool white(int x, int y) const {
    const unsigned char* p = data + y * stride + x * 4;
    return p[0] == 255 && p[1] == 255 && p[2] == 255;
  }
};

// Whether each canvas pixel is blank page: white in the picture at the canvas's size, and no
// white ink there.
std::vector<bool> blankMap(const InkReader& ink) {
  const Picture picture(CANVAS_W, CANVAS_H);
  std::vector<bool> blank(static_cast<std::size_t>(CANVAS_W) * CANVAS_H);
  for (int y = 0; y < CANVAS_H; ++y)
    for (int x = 0; x < CANVAS_W; ++x)
      blank[static_cast<std::size_t>(y) * CANVAS_W + x] = picture.white(x, y) && !ink.whiteInk(x, y);
  return blank;
}

int writeMap(const ProgramInfo& program, const std::string& keys, const std::string& path) {
  HeadlessOptions options;
  options.keys = keys;
  const HeadlessResult run = runHeadless(program, options);
  InkReader ink;
  for (const Op& op : run.ops) ink.add(op);
  const std::vector<bool> blank = blankMap(ink);
  cairo_surface_t* map = cairo_image_surface_create(CAIRO_FORMAT_RGB24, CANVAS_W, CANVAS_H);
  unsigned char* data = cairo_image_surface_get_data(map);
  const int stride = cairo_image_surface_get_stride(map);
  for (int y = 0; y < CANVAS_H; ++y)
    for (int x = 0; x < CANVAS_W; ++x) {
      unsigned char* p = data + y * stride + x * 4;
      p[0] = p[1] = p[2] = blank[static_cast<std::size_t>(y) * CANVAS_W + x] ? 255 : 0;
    }
  cairo_surface_mark_dirty(map);
  const bool ok = cairo_surface_write_to_png(map, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(map);
  if (!ok) std::fprintf(stderr, "blank-page: cannot write %s\n", path.c_str());
  return ok ? 0 : 2;
}

struct SizeSwept {
  int w = 0, h = 0;
  int waits = 0;
  long leftovers = 0;
  std::string first;                               // where the first leftover was
  std::vector<long> reached = std::vector<long>(blank_page::FAR + 1, 0);  // pixels by reach
};

// Checks the picture now at every size; the first picture at a size that fails is written to
// diffDir (when given), with the failing pixels in red.
void check(const InkReader& ink, const SceneWalk& walk, std::vector<SizeSwept>& sizes, const std::string& diffDir,
           const char* name) {
  const std::vector<bool> blank = blankMap(ink);
  const std::vector<unsigned char> distance =
      blank_page::distanceToInk([&blank](int x, int y) { return blank[static_cast<std::size_t>(y) * CANVAS_W + x]; });
  for (SizeSwept& size : sizes) {
    ++size.waits;
    const Picture shown(size.w, size.h);
    const blank_page::Fit fit = blank_page::fitOn(size.w, size.h);
    const bool firstToFail = size.leftovers == 0;
    for (int y = 0; y < size.h; ++y)
      for (int x = 0; x < size.w; ++x) {
        if (blank_page::showsNothing(shown.data + y * shown.stride + x * 4)) continue;
        const int reach = blank_page::reachOf(distance, fit, x, y);
        ++size.reached[reach];
        if (reach <= blank_page::reachAt(fit.scale)) continue;
        if (size.leftovers++ == 0)
          size.first = walk.position().text() + " after " + std::to_string(walk.keys()) + " keys, at " +
                       std::to_string(x) + "," + std::to_string(y);
        if (firstToFail && !diffDir.empty()) {
          unsigned char* p = cairo_image_surface_get_data(shown.surface) + y * shown.stride + x * 4;
          p[0] = p[1] = 0;
          p[2] = 255;
        }
      }
    if (firstToFail && size.leftovers > 0 && !diffDir.empty()) {
      cairo_surface_mark_dirty(shown.surface);
      const std::string path =
          diffDir + "/" + name + "-" + std::to_string(size.w) + "x" + std::to_string(size.h) + ".png";
      cairo_surface_write_to_png(shown.surface, path.c_str());
    }
  }
}

// The waits of one run of a sweep: the K-th of every N (counted from 1).
struct Part {
  int k = 1, n = 1;
};

int sweep(const ProgramInfo& program, const char* name, std::vector<SizeSwept> sizes, const std::string& diffDir,
          Part part) {
  SceneWalk walk;
  InkReader ink;
  std::uint64_t shown = 0;
  bool first = true;
  long changed = 0;  // waits at which the picture had changed
  HeadlessOptions options;
  options.keySource = [&] {
    for (const Op& op : canvas().takeLog()) ink.add(op);
    if (first || canvas().fingerprint() != shown) {
      if (changed++ % part.n == part.k - 1) check(ink, walk, sizes, diffDir, name);
      shown = canvas().fingerprint();
      first = false;
    }
    return walk.nextKey();
  };
  runWatched(program, options);
  bool clean = walk.complete();
  if (!clean) std::printf("%s: the walk did not end: %s\n", name, walk.problem().c_str());
  for (const SizeSwept& size : sizes) {
    int farthest = 0;
    for (int r = 1; r <= blank_page::FAR; ++r)
      if (size.reached[r] > 0 && r < blank_page::FAR) farthest = r;
    std::string reached;
    for (int r = 1; r < blank_page::FAR; ++r)
      if (size.reached[r] > 0) reached += " " + std::to_string(r) + ":" + std::to_string(size.reached[r]);
    std::printf("%s at %dx%d: %d waits, %ld pixels show ink where the page is blank%s%s; ink reaches %d px past "
                "its place, %d allowed (pixels by reach:%s)\n",
                name, size.w, size.h, size.waits, size.leftovers, size.leftovers ? ", the first in " : "",
                size.first.c_str(), farthest, blank_page::reachAt(blank_page::fitOn(size.w, size.h).scale),
                reached.c_str());
    clean = clean && size.leftovers == 0;
  }
  return clean ? 0 : 1;
}

int usage() {
  std::fprintf(stderr,
               "usage: blank-page PROGRAM --keys KEYS --png FILE\n"
               "       blank-page PROGRAM --walk [--part K/N] [--diff DIR] WxH [WxH ...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return usage();
  const ProgramInfo* program = findProgram(argv[1]);
  if (program == nullptr) {
    std::fprintf(stderr, "blank-page: no program named %s\n", argv[1]);
    return 2;
  }
  const std::string mode = argv[2];
  if (mode == "--keys" && argc == 6 && std::string(argv[4]) == "--png") return writeMap(*program, argv[3], argv[5]);
  if (mode != "--walk" || argc < 4) return usage();
  std::vector<SizeSwept> sizes;
  std::string diffDir;
  Part part;
  for (int i = 3; i < argc; ++i) {
    if (std::string(argv[i]) == "--diff" && i + 1 < argc) {
      diffDir = argv[++i];
      continue;
    }
    if (std::string(argv[i]) == "--part" && i + 1 < argc) {
      char end = 0;
      if (std::sscanf(argv[++i], "%d/%d%c", &part.k, &part.n, &end) != 2 || part.n < 1 || part.k < 1 ||
          part.k > part.n)
        return usage();
      continue;
    }
    int w = 0, h = 0;
    char end = 0;
    if (std::sscanf(argv[i], "%dx%d%c", &w, &h, &end) != 2 || w < 1 || h < 1 || w > 16384 || h > 16384)
      return usage();
    SizeSwept size;
    size.w = w;
    size.h = h;
    sizes.push_back(size);
  }
  return sweep(*program, argv[1], sizes, diffDir, part);
}
