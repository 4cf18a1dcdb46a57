// The random problems of the mental-arithmetic drills. Each writes its numbers into T(1) to
// T(7) and avoids repeating the key number of the last problem, which it keeps in FMAESU.
#pragma once

namespace ombrel {

// a² − b² with a + b = 100. T(1) = a, 51 to 78 but not 60 or 70; T(2) = b = 100 − a;
// T(3) = a + b; T(4) = a − b; T(5) = (a + b)(a − b) = a² − b².
void GENSQDIFF();

// (t + u)(t − u) = t² − u². T(1) = u, 2 to 9; T(2) = t, 30 to 90 in tens; T(3) = t + u;
// T(4) = t − u; T(5) = t²; T(6) = u²; T(7) = t² − u².
void GENSUMDIFF();

// (t + u)² = t² + 2ut + u². T(1) = u, 1 to 3; T(2) = t, 20 to 70 in tens; T(3) = t + u;
// T(4) = t²; T(5) = 2ut; T(6) = u²; T(7) = t² + 2ut + u².
void GENSQUARE();

}  // namespace ombrel
