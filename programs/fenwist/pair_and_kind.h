// The first draws of the two generators that choose a formula kind: section 4's formula-choice
// drill and section 5's common factor and formula generator.
#pragma once

namespace fenwist {

// T(1) and T(2) each from 1 to 9, T(1) made negative when a sign draw P is 1 and T(2) when a
// second one is 2; T(3) = T(1) + T(2), T(4) = T(1) T(2). Then KOUSIKI from 1 to kinds, drawn
// again while it equals FMAESU and then stored there. Kind 1 with two equal or two opposite
// numbers would be a square or a difference of squares: everything is drawn again, and since
// FMAESU now holds 1 the kind becomes another. FMAESU is shared by both generators, which give
// the kinds their own meanings and compare them as plain numbers.
void drawPairAndKind(float kinds);

}  // namespace fenwist
