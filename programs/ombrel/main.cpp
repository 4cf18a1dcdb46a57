#include "engine/platform/window.h"
#include "programs/ombrel/ombrel.h"

int main() { return runInWindow(ombrel::PROGRAM); }
