// Section 3 of Corvale, a polynomial times a polynomial: its entry, sub-menu and scenes.
#pragma once

namespace corvale {

// Entry of section 3: the aim on the cleared window, then the sub-menu; returns to the main menu.
void SECPOLYMUL();
// The aim of section 3: "<めあて>" and its aim line.
void AIMPOLYMUL();
// The section-3 sub-menu: reads a choice, runs its scene, and asks again, until item 11.
void MENUPOLYMUL();

// Scene 1: (a+b)(c+d) on the flower-bed area model, then again by putting c+d = M.
void EXPANDBED();
// Scene 2: worked example 5, two fixed products of binomials in four letters.
void EXAMPLE5();
// Scene 3: the answers of textbook problem 3.
void ANSWERSPROB3();
// Scene 4: worked example 6, random (x+a)(x-b) practice.
void EXAMPLE6();
// Scene 5: the answers of textbook problem 4.
void ANSWERSPROB4();
// Scene 6: worked example 7 term by term and by numbered arcs, then random (px+a)(qx-b) practice.
void EXAMPLE7();
// Scene 7: the answers of textbook problem 5, each product with its four numbered arcs.
void ANSWERSPROB5();
// Scene 8: the summary of expansion, with the four arcs over (a+b)(c+d).
void SUMMARYPOLYMUL();
// Scene 9: worked example 8, random (px-qy)(rx+sy-t) practice, and the last one by six arcs.
void EXAMPLE8();
// Scene 10: the answers of textbook problem 6, on two pages.
void ANSWERSPROB6();

}  // namespace corvale
