// The random whole numbers of the lessons' generators.
#pragma once

namespace common {

// A random whole number from m to m + n - 1, each equally likely: the integer part of r times n,
// plus m, r uniform in [0,1).
float randomInt(float n, float m);

}  // namespace common
