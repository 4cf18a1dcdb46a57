// The sign formatting of the number texts in T$() and F$() that Pradine's generators write.
#pragma once

#include <initializer_list>

namespace pradine {

// The unit coefficient of a middle term: element of T$() made empty when its number is 1 and "-"
// when it is -1, so the letter follows a bare sign.
void UNITCOEF(int element);
// Puts "+" in front of each listed element of T$() whose number in T() is greater than 0.
void SIGNCOEF(std::initializer_list<int> elements);
// The coefficient of a letter or a bracket in element of F$(): a bare sign for 1 and -1, with
// "+" in front when its number in F() is greater than 0.
void LETTERCOEF(int element);

}  // namespace pradine
