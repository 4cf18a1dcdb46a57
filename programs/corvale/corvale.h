// Corvale: multiplying and dividing a polynomial by a monomial, and multiplying polynomials.
#pragma once

#include "engine/startup.h"

namespace corvale {

extern const ProgramInfo PROGRAM;

}  // namespace corvale
