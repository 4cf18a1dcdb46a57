#include "runtime.h"

#include <cmath>
#include <random>

void raiseError(ErrorCode code, std::source_location where) {
  throw RuntimeError{static_cast<int>(where.line()), code, "",
                     std::string(where.file_name()) + ":" + std::to_string(where.line())};
}

void PsEND() { throw ProgramEnd{}; }

float CHECKED(float v, std::source_location where) {
  if (!std::isfinite(v)) raiseError(ErrorCode::Overflow, where);
  return v;
}

float PnFInt(float v, std::source_location where) { return std::floor(CHECKED(v, where)); }

int ROUNDED(float v, std::source_location where) {
  const float r = std::round(CHECKED(v, where));
  // int's range is [-2^31, 2^31); 2^31 itself is a float, and converting it would be undefined.
  constexpr float limit = 2147483648.0f;
  if (!(r >= -limit && r < limit)) raiseError(ErrorCode::Overflow, where);
  return static_cast<int>(r);
}

float DIV(float a, float b, std::source_location where) {
  if (b == 0.0f) raiseError(ErrorCode::DivisionByZero, where);
  return CHECKED(a / b, where);
}

namespace {
std::mt19937& generator() {
  static std::mt19937 gen(0);
  return gen;
}
}  // namespace

void PaRandomize(float seed) { generator().seed(static_cast<std::uint32_t>(ROUNDED(seed))); }

float PaRnd() {
  // 24 random bits fill a float's mantissa exactly, so the largest value is 1 - 2^-24, never 1.
  return static_cast<float>(generator()() >> 8) * (1.0f / 16777216.0f);
}
