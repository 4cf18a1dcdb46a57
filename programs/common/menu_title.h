// The heading of a program's main menu.
#pragma once

#include <string>

namespace common {

// "＜" + the program's title + "　メニュー＞", the title's half-width letters and digits written
// full-width: drawn as formula markup, half-width a, c and x would come out as italic letters and
// l as a script letter, which spoils a name ("Corvale", "Ombrel").
std::string menuTitle();

}  // namespace common
