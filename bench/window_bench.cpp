// window-bench: the window measured where a class meets it (run it through bench/run-window-bench).
//   window-bench walk PROGRAM teacher|at-once
//     walks every scene of the program (tools/scene_walk.h) in its window, the clock at 00:00:00.
//     At a teacher's pace each key comes when the window would sleep at a wait; with keys at
//     once, at every poll that finds none, so the window never waits. For
//     every key that changes the picture it prints a step line: the time from the key to the
//     frame presented and the part of it the frame took to paint and present, then in the same
//     place a blit of the same picture as one image and the same display list painted whole,
//     whether the picture the window kept came out the same as the whole painting, and whether
//     the step drew a glyph the walk had not drawn before (a page's first drawing, its glyphs
//     rasterised for the first time, which painting it whole afterwards finds ready):
//       step PACE PROGRAM KEY MENU-ITEM SUB-MENU-ITEM STEP-MS FRAME-MS BLIT-MS WHOLE-MS SAME NEW-GLYPHS
//     and at the end when the window opened and showed its first frame, and the peak memory.
//   window-bench keys PROGRAM KEYS
//     types KEYS (\b Backspace, \n Enter) at a teacher's pace in the program's window and prints
//     a step line for each, as a walk does: the bench keyboard's side of the real key path's
//     measure (bench/key_path.cpp).
//   window-bench wait PROGRAM
//     runs the program in its window on the real keyboard: it waits at its main menu.
//   window-bench summary FILE...
//     the step lines of any number of runs: each step's medians over the runs, then for each
//     pace the median step, the ten worst against painting the same picture whole, with their
//     scenes, and the headline: the worst step against painting it whole, and apart from it the
//     worst of a page's first drawing.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/platform/canvas.h"
#include "engine/platform/window.h"
#include "tools/programs.h"
#include "tools/scene_walk.h"

namespace {

constexpr int WORST_SHOWN = 10;

double wallSeconds() {
  timespec t{};
  clock_gettime(CLOCK_REALTIME, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

std::string statusLine(const std::string& field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(field, 0) == 0) return line;
  return field + " ?";
}

// Whether the display list holds a glyph not drawn before in this run, in a face, size,
// magnification and style not drawn before: the window rasterises it for the first time.
class GlyphsSeen {
 public:
  bool anyNew() {
    bool fresh = false;
    for (const Op& op : canvas().displayList()) {
      if (op.kind != OpKind::Text) continue;
      char style[160];
      std::snprintf(style, sizeof style, "%s|%g|%d|%d|%d|%d|", op.face.c_str(), op.size, op.magX, op.magY, op.bold,
                    op.italic);
      for (std::size_t i = 0; i < op.text.size();) {
        std::size_t n = 1;
        while (i + n < op.text.size() && (static_cast<unsigned char>(op.text[i + n]) & 0xC0) == 0x80) ++n;
        fresh |= seen_.insert(style + op.text.substr(i, n)).second;
        i += n;
      }
    }
    return fresh;
  }

 private:
  std::set<std::string> seen_;
};

// Types the keys of next in the program's window and prints a step line for every key that
// changed the picture; position tells where a key was typed.
int typeInWindow(const ProgramInfo& program, const std::string& name, const std::string& pace,
                 const std::function<std::string()>& next, const std::function<SceneWalk::Position()>& position) {
  int framesAtKey = -1;  // the frames presented when the latest key was typed; -1 before the first
  SceneWalk::Position where;
  std::uint64_t key = 0;
  GlyphsSeen glyphs;
  const auto nextKey = [&] {
    if (framesAtKey >= 0 && windowStats().frames > framesAtKey) {
      const double step = windowStats().keyToFrameMs, frame = windowStats().lastFrameMs;
      const double blit = blitPictureMs();
      const WholePaint whole = paintWhole();
      std::printf("step %s %s %llu %d %d %.3f %.3f %.3f %.3f %d %d\n", pace.c_str(), name.c_str(),
                  static_cast<unsigned long long>(key), where.menuItem, where.subMenuItem, step, frame, blit,
                  whole.ms, whole.unchanged ? 1 : 0, glyphs.anyNew() ? 1 : 0);
    }
    std::string k = next();
    where = position();
    ++key;
    framesAtKey = windowStats().frames;
    return k;
  };
  typeForBenchmark({.next = nextKey, .atOnce = pace == "at-once", .clock = "00:00:00"});
  std::printf("window-opens-at %.6f\n", wallSeconds());
  std::fflush(stdout);
  const int status = runInWindow(program);
  std::printf("first-frame-at %.6f\n", windowStats().firstFrameAt);
  std::printf("peak memory %s: %s\n", name.c_str(), statusLine("VmHWM").c_str());
  return status;
}

int walkInWindow(const ProgramInfo& program, const std::string& name, const std::string& pace) {
  SceneWalk walk;
  const int status = typeInWindow(
      program, name, pace, [&walk] { return walk.nextKey(); }, [&walk] { return walk.position(); });
  if (!walk.complete()) std::printf("walk of %s incomplete: %s\n", name.c_str(), walk.problem().c_str());
  return status;
}

// KEYS as a shell passes them: \b Backspace, \n Enter, one key per character.
std::vector<std::string> keysOf(const std::string& text) {
  std::vector<std::string> keys;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'b' || text[i + 1] == 'n')) {
      keys.push_back(text[++i] == 'b' ? "\b" : "\r");
      continue;
    }
    keys.push_back(std::string(1, text[i]));
  }
  return keys;
}

