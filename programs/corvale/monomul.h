// Section 1 of Corvale, a polynomial times a monomial: its entry, sub-menu and scenes.
#pragma once

namespace corvale {

// Entry of section 1: the aim on the cleared window, then the sub-menu; returns to the main menu.
void SECMONOMUL();
// The section-1 sub-menu: reads a choice, runs its scene, and asks again, until item 5.
void MENUMONOMUL();
// The aim of section 1: "<めあて>" and its aim line.
void AIMMONOMUL();

// Scene 1: the card trick, with its area figure and the try-other-numbers loop.
void CARDTRICK();
// The nine points of the card-trick figure, in pixels, in X(1..9) and Y(1..9); draws nothing.
void CARDLATTICE();
// The card-trick figure on the lattice, labelled with T$(1) to T$(4).
void CARDFIGURE();
// Erases the labels of the figure drawn last, whole, also where they reach over the explanation.
void ERASECARDLABELS();
// Asks for the bigger and the smaller card number (1 to 13) and makes the labels T$(1) to T$(4).
void CARDINPUT();

// Scene 2: the flower-bed area model of (2a+b)×3a.
void FLOWERBED();

// Scene 3: worked example 1, three practice loops and the summary page.
void EXAMPLEMONOMUL();
// One pass of practice problem 1, monomial times trinomial, after GENMONOTRI.
void SHOWMONOTRI();
// One pass of practice problem 2, trinomial times monomial, after GENMONOTRI.
void SHOWTRIMONO();
// One pass of practice problem 3, fraction coefficient times binomial, after GENFRACMONO.
void SHOWFRACMONO();
// The section's summary under the last problem 3, and the pointer to the textbook.
void SUMMARYMONOMUL();

// Scene 4: the answer pages of textbook problem 1.
void ANSWERSMONOMUL();

}  // namespace corvale
