// Helpers for Fenwist's tests: runs of the program, the sub-menu lines and step waits of the
// operation log, the glyphs at a place.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "common/prompt_marks.h"
#include "engine/engine.h"
#include "support/over_seeds.h"
#include "support/test_support.h"

namespace fenwist_test {

using walk::isNextStep;
using walk::nextSteps;
using walk::stepWaits;
using walk::subMenuLines;

// Element n of T$() and of T(), the texts and numbers a generator leaves.
inline const std::string& t(int n) { return T_S_A(static_cast<float>(n)); }
inline float num(int n) { return T_A(static_cast<float>(n)); }

// A run of Fenwist with the keys (Enter written \n) at the clock time; the last picture goes to
// build/test-output/png when png is given and pictures are asked for (TEST_PICTURES=1).
HeadlessResult runFenwist(const std::string& keys, const std::string& time = "00:00:00", const std::string& png = "");

// Indices in ops where the main menu's title is drawn.
std::vector<std::size_t> mainMenus(const std::vector<Op>& ops);

// The texts with their top-left corner at (x, y) in colour (UTF-8), in drawing order.
std::vector<std::string> glyphsAt(const std::vector<Op>& ops, float x, float y, int colour);

}  // namespace fenwist_test
