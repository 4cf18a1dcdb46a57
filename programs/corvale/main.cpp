#include "engine/platform/window.h"
#include "programs/corvale/corvale.h"

int main() { return runInWindow(corvale::PROGRAM); }
