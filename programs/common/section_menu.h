// The sub-menu of a section: one line of circled items on the bottom bar, whose last item leads
// back to the main menu.
#pragma once

#include <span>
#include <string>

namespace common {

using Routine = void (*)();

// What the sub-menu leaves in AINP once it has copied the entry into SENTAKU.
enum class MenuEntry {
  Kept,     // the typed value stays (Ombrel)
  SetTo10,  // AINP = 10 right after the copy (Corvale, Pradine, Fenwist)
};

// The sub-menu loop: writes the line in the bottom bar (MENUBAR), copies the entry into SENTAKU and
// clears the bar. A choice below 1 or above the last item (scenes.size() + 1) only writes the line
// again; otherwise the choice, rounded to a whole number, runs its scene, whose picture stays
// under the line written again, until the last item returns.
void SECTIONMENU(const std::string& line, std::span<const Routine> scenes, MenuEntry entry);

}  // namespace common
