// Runs of a generator test over every random seed the programs' clock can give.
#pragma once

#include <gtest/gtest.h>

#include <concepts>
#include <cstddef>
#include <vector>

#include "engine/engine.h"
#include "support/test_support.h"

// Every seed the clock can give: hours + minutes + seconds, 0 to 141.
inline const std::vector<int>& allSeeds() {
  static const std::vector<int> seeds = [] {
    std::vector<int> all;
    for (int seed = 0; seed <= 141; ++seed) all.push_back(seed);
    return all;
  }();
  return seeds;
}

// The seeds a sweep runs over: every seed, or in a build with SAMPLE_SEED_SWEEPS (the sanitizer
// build, which slows the algebra checker's arithmetic and each run of a scene many times over,
// while the hundredth run of the same code shows it nothing new) a handful spread over the range.
// A sweep with a check that needs more draws than the handful gives (every draw met, a rare case
// seen) takes allSeeds() instead; those sweep a generator's draws and stay quick in every build.
inline const std::vector<int>& sweptSeeds() {
#ifdef SAMPLE_SEED_SWEEPS
  static const std::vector<int> handful{0, 1, 47, 94, 141};
  return handful;
#else
  return allSeeds();
#endif
}

// The draws of a sweep that go through the algebra checker. A sweep over every draw of a generator
// makes the lines of each draw and checks what is cheap (its numbers, which draws came up, the
// brackets a line writes) on every one; the checker compares the lines of every draw, or in a
// build with SAMPLE_SEED_SWEEPS those of a spread handful: every 97th draw from the first. There
// the checker's arithmetic costs far more than the code under test, which has already run for
// every draw, and it meets nothing new in the rest.
class CheckedDraws {
 public:
  // Counts one more draw; true when its lines go through the checker.
  bool next() { return drawn_++ % STRIDE == 0; }

 private:
#ifdef SAMPLE_SEED_SWEEPS
  // Prime, so that the draws taken from nested loops over a generator's numbers vary in each.
  static constexpr std::size_t STRIDE = 97;
#else
  static constexpr std::size_t STRIDE = 1;
#endif
  std::size_t drawn_ = 0;
};

// Runs body(pass) for each of the seeds and a run of passes after each, stopping at the first
// failure with the seed, its clock and the pass. start(seed) runs once the seed is set, before
// its first pass: it sets what an earlier scene may have left, such as a drill's memory.
template <typename Start, typename Body>
void overTheseSeeds(const std::vector<int>& seeds, Start start, Body body, int passes) {
  for (const int seed : seeds) {
    PaRandomize(static_cast<float>(seed));
    start(seed);
    for (int pass = 0; pass < passes; ++pass) {
      body(pass);
      if (::testing::Test::HasFailure())
        FAIL() << "seed " << seed << " (clock " << clockFor(seed) << "), pass " << pass;
    }
  }
}

// The same run with nothing set before the first pass.
template <typename Body>
void overTheseSeeds(const std::vector<int>& seeds, Body body, int passes) {
  overTheseSeeds(seeds, [](int) {}, body, passes);
}

// The run over the swept seeds.
template <typename Body>
void overSeeds(Body body, int passes = 30) {
  overTheseSeeds(sweptSeeds(), body, passes);
}

// The same run with check called after every call of generate.
template <std::invocable Generate, std::invocable Check>
void overSeeds(Generate generate, Check check, int passes = 40) {
  overSeeds(
      [&](int) {
        generate();
        check();
      },
      passes);
}

// The run over every seed, for a sweep whose checks hold only over all of it.
template <typename Body>
void overAllSeeds(Body body, int passes = 30) {
  overTheseSeeds(allSeeds(), body, passes);
}

// The run over every seed, each seed's passes starting from start(seed).
template <typename Start, typename Body>
void overAllSeedsFrom(Start start, Body body, int passes) {
  overTheseSeeds(allSeeds(), start, body, passes);
}
