// A program's main menu: the panel with the program's title and its numbered items, and the item
// number typed under it. Each program dispatches the entry to its own sections.
#pragma once

#include <span>
#include <string>

namespace common {

struct MainMenu {
  // The items' texts: item k at (44, 60 + 60k), odd items in colour 13 and even ones in 15 on the
  // panel. Typing the number of the last one ends the program.
  std::span<const char* const> items;
  // The prompt line "番号を入力して下さい。" written once before the number entry writes it again.
  bool writesPrompt = false;
  // The title and the items leave the layout cursor as the section before left it; otherwise they
  // move it like text lines.
  bool keepsCursor = false;
};

// Draws the menu (work area and window cleared, the panel, title and items) and reads an entry,
// until one lies within the items: the last item's value ends the program, a value below 1 or
// above it draws the menu again. Then clears the window, leaving the entry in AINP$ and AINP.
void readMainMenu(const MainMenu& menu);

// The number a main menu dispatches on: the number at the start of the typed text, rounded (for
// an entry a/b that is a, not the value the range test saw).
int menuSelector(const std::string& typed);

}  // namespace common
