// A page as busy as a lesson's worked example, drawn through the engine's own routines: a
// panel, a heading, formula lines with exponents, fractions and roots, boxed answers, figures.
#pragma once

// Draws the whole page; variant changes the numbers so that successive pages differ.
void drawLessonPage(int variant);
// Draws one more step's worth on the page: a formula line and its mark.
void drawLessonStep(int step);
