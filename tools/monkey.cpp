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

// The clock of a run, which fixes its random seed.
std::string runClock(std::uint64_t seed, std::uint64_t firstKey) {
  const std::uint64_t r = draw(seed, firstKey, 2);
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(r % 24), static_cast<int>(r / 24 % 60),
                static_cast<int>(r / 1440 % 60));
  return text;
}

double now() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Exit status of a run that ended on the error screen.
constexpr int ERROR_SCREEN_STATUS = 3;

// One program run in this (child) process: keys from firstKey on, counted in taken.
[[noreturn]] void typeOneRun(const ProgramInfo& program, const MonkeyOptions& options, std::uint64_t firstKey,
                             std::atomic<std::uint64_t>& taken) {
  HeadlessOptions headless;
  headless.keepOps = false;
  headless.time = runClock(options.seed, firstKey);
  std::ofstream ops;
  if (!options.opsPath.empty()) {
    ops.open(options.opsPath, std::ios::app);
    ops << "# run from key " << firstKey << " at " << headless.time << '\n';
    headless.opsOut = &ops;
  }
  headless.keySource = [&]() -> std::string {
    const std::uint64_t index = firstKey + taken.load();
    if (index >= options.keys || taken.load() >= options.runKeys) return "";
    taken.fetch_add(1);
    return KeyScript(monkeyKey(options.seed, index)).next();
  };
  const HeadlessResult result = runHeadless(program, headless);
  if (result.error) {
    std::fprintf(stderr, "monkey: the run reached the error screen: line %d, error code %d\n", result.error->line,
                 static_cast<int>(result.error->code));
    std::exit(ERROR_SCREEN_STATUS);
  }
  std::exit(0);
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

// The count of keys the running child has taken, in memory it shares with its parent.
class SharedCount {
 public:
  SharedCount() {
    void* shared = mmap(nullptr, sizeof(Count), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared != MAP_FAILED) count_ = new (shared) Count(0);
  }
  ~SharedCount() {
    if (count_ != nullptr) munmap(count_, sizeof(Count));
  }
  SharedCount(const SharedCount&) = delete;
  SharedCount& operator=(const SharedCount&) = delete;
  bool usable() const { return count_ != nullptr; }
  std::atomic<std::uint64_t>& operator*() { return *count_; }

 private:
  using Count = std::atomic<std::uint64_t>;
  Count* count_ = nullptr;
};

}  // namespace

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
  SharedCount shared;
  if (!shared.usable()) {
    std::perror("monkey: mmap");
    return 1;
  }
  std::atomic<std::uint64_t>& taken = *shared;
  std::fflush(nullptr);
  std::uint64_t typed = 0;
  int runs = 0;
  while (typed < options.keys) {
    taken = 0;
    const pid_t child = fork();
    if (child < 0) {
      std::perror("monkey: fork");
      return 1;
    }
    if (child == 0) typeOneRun(program, options, typed, taken);
    ++runs;
    // Watch the run: it must keep taking keys until it ends.
    int status = 0;
    std::uint64_t seen = 0;
    double progressAt = now();
    bool stalled = false;
    for (;;) {
      const pid_t done = waitpid(child, &status, WNOHANG);
      if (done == child) break;
      if (taken.load() != seen) {
        seen = taken.load();
        progressAt = now();
      } else if (now() - progressAt > options.stallSeconds) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        stalled = true;
        break;
      }
      usleep(20000);
    }
    const std::uint64_t runKeys = taken.load();
    std::string fault;
    if (stalled) {
      fault = "stopped taking keys for " + std::to_string(static_cast<int>(options.stallSeconds)) + " s";
    } else if (WIFSIGNALED(status)) {
      fault = "crashed (signal " + std::to_string(WTERMSIG(status)) + ")";
    } else if (WEXITSTATUS(status) == ERROR_SCREEN_STATUS) {
      fault = "ended on the error screen";
    } else if (WEXITSTATUS(status) != 0) {
      fault = "crashed or was stopped by a sanitizer (exit status " + std::to_string(WEXITSTATUS(status)) + ")";
    } else if (runKeys == 0) {
      fault = "ended without taking a key";
    }
    if (!fault.empty()) {
      const std::string path = saveKeys(name, options, typed, typed + runKeys);
      std::fprintf(stderr,
                   "monkey: %s, seed %llu: run %d %s after %llu of its keys (keys %llu to %llu of the keyboard)\n"
                   "  replay it: tools/replay %s --time %s --keys-file %s\n",
                   name.c_str(), static_cast<unsigned long long>(options.seed), runs, fault.c_str(),
                   static_cast<unsigned long long>(runKeys), static_cast<unsigned long long>(typed),
                   static_cast<unsigned long long>(typed + runKeys), name.c_str(),
                   runClock(options.seed, typed).c_str(), std::filesystem::absolute(path).c_str());
      return 1;
    }
    typed += runKeys;
  }
  std::printf("monkey: %s, seed %llu: %llu keys in %d runs, no fault\n", name.c_str(),
              static_cast<unsigned long long>(options.seed), static_cast<unsigned long long>(typed), runs);
  return 0;
}
