// Reading pictures back in tests: the pixels of a PNG, compared with the palette's colours.
#pragma once

#include <memory>
#include <string>

struct Pixel {
  int r = 0, g = 0, b = 0;
};

// The colour of a colour number, as the palette paints it.
Pixel paletteColour(int colour);
// True when every channel of a is within tolerance of b's.
bool closeTo(const Pixel& a, const Pixel& b, int tolerance = 8);

class Picture {
 public:
  // Loads a PNG; width() is 0 when it cannot be read.
  explicit Picture(const std::string& path);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  // The pixel at (x,y); white outside the picture.
  Pixel at(int x, int y) const;
  // Whether any pixel in the box from (x1,y1) to (x2,y2), both included, is close to colour.
  bool anyNear(int x1, int y1, int x2, int y2, const Pixel& colour, int tolerance = 48) const;

 private:
  struct Surface;
  std::unique_ptr<Surface> surface_;
  int width_ = 0, height_ = 0;
};

// Writes the canvas as it stands now to outputPath(name) and reads it back: a picture the test
// reads, written whether or not pictures are asked for (test_support.h).
std::unique_ptr<Picture> pictureOfCanvas(const std::string& name);
