// The one runner of Ombrel's generator tests over many seeds.
#pragma once

#include <gtest/gtest.h>

#include "engine/engine.h"

namespace ombrel_test {

// Runs generate `problems` times in a row from each of `seeds` seeds, each seed starting with
// FMAESU as some earlier scene may have left it (the seed modulo `keys`), and hands every
// problem to check with FMAESU as it was before that problem. Stops at the first fatal failure.
template <typename Check>
void overSeeds(void (*generate)(), int seeds, int problems, int keys, Check check) {
  for (int seed = 0; seed < seeds; ++seed) {
    PaRandomize(static_cast<float>(seed));
    FMAESU = static_cast<float>(seed % keys);
    for (int k = 0; k < problems; ++k) {
      const float before = FMAESU;
      generate();
      check(before);
      if (testing::Test::HasFatalFailure()) return;
    }
  }
}

}  // namespace ombrel_test
