// memory-bench PROGRAM [--minutes M] [--every SECONDS] [--seed N] [--run-keys N] [--ops FILE]
// Memory of a long headless session (run by hand, never a test): the program runs as
// tools/replay runs it, no operation log kept (or the log written to FILE as it goes), with the
// key monkey's keyboard typed for M minutes (10 by default) and the program started again
// whenever it ends or a run has had N keys (2000, as the monkey's runs; 0 for no limit). Every
// SECONDS (30) it prints the keys typed so far, the resident memory and the operations the
// canvas holds for its picture; after warm-up the peak stays flat however many keys go by.
// (Without a limit a run can stay at one drill's prompt for hundreds of thousands of keys, and
// the canvas keeps the entries' echoes and cursor dots that partial erasures leave under them.)
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "engine/platform/canvas.h"
#include "engine/platform/headless.h"
#include "engine/platform/keys.h"
#include "tools/monkey.h"
#include "tools/programs.h"

namespace {

double now() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// A field of /proc/self/status in KiB (VmRSS now, VmHWM the peak so far).
long statusKiB(const std::string& field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(field + ":", 0) == 0) return std::atol(line.c_str() + field.size() + 1);
  return -1;
}

int usage() {
  std::fprintf(stderr,
               "usage: memory-bench PROGRAM [--minutes M] [--every SECONDS] [--seed N] [--run-keys N] [--ops FILE]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  const ProgramInfo* program = findProgram(argv[1]);
  if (program == nullptr) return usage();
  double minutes = 10, every = 30;
  std::uint64_t seed = 1;
  std::uint64_t runKeys = 2000;
  std::ofstream ops;
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string flag = argv[i], value = argv[i + 1];
    if (flag == "--minutes") minutes = std::atof(value.c_str());
    else if (flag == "--every") every = std::atof(value.c_str());
    else if (flag == "--seed") seed = std::strtoull(value.c_str(), nullptr, 10);
    else if (flag == "--run-keys") runKeys = std::strtoull(value.c_str(), nullptr, 10);
    else if (flag == "--ops") ops.open(value);
    else return usage();
  }
  if (argc % 2 != 0 || minutes <= 0 || every <= 0) return usage();

  const double start = now();
  const double warmUp = std::min(60.0, minutes * 60 / 10);
  double nextSample = start;
  std::uint64_t keys = 0, runStart = 0;
  int runs = 0;
  long peakAfterWarmUp = -1;
  bool done = false;
  std::printf("memory-bench %s: %.1f min of the monkey's keys (seed %llu), %s, no operation log kept%s\n", argv[1],
              minutes, static_cast<unsigned long long>(seed),
              runKeys > 0 ? ("at most " + std::to_string(runKeys) + " keys a run").c_str() : "runs as long as they last",
              ops.is_open() ? " but one written" : "");
  std::printf("%8s %10s %6s %12s %12s %10s\n", "seconds", "keys", "runs", "VmRSS KiB", "VmHWM KiB", "shown ops");
  HeadlessOptions options;
  options.keepOps = false;
  if (ops.is_open()) options.opsOut = &ops;
  // The operations on the canvas now (the display list), beside the memory.
  const auto sample = [&](double t) {
    std::printf("%8.0f %10llu %6d %12ld %12ld %10zu\n", t - start, static_cast<unsigned long long>(keys), runs,
                statusKiB("VmRSS"), statusKiB("VmHWM"), canvas().displayList().size());
    std::fflush(stdout);
  };
  options.keySource = [&]() -> std::string {
    if (done) return "";
    const double t = now();
    if (t >= nextSample) {
      sample(t);
      nextSample += every;
    }
    if (peakAfterWarmUp < 0 && t - start >= warmUp) peakAfterWarmUp = statusKiB("VmHWM");
    done = t - start >= minutes * 60;
    if (done || (runKeys > 0 && keys - runStart >= runKeys)) return "";
    return KeyScript(monkeyKey(seed, keys++)).next();
  };
  // One program run after another in this process, as long as the session lasts.
  while (!done) {
    ++runs;
    runStart = keys;
    runHeadless(*program, options);
  }
  sample(now());
  const long peak = statusKiB("VmHWM");
  std::printf("peak after %.0f s of warm-up: %ld KiB; at the end, after %llu keys: %ld KiB (%+ld KiB)\n", warmUp,
              peakAfterWarmUp, static_cast<unsigned long long>(keys), peak, peak - peakAfterWarmUp);
  return 0;
}
