// window-bench [--heaviest-step]: a program that measures its own window (run it through
// bench/run-window-bench).
// First the heaviest step of the four programs, Corvale's section 3 summary page (keys 3, 8):
// the pictures Corvale shows on its way there, each as a frame and a wait at its prompt (where
// the window warms its glyphs, as it does while a class looks at the menu), the page drawn the
// first time as its last, then the same page blitted as one image and drawn again, side by side.
// The key of each wait comes the moment the window would sleep: every frame measured is painted
// by a processor as busy as for the blit it is compared with (after a pause, every frame is
// slower, a drawing more than a blit, whatever the program).
// Then (not with --heaviest-step) it shows a full lesson page, steps through pages and single
// steps, waits at the engine's number prompt until Enter and once more with a flickering cursor
// dot until Enter; it prints what the window took and what memory it used.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/platform/canvas.h"
#include "engine/platform/headless.h"
#include "engine/platform/keys.h"
#include "engine/platform/window.h"
#include "lesson_page.h"
#include "tools/programs.h"

namespace {

constexpr int PAGES = 40;
constexpr int STEPS = 40;
constexpr int REPEATS = 11;

bool heaviestStepOnly = false;
// The pictures a program shows, in order, for its keys: the display list at every poll where
// it changed, as the window would present it.
std::vector<std::vector<Op>> heaviestStepPictures;

std::vector<std::vector<Op>> picturesShown(const char* program, const std::string& keys) {
  std::vector<std::vector<Op>> pictures;
  KeyScript script(keys);
  std::uint64_t shown = 0;
  HeadlessOptions options;
  options.keepOps = false;
  options.keySource = [&] {
    if (pictures.empty() || canvas().fingerprint() != shown) {
      shown = canvas().fingerprint();
      pictures.push_back(canvas().displayList());
    }
    return script.next();
  };
  runHeadless(*findProgram(program), options);
  return pictures;
}

// Presents the canvas as a step wait does before it waits, and gives the frame's time.
double present() {
  PfINKEY24();
  return windowStats().lastFrameMs;
}

// Shows a picture whole, as a scene shows its page after a clear, and gives the frame's time.
double show(const std::vector<Op>& picture) {
  PsCLS();
  for (const Op& op : picture) canvas().add(op);
  return present();
}

double wallSeconds() {
  timespec t{};
  clock_gettime(CLOCK_REALTIME, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double median(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
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

void heaviestStep() {
  for (std::size_t i = 0; i + 1 < heaviestStepPictures.size(); ++i) {
    show(heaviestStepPictures[i]);
    reachPrompt();
  }
  const double first = show(heaviestStepPictures.back());
  std::vector<double> blits, again;
  for (int i = 0; i < REPEATS; ++i) blits.push_back(blitPictureMs());
  for (int i = 0; i < REPEATS; ++i) again.push_back(show(heaviestStepPictures.back()));
  const double blit = median(blits);
  std::printf("heaviest step (Corvale 3, 8; %zu operations): first drawing %.2f ms, drawn again %.2f ms (median), "
              "blit of the same page %.2f ms (median): %.2f and %.2f times the blit\n",
              heaviestStepPictures.back().size(), first, median(again), blit, first / blit, median(again) / blit);
  std::printf("glyphs warmed at the prompts on the way: %d in %.1f ms of CPU\n", windowStats().glyphsWarmed,
              windowStats().warmingMs);
  std::fflush(stdout);
}

void MAINMENU() {
  heaviestStep();
  if (heaviestStepOnly) PsEND();
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

int main(int argc, char** argv) {
  heaviestStepOnly = argc > 1 && std::string(argv[1]) == "--heaviest-step";
  heaviestStepPictures = picturesShown("corvale", "3\n8\n");
  std::printf("window-opens-at %.6f\n", wallSeconds());
  std::fflush(stdout);
  return runInWindow(ProgramInfo{"Window bench", MAINMENU, false});
}
