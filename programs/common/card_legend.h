// The legend of the card trick: its four rules A, B, C and D on one line, as Corvale's card trick
// states them and Pradine's proof of the trick repeats them.
#pragma once

namespace common {

// Each letter label in colour 7 with its rule right after it in colour 3: the first label at
// (xi0, YI1 + 60), each further label 30 px after the rule before it. Leaves XI2 at the end of the
// last rule and YI1 on the legend's line.
void CARDLEGEND(float xi0);

}  // namespace common
