// Fenwist's own globals, beside the engine's (engine/state.h). Every number starts at 0 and every
// string empty, as at start-up.
#pragma once

#include <string>

namespace fenwist {

// --- Layout cursor, besides the engine's XI1, XI2, YI1 and the figure origin XI3, YI3 ---------
inline float XI0 = 0;   // label column: headings, item labels, the problem lines of a drill
inline float X11 = 0;   // a remembered place: the answer box of the common-factor drill ...
inline float Y11 = 0;   // ... and its line; in the meaning scene the line before the diagram; the
                        // first answer box of a substitution drill
inline float X5 = 0;    // start of the results beside the second step heading of a summary
inline float X12 = 0;   // a second remembered place: answer box ② of the trinomial drills and
inline float Y12 = 0;   // the second answer box of a substitution drill, and its line
// The top-left corners of the further answer boxes of a substitution drill, in drawing order.
inline float X13 = 0, Y13 = 0, X14 = 0, Y14 = 0;
inline float X15 = 0, Y15 = 0, X16 = 0, Y16 = 0, X17 = 0, Y17 = 0;

// --- Practice loops ---------------------------------------------------------------------------
inline float NO = 0;    // entry of a fixed problem table shown in the current pass; 0 before the first
inline std::string NO_S;  // the label of a problem, "(2)" or "(3)", for the displays that draw it

// --- Factor-pair table and formula kinds -------------------------------------------------------
inline float XI = 0;      // top-left corner of the factor-pair table
inline float YI = 0;
inline float WA = 0;      // weight of a row's second member in the table's sum test
inline float KOUSIKI = 0; // formula kind of a problem

// --- Coprime pair generator -------------------------------------------------------------------
inline float REN = 0;   // first-number mode, set by the caller before every call: 1 makes it 1
inline std::string T_S; // the sign of the middle term of a perfect square, "+" or "-"

}  // namespace fenwist
