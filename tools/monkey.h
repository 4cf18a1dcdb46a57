// The key monkey: a long seeded random keyboard, weighted towards what a class types, driven
// through a program headless. Each program run is a child process of its own, started from a
// fresh program state; when the program ends, or the run has had its share of keys, the next
// run goes on with the next keys until all are typed.
#pragma once

#include <cstdint>
#include <string>

#include "engine/startup.h"

struct MonkeyOptions {
  std::uint64_t keys = 20000;   // key presses in all
  // The most keys one run takes before the program starts afresh: a run can otherwise stay in
  // one drill for good, and the other sections would see none of the keys.
  std::uint64_t runKeys = 2000;
  std::uint64_t seed = 1;
  double stallSeconds = 60;     // a run that takes no key for this long has stopped taking keys
  std::string failureDir = "."; // where the keys of a failing run are written
  std::string opsPath;          // when set, every run's operation log is written there, in turn
};

// Key press number index of the monkey's keyboard for a seed, as key script text (one key).
std::string monkeyKey(std::uint64_t seed, std::uint64_t index);

// Types the keys through the program. Returns 0 when every key was typed without a fault;
// otherwise 1, after saying on stderr what went wrong (a crash, a sanitizer's report, the error
// screen, or a run that stopped taking keys) and how to replay the failing run.
int runMonkey(const ProgramInfo& program, const std::string& name, const MonkeyOptions& options);
