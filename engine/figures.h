// Ray angles, vertex labels, the dotted dimension arc, angle size and marks, the graph-paper
// grid and the arrow. Parameters and results are the globals of state.h.
#pragma once

void SEGDIRECTION();
void RAYANGLES();
void PLACELABEL();
void SPANARC();
void ANGLEDEGREES();
void RIGHTANGLE();
void ARCPOINT();
void SQUAREGRID();
void ARROW();
