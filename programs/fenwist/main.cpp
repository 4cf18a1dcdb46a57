#include "engine/platform/window.h"
#include "fenwist.h"

int main() { return runInWindow(fenwist::PROGRAM); }
