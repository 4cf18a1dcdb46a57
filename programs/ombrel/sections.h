// The entries of Ombrel's sections, reached from the main menu. Each draws its aim screen, runs
// its sub-menu loop and returns to the main menu when the sub-menu's last item is chosen.
#pragma once

namespace ombrel {

void SECNUMFORMS();  // 1 numbers written with letters
void SECEVENODD();   // 2 even and odd properties
void SECNUMCALC();   // 3 mental arithmetic
void SECEXPRVALUE(); // 4 values of expressions
void SECGEOPROOF();  // 5 geometric proofs
void SECREVIEW();    // 6 review answers (no aim screen)
void SECEXERCISES(); // 7 exercise answers (no aim screen)

}  // namespace ombrel
