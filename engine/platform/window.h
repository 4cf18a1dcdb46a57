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
};
const WindowStats& windowStats();
