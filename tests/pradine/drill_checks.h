// Helpers of Pradine's drill tests: the runs over the clock's seeds and the check of a line a
// drill shows.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"
#include "support/algebra.h"
#include "support/over_seeds.h"

// The line equals the problem and is written cleanly.
inline void expectShows(const std::string& line, const std::string& problem) {
  EXPECT_TRUE(algebra::sameValue(line, problem));
  EXPECT_EQ(algebra::formFault(line), "") << algebra::utf8(line);
}
