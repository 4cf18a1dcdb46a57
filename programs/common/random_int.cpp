#include "random_int.h"

#include "engine/engine.h"

namespace common {

float randomInt(float n, float m) { return PnFInt(PaRnd() * n) + m; }

}  // namespace common
