// Section 1, the meaning of factorising and common factors: its aim screen, its scenes and the
// problem tables of its drill.
#pragma once

namespace fenwist {

// The aim screen; leaves XI1 = 44, YI1 = 370 and XI2 at the end of the second aim line.
void AIMCOMMONFACT();

// Item 1: expanding and factorising as inverse steps, on the area diagram and on rectangles.
void FACTORMEANING();
// Item 2: the first summary, drawn at once, with the arrows between the two forms. Leaves the
// pen width at 5.
void SUMMARY1();
// Item 3: what a common factor is, and how to find one.
void COMMONFACTORS();
// Item 4: the four common-factor practice loops over the two problem tables.
void COMMONFACTDRILL();
// Item 5: the second summary, 12x^2-18x = 6x(2x-3) completed piece by piece.
void SUMMARY2();
// Item 6: the answers to textbook problem 1.
void PROBLEM1ANSWERS();

// The drill's problem tables in T$(): entry n is the polynomial in element n, its common factor
// in element 10 + n and what stays in the brackets in element 20 + n. The first table has 8
// entries, the second 6; no other element is touched.
void CFSETA();
void CFSETB();

}  // namespace fenwist
