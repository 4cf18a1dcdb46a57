// Counted loops as the lessons write them: the bounds are fixed when the loop begins and the
// body runs once before the first test, so a loop whose start lies past its end still runs once.
#pragma once

#include <type_traits>

// Runs body with counter = first, first + step, ... while counter has not passed last.
// The body may return false to leave the loop early. Afterwards counter is one step past
// the last value run, as the counted loop leaves it.
template <typename Body>
void FOR(float& counter, float first, float last, Body&& body, float step = 1.0f) {
  counter = first;
  do {
    if constexpr (std::is_same_v<std::invoke_result_t<Body>, bool>) {
      if (!body()) return;
    } else {
      body();
    }
    counter += step;
  } while (step >= 0 ? counter <= last : counter >= last);
}
