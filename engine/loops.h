// Counted loops as the lessons write them: the bounds are fixed when the loop begins and the
// body runs once before the first test, so a loop whose start lies past its end still runs once.
#pragma once

#include <source_location>
#include <type_traits>

#include "runtime.h"

// Runs body with counter = first, first + step, ... while counter has not passed last.
// The body may return false to leave the loop early. Afterwards counter is one step past
// the last value run, as the counted loop leaves it. A counter too large for its step to
// change it (from 2^24 on, for a step of 1) could never pass last: that is an overflow error,
// not an endless loop.
template <typename Body>
void FOR(float& counter, float first, float last, Body&& body, float step = 1.0f,
         std::source_location where = std::source_location::current()) {
  counter = first;
  do {
    if constexpr (std::is_same_v<std::invoke_result_t<Body>, bool>) {
      if (!body()) return;
    } else {
      body();
    }
    const float before = counter;
    counter += step;
    if (counter == before && step != 0) raiseError(ErrorCode::Overflow, where);
  } while (step >= 0 ? counter <= last : counter >= last);
}
