// The small idioms every Fenwist scene is written with.
#pragma once

#include <string>

namespace fenwist {

// A section menu: writes the item line in the bottom bar and reads the choice into SENTAKU, asking
// again until it lies within 1 to items. Returns the choice as a whole number.
int SECTIONMENU(const std::string& line, int items);

}  // namespace fenwist