int typeKeys(const ProgramInfo& program, const std::string& name, const std::string& text) {
  const std::vector<std::string> keys = keysOf(text);
  std::size_t typed = 0;
  return typeInWindow(
      program, name, "teacher", [&] { return typed < keys.size() ? keys[typed++] : std::string(); },
      [] { return SceneWalk::Position{}; });
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// One step of a walk over the runs: its figures in each.
struct Step {
  std::string program;
  std::uint64_t key = 0;
  int menuItem = 0, subMenuItem = 0;
  std::vector<double> ms, frame, blit, whole, toBlit, toWhole, frameToWhole;
  int runs = 0, unlikeWhole = 0;
  bool newGlyphs = false;  // a page's first drawing: it rasterised glyphs for the first time

  double medianMs() const { return median(ms); }
  double medianToBlit() const { return median(toBlit); }
  double medianToWhole() const { return median(toWhole); }
  double medianFrameToWhole() const { return median(frameToWhole); }
  std::string scene() const {
    char text[128];
    std::snprintf(text, sizeof text, "%s main-menu item %d, sub-menu item %d (key %llu)", program.c_str(), menuItem,
                  subMenuItem, static_cast<unsigned long long>(key));
    return text;
  }
};

void printWorst(const char* what, const std::vector<Step>& steps) {
  if (steps.empty()) return;
  const Step& s = steps.front();
  std::printf("%s: %.2f times painting it whole, %s, %.2f ms (its frame %.2f, painting it whole %.2f, the blit "
              "%.2f: %.2f times the blit)\n",
              what, s.medianToWhole(), s.scene().c_str(), s.medianMs(), median(s.frame), median(s.whole),
              median(s.blit), s.medianToBlit());
}

void summarisePace(const std::string& pace, std::vector<Step> steps) {
  if (steps.empty()) return;
  std::vector<double> ms, blit, whole, toBlit, toWhole;
  int unlike = 0;
  for (const Step& s : steps) {
    ms.push_back(s.medianMs());
    blit.push_back(median(s.blit));
    whole.push_back(median(s.whole));
    toBlit.push_back(s.medianToBlit());
    toWhole.push_back(s.medianToWhole());
    unlike += s.unlikeWhole;
  }
  const bool atOnce = pace == "at-once";
  std::printf("\n%s: %zu steps over %d runs; the median step %.2f ms, its blit %.2f ms, painting it whole %.2f ms; "
              "%.2f times the blit, %.2f times painting it whole (medians)\n",
              atOnce ? "keys at once" : "at a teacher's pace", steps.size(), steps.front().runs, median(ms),
              median(blit), median(whole), median(toBlit), median(toWhole));
  std::sort(steps.begin(), steps.end(),
            [](const Step& a, const Step& b) { return a.medianToWhole() > b.medianToWhole(); });
  std::vector<Step> drawn, firstDrawings;
  for (Step& s : steps) (s.newGlyphs ? firstDrawings : drawn).push_back(std::move(s));
  std::printf("the %d worst steps against painting the same picture whole, but for a page's first drawing "
              "(medians over the runs):\n",
              WORST_SHOWN);
  for (std::size_t i = 0; i < drawn.size() && i < WORST_SHOWN; ++i)
    std::printf("  %s: %.2f ms (its frame %.2f), %.2f times painting it whole, %.2f times the blit\n",
                drawn[i].scene().c_str(), drawn[i].medianMs(), median(drawn[i].frame), drawn[i].medianToWhole(),
                drawn[i].medianToBlit());
  std::printf("frames unlike the list painted whole: %d\n", unlike);
  const std::string keysAtOnce = atOnce ? ", keys at once" : "";
  printWorst(("worst step of the scene walks" + keysAtOnce).c_str(), drawn);
  char apart[160];
  std::snprintf(apart, sizeof apart, "worst page's first drawing, glyphs rasterised for the first time%s (%zu steps)",
                keysAtOnce.c_str(), firstDrawings.size());
  printWorst(apart, firstDrawings);
}

int summary(int count, char** files) {
  // The steps of each pace by program and key, in the order they came.
  std::map<std::string, std::map<std::tuple<std::string, std::uint64_t>, Step>> paces;
  for (int f = 0; f < count; ++f) {
    std::ifstream in(files[f]);
    for (std::string line; std::getline(in, line);) {
      std::istringstream fields(line);
      std::string tag, pace, program;
      std::uint64_t key = 0;
      int menuItem = 0, subMenuItem = 0, same = 0, newGlyphs = 0;
      double ms = 0, frame = 0, blit = 0, whole = 0;
      if (!(fields >> tag >> pace >> program >> key >> menuItem >> subMenuItem >> ms >> frame >> blit >> whole >>
            same >> newGlyphs) ||
          tag != "step" || blit <= 0 || whole <= 0)
        continue;
      Step& s = paces[pace][{program, key}];
      s.program = program;
      s.key = key;
      s.menuItem = menuItem;
      s.subMenuItem = subMenuItem;
      s.ms.push_back(ms);
      s.frame.push_back(frame);
      s.blit.push_back(blit);
      s.whole.push_back(whole);
      s.toBlit.push_back(ms / blit);
      s.toWhole.push_back(ms / whole);
      s.frameToWhole.push_back(frame / whole);
      ++s.runs;
      s.unlikeWhole += same == 0;
      s.newGlyphs = s.newGlyphs || newGlyphs != 0;
    }
  }
  for (const char* pace : {"teacher", "at-once"}) {
    std::vector<Step> steps;
    for (auto& [where, step] : paces[pace]) steps.push_back(std::move(step));
    summarisePace(pace, std::move(steps));
  }
  return 0;
}

int usage() {
  std::fprintf(stderr,
               "usage: window-bench walk PROGRAM teacher|at-once | keys PROGRAM KEYS | wait PROGRAM | summary FILE...\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return usage();
  const std::string mode = argv[1];
  if (mode == "summary") return summary(argc - 2, argv + 2);
  const ProgramInfo* program = findProgram(argv[2]);
  if (program == nullptr) {
    std::fprintf(stderr, "window-bench: no program %s\n", argv[2]);
    return 2;
  }
  if (mode == "wait") return runInWindow(*program);
  if (mode == "keys" && argc == 4) return typeKeys(*program, argv[2], argv[3]);
  if (mode == "walk" && argc == 4 && (std::string(argv[3]) == "teacher" || std::string(argv[3]) == "at-once"))
    return walkInWindow(*program, argv[2], argv[3]);
  return usage();
}
