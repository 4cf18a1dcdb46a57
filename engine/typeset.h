// The formula typesetter: formula markup drawn glyph by glyph, stacked fractions, roots,
// measuring and boxed formulas. Parameters and results are the globals of state.h.
#pragma once

void DRAWFORMULA();
void STRIPMARKUP();
void DRAWGLYPHS();
void DRAWFRACTION();
void MEASUREFORM();
void BOXFORMULA();
void BOXFORMULAMID();
void BOXTWOLINES();
