// The sum-and-difference diagrams of (x+a)(x-a) = x^2-a^2 in three frames. Origin XI3, YI3 and
// labels in F$() as for the product diagram (area_diagram.h), with these roles:
//   1 x (left arc of the big cell, top arc over the whole width)   5 the lower strip
//   2 a (left arc of the lower strip; right or bottom arc of the corner later)
//   3 a (arc inside the right strip)   4 the big cell, the square   6 the right strip
//   7 the corner cell (move and result)
#pragma once

namespace common {

// The product (x-a)(x+a) as a coloured rectangle beside an empty strip; no key wait.
void SUMDIFFAREA();
// Empties the lower strip, waits for a key, and sets the strip, turned, into the right column,
// leaving the a x a corner empty. Ends with an arc.
void SUMDIFFMOVE();
// The square x^2 with its a x a corner cut out; no key wait. Ends with an arc.
void SUMDIFFRESULT();

}  // namespace common
