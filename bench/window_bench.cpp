// window-bench: a program that measures its own window (run it through bench/run-window-bench).
// It shows a full lesson page, steps through pages and single steps, then waits at the engine's
// number prompt until Enter and once more with a flickering cursor dot until Enter; it prints
// what the window took and what memory it used.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/platform/window.h"
#include "lesson_page.h"

namespace {

constexpr int PAGES = 40;
constexpr int STEPS = 40;

// Presents the canvas as a step wait does before it waits, and gives the frame's time.
double present() {
  PfINKEY24();
  return windowStats().lastFrameMs;
}

std::string statusLine(const std::string& field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(field, 0) == 0) return line;
  return field + " ?";
}

void report(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  std::printf("%s: median %.2f ms, slowest %.2f ms over %zu frames\n", what, ms[ms.size() / 2], ms.back(), ms.size());
}

void MAINMENU() {
  drawLessonPage(0);
  present();
  std::printf("first-frame-at %.6f\n", windowStats().firstFrameAt);
  std::vector<double> pages, steps;
  for (int i = 1; i <= PAGES; ++i) {
    drawLessonPage(i);
    pages.push_back(present());
  }
  for (int i = 1; i <= STEPS; ++i) {
    drawLessonStep(i);
    steps.push_back(present());
  }
  report("full page after a step", pages);
  report("one step on a page", steps);
  std::printf("waiting at the prompt\n");
  std::fflush(stdout);
  INPUTFIELD();
  // The same wait as the number entry's key loop is written down: the cursor dot drawn before
  // every poll and erased after every empty one, so the canvas changes all the time.
  std::printf("waiting with a flickering dot\n");
  std::fflush(stdout);
  FE_SETDRAWWIDTH(2);
  for (;;) {
    PsCIRCLE(KAIX + 8, KAIY + 8, 4, 5, 0, 0, true);
    if (PfINKEY24() == "\r") break;
    PsCIRCLE(KAIX + 8, KAIY + 8, 4, 15, 0, 0, true);
  }
  std::printf("peak memory: %s\n", statusLine("VmHWM").c_str());
  std::fflush(stdout);
  PsEND();
}

}  // namespace

int main() { return runInWindow(ProgramInfo{"Window bench", MAINMENU, false}); }
