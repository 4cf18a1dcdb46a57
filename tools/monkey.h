// The key monkey: first the scene walk (tools/scene_walk.h), which reaches every scene of the
// program through its menus; then a long seeded random keyboard, weighted towards what a class
// types, driven through the program headless. Each program run is a child process of its own,
// started from a fresh program state; when the program ends, or the run has had its share of
// keys, the next run goes on with the next keys until all are typed.
#pragma once

#include <cstdint>
#include <string>

#include "engine/startup.h"

struct MonkeyOptions {
  // The scene walk first, in a run of its own at a clock time of the seed's. Off for a program
  // that has no menus to walk.
  bool walkFirst = true;
  std::uint64_t keys = 20000;   // random key presses in all, after the walk
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

// Walks the program and types the keys through it. Returns 0 when the walk ended the program
// through its main menu and every key was typed, without a fault; otherwise 1, after saying on
// stderr what went wrong (a crash, a sanitizer's report, the error screen, a run that stopped
// taking keys, a walk that did not end the program) and how to replay the failing run.
int runMonkey(const ProgramInfo& program, const std::string& name, const MonkeyOptions& options);
