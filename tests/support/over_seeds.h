// Runs of a generator test over every random seed the programs' clock can give.
#pragma once

#include <gtest/gtest.h>

#include <concepts>

#include "engine/engine.h"

// Runs body(pass) for every seed the clock can give (hours + minutes + seconds, 0 to 141) and a
// run of passes after each, stopping at the first failure with the seed and the pass.
template <typename Body>
void overSeeds(Body body, int passes = 30) {
  for (int seed = 0; seed <= 141; ++seed) {
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
