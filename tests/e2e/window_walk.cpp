// window-walk PROGRAM WxH [K/N [DIR]]
//     The program's scene walk (tools/scene_walk.h, the keys `tools/replay --walk` types) in a real
//     window on an Xvfb screen of that size, the clock at 00:00:00. After every frame the window
//     presents, the window's pixels are read back from the X server and compared with the display
//     list painted whole at the window's size: they must be the same to the last bit. At the
//     walk's first key and again at its middle key the window shrinks to three quarters of the
//     screen, takes a few keys, grows to fill the screen again, and the walk goes on: a window
//     first shown smaller and then maximised, and one restored and maximised again mid-lesson.
//     (A picture the window keeps beside the screen's, made at the first size it needed and not
//     made again, would be too small once the window grows past that size.)
//     K/N checks only the frames of the K-th of N equal runs of the walk's keys (the program ends
//     after them), so that N runs share the walk; 1/1 by default. Prints the first frame unlike
//     the list painted whole, naming the walk key, where the program was and the first differing
//     pixel, then what was checked; leaves that frame in DIR, when given, as screen.png beside
//     whole.png; on a crash, says after which walk key it came. Exit status 1 on a difference or
//     a walk that does not end the program, 77 (skipped) without Xvfb.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "engine/platform/headless.h"
#include "engine/platform/keys.h"
#include "engine/platform/window.h"
#include "engine/strings.h"
#include "tools/programs.h"
#include "tools/scene_walk.h"
#include "tools/whereabouts.h"
#include "virtual_screen.h"
// Xlib's macros (None among them) come after the headers whose names they would replace.
#include <SDL.h>
#include <SDL_syswm.h>

#include "screen_match.h"

