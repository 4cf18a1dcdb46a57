// Fenwist: factorisation. The program, its main menu and the entries of its sections.
#pragma once

#include "engine/startup.h"

namespace fenwist {

extern const ProgramInfo PROGRAM;

// The main menu: the hub every section returns to. Returns only by ending the program.
void MAINMENU();

// Section entries: each draws its aim screen and runs its section menu until its last item,
// which returns here to the main menu.
void SECCOMMONFACT();   // 1 the meaning of factorising and common factors
void SECDIFFSQUARES();  // 2 the difference of two squares
void SECPERFECTSQ();    // 3 perfect squares
void SECTRINOMIAL();    // 4 x^2+(a+b)x+ab, and choosing the formula
void SECCOMBINED();     // 5 a common factor taken out before a formula
void SECREPLACE();      // 6 factorising by substitution
void SECEXERCISES();    // 7 the answers to the exercises of page 27 (no aim screen)

}  // namespace fenwist
