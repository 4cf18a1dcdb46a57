// Runs a program in a real window: maximised, resizable, the canvas scaled to fit.
#pragma once

#include "../startup.h"

int runInWindow(const ProgramInfo& program);

// What the window has shown so far, for benchmarks.
struct WindowStats {
  int frames = 0;             // frames presented
  double firstFrameAt = 0;    // when the first was presented, in seconds since the epoch
  double lastFrameMs = 0;     // time to paint and present the latest frame
  double longestFrameMs = 0;  // the longest such time
  int glyphsWarmed = 0;       // glyphs painted ahead of need while waiting
  double warmingMs = 0;       // the CPU time that took
};
const WindowStats& windowStats();

// For benchmarks: shows the window's picture again as one image, as a program that keeps each
// page as an image would: a copy of it made beforehand is blitted onto the window and sent to
// the screen. Returns how long that took in milliseconds, measured as frames are; 0 without a
// window.
double blitPictureMs();

// For benchmarks: a wait at a prompt whose key comes the moment the window would sleep: the
// picture is shown and the glyphs warmed as a waiting program's window does; nothing without a
// window.
void reachPrompt();
