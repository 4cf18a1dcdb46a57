// Library figures: polygons with letters and labels, perpendicular foot and line intersection,
// the coordinate plane with points, graphs and lines, brace and division layout, grid vectors.
// Parameters and results are the globals of state.h.
#pragma once

void POLYGON();
void POLYLETTERS();
void POLYLABELS();
void PERPFOOT();
void LINECROSS();
void AXES();
void AXESDECIMAL();
void PLOTPOINT();
void PLOTGRAPH();
void GRAPHSAMPLES();
void VERTLINE();
void BRACE();
void DIVLAYOUT();
void GRIDVECTOR();
void AXISFOOT();
void VECTORXLABEL();
void VECTORYLABEL();
