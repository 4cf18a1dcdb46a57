// The pond-and-road figures of the geometric proofs: a pond with a road of one width around it,
// laid out on a grid of 10 x 10 cells of 40 px from (704,80) to (1104,480) whose bottom-left
// corner is the origin. A figure's points are written in cells into X() and Y(), y counted
// upwards, and then turned into pixels; its elements are drawn with pen width 6.
#pragma once

#include "programs/common/scene.h"

namespace ombrel {

// Lays out the pond grid with SQUAREGRID. Its line colour is the background's: no grid line is
// drawn, the call only gives the origin GX0 = 704, GY0 = 480 and the cell SIZE = 40.
void PONDGRID();

// Turns the points 1 to last of X() and Y() from cells into pixels: cell (i,j) is the pixel
// (GX0 + SIZE*i, GY0 - SIZE*j).
void GRIDPOINTS(float last);

// A dimension line from (x0,y0) to (x1,y1) in colour: an open arrowhead 16 px long at each end.
void DIMENSIONLINE(float x0, float y0, float x1, float y1, float colour);

// The pointer arrow to the centre line from under the figure: from 20 px below (x,y), a point of
// the outer edge, straight up to 40 px above it, its head at the top, in colour 7.
void POINTERARROW(float x, float y);

// The grid and the points of a rectangular pond with its road, pen width 6 set for the figure:
// 1 and 2 the top-left and bottom-right corners of the road's outer edge, the cells (0,10) and
// (10,bottom); 3 and 4 those of the pond, 2 cells inside; 5 and 6 the middles of the outer top
// and bottom sides. Written in cells, then turned into pixels.
void RECTPOINTS(float bottom);

// The road's width across the top part of a rectangular figure: a dimension line from point 5
// down 2 cells to the pond, in colour.
void TOPWIDTH(float colour);

// The road's centre line of a rectangular figure: a box outline in colour whose corners lie one
// cell inside those of the outer edge, points 1 and 2.
void CENTREBOX(float colour);

// The pointer arrow of a rectangular figure, under point 6.
void BOTTOMPOINTER();

// How a side of a rectangular pond is marked: a dotted arc bulging 32 px into the pond (houkou -1
// for a side drawn downwards, 1 for one drawn rightwards), a dot every 7 degrees in colour dots.
// Its label, the side's length, stands inside the pond in colour SIDE_LABEL.
constexpr common::ArcStyle sideArc(float houkou, float dots) { return {houkou, 7, 2, dots}; }
constexpr float SIDE_LABEL = 5;

// The pen width 2 that a scene of the section leaves when its figure and proof are done.
void PENTWO();

}  // namespace ombrel
