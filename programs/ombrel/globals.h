// Ombrel's own globals: the lesson state that the engine's shared globals (engine/state.h) do
// not hold. Like those, every number starts at 0.
#pragma once

namespace ombrel {

// --- Layout cursor ----------------------------------------------------------------------------
inline float XI0 = 0;  // label column of a scene; also the left edge of a practice area

// --- Loop counters ----------------------------------------------------------------------------
inline float JJ = 0;   // outer counter of the band-formation figure (II, the inner one, is shared)

// --- Band-formation figure --------------------------------------------------------------------
inline float M = 0;    // x of the centre of a dot of the turned square (N, shared, holds its y)

// --- Pond-and-road figures ---------------------------------------------------------------------
inline float R1 = 0;   // radius of a round pond, in px
inline float R2 = 0;   // radius of the road's centre line
inline float R3 = 0;   // radius of the road's outer edge

}  // namespace ombrel
