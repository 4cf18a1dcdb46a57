// The small idioms every Pradine scene is written with.
#pragma once

#include <initializer_list>
#include <string>

namespace pradine {

// A section menu: writes the item line in the bottom bar and reads the choice into SENTAKU, asking
// again until it lies within 1 to items. Returns the choice as a whole number.
int SECTIONMENU(const std::string& line, int items);

// The unit coefficient of a middle term: element of T$() made empty when its number is 1 and "-"
// when it is -1, so the letter follows a bare sign.
void UNITCOEF(int element);
// Puts "+" in front of each listed element of T$() whose number in T() is greater than 0.
void SIGNCOEF(std::initializer_list<int> elements);

}  // namespace pradine
