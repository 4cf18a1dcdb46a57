// The shared arrays: fixed upper bounds, element 0 included, checked indices.
#pragma once

#include <array>
#include <cstddef>
#include <source_location>

#include "runtime.h"

// A one-dimensional array indexed 0..Bound. An index is a number rounded to a whole one;
// outside the bounds it is a runtime error carrying the caller's line.
template <typename T, int Bound>
class Array1 {
 public:
  T& operator()(float index, std::source_location where = std::source_location::current()) {
    return items_[slot(index, where)];
  }
  const T& operator()(float index, std::source_location where = std::source_location::current()) const {
    return items_[slot(index, where)];
  }

 private:
  static std::size_t slot(float index, std::source_location where) {
    const int i = ROUNDED(index, where);
    if (i < 0 || i > Bound) raiseError(ErrorCode::IndexOutOfRange, where);
    return static_cast<std::size_t>(i);
  }
  std::array<T, Bound + 1> items_{};
};

// A two-dimensional array indexed 0..Bound1 by 0..Bound2.
template <typename T, int Bound1, int Bound2>
class Array2 {
 public:
  T& operator()(float i, float j, std::source_location where = std::source_location::current()) {
    return items_[slot(i, Bound1, where)][slot(j, Bound2, where)];
  }

 private:
  static std::size_t slot(float index, int bound, std::source_location where) {
    const int i = ROUNDED(index, where);
    if (i < 0 || i > bound) raiseError(ErrorCode::IndexOutOfRange, where);
    return static_cast<std::size_t>(i);
  }
  std::array<std::array<T, Bound2 + 1>, Bound1 + 1> items_{};
};
