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
  // The scene walk first, at each of its turns 0 to walks - 1 (scene_walk.h), each in a run of
  // its own at a clock time of the seed's. Off for a program that has no menus to walk.
  bool walkFirst = true;
  unsigned walks = 3;
  std::uint64_t keys = 20000;   // random key presses in all, after the walk
  // The first of them is this key of the seed's keyboard: a long keyboard split in parts, each
  // typed by a monkey of its own, types the same keys.
  std::uint64_t firstKey = 0;
  // The most keys one run takes before the program starts afresh: a run can otherwise stay in
  // one drill for good, and the other sections would see none of the keys.
  std::uint64_t runKeys = 2000;
  std::uint64_t seed = 1;
  double stallSeconds = 60;     // a run that takes no key for this long has stopped taking keys
  // A run of random keys that shows no number prompt for this many keys in a row is stuck in a
  // wait that never ends: a scene asks for a number within a few hundred keys.
  std::uint64_t promptKeys = 1000;
  std::string failureDir = "."; // where the keys of a failing run are written
  std::string opsPath;          // when set, every run's operation log is written there, in turn
};

// Key press number index of the monkey's keyboard for a seed, as key script text (one key).
std::string monkeyKey(std::uint64_t seed, std::uint64_t index);

// What the error screen shows (its line and code) and what the recorded error keeps beside:
// "line 0, error code 51: vector::_M_range_check: ..." or "line 40, error code 11 (raised at
// engine/runtime.cpp:30)".
std::string errorText(const RuntimeError& error);

// Walks the program and types the keys through it. Returns 0 when each walk ended the program
// through its main menu and every key was typed, without a fault; otherwise 1, after saying on
// stderr what went wrong (a crash, a sanitizer's report, the error screen with what raised it,
// a run that stopped taking keys or showed no number prompt for promptKeys keys, a walk that
// did not end the program), where (whereabouts.h) and how to replay the failing run.
int runMonkey(const ProgramInfo& program, const std::string& name, const MonkeyOptions& options);
