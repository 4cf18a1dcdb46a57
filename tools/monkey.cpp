#include "monkey.h"

#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <span>

#include "engine/platform/headless.h"
#include "engine/platform/keys.h"
#include "scene_walk.h"
#include "whereabouts.h"

namespace {

// A well-mixed 64-bit value for each input: the keyboard is a function of (seed, index), so
// each run can start anywhere in it.
std::uint64_t mix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

std::uint64_t draw(std::uint64_t seed, std::uint64_t index, std::uint64_t stream) {
  return mix(mix(mix(seed) ^ index) ^ stream);
}

// The keys a class types, as key script text, and how often (out of the sum of the weights).
struct KeyGroup {
  int weight;
  std::span<const char* const> keys;
};
constexpr const char* DIGITS[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr const char* ENTER[] = {"\\n"};
constexpr const char* MINUS[] = {"-"};
constexpr const char* POINT[] = {"."};
constexpr const char* SLASH[] = {"/"};
constexpr const char* BACKSPACE[] = {"\\b"};
constexpr const char* DELETE[] = {"\\f"};
constexpr const char* ESCAPE[] = {"\\e"};
constexpr const char* PRINTABLE[] = {
    "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p", "q", "r", "s", "t", "u", "v",
    "w", "x", "y", "z", "A", "E", "Q", "X", " ", "+", "*", "=", "(", ")", "^", "!", "#", "&", "@", "%", ",", "?",
    "'", "\"", ":", ";", "<", ">", "[", "]", "{", "}", "|", "~", "_", "`", "$", "\\\\"};
// Typed in UTF-8 as a keyboard sends it: characters the code page has (full-width digits and
// signs, kana, a kanji) and characters it lacks.
const char* const NON_ASCII[] = {
    reinterpret_cast<const char*>(u8"１"), reinterpret_cast<const char*>(u8"－"),
    reinterpret_cast<const char*>(u8"あ"), reinterpret_cast<const char*>(u8"ｱ"),
    reinterpret_cast<const char*>(u8"表"), reinterpret_cast<const char*>(u8"é"),
    reinterpret_cast<const char*>(u8"€"),  reinterpret_cast<const char*>(u8"😀"),
};
const KeyGroup GROUPS[] = {
    {36, DIGITS}, {20, ENTER},  {5, MINUS},  {4, POINT},      {4, SLASH},
    {6, BACKSPACE}, {3, DELETE}, {3, ESCAPE}, {12, PRINTABLE}, {7, NON_ASCII},
};

// A clock text from a random draw; the clock of a run fixes its random seed.
std::string clockOf(std::uint64_t r) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(r % 24), static_cast<int>(r / 24 % 60),
                static_cast<int>(r / 1440 % 60));
  return text;
}
std::string runClock(std::uint64_t seed, std::uint64_t firstKey) { return clockOf(draw(seed, firstKey, 2)); }
// Each turn of the walk runs at a clock of its own, so that the drills draw other problems.
std::string walkClock(std::uint64_t seed, unsigned turn) { return clockOf(draw(seed, turn, 3)); }

double now() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Exit status of a run that ended on the error screen, of a walk that did not end the program,
// and of a run that showed no number prompt for too long.
constexpr int ERROR_SCREEN_STATUS = 3;
constexpr int WALK_UNFINISHED_STATUS = 4;
constexpr int NO_PROMPT_STATUS = 5;

// What the running child shares with the monkey: the keys it has taken, and where it is.
struct Progress {
  std::atomic<std::uint64_t> taken{0};
  std::atomic<int> menuItem{0};
  std::atomic<int> subMenuItem{0};
  std::atomic<int> waiting{static_cast<int>(Waiting::MainMenu)};
  // Place::menuEntry, at most an entry's nine characters: read once the child has ended.
  char menuEntry[16] = {};

  void tell(const Place& place) {
    menuItem = place.menuItem;
    subMenuItem = place.subMenuItem;
    waiting = static_cast<int>(place.waiting);
    std::snprintf(menuEntry, sizeof menuEntry, "%s", place.menuEntry.c_str());
  }
  Place place() const {
    return {menuItem.load(), subMenuItem.load(), static_cast<Waiting>(waiting.load()), menuEntry};
  }
};

// The headless run of a child, at the clock time, its operation log appended to the options' file.
HeadlessOptions childRun(const MonkeyOptions& options, const std::string& time, const std::string& heading,
                         std::ofstream& ops) {
  HeadlessOptions headless;
  headless.keepOps = false;
  headless.time = time;
  headless.hangSeconds = 0;  // the monkey watches its runs itself (watch()), for stallSeconds
  if (!options.opsPath.empty()) {
    ops.open(options.opsPath, std::ios::app);
    ops << "# " << heading << " at " << time << '\n';
    headless.opsOut = &ops;
  }
  return headless;
}

