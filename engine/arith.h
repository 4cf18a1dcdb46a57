// Square-root simplification, sign and bracket helpers for term texts, and divisor pairs.
// Parameters and results are the globals of state.h.
#pragma once

void ROOTSIMPLIFY();
void STRIPSIGN();
void STRIPPLUS();
void PARENNEG();
void FLIPSIGN();
void DIVISORPAIRS();
