// The signs of a problem's number texts, so that they can be joined into a line as they stand.
#pragma once

namespace fenwist {

// Right after NUMSTRINGS: T$(3), the coefficient of the letter, becomes "" for 1 and "-" for -1;
// then every T$(i) from first to last whose T(i) is greater than 0 gets a "+" in front (so a
// coefficient 1 reads "+"). Negative numbers keep their "-", 0 keeps "0". Counts with II.
void SIGNCOEF(float first, float last);
// The second half of SIGNCOEF alone: "+" in front of every T$(i) from first to last whose T(i) is
// greater than 0. Counts with II.
void plusSigns(float first, float last);

}  // namespace fenwist
