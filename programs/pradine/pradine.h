// Pradine: the multiplication formulas. The program's sections and the routines they share.
#pragma once

#include "engine/startup.h"

namespace pradine {

extern const ProgramInfo PROGRAM;

// The main menu: the hub every section returns to. Returns only by ending the program.
void MAINMENU();

// Section 1, (x+a)(x+b): its entry (aim screen, then the section menu until its last item).
void SECPRODUCT();
// Section 2, the square formulas: its entry (aim screen, then the section menu until its last item).
void SECSQUARE();
// Section 3, the product of a sum and a difference: its entry, as section 2's.
void SECSUMDIFF();

// Sections 4 to 6: calculation with the formulas, substitution, the answers to the exercises of
// textbook page 20. Each entry runs its section menu until its last item.
void SECPRACTICE();
void SECSUBST();
void SECEXERCISES();

}  // namespace pradine