void exitOnErrorScreen(const HeadlessResult& result) {
  if (!result.error) return;
  std::fprintf(stderr, "monkey: the run reached the error screen: %s\n", errorText(*result.error).c_str());
  std::exit(ERROR_SCREEN_STATUS);
}

// The scene walk (tools/scene_walk.h) at its turn, in this (child) process.
[[noreturn]] void walkOneRun(const ProgramInfo& program, const std::string& name, const MonkeyOptions& options,
                             unsigned turn, Progress& progress) {
  std::ofstream ops;
  HeadlessOptions headless =
      childRun(options, walkClock(options.seed, turn), "the scene walk at turn " + std::to_string(turn), ops);
  SceneWalk walk({}, turn);
  Whereabouts whereabouts;
  headless.keySource = [&] {
    std::string key = walk.nextKey();
    if (!key.empty()) whereabouts.typed(key);
    progress.tell(whereabouts.place());
    progress.taken = walk.keys();
    return key;
  };
  exitOnErrorScreen(runHeadless(program, headless));
  if (!walk.complete()) {
    std::fprintf(stderr, "monkey: the scene walk did not end the program through its main menu: %s\n",
                 walk.problem().empty() ? "the program ended elsewhere" : walk.problem().c_str());
    std::exit(WALK_UNFINISHED_STATUS);
  }
  std::printf("monkey: %s, seed %llu: the scene walk at turn %u took %s\n", name.c_str(),
              static_cast<unsigned long long>(options.seed), turn, walk.summary().c_str());
  std::exit(0);
}

// One program run of random keys in this (child) process: keys from firstKey on.
[[noreturn]] void typeOneRun(const ProgramInfo& program, const MonkeyOptions& options, std::uint64_t firstKey,
                             Progress& progress) {
  std::ofstream ops;
  HeadlessOptions headless =
      childRun(options, runClock(options.seed, firstKey), "run from key " + std::to_string(firstKey), ops);
  std::atomic<std::uint64_t>& taken = progress.taken;
  Whereabouts whereabouts;
  bool noPrompt = false;
  headless.keySource = [&]() -> std::string {
    const std::uint64_t index = firstKey + taken.load();
    if (index >= options.firstKey + options.keys || taken.load() >= options.runKeys) return "";
    std::string key = KeyScript(monkeyKey(options.seed, index)).next();
    whereabouts.typed(key);
    progress.tell(whereabouts.place());
    if (whereabouts.keysWithoutPrompt() > options.promptKeys) {
      noPrompt = true;
      return "";
    }
    taken.fetch_add(1);
    return key;
  };
  exitOnErrorScreen(runHeadless(program, headless));
  std::exit(noPrompt ? NO_PROMPT_STATUS : 0);
}

// The keys of a failing run as a key script, for tools/replay --keys-file.
std::string saveKeys(const std::string& name, const MonkeyOptions& options, std::uint64_t first, std::uint64_t end) {
  std::filesystem::create_directories(options.failureDir);
  const std::string path = (std::filesystem::path(options.failureDir) / ("monkey-" + name + "-" +
                            std::to_string(options.seed) + "-" + std::to_string(first) + ".keys")).string();
  std::ofstream out(path);
  for (std::uint64_t i = first; i < end; ++i) out << monkeyKey(options.seed, i);
  return path;
}

// The progress of the running child, in memory it shares with its parent.
class SharedProgress {
 public:
  SharedProgress() {
    void* shared = mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared != MAP_FAILED) progress_ = new (shared) Progress;
  }
  ~SharedProgress() {
    if (progress_ != nullptr) munmap(progress_, sizeof(Progress));
  }
  SharedProgress(const SharedProgress&) = delete;
  SharedProgress& operator=(const SharedProgress&) = delete;
  bool usable() const { return progress_ != nullptr; }
  // Starts a child at run, from no progress; -1 when it cannot.
  template <typename Run>
  pid_t start(Run run) {
    progress_->taken = 0;
    progress_->tell({});
    const pid_t child = fork();
    if (child < 0) std::perror("monkey: fork");
    if (child == 0) run(*progress_);
    return child;
  }
  const Progress& operator*() const { return *progress_; }

 private:
  Progress* progress_ = nullptr;
};

