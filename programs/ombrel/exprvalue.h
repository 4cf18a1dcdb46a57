// Section 4, values of expressions: its scenes, and the practice loop their drills share.
#pragma once

#include <string>

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

// The practice loop of a drill whose area starts at the column x, on the line y 30: XI0 = x,
// U(31) = x, V(31) = 30, then AREAPRACTICE(31, produce, drawProblem).
void practiceInColumn(float column, Routine produce, Routine drawProblem);

// The opening of a problem in x and y, drawn in the practice area of U(31), V(31): XI1 and YI1
// set to its corner, the label in colour 3 at (XI0, YI1), " x=..,y=..のとき、" after it, and
// "次の式の値を求めなさい。" 40 px in and 50 px below.
void xyProblemHeading(const char* label, const std::string& x, const std::string& y);

// The note before the values are put in: "x=..,y=.. を代入して" in colour 3, 40 px in and 50 px
// below the last line.
void xySubstitutionNote(const std::string& x, const std::string& y);

// One problem of the second review drill drawn on its cleared practice area, from the texts of
// TEXTSREVIEWXY, up to its value (the loop asks at the next-step prompt).
void DRAWREVIEWXY();

}  // namespace ombrel
