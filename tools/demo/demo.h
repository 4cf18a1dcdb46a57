// A tiny program on the engine alone: a few shapes and texts, and keys that raise runtime errors.
#pragma once

#include "engine/startup.h"

namespace demo {
extern const ProgramInfo PROGRAM;
}