// Watches a child run to its end: it must keep taking keys until then. Returns what went wrong,
// or "" when nothing did.
std::string watch(pid_t child, const Progress& progress, const MonkeyOptions& options) {
  const double stallSeconds = options.stallSeconds;
  int status = 0;
  std::uint64_t seen = 0;
  double progressAt = now();
  for (;;) {
    const pid_t done = waitpid(child, &status, WNOHANG);
    if (done == child) break;
    if (progress.taken.load() != seen) {
      seen = progress.taken.load();
      progressAt = now();
    } else if (now() - progressAt > stallSeconds) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      return "stopped taking keys for " + std::to_string(static_cast<int>(stallSeconds)) + " s";
    }
    usleep(20000);
  }
  if (WIFSIGNALED(status)) return "crashed (signal " + std::to_string(WTERMSIG(status)) + ")";
  if (WEXITSTATUS(status) == ERROR_SCREEN_STATUS) return "ended on the error screen";
  if (WEXITSTATUS(status) == WALK_UNFINISHED_STATUS) return "did not end the program";
  if (WEXITSTATUS(status) == NO_PROMPT_STATUS)
    return "showed no number prompt for " + std::to_string(options.promptKeys) + " keys";
  if (WEXITSTATUS(status) != 0)
    return "crashed or was stopped by a sanitizer (exit status " + std::to_string(WEXITSTATUS(status)) + ")";
  if (progress.taken.load() == 0) return "ended without taking a key";
  return "";
}

}  // namespace

std::string errorText(const RuntimeError& error) {
  std::string text = "line " + std::to_string(error.line) + ", error code " +
                     std::to_string(static_cast<int>(error.code));
  if (!error.text.empty()) text += ": " + error.text;
  if (!error.place.empty()) text += " (raised at " + error.place + ")";
  return text;
}

std::string monkeyKey(std::uint64_t seed, std::uint64_t index) {
  int total = 0;
  for (const KeyGroup& g : GROUPS) total += g.weight;
  const std::uint64_t r = draw(seed, index, 1);
  int pick = static_cast<int>(r % static_cast<std::uint64_t>(total));
  for (const KeyGroup& g : GROUPS) {
    if (pick < g.weight) return g.keys[(r >> 32) % g.keys.size()];
    pick -= g.weight;
  }
  return DIGITS[0];
}

int runMonkey(const ProgramInfo& program, const std::string& name, const MonkeyOptions& options) {
  SharedProgress shared;
  if (!shared.usable()) {
    std::perror("monkey: mmap");
    return 1;
  }
  const Progress& progress = *shared;
  const auto seed = static_cast<unsigned long long>(options.seed);
  std::fflush(nullptr);
  for (unsigned turn = 0; options.walkFirst && turn < options.walks; ++turn) {
    const pid_t child = shared.start([&](Progress& p) { walkOneRun(program, name, options, turn, p); });
    if (child < 0) return 1;
    const std::string fault = watch(child, progress, options);
    if (!fault.empty()) {
      std::fprintf(stderr,
                   "monkey: %s, seed %llu: the scene walk at turn %u %s after %llu keys\n"
                   "  where: %s\n"
                   "  replay it: tools/replay %s --walk --walk-turn %u --time %s\n",
                   name.c_str(), seed, turn, fault.c_str(), static_cast<unsigned long long>(progress.taken.load()),
                   progress.place().text().c_str(), name.c_str(), turn,
                   walkClock(options.seed, turn).c_str());
      return 1;
    }
  }
  std::uint64_t typed = options.firstKey;  // the keyboard's next key
  int runs = 0;
  while (typed < options.firstKey + options.keys) {
    const pid_t child = shared.start([&](Progress& p) { typeOneRun(program, options, typed, p); });
    if (child < 0) return 1;
    ++runs;
    const std::string fault = watch(child, progress, options);
    const std::uint64_t runKeys = progress.taken.load();
    if (!fault.empty()) {
      const std::string path = saveKeys(name, options, typed, typed + runKeys);
      std::fprintf(stderr,
                   "monkey: %s, seed %llu: run %d %s after %llu of its keys (keys %llu to %llu of the keyboard)\n"
                   "  where: %s\n"
                   "  replay it: tools/replay %s --time %s --keys-file %s\n",
                   name.c_str(), seed, runs, fault.c_str(), static_cast<unsigned long long>(runKeys),
                   static_cast<unsigned long long>(typed), static_cast<unsigned long long>(typed + runKeys),
                   progress.place().text().c_str(), name.c_str(), runClock(options.seed, typed).c_str(),
                   std::filesystem::absolute(path).c_str());
      return 1;
    }
    typed += runKeys;
  }
  std::printf("monkey: %s, seed %llu: %llu keys in %d runs, no fault\n", name.c_str(), seed,
              static_cast<unsigned long long>(typed - options.firstKey), runs);
  return 0;
}
