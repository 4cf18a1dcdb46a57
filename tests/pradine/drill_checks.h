// Helpers of Pradine's drill tests: runs over the seeds the program's clock gives, and the check
// of a line a drill shows.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"
#include "support/algebra.h"

// Runs body(pass) for every seed the program's clock can give and a run of passes after each,
// stopping at the first failure with the seed and the pass.
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

// The line equals the problem and is written cleanly.
inline void expectShows(const std::string& line, const std::string& problem) {
  EXPECT_TRUE(algebra::sameValue(line, problem));
  EXPECT_EQ(algebra::formFault(line), "") << algebra::utf8(line);
}
