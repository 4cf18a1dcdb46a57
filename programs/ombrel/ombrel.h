// Ombrel: applications of polynomial calculation (numbers written with letters, even and odd
// properties, mental arithmetic, values of expressions, geometric proofs, review answers).
#pragma once

#include "engine/startup.h"

namespace ombrel {

extern const ProgramInfo PROGRAM;

}  // namespace ombrel
