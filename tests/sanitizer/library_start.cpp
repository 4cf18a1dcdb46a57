// Linked into the test binaries of a sanitizer build. LeakSanitizer leaves out what the shared
// libraries allocate while they start, before any code of the test binary runs: CLN, under the
// algebra checker, keeps a small buffer from its start for good. Everything the binary's own
// code allocates is checked, its static objects included; what libraries keep later is named
// in leaks.supp. Matching a leak against the suppressions would cost every test process a tenth
// of a second of reading debug information at its exit.
#include <sanitizer/lsan_interface.h>

namespace {

void ignoreLibraryStart() { __lsan_disable(); }
// The executable's preinit functions run before any shared library starts ...
[[gnu::section(".preinit_array"), gnu::used]] void (*const IGNORE_LIBRARY_START)() = ignoreLibraryStart;

// ... and its constructors after all of them; this one first.
[[gnu::constructor(101)]] void checkFromHere() { __lsan_enable(); }

}  // namespace
