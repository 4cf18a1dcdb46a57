// Paints the canvas's operations with cairo. Internal to the platform layer.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <string>
#include <vector>

#include "oplog.h"

class Canvas;
struct Bounds;

// A rectangle of device pixels.
struct DeviceRect {
  int x = 0, y = 0, w = 0, h = 0;
  bool empty() const { return w <= 0 || h <= 0; }
};

// Paints one operation onto cr, whose user space is already the canvas's logical pixels.
void paintOp(cairo_t* cr, const Op& op);
// Paints ops[from..] onto cr, whose user space is already the canvas's logical pixels.
void paintOps(cairo_t* cr, const std::vector<Op>& ops, std::size_t from);
// Paints the whole of cr in colour 15: a fresh canvas, and the margins around it. (A clear
// operation paints CLEAR_COLOUR.)
void paintBackground(cairo_t* cr);
// Maps the whole of a device surface of the given size onto the canvas, centred and letterboxed:
// clears the margins to colour 15, sets the transform and clips to the canvas.
void fitCanvas(cairo_t* cr, int deviceWidth, int deviceHeight);
// Paints ops whole onto an image surface, as a window of its size shows them (fitCanvas), and
// flushes it, so that its pixels may be read.
void paintWholeOnto(cairo_surface_t* image, const std::vector<Op>& ops);
// The device pixels that a canvas rectangle may touch on a device surface of the given size, as
// fitCanvas maps the canvas onto it.
DeviceRect devicePixels(const Bounds& b, int deviceWidth, int deviceHeight);
// Paints the pixels in area of an image surface, on which fitCanvas and paintOps painted the
// canvas, afresh from its display list: the background, then every operation that may touch them,
// in order. They come out exactly as painting the whole list afresh leaves them. scratch is an
// RGB24 image surface at least as large as image, kept by the caller, whose pixels it paints on
// and leaves in any state.
void repaintPixels(cairo_surface_t* image, const DeviceRect& area, Canvas& canvas, cairo_surface_t* scratch);
// Renders the current display list at the canvas's own size (times scale) and writes a PNG.
bool writeCanvasPng(const std::string& path, double scale = 1.0);
// Renders the current display list as a window of the given size shows it (fitCanvas) and writes a PNG.
bool writeCanvasPng(const std::string& path, int deviceWidth, int deviceHeight);
