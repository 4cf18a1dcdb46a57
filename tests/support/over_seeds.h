// Runs of a generator test over every random seed the programs' clock can give.
#pragma once

#include <gtest/gtest.h>

#include <concepts>
#include <vector>

#include "engine/engine.h"

// The seeds a sweep runs over: every seed the clock can give (hours + minutes + seconds, 0 to
// 141). A build with SAMPLE_SEED_SWEEPS (the sanitizer build, which slows the algebra checker's
// arithmetic far more than the programs) runs a handful spread over the range instead.
inline const std::vector<int>& sweptSeeds() {
  static const std::vector<int> seeds = [] {
#ifdef SAMPLE_SEED_SWEEPS
    return std::vector<int>{0, 1, 47, 94, 141};
#else
    std::vector<int> all;
    for (int seed = 0; seed <= 141; ++seed) all.push_back(seed);
    return all;
#endif
  }();
  return seeds;
}

// Runs body(pass) for every swept seed and a run of passes after each, stopping at the first
// failure with the seed and the pass.
template <typename Body>
void overSeeds(Body body, int passes = 30) {
  for (const int seed : sweptSeeds()) {
    PaRandomize(static_cast<float>(seed));
    for (int pass = 0; pass < passes; ++pass) {
      body(pass);
      if (::testing::Test::HasFailure()) FAIL() << "seed " << seed << ", pass " << pass;
    }
  }
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
