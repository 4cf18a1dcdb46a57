// Placeholders for engine routines still being written: each does nothing yet. Whoever
// builds a routine deletes its line here; the file goes when it is empty.
#include "engine.h"

void POLYGON() {}  // plane.h
void POLYLETTERS() {}  // plane.h
void POLYLABELS() {}  // plane.h
void PERPFOOT() {}  // plane.h
void LINECROSS() {}  // plane.h
void AXES() {}  // plane.h
void AXESDECIMAL() {}  // plane.h
void PLOTPOINT() {}  // plane.h
void PLOTGRAPH() {}  // plane.h
void GRAPHSAMPLES() {}  // plane.h
void VERTLINE() {}  // plane.h
void BRACE() {}  // plane.h
void DIVLAYOUT() {}  // plane.h
void GRIDVECTOR() {}  // plane.h
void AXISFOOT() {}  // plane.h
void VECTORXLABEL() {}  // plane.h
void VECTORYLABEL() {}  // plane.h
void PRIMEFACTORS() {}  // factor.h
void LADDERDIV() {}  // factor.h
void BOXPLAIN() {}  // factor.h
void BOXPLAINTWO() {}  // factor.h
void MEASUREPLAIN() {}  // factor.h
