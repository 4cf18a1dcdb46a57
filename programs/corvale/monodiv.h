// Section 2 of Corvale, a polynomial divided by a monomial: its entry, sub-menu and scenes.
#pragma once

namespace corvale {

// Entry of section 2: the aim on the cleared window, then the sub-menu; returns to the main menu.
void SECMONODIV();
// The section-2 sub-menu: reads a choice, runs its scene, and asks again, until item 4.
void MENUMONODIV();
// The aim of section 2: "<めあて>" and its aim line.
void AIMMONODIV();

// The opening of scenes 1 and 2: the cleared window, pen 5 for the whole scene, the heading at
// (40, 30) in colour, the first drill's practice area from (40, 80) under it, and AINP = 3, so
// that the drill shows at least one problem.
void OPENDIVISION(float colour, const char* heading);

// Scene 1: review 1, dividing by a whole number, then review 2, the table of reciprocals.
void REVIEWMONODIV();
// One pass of review 1, after GENDIVINT: eight steps, from the division to the quotient.
void SHOWDIVINT();
// Review 2 on the right of review 1's last problem, then the note on fraction coefficients.
void RECIPROCALREVIEW();

// Scene 2: example 3, drill (1) on the left, drill (2) on the right, and the summary.
void EXAMPLEMONODIV();
// One pass of drill (1), after GENDIVMONO: six steps, from the division to the quotient.
void SHOWDIVMONO();
// One pass of drill (2), after GENDIVFRAC: six steps, from the division to the quotient.
void SHOWDIVFRAC();
// The section's summary under the last problem of drill (2), and the pointer to the textbook.
void SUMMARYMONODIV();

// Scene 3: the answers of textbook problem 2 on two pages.
void ANSWERSMONODIV();

}  // namespace corvale
