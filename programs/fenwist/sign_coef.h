// The signs of a trinomial's numbers as its lines write them.
#pragma once

namespace fenwist {

// Call right after NUMSTRINGS. The middle coefficient T(3) is written as a coefficient that
// stands before a letter: 1 becomes "+" and -1 becomes "-" in T$(3). Then every T(i) from first
// to last that is greater than 0 gets "+" in front of its T$(i); negative numbers keep their
// minus and 0 keeps its bare text. Uses II as its counter.
void SIGNCOEF(float first, float last);

}  // namespace fenwist
