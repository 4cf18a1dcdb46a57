#include "engine/platform/window.h"
#include "pradine.h"

int main() { return runInWindow(pradine::PROGRAM); }
