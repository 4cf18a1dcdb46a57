// The construction shared by the dotted dimension arc and the arc point: a half-ellipse laid out
// on a horizontal chord from the start point, then turned about the start onto the real chord.
#pragma once

// From the start (ZX0, ZY0) and end (ZX1, ZY1): keeps them in ZX11, ZY11 and ZX12, ZY12, sets
// CX, CY, the half chord RR, the unturned centre ZX2, ZY2 and the chord's direction H.
void layOutArc();

// True when the chord is long enough to carry an arc of height TAKASA (the height is divided by
// the half chord).
bool arcHasChord();

// The point of the arc at parameter angle `degrees` (180 the start, 0 and 360 the end) in ZX, ZY;
// also leaves the unturned point in ZX3, ZY3 and ZX1, ZY1, its direction from the start in HHP
// (HH in degrees) and its distance in R. Needs layOutArc and a chord.
void arcPointAt(float degrees);
