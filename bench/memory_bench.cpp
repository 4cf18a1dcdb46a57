// memory-bench PROGRAM [--keys N] [--drill KEYS] [--seed N] [--every N] [--run-keys N] [--ops FILE]
// Memory and CPU of a long headless session (run by hand, never a test): the program runs as
// tools/replay runs it, no operation log kept (or the log written to FILE as it goes), for N key
// presses (100,000). The keys are the key monkey's keyboard (seeded), or with --drill the key
// script KEYS, which enters a drill, followed by Enter for the rest, one problem after another.
// The program runs as long as it lasts, re-entering its sections and drills, and starts again
// only when it ends or, with --run-keys, after that many keys. Every N keys (1,000) it prints
// the resident memory, the CPU those keys took and the operations the canvas holds for its
// picture; at the end, how the last of them compare with the first.
#include <time.h>

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

double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
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
               "usage: memory-bench PROGRAM [--keys N] [--drill KEYS] [--seed N] [--every N] [--run-keys N] "
               "[--ops FILE]\n");
  return 2;
}

// One row of the table: the memory after a stretch of keys and the CPU they took.
struct Sample {
  long rssKiB = 0;
  double cpuMs = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  const ProgramInfo* program = findProgram(argv[1]);
  if (program == nullptr) return usage();
  std::uint64_t total = 100000, every = 1000, seed = 1, runKeys = 0;
  std::string drill;
  bool drilling = false;
  std::ofstream ops;
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string flag = argv[i], value = argv[i + 1];
    if (flag == "--keys") total = std::strtoull(value.c_str(), nullptr, 10);
    else if (flag == "--drill") drill = value, drilling = true;
    else if (flag == "--seed") seed = std::strtoull(value.c_str(), nullptr, 10);
    else if (flag == "--every") every = std::strtoull(value.c_str(), nullptr, 10);
    else if (flag == "--run-keys") runKeys = std::strtoull(value.c_str(), nullptr, 10);
    else if (flag == "--ops") ops.open(value);
    else return usage();
  }
  if (argc % 2 != 0 || total == 0 || every == 0) return usage();

  const std::vector<std::string> drillKeys = parseKeys(drill);
  if (drilling)
    std::printf("memory-bench %s: the drill '%s', then Enter, %llu keys in all", argv[1], drill.c_str(),
                static_cast<unsigned long long>(total));
  else
    std::printf("memory-bench %s: %llu of the key monkey's keys (seed %llu)", argv[1],
                static_cast<unsigned long long>(total), static_cast<unsigned long long>(seed));
  std::printf(", %s, no operation log kept%s\n",
              runKeys > 0 ? ("at most " + std::to_string(runKeys) + " keys a run").c_str() : "one run as long as it lasts",
              ops.is_open() ? " but one written" : "");
  std::printf("%10s %6s %12s %14s %10s\n", "keys", "runs", "VmRSS KiB", "CPU ms/stretch", "shown ops");

  HeadlessOptions options;
  options.keepOps = false;
  if (ops.is_open()) options.opsOut = &ops;
  std::uint64_t keys = 0, runStart = 0;
  int runs = 0;
  Sample first, last;
  double stretchStart = cpuSeconds();
  const auto sample = [&] {
    const double now = cpuSeconds();
    last = {statusKiB("VmRSS"), (now - stretchStart) * 1000};
    stretchStart = now;
    if (keys == every) first = last;
    std::printf("%10llu %6d %12ld %14.1f %10zu\n", static_cast<unsigned long long>(keys), runs, last.rssKiB,
                last.cpuMs, canvas().displayList().size());
    std::fflush(stdout);
  };
  options.keySource = [&]() -> std::string {
    if (keys >= total || (runKeys > 0 && keys - runStart >= runKeys)) return "";
    // The key of this press: the drill's keys of this run, then Enter; or the monkey's.
    std::string key;
    if (!drilling) key = KeyScript(monkeyKey(seed, keys)).next();
    else if (keys - runStart < drillKeys.size()) key = drillKeys[keys - runStart];
    else key = "\r";
    ++keys;
    if (keys % every == 0) sample();
    return key;
  };
  // One program run after another in this process while keys are left.
  while (keys < total) {
    ++runs;
    runStart = keys;
    runHeadless(*program, options);
  }
  std::printf("after %llu keys in %d run%s: VmRSS %+ld KiB since the first %llu keys, the last %llu keys took "
              "%.2f times the CPU of the first; peak VmHWM %ld KiB\n",
              static_cast<unsigned long long>(keys), runs, runs == 1 ? "" : "s", last.rssKiB - first.rssKiB,
              static_cast<unsigned long long>(every), static_cast<unsigned long long>(every),
              first.cpuMs > 0 ? last.cpuMs / first.cpuMs : 0.0, statusKiB("VmHWM"));
  return 0;
}
