// The programs tools/replay can run, by name.
#pragma once

#include <string>

#include "engine/startup.h"

// The program of that name (lower case), or null.
const ProgramInfo* findProgram(const std::string& name);
