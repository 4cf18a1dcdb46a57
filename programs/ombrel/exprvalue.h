// Section 4, values of expressions: its scenes, and the practice loop their drills share.
#pragma once

#include "programs/common/section_menu.h"

namespace ombrel {

using common::Routine;

void EXPRREVIEW();       // ① review: the value of -5a, then of c1(px+qy)+c2(rx+sy) simplified first
void TASKEXPRVALUE();    // ② tasks: expand and collect, or factorise, then substitute
void ANSWEREXPRVALUE();  // ③ answers to the textbook's problem 5

// The practice loop of the section's drills: AINP = 3, then, while AINP is not exactly 1, a pass:
// produce a problem (its numbers and texts), erase the practice area, a colour-15 box from
// (U(k), V(k)) over 1320 x 1300, draw the problem and its working, and ask at the next-step
// prompt. What lies left of or above the corner stays, so two drills can stand side by side.
void AREAPRACTICE(float k, Routine produce, Routine drawProblem);

// One problem of the second review drill drawn on its cleared practice area, from the texts of
// TEXTSREVIEWXY, up to its value (the loop asks at the next-step prompt).
void DRAWREVIEWXY();

}  // namespace ombrel
