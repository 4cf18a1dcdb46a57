// The first draws of the generators that choose a formula kind for a pair of signed numbers:
// Pradine's mixed-formula drill, Fenwist's formula-choice drill and its common-factor generator.
#pragma once

namespace common {

// T(1) and T(2) each from 1 to largest, T(1) made negative when a sign draw P is 1 and T(2) when
// a second one is 2; T(3) = T(1) + T(2), T(4) = T(1) T(2). Then a kind from 1 to kinds, drawn
// again while it equals FMAESU and then stored there. Kind 1 with two equal or two opposite
// numbers would be a square or a difference of squares: everything is drawn again, and since
// FMAESU now holds 1 the kind becomes another. Returns the kind.
float drawPairAndKind(float largest, float kinds);

}  // namespace common
