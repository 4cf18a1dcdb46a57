// Runs a program in a real window: maximised, resizable, the canvas scaled to fit.
#pragma once

#include "../startup.h"

int runInWindow(const ProgramInfo& program);
