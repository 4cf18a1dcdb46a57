// Segment marks and angle marks for figures. Parameters and results are the globals of state.h.
#pragma once

// HONSU arrowhead marks on the segment (AX,AY)-(BX,BY), pointing towards B, starting 16 pixels
// past the point that divides it in the ratio A:B. Draws nothing when the ends coincide or A+B is 0.
void PARALLELMARKS();
// HONSU ticks across the segment (AX,AY)-(BX,BY), AIDA apart, from its midpoint shifted ITI
// along it. Draws nothing when the ends coincide.
void TICKMARKS();
// HONSU arcs (or a filled sector when HONSU <= 0) in the angle at (ZX0,ZY0) swept counter-
// clockwise from the ray through (ZX1,ZY1) to the ray through (ZX2,ZY2), and the label AAA$.
void ANGLEARCS();
