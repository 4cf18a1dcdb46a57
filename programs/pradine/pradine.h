// Pradine: the multiplication formulas. The program's sections and the routines they share.
#pragma once

#include "engine/startup.h"

namespace pradine {

extern const ProgramInfo PROGRAM;

// The main menu: the hub every section returns to. Returns only by ending the program.
void MAINMENU();

// Section 1, (x+a)(x+b): its entry (aim screen, then the section menu until its last item).
void SECPRODUCT();

// Sections 4 to 6: calculation with the formulas, substitution, the answers to the exercises of
// textbook page 20. Each entry runs its section menu until its last item.
void SECPRACTICE();
void SECSUBST();
void SECEXERCISES();

}  // namespace pradine
