// Pradine's own globals, beside the engine's (engine/state.h). Every number starts at 0.
#pragma once

namespace pradine {

// --- Layout cursor, besides the engine's XI1, XI2, YI1 and the diagram origin XI3, YI3 --------
inline float XI0 = 0;      // label column: headings and item labels; answer texts stand at XI1 = XI0 + 54
inline float Y11 = 0;      // line of the product a scene is explaining; lines below are placed from it
inline float Y21 = 0;      // a line kept beside a diagram, which moves YI1 to its cells

// --- Practice loops -----------------------------------------------------------------------------
inline float NO = 0;       // pass counter of a practice loop: a fixed table's row, or the combined drill's problem

// --- Drill kit ----------------------------------------------------------------------------------
inline float KOUSIKI = 0;  // formula kind: 1 (x+a)(x+b), 2 (x+a)^2, 3 (x-a)^2, 4 (x+a)(x-a)

}  // namespace pradine
