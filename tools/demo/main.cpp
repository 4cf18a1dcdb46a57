#include "demo.h"
#include "engine/platform/window.h"

int main() { return runInWindow(demo::PROGRAM); }
