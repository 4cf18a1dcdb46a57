// Corvale's own globals: the lesson values that the engine's shared state (engine/state.h) does
// not hold. Every number starts at 0, as in the engine.
#pragma once

namespace corvale {

// --- Layout cursor of a scene, beyond the engine's XI1, XI2, YI1 ------------------------------
inline float XI0 = 0;  // column of step numbers, headings and answer labels
inline float YI2 = 0;  // y of a formula line that a later line is placed from (flower bed)

// --- Working values of the card-trick figure --------------------------------------------------
inline float M = 0;    // first lattice point of the box being drawn (N holds the second)

// --- Counts of the division scenes -----------------------------------------------------------
inline float NO = 0;   // row of the reciprocal table on screen; 0 before the first
inline float LEU = 0;  // digits of the numerator coefficient being struck
inline float LES = 0;  // digits of the divisor's coefficient being struck (fraction divisors)

}  // namespace corvale
