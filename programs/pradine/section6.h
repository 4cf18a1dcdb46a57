// Section 6, the answers to the exercises of textbook page 20, on three answer sheets.
#pragma once

namespace pradine {

// The frame every sheet starts with: the window cleared, the header box "P20練習問題" at (94,30)
// and the sheet's number in a box 20 px right of it. Leaves the label column XI0 = 40, the text
// column XI1 = 94, XI2 at the number box's right edge and YI1 = 30.
void SHEETFRAME(const char* number);

// The three sheets: twelve expansions with the formulas on two pages; four combined expressions
// on two pages; four expansions by substitution on one page, one exercise per step.
void ANSWERSHEET1();
void ANSWERSHEET2();
void ANSWERSHEET3();

}  // namespace pradine
