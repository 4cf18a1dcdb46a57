// Segment marks and angle marks for figures. Parameters and results are the globals of state.h.
#pragma once

void PARALLELMARKS();
void TICKMARKS();
void ANGLEARCS();
