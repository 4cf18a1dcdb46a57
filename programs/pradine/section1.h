// Section 1, (x+a)(x+b) = x^2+(a+b)x+ab: its scenes and the random numbers they draw.
#pragma once

namespace pradine {

// The aim screen of the section.
void AIMPRODUCT();
// Item 1, the task: find the two coefficients of random products, then why they are the sum and
// the product, with the area diagram and the derivation of the formula.
void PRODUCTTASK();
// Item 2, example 1: the random expansion drill with the formula kept in view.
void EXAMPLE1DRILL();
// Item 3: the worked answers to textbook problem 1.
void PROBLEM1ANSWERS();

// The task's numbers: a and b, nonzero, -8 to 8, a != b, |a+b| >= 2, in T() 1 and 2, the sum and
// the product in 3 and 4, their signs in F() 1 and 2; T$() 1 to 4 with "+" on positive numbers.
void TASKNUMBERS();
// Example 1's problem: a and b, nonzero, -8 to 8, a != b, a+b != 0 and a differing from the
// previous problem's a (FMAESU, which then holds this a); T() 1 to 5 and T$() 1 to 6 as the drill
// lines of kind 1 read them, KOUSIKI = 1 and the letter X$.
void EXAMPLENUMBERS();
// The letter of a drill: X$ = "x", "y", "a" or "b" at random.
void PICKLETTER();

}  // namespace pradine
