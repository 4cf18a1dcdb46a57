// The formula typesetter: formula markup drawn glyph by glyph, stacked fractions, roots,
// measuring and boxed formulas. Parameters and results are the globals of state.h.
//
// The markup: "ﾀ" opens and closes a stacked fraction split at its first "/"; "^" makes the next
// character an exponent and "\" a small high index; "!" or "√" opens a root, "#" a root tall
// enough for a fraction, and "ﾝ" ends the open root's bar; "*", "/", "@", "%" are drawn as
// ×, ÷, ±, °; "&" is the parallelogram sign; a, x, c are italic and l is the script letter.
// The flags JYOU, JYOUK, HROOT, TXM and KAKKO carry over from one text to the next.
#pragma once

// Draws AA$ from (X, Y), top of the line, in colour CCC1. X comes back as the right end of the
// text; AA$ empty; the pen width as it was. After a stacked fraction TBSIYAKX, TBSIYAKY,
// TBBOYAKX, TBBOYAKY say where its numerator and denominator were drawn. KAKKO = 1 makes the
// next "(" ... ")" tall. Overwrites A$, AA_A$, DR, LEM, N and the working globals below.
void DRAWFORMULA();
// Removes "^", "ﾝ", "ﾀ" and "=" from A$.
void STRIPMARKUP();
// Draws the characters of A$ from (X, Y) in colour CCC1, in the fraction metrics while BUN = 1;
// X comes back as the cursor after the last one. Overwrites TX, TY, I and DR.
void DRAWGLYPHS();
// Draws the fraction text A$ (numerator "/" denominator) from (X, Y); X comes back as its right
// end, A$ as the numerator, BUN as 0. Overwrites XT, YT, NAGA, BSEN, TBSI, TBBO, TBSI1, TBBO1,
// TA1, TA2, TA5, TA6, RTASKAI1$, RTASKAI2$ and LLT.
void DRAWFRACTION();
// LLT = the width DRAWFORMULA would give A$, with the flags as they stand; nothing is drawn.
// X, Y and A$ come back unchanged, AA$ empty; a tall ")" uses up KAKKO as a drawing would.
void MEASUREFORM();
// A box of HABA by TATE from (X, Y) (edge CCC2, interior CCC3) with A$ centred in it; X comes
// back as X + HABA. KAKKO is kept for the drawing across the measuring.
void BOXFORMULA();
// The same box centred on the text line Y, the formula on that line.
void BOXFORMULAMID();
// One box of HABA by TATE from (X, Y) holding the lines A1$ and A2$ (A2$ may be empty).
void BOXTWOLINES();
