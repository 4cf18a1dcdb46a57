// What an X window shows, read back from the X server, beside the canvas's display list painted
// whole at the window's size as a fresh window paints it.
#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>
#include <cairo.h>

#include <cstdint>
#include <optional>
#include <string>

struct ScreenDifference {
  int x = 0, y = 0;                      // the first differing pixel, row by row
  std::uint32_t shown = 0, painted = 0;  // its colours, 0xRRGGBB
  long pixels = 0;                       // how many differ in all
};

struct ScreenMatch {
  int width = 0, height = 0;  // the window's size on the X server
  std::optional<ScreenDifference> difference;
  std::string problem;  // why the window could not be read, when it could not
};

// "#rrggbb".
std::string colourText(std::uint32_t rgb);

class ScreenReader {
 public:
  // picturesDir, when not empty: where the first frame unlike the list painted whole is left,
  // as screen.png and whole.png.
  ScreenReader(Display* display, Window window, std::string picturesDir)
      : display_(display), window_(window), picturesDir_(std::move(picturesDir)) {}
  ~ScreenReader();
  ScreenReader(const ScreenReader&) = delete;
  ScreenReader& operator=(const ScreenReader&) = delete;

  // Reads the window's pixels as the X server holds them and compares each with the display
  // list painted whole at the window's size.
  ScreenMatch compare();

 private:
  // The window's pixels at that size, through shared memory where the server offers it (a
  // picture sent over the connection costs most of the test's time); null when unreadable.
  XImage* readWindow(const XWindowAttributes& attributes);
  void releaseShared();
  // Writes the pictures of a frame unlike the list painted whole to picturesDir_.
  void writePictures(const XImage& shown);

  // The display list painted whole, as fitCanvas and paintOps paint a window of that size.
  const unsigned char* paintWhole(int width, int height, int& stride);

  Display* display_;
  Window window_;
  std::string picturesDir_;
  cairo_surface_t* whole_ = nullptr;  // kept while the size stays
  XImage* shared_ = nullptr;          // the shared picture, kept while the size stays
  XShmSegmentInfo segment_{};
};
