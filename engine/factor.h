// Prime factorisation, ladder division and plain-text boxes with their measuring.
// Parameters and results are the globals of state.h.
#pragma once

void PRIMEFACTORS();
void LADDERDIV();
void BOXPLAIN();
void BOXPLAINTWO();
void MEASUREPLAIN();