namespace {

constexpr int SKIPPED = 77;
// The keys typed while the window is shrunk.
constexpr std::uint64_t SHRUNK_KEYS = 12;

// What a crash prints: where the walk was. It is written out at every key, as a signal handler
// can only send what is ready.
char crashNote[512];
std::size_t crashNoteLength = 0;

extern "C" void onCrash(int signal) {
  if (write(STDOUT_FILENO, crashNote, crashNoteLength) < 0) {
    // Nothing more can be said.
  }
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

// The keys of the whole walk, from a headless run of it in a process of its own (the program's
// globals stay fresh here); 0 when it cannot be counted.
std::uint64_t walkLength(const ProgramInfo& program) {
  int fds[2];
  if (pipe(fds) != 0) return 0;
  const pid_t child = fork();
  if (child == 0) {
    close(fds[0]);
    SceneWalk walk;
    HeadlessOptions options;
    options.keepOps = false;
    options.keySource = [&walk] { return walk.nextKey(); };
    runHeadless(program, options);
    const std::uint64_t keys = walk.complete() ? walk.keys() : 0;
    const bool written = write(fds[1], &keys, sizeof keys) == static_cast<ssize_t>(sizeof keys);
    _exit(written ? 0 : 1);
  }
  close(fds[1]);
  std::uint64_t keys = 0;
  if (child < 0 || read(fds[0], &keys, sizeof keys) != static_cast<ssize_t>(sizeof keys)) keys = 0;
  close(fds[0]);
  if (child > 0) waitpid(child, nullptr, 0);
  return keys;
}

// A key press as a failure names it.
std::string keyName(const std::string& key) {
  if (key == "\r") return "Enter";
  if (key == "\b") return "Backspace";
  if (key == "\x1b") return "Escape";
  if (key == "\f") return "Delete";
  if (key == OTHER_KEY) return "a key that types nothing";
  return "\"" + toUtf8(key) + "\"";
}

struct Walk {
  std::string name;
  int width = 0, height = 0;
  int part = 1, parts = 1;
  std::string picturesDir;
};

class WindowWalk {
 public:
  WindowWalk(const Walk& walk, std::uint64_t length)
      : walk_(walk),
        length_(length),
        from_(length * static_cast<std::uint64_t>(walk.part - 1) / static_cast<std::uint64_t>(walk.parts)),
        to_(length * static_cast<std::uint64_t>(walk.part) / static_cast<std::uint64_t>(walk.parts)),
        shrinkAt_(length / 2) {}

  int run(const ProgramInfo& program) {
    for (int signal : {SIGSEGV, SIGBUS, SIGABRT, SIGFPE}) std::signal(signal, onCrash);
    typeForBenchmark({.next = [this] { return nextKey(); }, .atOnce = false, .clock = "00:00:00"});
    watchFrames([this] { check(); });
    const int status = runInWindow(program);
    watchFrames(nullptr);
    return report(status);
  }

 private:
  bool lastPart() const { return walk_.part == walk_.parts; }

  // The walk's next key, typed at a teacher's pace: when the window would wait for one. The
  // window shrinks at the walk's first key and at its middle key, and grows again SHRUNK_KEYS
  // keys later.
  std::string nextKey() {
    if (!lastPart() && keys_ == to_) return "";  // this part's keys are done: the program ends
    std::string key = scene_.nextKey();
    if (key.empty()) return key;
    where_.typed(key);
    ++keys_;
    lastKey_ = key;
    noteForCrash();
    for (std::uint64_t at : {std::uint64_t{1}, shrinkAt_}) {
      if (keys_ == at) resize(walk_.width * 3 / 4, walk_.height * 3 / 4);
      if (keys_ == at + SHRUNK_KEYS) resize(walk_.width, walk_.height);
    }
    return key;
  }

  void resize(int width, int height) {
    std::printf("after key %llu the window is made %dx%d\n", static_cast<unsigned long long>(keys_), width, height);
    std::fflush(stdout);
    SDL_SetWindowSize(window(), width, height);
  }

  static SDL_Window* window() { return SDL_GetWindowFromID(1); }

  // After a frame: the screen against the list painted whole, for the frames of this part.
  void check() {
    if (keys_ < from_ || (!lastPart() && keys_ >= to_)) return;
    if (!reader_) {
      SDL_SysWMinfo info;
      SDL_VERSION(&info.version);
      if (!SDL_GetWindowWMInfo(window(), &info) || info.subsystem != SDL_SYSWM_X11) {
        fail("the window is not on the X server");
        return;
      }
      reader_ = std::make_unique<ScreenReader>(info.info.x11.display, info.info.x11.window, walk_.picturesDir);
    }
    const ScreenMatch match = reader_->compare();
    ++frames_;
    if (match.width != walk_.width || match.height != walk_.height) ++framesResized_;
    if (!match.problem.empty()) {
      fail(match.problem);
    } else if (match.difference) {
      const ScreenDifference& d = *match.difference;
      ++unlike_;
      fail("the screen at " + std::to_string(match.width) + "x" + std::to_string(match.height) + " shows " +
           colourText(d.shown) + " at " + std::to_string(d.x) + "," + std::to_string(d.y) +
           " where the list painted whole shows " + colourText(d.painted) + " (" + std::to_string(d.pixels) +
           " pixels differ)");
    }
  }

  // "pradine at 1024x768, after walk key 14 of 789 ("あ")\n  where: ...": the walk key and the
  // place of the program.
  std::string whereNow() const {
    return walk_.name + " at " + std::to_string(walk_.width) + "x" + std::to_string(walk_.height) +
           ", after walk key " + std::to_string(keys_) + " of " + std::to_string(length_) + " (" +
           (keys_ == 0 ? "none yet" : keyName(lastKey_)) + ")\n  where: " + where_.place().text();
  }

  void noteForCrash() const {
    const std::string note = "CRASHED: " + whereNow() + "\n";
    crashNoteLength = std::min(note.size(), sizeof crashNote);
    std::copy_n(note.begin(), crashNoteLength, crashNote);
  }

  // Prints the first failure, with the walk key and the place of the program.
  void fail(const std::string& what) {
    if (failed_) return;
    failed_ = true;
    std::printf("FAILED: %s\n  %s\n", whereNow().c_str(), what.c_str());
    std::fflush(stdout);
  }

  int report(int status) {
    const bool ended = lastPart() ? scene_.complete() : keys_ == to_;
    std::printf("%s at %dx%d, part %d of %d: keys %llu to %llu of %llu, %d frames read back (%d at another size), "
                "%d unlike the list painted whole\n",
                walk_.name.c_str(), walk_.width, walk_.height, walk_.part, walk_.parts,
                static_cast<unsigned long long>(from_), static_cast<unsigned long long>(lastPart() ? length_ : to_),
                static_cast<unsigned long long>(length_), frames_, framesResized_, unlike_);
    if (status != 0) std::printf("FAILED: the program ended with status %d\n", status);
    if (!ended)
      std::printf("FAILED: the walk did not end the program: %s\n",
                  scene_.problem().empty() ? "it ended elsewhere" : scene_.problem().c_str());
    if (frames_ == 0) std::printf("FAILED: no frame was read back\n");
    return failed_ || status != 0 || !ended || frames_ == 0 ? 1 : 0;
  }

  Walk walk_;
  SceneWalk scene_;
  std::uint64_t length_, from_, to_, shrinkAt_;
  std::uint64_t keys_ = 0;  // keys typed so far
  std::string lastKey_;
  Whereabouts where_;
  std::unique_ptr<ScreenReader> reader_;
  int frames_ = 0, framesResized_ = 0, unlike_ = 0;
  bool failed_ = false;
};

int usage() {
  std::fprintf(stderr, "usage: window-walk PROGRAM WxH [K/N [DIR]]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 5) return usage();
  const ProgramInfo* program = findProgram(argv[1]);
  if (program == nullptr) {
    std::fprintf(stderr, "window-walk: no program named %s\n", argv[1]);
    return 2;
  }
  Walk walk;
  walk.name = argv[1];
  char end = 0;
  if (std::sscanf(argv[2], "%dx%d%c", &walk.width, &walk.height, &end) != 2 || walk.width < 64 ||
      walk.height < 64 || walk.width > 8192 || walk.height > 8192)
    return usage();
  if (argc >= 4 && (std::sscanf(argv[3], "%d/%d%c", &walk.part, &walk.parts, &end) != 2 || walk.parts < 1 ||
                    walk.part < 1 || walk.part > walk.parts))
    return usage();
  if (argc == 5) walk.picturesDir = argv[4];
  const std::uint64_t length = walkLength(*program);
  if (length == 0) {
    std::printf("FAILED: the headless walk of %s did not end the program\n", argv[1]);
    return 1;
  }
  VirtualScreen screen(walk.width, walk.height);
  if (screen.state() == VirtualScreen::State::NotInstalled) {
    std::printf("skipped: %s\n", screen.problem().c_str());
    return SKIPPED;
  }
  if (screen.state() != VirtualScreen::State::Running) {
    std::printf("FAILED: %s\n", screen.problem().c_str());
    return 1;
  }
  setenv("SDL_VIDEODRIVER", "x11", 1);
  return WindowWalk(walk, length).run(*program);
}
