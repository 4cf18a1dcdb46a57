// Runs a program in a real window: maximised, resizable, the canvas scaled to fit.
#pragma once

#include <functional>
#include <string>

#include "../startup.h"

int runInWindow(const ProgramInfo& program);

// What the window has shown so far, for benchmarks.
struct WindowStats {
  int frames = 0;             // frames presented
  double firstFrameAt = 0;    // when the first was presented, in seconds since the epoch
  double lastFrameMs = 0;     // time to paint and present the latest frame
  double keyToFrameMs = 0;    // from the program's taking its latest key to the latest frame
  double longestFrameMs = 0;  // the longest such time
};
const WindowStats& windowStats();

// For benchmarks: shows the window's picture again as one image, as a program that keeps each
// page as an image would: a copy of it made beforehand is blitted onto the window and sent to
// the screen. Returns how long that took in milliseconds, measured as frames are; 0 without a
// window.
double blitPictureMs();

// For benchmarks: paints the window's picture whole from the display list, as after a clear, and
// shows it; how long that took in milliseconds, measured as frames are, and whether the picture
// it had kept came out the same.
struct WholePaint {
  double ms = 0;
  bool unchanged = false;
};
WholePaint paintWhole();

// For benchmarks, before runInWindow: a keyboard that types for the program in place of the
// real one. next gives one key press (code page 932) at a time, "" to end the program. At a
// teacher's pace it is asked when the window would sleep at a wait; with keys at once (atOnce),
// at every poll that finds no key waiting, so the window never waits.
struct BenchKeyboard {
  std::function<std::string()> next;
  bool atOnce = false;
  std::string clock;  // what the program's clock reads, when not empty: it fixes the drills' seeds
};
void typeForBenchmark(BenchKeyboard keyboard);

// For tests, before runInWindow: called after every frame the window presents, once the screen
// holds it (SDL has sent it to the windowing system and waited for it to be taken in).
void watchFrames(std::function<void()> presented);
