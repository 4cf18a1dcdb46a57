// Corvale's main menu: the hub every section returns to.
#pragma once

#include <string>

namespace corvale {

// The main menu: draws the panel and its six items, reads an item number and opens the chosen
// section; ends the program on item 6. Loops until then.
void MAINMENU();

// Where the main menu sends an entry that passed its range test (a value from 1 to 6, not 6).
enum class MenuTarget { Section1, Section2, Section3, EmptyItem4, EmptyItem5 };

// The menu dispatches on the number at the start of the typed text, rounded, not on the entry's
// value: "12/3" (value 4) goes by its 12, which names no item and so opens section 1.
MenuTarget menuTarget(const std::string& typed);

}  // namespace corvale
